#include "platform/shims/workbook_file.h"

#include <array>
#include <cstring>

#include "platform/core/win_errors.h"
#include "platform/os/file.h"
#include "platform/os/sys_error_text.h"
#include "platform/shims/xls_reader.h"
#include "platform/shims/xlsx_reader.h"

namespace {

constexpr std::array<Byte, 4> kPackageSignature = {'P', 'K', 3, 4};
constexpr std::array<Byte, 8> kBinarySignature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

template <std::size_t N>
bool StartsWith(const std::array<Byte, 8>& head, DWORD length, const std::array<Byte, N>& signature) {
  return length >= N && std::memcmp(head.data(), signature.data(), N) == 0;
}

}  // namespace

TWorksheetCells ReadWorkbookFile(std::string_view fileName) {
  File file;
  std::array<Byte, 8> head{};
  DWORD length = 0;
  DWORD error = file.Open(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  if (error == ERROR_SUCCESS) error = file.ReadAt(0, head.data(), DWORD(head.size()), length);
  if (error != ERROR_SUCCESS) throw EWorkbookFileError(SysErrorMessage(error));
  if (StartsWith(head, length, kPackageSignature)) return ReadXlsxActiveSheet(file.NativePath());
  if (StartsWith(head, length, kBinarySignature)) return ReadXlsFirstSheet(file.NativePath());
  throw EWorkbookFileError("it is no workbook file");
}
