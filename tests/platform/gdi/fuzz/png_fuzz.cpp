// Fuzzing target for PNG files.  Chunk checksums are made right before decoding, so that mutated
// chunks reach the parser instead of failing the checksum test every time.
#include <vector>

#include "fuzz_check.h"
#include "platform/gdi/png_codec.h"

namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
  }
  return ~crc;
}

void FixChecksums(std::vector<std::uint8_t>& file) {
  for (std::size_t at = 8; at + 12 <= file.size();) {
    const std::size_t length = std::size_t(file[at]) << 24 | file[at + 1] << 16 | file[at + 2] << 8 | file[at + 3];
    if (length > file.size() - at - 12) return;
    const std::uint32_t crc = Crc32(&file[at + 4], length + 4);
    for (int i = 0; i < 4; ++i) file[at + 8 + length + i] = std::uint8_t(crc >> (24 - 8 * i));
    at += 12 + length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> file(data, data + size);
  FixChecksums(file);
  codec_fuzz::Check(gdi::DecodePng(file, codec_fuzz::kLimits));
  return 0;
}
