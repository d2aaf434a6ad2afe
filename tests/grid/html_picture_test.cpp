#include "grid/html_picture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "grid/gif_frames.h"
#include "grid/picture_cache.h"
#include "grid/picture_container.h"
#include "picture_fixtures.h"
#include "platform/classes/memory_stream.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/bitmap.h"
#include "tests/support/os/temp_folder.h"

// The picture the "RES://" tests load: a 4 x 4 BMP of colour 0x40C020.
#include "RES_PICTURE.res.inc"

namespace {

using namespace picturetest;

void Load(THTMLPicture& picture, const Bytes& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), Integer(bytes.size()));
  stream.SetPosition(0);
  picture.LoadFromStream(&stream);
}

std::string LoadError(const Bytes& bytes) {
  THTMLPicture picture;
  try {
    Load(picture, bytes);
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}

// The colour at (x, y) after drawing the picture at `rect` of a white 16 x 16 bitmap.
class Drawn {
 public:
  Drawn(THTMLPicture& picture, const TRect& rect) {
    bitmap_.SetPixelFormat(pf32bit);
    bitmap_.SetSize(16, 16);
    bitmap_.Canvas()->Brush()->SetColor(clWhite);
    bitmap_.Canvas()->FillRect({0, 0, 16, 16});
    bitmap_.Canvas()->StretchDraw(rect, &picture);
  }
  TColor At(int x, int y) { return bitmap_.Canvas()->Pixels(x, y); }

 private:
  TBitmap bitmap_;
};

TEST(HTMLPictureGif, ThreeFramesCountAndTheFrameAskedForShows) {
  THTMLPicture picture;
  Load(picture, ThreeFrameGif());
  EXPECT_TRUE(picture.IsGIFFile());
  EXPECT_EQ(picture.FrameCount(), 3);
  EXPECT_EQ(picture.Width(), 6);
  EXPECT_EQ(Drawn(picture, {0, 0, 6, 4}).At(5, 3), TColor(0x0000FF));   // red

  Integer frameChanges = 0;
  picture.OnFrameChange = [&](TObject*) { ++frameChanges; };
  picture.SetFrame(2);
  EXPECT_EQ(frameChanges, 1);
  EXPECT_EQ(picture.Width(), 2);   // the frame's own rectangle
  EXPECT_EQ(picture.Height(), 2);
  EXPECT_EQ(picture.FrameXPos(), 1);
  EXPECT_EQ(picture.FrameYPos(), 1);
  EXPECT_EQ(picture.MaxWidth(), 6);   // the logical screen
  EXPECT_EQ(picture.MaxHeight(), 4);
  Drawn second(picture, {0, 0, 2, 2});
  EXPECT_EQ(second.At(0, 0), TColor(0x00FF00));   // green
  EXPECT_EQ(second.At(1, 1), TColor(0x00FF00));
  EXPECT_EQ(second.At(2, 2), clWhite);
}

TEST(HTMLPictureGif, FramesWithoutControlExtensionsCountNothingAndDecodeWhole) {
  THTMLPicture picture;
  Load(picture, ThreeFrameGif(false));
  EXPECT_EQ(picture.FrameCount(), 0);
  EXPECT_EQ(picture.Width(), 6);
  EXPECT_EQ(picture.Height(), 4);
  EXPECT_EQ(picture.MaxWidth(), 6);
  EXPECT_EQ(Drawn(picture, {0, 0, 6, 4}).At(0, 0), TColor(0x0000FF));
}

// A control extension and a descriptor cut 3 bytes after its 0x2C: no frame start may count, and
// the data does not decode.
TEST(HTMLPictureGif, ACutDescriptorIsNoFrameAndDoesNotLoad) {
  Bytes bytes = ThreeFrameGif();
  const std::size_t firstFrame = 6 + 7 + 12;   // signature, screen descriptor, 4-colour table
  ASSERT_EQ(bytes[firstFrame], 0x21);
  ASSERT_EQ(bytes[firstFrame + 8], 0x2C);
  bytes.resize(firstFrame + 8 + 4);
  EXPECT_EQ(CountGIFFrames(bytes), 0);
  EXPECT_EQ(LoadError(bytes), "Could not load image. Invalid format");
}

// Every prefix of an animation, and each frame of it: the scanner and the decoder stay inside the
// data (the sanitizers watch), a load either works or raises the loader's error.
TEST(HTMLPictureGif, EveryCutOfAnAnimationLoadsOrRaisesTheLoaderError) {
  const Bytes whole = ThreeFrameGif();
  for (std::size_t size = 0; size <= whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(size));
    THTMLPicture picture;
    const std::string error = LoadError(cut);
    if (!error.empty()) {
      EXPECT_EQ(error, "Could not load image. Invalid format") << size;
    }
    EXPECT_LE(CountGIFFrames(cut), 3) << size;
    for (Integer frame = 1; frame <= 4; ++frame) EXPECT_LE(CutGIFFrames(cut, frame).data.size(), size);
  }
  EXPECT_FALSE(IsGIFData(Bytes{'G', 'I', 'F', '8'}));
  EXPECT_TRUE(IsGIFData(Bytes{'G', 'I', 'F', '8', '9'}));
  EXPECT_EQ(CutGIFFrames(Bytes{'G', 'I', 'F', '8', '9'}, 1).screenWidth, 0);
}

TEST(HTMLPicture, DecodesBmpIconJpegAndGifOnly) {
  EXPECT_EQ(LoadError(SolidBmp(2, 2, kRed)), "");
  EXPECT_EQ(LoadError(ThreeFrameGif()), "");
  EXPECT_EQ(LoadError(gdi::EncodePng(Solid(2, 2, 0xFFFF0000)).value), "Could not load image. Invalid format");
  EXPECT_EQ(LoadError(Bytes{'n', 'o', 'n', 'e'}), "Could not load image. Invalid format");
}

TEST(HTMLPicture, SizeRoundTripsThroughHimetricAndDrawsAtItsOwnSize) {
  THTMLPicture picture;
  Load(picture, SolidBmp(7, 5, kBlue));
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(picture.Width(), 7);
  EXPECT_EQ(picture.Height(), 5);
  EXPECT_EQ(picture.FrameCount(), -1);   // no GIF

  Drawn natural(picture, {1, 1, 15, 15});
  EXPECT_EQ(natural.At(7, 5), TColor(0xFF0000));
  EXPECT_EQ(natural.At(8, 5), clWhite);
  EXPECT_EQ(natural.At(7, 6), clWhite);
  picture.SetStretch(true);
  Drawn stretched(picture, {1, 1, 15, 15});
  EXPECT_EQ(stretched.At(14, 14), TColor(0xFF0000));
  EXPECT_EQ(stretched.At(15, 15), clWhite);
}

TEST(HTMLPicture, AssignCopiesTheBytesOfAnotherPictureOnly) {
  THTMLPicture source, copy;
  Load(source, SolidBmp(3, 2, kGreen));
  Integer changes = 0;
  copy.OnChange = [&](TObject*) { ++changes; };
  copy.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(copy.Width(), 3);
  TMemoryStream a, b;
  source.SaveToStream(&a);
  copy.SaveToStream(&b);
  ASSERT_EQ(a.Size(), b.Size());
  EXPECT_EQ(std::memcmp(a.Memory(), b.Memory(), std::size_t(a.Size())), 0);

  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  EXPECT_EQ(copy.Width(), 0);
  TMemoryStream none;
  copy.SaveToStream(&none);
  EXPECT_EQ(none.Size(), 0);
}

class HTMLPictureFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteRawFile(tmp / "logo.bmp", Text(SolidBmp(7, 5, kRed)));
    WriteRawFile(tmp / "broken.bmp", "BM and nothing else");
    mkfifo((tmp / "pipe").c_str(), 0600);
    // A valid BMP followed by zeros up to 33 MiB.
    WriteRawFile(tmp / "huge.bmp", Text(SolidBmp(7, 5, kRed)));
    EXPECT_EQ(truncate((tmp / "huge.bmp").c_str(), 33 << 20), 0);
  }
  TempFolder tmp;
};

TEST_F(HTMLPictureFiles, LoadingByURLAndByName) {
  const struct {
    std::string what;
    std::function<void(THTMLPicture&)> load;
    Integer width;   // 0: stays empty
    std::string id;
  } cases[] = {
      {"RES://", [](THTMLPicture& p) { p.LoadFromURL("RES://RES_PICTURE"); }, 4, "RES://RES_PICTURE"},
      {"res:// unknown", [](THTMLPicture& p) { p.LoadFromURL("res://NONE"); }, 0, "res://NONE"},
      {"FILE:// BMP", [&](THTMLPicture& p) { p.LoadFromURL("FILE://" + (tmp / "LOGO.BMP")); }, 7,
       "FILE://" + (tmp / "LOGO.BMP")},
      {"FILE:// folder", [&](THTMLPicture& p) { p.LoadFromURL("file://" + tmp.Path()); }, 0, "file://" + tmp.Path()},
      {"FILE:// FIFO", [&](THTMLPicture& p) { p.LoadFromURL("FILE://" + (tmp / "pipe")); }, 0,
       "FILE://" + (tmp / "pipe")},
      {"FILE:// /dev/zero", [](THTMLPicture& p) { p.LoadFromURL("FILE:///dev/zero"); }, 0, "FILE:///dev/zero"},
      {"FILE:// 33 MiB", [&](THTMLPicture& p) { p.LoadFromURL("FILE://" + (tmp / "huge.bmp")); }, 0,
       "FILE://" + (tmp / "huge.bmp")},
      {"FILE:// broken", [&](THTMLPicture& p) { p.LoadFromURL("FILE://" + (tmp / "broken.bmp")); }, 0,
       "FILE://" + (tmp / "broken.bmp")},
      {"web URL", [](THTMLPicture& p) { p.LoadFromURL("http://h/p.gif"); }, 0, "http://h/p.gif"},
      {"LoadFromFile 33 MiB", [&](THTMLPicture& p) { p.LoadFromFile(tmp / "huge.bmp"); }, 7, ""},
      {"LoadFromFile FIFO", [&](THTMLPicture& p) { p.LoadFromFile(tmp / "pipe"); }, 0, ""},
      {"LoadFromFile missing", [&](THTMLPicture& p) { p.LoadFromFile(tmp / "none.bmp"); }, 0, ""},
      {"LoadFromFile broken", [&](THTMLPicture& p) { p.LoadFromFile(tmp / "broken.bmp"); }, 0, ""},
  };
  for (const auto& c : cases) {
    THTMLPicture picture;
    c.load(picture);
    EXPECT_EQ(picture.Width(), c.width) << c.what;
    EXPECT_EQ(picture.Empty(), c.width == 0) << c.what;
    EXPECT_EQ(picture.ID(), c.id) << c.what;
  }
}

TEST_F(HTMLPictureFiles, AFailedFileLoadLeavesAnEmptyPicture) {
  THTMLPicture picture;
  picture.LoadFromFile(tmp / "logo.bmp");
  ASSERT_EQ(picture.Width(), 7);
  picture.LoadFromFile(tmp / "pipe");
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(picture.Width(), 0);
  picture.LoadFromURL("http://h/p.gif");
  EXPECT_EQ(picture.URL(), "http://h/p.gif");
}

TEST(PictureLookup, TheContainerIgnoresCaseAndTheCacheDoesNot) {
  TPictureContainer container(nullptr);
  TPictureItem* item = container.Items()->Add();
  item->SetName("Logo");
  EXPECT_EQ(container.FindPicture("LOGO"), item->Picture());
  EXPECT_EQ(container.FindPicture("other"), nullptr);
  EXPECT_EQ(container.Version(), "1.0.0.0");

  THTMLPictureCache cache;
  cache.AddPicture()->SetID("FILE://a.bmp");
  THTMLPicture* second = cache.AddPicture();
  second->SetID("FILE://A.BMP");
  EXPECT_EQ(cache.FindPicture("FILE://A.BMP"), second);
  EXPECT_EQ(cache.FindPicture("file://a.bmp"), nullptr);
  EXPECT_EQ(cache.Count(), 2);
}

TEST(PictureLookup, AnItemCopiesNameTagAndPicture) {
  TPictureContainer container(nullptr);
  TPictureItem* source = container.Items()->Add();
  source->SetName("a");
  source->SetTag(7);
  Load(*source->Picture(), SolidBmp(2, 3, kRed));
  TPictureItem* copy = container.Items()->Add();
  copy->Assign(source);
  EXPECT_EQ(copy->Name(), "a");
  EXPECT_EQ(copy->Tag(), 7);
  EXPECT_EQ(copy->Picture()->Height(), 3);
  EXPECT_NE(copy->Picture(), source->Picture());
}

}  // namespace
