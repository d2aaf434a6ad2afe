// Fuzzing target for icon and cursor files: the directory, the choice of an entry and every entry.
#include "fuzz_check.h"
#include "platform/gdi/ico_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const auto directory = gdi::ReadIconDirectory(bytes);
  if (!directory) {
    codec_fuzz::Require(!directory.message.empty());
    return 0;
  }
  codec_fuzz::Require(gdi::ChooseIconEntry(directory.value, 32, 32, 32) < directory.value.entries.size());
  for (const gdi::IconEntry& entry : directory.value.entries)
    codec_fuzz::Check(gdi::DecodeIconEntry(bytes, entry, codec_fuzz::kLimits));
  return 0;
}
