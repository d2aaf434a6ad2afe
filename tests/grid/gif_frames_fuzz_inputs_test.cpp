// Runs the inputs kept from fuzzing the GIF frame scanner (fuzz_inputs/gif_frames/, see
// scripts/fuzz-codecs.sh) through the scanner and a markup picture: nothing may read outside the
// data (the test build runs under AddressSanitizer), and a picture either loads or raises the
// loader's error.  Some end with a control extension whose image descriptor is cut short.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "grid/gif_frames.h"
#include "grid/html_picture.h"
#include "platform/classes/memory_stream.h"
#include "platform/core/exceptions.h"

namespace {

namespace fs = std::filesystem;

std::vector<Byte> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
  const char* source = std::getenv("PR_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const fs::path folder = fs::path(source) / "tests/grid/fuzz_inputs/gif_frames";
  std::size_t files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::vector<Byte> bytes = ReadFile(entry.path());
    const Integer count = CountGIFFrames(bytes);
    for (Integer frame = 1; frame <= count + 1; ++frame)
      EXPECT_LE(CutGIFFrames(bytes, frame).data.size(), bytes.size()) << entry.path();
    LoadEveryFrame(bytes, count + 1);
    ++files;
  }
  EXPECT_GE(files, 1u);
}

}  // namespace
