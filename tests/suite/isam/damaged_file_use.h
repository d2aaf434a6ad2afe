// Opening and using a record file that may be damaged, as every kind of caller would, for the
// damaged-file table and the fuzz target: the engine in single-station mode without and with save
// mode and in network mode reads records, steps through and searches every key, adds a record with
// its keys, removes an entry and frees its record; the offline check and the dump read the files
// before and after.  Each of the three starts from the same files.
#pragma once

#include <string>
#include <vector>

#include "platform/core/types.h"

// The three files of a record file as bytes; an empty text means no such file.
struct RecordFileBytes {
  std::string dat, ix, dia;
};

// Writes `files` as `base`.DAT/.IX/.DIA (removing those that are empty).
void WriteRecordFile(const std::string& base, const RecordFileBytes& files);
RecordFileBytes ReadRecordFileBytes(const std::string& base);

// Uses `files` written as `base`; returns the status number of every engine call that failed, in
// order.  Whatever the files hold, this ends: no call may crash, hang or overrun memory.
std::vector<Integer> UseRecordFile(const std::string& base, const RecordFileBytes& files);

// Whether `code` is a number the engine may report for a damaged file or for the calls above
// themselves (not found, duplicate, no next entry, freeing a record number a damaged key names).
bool ExpectedForDamage(Integer code);
