// Fuzzing target for the markup pictures' GIF frame scanner: the frames are counted, each is cut
// out (and one past the last), and the cut data is decoded as a picture decodes it.  Run by hand
// through scripts/fuzz-codecs.sh gif_frames; kept inputs go to tests/grid/fuzz_inputs/gif_frames/.
#include <algorithm>

#include "fuzz/fuzz_check.h"   // tests/platform/gdi/fuzz
#include "grid/gif_frames.h"
#include "platform/gdi/gif_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const Byte> bytes(data, size);
  const Integer count = CountGIFFrames(bytes);
  codec_fuzz::Require(count >= 0 && std::size_t(count) * 17 <= size);
  for (Integer frame = 1; frame <= std::min<Integer>(count + 1, 8); ++frame) {
    const TGIFFrameCut cut = CutGIFFrames(bytes, frame);
    codec_fuzz::Require(cut.data.size() <= size);
    codec_fuzz::Require(count > 0 || cut.data.size() == size);
    codec_fuzz::Check(gdi::DecodeGif(cut.data, codec_fuzz::kLimits));
  }
  return 0;
}
