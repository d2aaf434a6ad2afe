// Encoding and checking of the record-file headers, the key order and the file names.
#include "suite/isam/isam_format.h"

#include <algorithm>
#include <cstring>

#include "suite/isam/isam_errors.h"
#include "suite/isam/le_bytes.h"

void DataHeader::Encode(Byte* out) const {
  std::memset(out, 0, isam_format::DataHeaderSize);
  PutInt32LE(out, freeHead);
  PutInt32LE(out + 4, freeCount);
  PutInt32LE(out + 8, allocated);
  PutInt32LE(out + 12, recordLength);
  out[16] = keyCount;
  out[20] = openFlag;
}

DataHeader DataHeader::Decode(const Byte* in) {
  DataHeader h;
  h.freeHead = GetInt32LE(in);
  h.freeCount = GetInt32LE(in + 4);
  h.allocated = GetInt32LE(in + 8);
  h.recordLength = GetInt32LE(in + 12);
  h.keyCount = in[16];
  h.openFlag = in[20];
  return h;
}

void KeyHeader::Encode(Byte* out) const {
  std::memset(out, 0, isam_format::KeyHeaderSize);
  PutInt32LE(out, freeHead);
  PutInt32LE(out + 4, freeCount);
  PutInt32LE(out + 8, allocated);
  PutInt32LE(out + 12, pageSize);
  PutInt32LE(out + 16, root);
  out[20] = duplicates ? 1 : 0;
  PutInt32LE(out + 22, entries);
  PutWordLE(out + 26, entriesPerPage);
}

KeyHeader KeyHeader::Decode(const Byte* in) {
  KeyHeader h;
  h.freeHead = GetInt32LE(in);
  h.freeCount = GetInt32LE(in + 4);
  h.allocated = GetInt32LE(in + 8);
  h.pageSize = GetInt32LE(in + 12);
  h.root = GetInt32LE(in + 16);
  h.duplicates = in[20] != 0;
  h.entries = GetInt32LE(in + 22);
  h.entriesPerPage = GetWordLE(in + 26);
  if (h.entriesPerPage == 0) h.entriesPerPage = isam_format::EntriesPerPage;
  return h;
}

Integer CheckKeyHeader(const KeyHeader& header, Integer& maxKeyLength) {
  const Integer e = header.entriesPerPage;
  if (e > isam_format::EntriesPerPage) return isam_error::TooManyEntriesPerPage;
  // The page size must be E whole entries of L + 9 bytes plus the 6-byte head, computed the way the
  // suite's other programs check it (in units of 1/10,000 of a byte per entry).
  const Int64 q = (static_cast<Int64>(header.pageSize) - 6) * 10000 / e;
  const Int64 h = q - 90000;
  if (h % 10000 != 0) return isam_error::PageSizeMismatch;
  const Int64 l = h / 10000;
  if (l > isam_format::MaxKeyLength || l < 1) return isam_error::KeyLengthOutOfRange;
  maxKeyLength = static_cast<Integer>(l);
  return 0;
}

Integer CheckDataHeader(const DataHeader& header, Int64 dataFileSize) {
  if (header.keyCount > isam_format::MaxKeys) return isam_error::TooManyKeysHeader;
  if (header.recordLength < isam_format::MinRecordLength) return isam_error::RecordTooShort;
  if (header.allocated < 0 || header.freeCount < 0 || header.freeCount > header.allocated)
    return isam_error::RebuildNeeded;
  const Int64 needed = (static_cast<Int64>(header.allocated) + 1) * header.recordLength;
  return dataFileSize < needed ? isam_error::RebuildNeeded : 0;
}

Integer CheckKeyCounts(const KeyHeader& header) {
  const Integer pages = header.allocated;
  const bool sane = pages >= 0 && header.entries >= 0 && header.freeCount >= 0 && header.freeCount <= pages &&
                    header.root >= 0 && header.root <= pages;
  return sane ? 0 : isam_error::RebuildNeeded;
}

bool IndexHoldsPages(Integer pages, Integer slotSize, Int64 indexFileSize) {
  return (static_cast<Int64>(pages) + 1) * slotSize <= indexFileSize;
}

int CompareKeyTexts(const Byte* a, const Byte* b) {
  const int n = std::min(a[0], b[0]);
  const int c = n ? std::memcmp(a + 1, b + 1, static_cast<size_t>(n)) : 0;
  if (c != 0) return c < 0 ? -1 : 1;
  return (a[0] > b[0]) - (a[0] < b[0]);
}

namespace {
std::string WithExtension(const std::string& part, const char* ext) {
  const auto slash = part.find_last_of("\\/");
  const auto dot = part.find_last_of('.');
  const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExt ? part.substr(0, dot) : part) + "." + ext;
}
}  // namespace

IsamFileNames MakeIsamFileNames(const std::string& name) {
  const auto semi = name.find(';');
  const std::string first = name.substr(0, semi);
  std::string second = first;
  if (semi != std::string::npos) {
    second = name.substr(semi + 1);
    second = second.substr(0, second.find(';'));
    if (second.empty()) second = first;
  }
  return {WithExtension(first, "DAT"), WithExtension(second, "IX"), WithExtension(first, "DIA")};
}
