// The record layout the isam tool writes: status word 0, then the key texts as length-prefixed
// texts one after another, zero bytes after them.
#pragma once

#include <string>
#include <vector>

#include "platform/core/types.h"

// Builds a record of `length` bytes; false when the texts do not fit.
bool BuildRecord(const std::vector<std::string>& texts, Integer length, std::string& record);
// Reads back up to `count` texts (fewer when the record ends first).
std::vector<std::string> RecordTexts(const std::string& record, Integer count);
