// Prints the headers and every index page of a record file, read from its files directly (not
// through the engine), for people and tests.  Every amount read comes from the files' real sizes:
// a damaged header makes the dump say less, never read past a file or loop over its counts.
#pragma once

#include <ostream>
#include <string>

// `name` is the Fileblock name (without extension, "data;index" allowed).  False when the data
// file or a needed index file cannot be read.
bool DumpRecordFile(const std::string& name, std::ostream& out);
