// The variable-length LZW code of GIF image data: codes of minCodeSize + 1 bits, least significant
// bit first, growing by one bit each time the table reaches a power of two, to at most 12 bits;
// code 2^minCodeSize clears the table and the next one ends the data.  A full table is kept until
// the next clear code.
//
// Invariant: output is written only inside `out`; strings that run past its end are cut.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace gdi {

struct LzwOutcome {
  enum Kind { Complete, DataEndedEarly, InvalidCode } kind;
  std::size_t produced;  // pixels written to the start of `out`
};

// minCodeSize must be 1..8 (indices are bytes).  Decoding stops at the end code, when `out` is full, at the end of
// `data` (DataEndedEarly) or at a code that is not yet in the table (InvalidCode).
LzwOutcome DecodeGifLzw(std::span<const std::uint8_t> data, int minCodeSize, std::span<std::uint8_t> out);

}  // namespace gdi
