// Runs the inputs kept from fuzzing the GIF frame scanner (fuzz_inputs/gif_frames/, see
// scripts/fuzz-codecs.sh) through the scanner and a markup picture: nothing may read outside the
// data (the test build runs under AddressSanitizer), and a picture either loads or raises the
// loader's error.  Some end with a control extension whose image descriptor is cut short.
#include <gtest/gtest.h>

#include <vector>

#include "grid/gif_frames.h"
#include "grid/html_picture.h"
#include "platform/classes/memory_stream.h"
#include "platform/core/exceptions.h"
#include "tests/support/os/kept_inputs.h"

namespace {

void LoadEveryFrame(const std::vector<Byte>& bytes, Integer frames) {
  THTMLPicture picture;
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), Integer(bytes.size()));
  stream.SetPosition(0);
  try {
    picture.LoadFromStream(&stream);
    for (Integer frame = 1; frame <= frames; ++frame) picture.SetFrame(frame);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Could not load image. Invalid format");
  }
}

TEST(GifFramesFuzzInputs, KeptInputsScanAndLoadSafely) {
  const std::vector<KeptInput> inputs = ReadKeptInputs("tests/grid/fuzz_inputs/gif_frames");
  ASSERT_FALSE(inputs.empty());
  for (const KeptInput& input : inputs) {
    SCOPED_TRACE(input.name);
    const Integer count = CountGIFFrames(input.bytes);
    for (Integer frame = 1; frame <= count + 1; ++frame)
      EXPECT_LE(CutGIFFrames(input.bytes, frame).data.size(), input.bytes.size());
    LoadEveryFrame(input.bytes, count + 1);
  }
}

}  // namespace
