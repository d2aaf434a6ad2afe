// One run of the component stream fuzz target: reads untrusted bytes as a binary component stream
// (plainly and with every error handled), converts them to text, and parses them as text.  Errors
// must come out as the class library's exceptions; anything else (a crash, a sanitizer report,
// another exception type) is a fault.
#pragma once

#include <cstddef>
#include <cstdint>

void ReadUntrustedComponentStream(const std::uint8_t* data, std::size_t size);
