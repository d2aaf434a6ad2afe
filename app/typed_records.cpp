#include "app/typed_records.h"

#include "platform/os/classic_io.h"
#include "platform/os/typed_file.h"
#include "suite/locked_open.h"
#include "suite/read_only_reset.h"

Integer ReadTypedRecords(const std::string& path, Integer recordSize, Integer maxRecords, TypedRecords& out) {
  out = {};
  TypedFile file;
  AssignFile(file, path);
  const Integer opened = OpenRetryingWhileLocked(
      [&] {
        ResetReadOnly(file, recordSize);
        return IOResult();
      },
      kHeldFileRetries, kHeldFilePauseMs);
  if (opened != 0) return opened;
  out.fileRecords = FileSize(file);
  const auto size = static_cast<size_t>(recordSize);
  for (Integer n = 0; n < maxRecords && !Eof(file); ++n) {
    out.bytes.resize(out.bytes.size() + size);
    Read(file, out.bytes.data() + out.bytes.size() - size);
  }
  CloseFile(file);
  return IOResult();
}

Integer RewriteTypedRecords(const std::string& path, Integer recordSize, const std::vector<Byte>& bytes) {
  TypedFile file;
  AssignFile(file, path);
  const Integer opened = OpenRetryingWhileLocked(
      [&] {
        Rewrite(file, recordSize);
        return IOResult();
      },
      kHeldFileRetries, kHeldFilePauseMs);
  if (opened != 0) return opened;
  for (size_t at = 0; at < bytes.size(); at += static_cast<size_t>(recordSize)) Write(file, bytes.data() + at);
  CloseFile(file);
  return IOResult();
}

bool HoldsExactly(const TypedRecords& stored, Integer recordSize, const std::vector<Byte>& bytes) {
  return stored.fileRecords * recordSize == static_cast<Int64>(bytes.size()) && stored.bytes == bytes;
}
