#include "suite/saved_copy_recovery.h"

#include <optional>

#include "platform/core/ansi_strings.h"
#include "platform/os/classic_io.h"
#include "platform/os/file_ops.h"
#include "platform/os/file_names.h"
#include "platform/os/typed_file.h"
#include "suite/money_text.h"
#include "suite/program_end.h"
#include "suite/read_only_reset.h"
#include "suite/user_interface.h"

namespace {

constexpr Integer kBaseNameLength = 12;

// The size in bytes of a file that opens for reading; nothing when it does not open.
std::optional<Int64> ReadableSize(const std::string& path) {
  TypedFile file;
  AssignFile(file, path);
  ResetReadOnly(file, 1);
  if (IOResult() != 0) return std::nullopt;
  const Int64 size = FileSize(file);
  CloseFile(file);
  IOResult();
  return size;
}

std::string SizeText(Int64 size) { return FormatWholeAmount(0, static_cast<double>(size)); }

// Asks about the copy; a refusal asks the program to end.
bool AskAboutCopy(const std::string& copyName, const std::string& copySize, const std::string& currentSize) {
  if (CurrentSuiteUserInterface().AskRestoreCopy(copyName, copySize, currentSize)) return true;
  RequestProgramEnd(1);
  return false;
}

void PutIndexCopyInPlace(const std::string& base) {
  if (FileExists(base + ".IX")) DeleteFile(base + ".IX");
  MoveFile(base + ".IX~", base + ".IX");
}

}  // namespace

std::string RecoveryBaseName(const std::string& name) {
  return ExtractFilePath(name) + Copy(ExtractFileName(name), 1, kBaseNameLength);
}

bool RecoverSaveCopy(const std::string& name) {
  const std::string base = RecoveryBaseName(name);
  const auto copy = ReadableSize(base + ".SAV");
  if (!copy) return true;
  const auto current = ReadableSize(base + ".DAT");
  if (!current) return true;
  if (!AskAboutCopy(name + ".SAV", SizeText(*copy) + " byte(s)", SizeText(*current) + " byte(s)")) return false;
  RecoverSavedFiles(base);
  return true;
}

bool RecoverIndexCopy(const std::string& name) {
  const std::string base = RecoveryBaseName(name);
  const auto copy = ReadableSize(base + ".IX~");
  if (!copy) return true;
  const Int64 current = ReadableSize(base + ".IX").value_or(0);
  if (!AskAboutCopy(name + ".IX~", SizeText(*copy), SizeText(current))) return false;
  PutIndexCopyInPlace(base);
  return true;
}

void RecoverSavedFiles(const std::string& base) {
  if (FileExists(base + ".SAV") && FileExists(base + ".DAT") && DeleteFile(base + ".DAT"))
    MoveFile(base + ".SAV", base + ".DAT");
  if (FileExists(base + ".IX~")) PutIndexCopyInPlace(base);
}
