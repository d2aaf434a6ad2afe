#include "grid/gdip_picture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "grid/gdiplus_wrapper.h"
#include "grid/pro_hint_info.h"
#include "picture_fixtures.h"
#include "platform/classes/memory_stream.h"
#include "platform/gdi/jpeg_codec.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/bitmap.h"
#include "tests/support/os/temp_folder.h"

namespace {

using namespace picturetest;

void Load(TGraphic& picture, const Bytes& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), Integer(bytes.size()));
  stream.SetPosition(0);
  picture.LoadFromStream(&stream);
}

std::string Saved(TGraphic& picture) {
  TMemoryStream stream;
  picture.SaveToStream(&stream);
  return std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

class GDIPPictureTest : public ::testing::Test {
 protected:
  GDIPPictureTest() {
    ZazIZIZ::StartGdiplus();
    target.SetPixelFormat(pf32bit);
    target.SetSize(24, 24);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 24, 24});
  }
  ~GDIPPictureTest() override { ZazIZIZ::StopGdiplus(); }

  TColor At(Integer x, Integer y) { return target.Canvas()->Pixels(x, y); }

  TBitmap target;
};

TEST_F(GDIPPictureTest, APngKnowsItsSizeOnceDrawn) {
  TGDIPPicture picture;
  Load(picture, gdi::EncodePng(Solid(7, 5, 0xFF0000FF)).value);
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(picture.Height(), 0);
  target.Canvas()->StretchDraw({0, 0, 14, 10}, &picture);
  EXPECT_EQ(picture.Width(), 7);
  EXPECT_EQ(picture.Height(), 5);
  EXPECT_EQ(At(13, 9), TColor(0xFF0000));
  EXPECT_EQ(At(14, 9), clWhite);
}

// A 4 x 4 red bitmap whose bottom-left pixel and one more are green: drawn at its own size in a
// larger rectangle, without the green pixels.
TEST_F(GDIPPictureTest, ABitmapDrawsAtItsOwnSizeWithoutItsCornerColour) {
  gdi::DecodedImage image = Solid(4, 4, 0xFFFF0000);
  image.pixels[3 * 4 + 0] = 0xFF00FF00;   // bottom left
  image.pixels[1 * 4 + 2] = 0xFF00FF00;
  TGDIPPicture picture;
  Load(picture, gdi::EncodeBmp(image, 24).value);
  target.Canvas()->StretchDraw({2, 2, 22, 22}, &picture);
  EXPECT_EQ(At(2, 2), TColor(0x0000FF));
  EXPECT_EQ(At(5, 5), TColor(0x0000FF));
  EXPECT_EQ(At(2, 5), clWhite);
  EXPECT_EQ(At(4, 3), clWhite);
  EXPECT_EQ(At(6, 6), clWhite);   // not stretched
  EXPECT_EQ(picture.Width(), 0);
}

TEST_F(GDIPPictureTest, AJpegIsStretchedAndATiffDrawsNothing) {
  TGDIPPicture jpeg;
  Load(jpeg, gdi::EncodeJpeg(Solid(2, 2, 0xFF0000FF)).value);
  target.Canvas()->StretchDraw({0, 0, 20, 20}, &jpeg);
  const TColor corner = At(19, 19);
  EXPECT_GT((corner >> 16) & 0xFF, 0xF0u);   // blue
  EXPECT_LT(corner & 0xFF, 0x10u);
  EXPECT_EQ(At(20, 20), clWhite);
  EXPECT_EQ(jpeg.Width(), 2);

  TGDIPPicture tiff;
  Load(tiff, Bytes{'I', 'I', 42, 0, 8, 0, 0, 0, 0, 0});
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect({0, 0, 24, 24});
  target.Canvas()->StretchDraw({0, 0, 20, 20}, &tiff);
  for (Integer y = 0; y < 24; ++y)
    for (Integer x = 0; x < 24; ++x) ASSERT_EQ(At(x, y), clWhite);
}

TEST_F(GDIPPictureTest, EventsOfAssignAndLoading) {
  TempFolder tmp;
  WriteRawFile(tmp / "logo.bmp", Text(SolidBmp(2, 2, kRed)));
  mkfifo((tmp / "pipe").c_str(), 0600);
  TGDIPPicture picture;
  std::vector<std::string> events;
  picture.OnChange = [&](TObject*) { events.push_back("change"); };
  picture.OnClear = [&](TObject*) { events.push_back("clear"); };

  picture.LoadFromFile(tmp / "logo.bmp");
  EXPECT_EQ(events, (std::vector<std::string>{"clear", "change"}));
  EXPECT_EQ(Saved(picture), Text(SolidBmp(2, 2, kRed)));
  events.clear();
  picture.Assign(nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "clear"}));
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(Saved(picture), "");

  picture.LoadFromFile(tmp / "logo.bmp");
  events.clear();
  picture.LoadFromFile(tmp / "pipe");   // returns at once
  EXPECT_TRUE(picture.Empty());
  EXPECT_TRUE(events.empty());
}

TEST_F(GDIPPictureTest, AHintInfoCopyKeepsItsBytes) {
  TProHintInfo source, copy;
  source.SetTitle("Title");
  source.Notes()->Add("note");
  source.SetShowHelp(true);
  source.SetWideTitle(u"wide");
  Load(*source.Picture(), SolidBmp(2, 2, kRed));
  copy.Assign(&source);
  Load(*source.Picture(), SolidBmp(3, 3, kGreen));
  source.Notes()->Add("later");
  EXPECT_EQ(Saved(*copy.Picture()), Text(SolidBmp(2, 2, kRed)));
  EXPECT_EQ(copy.Title(), "Title");
  EXPECT_EQ(copy.Notes()->Count(), 1);
  EXPECT_TRUE(copy.ShowHelp());
  EXPECT_EQ(copy.WideTitle(), u"wide");
  TGDIPPicture other;
  copy.Assign(&other);   // not a hint info: ignored
  EXPECT_EQ(copy.Title(), "Title");
}

}  // namespace
