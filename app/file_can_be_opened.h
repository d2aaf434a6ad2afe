// Whether a file opens for reading (as a typed file, sharing reading and writing, like every classic
// open); its contents are not read.  A file another program holds without sharing does not open.
#pragma once

#include <string>

bool FileCanBeOpened(const std::string& name);
