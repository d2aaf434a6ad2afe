// Prints the headers and every page of a record file, read directly from its files.
#pragma once

#include <ostream>
#include <string>

// False when the files cannot be read.
bool DumpRecordFile(const std::string& name, std::ostream& out);
