// Pictures in markup texts: sizes, alignment, hit tests, image lists, URLs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "grid/html_picture.h"
#include "grid/picture_cache.h"
#include "grid/picture_container.h"
#include "markup_test_support.h"
#include "picture_fixtures.h"
#include "platform/classes/memory_stream.h"
#include "platform/ui/image_list.h"

namespace {

using markuptest::MarkupCanvas;
using namespace picturetest;

constexpr TColor kRedColor = 0x0000FF;

class MarkupPictures : public ::testing::Test {
 protected:
  MarkupPictures() {
    TPictureItem* item = container.Items()->Add();
    item->SetName("pic");
    TMemoryStream stream;
    const Bytes bmp = SolidBmp(4, 4, kRed);
    stream.WriteBuffer(bmp.data(), Integer(bmp.size()));
    stream.SetPosition(0);
    item->Picture()->LoadFromStream(&stream);
  }

  bool Run(const std::string& text, const TRect& rect, bool hitTestOnly = false, Integer x = -1, Integer y = -1) {
    TDrawMarkupInput in = c.Input(text, rect);
    in.PictureContainer = &container;
    in.PictureCache = &cache;
    in.Images = images;
    in.HitTestOnly = hitTestOnly;
    in.MouseX = x;
    in.MouseY = y;
    return DrawMarkup(in, out);
  }

  MarkupCanvas c;
  TPictureContainer container{nullptr};
  THTMLPictureCache cache;
  TCustomImageList* images = nullptr;
  TDrawMarkupOutput out;
};

TEST_F(MarkupPictures, WidthAndHeightStretchThePicture) {
  Run("<IMG SRC=\"PIC\" WIDTH=\"10\" HEIGHT=\"30\">", {0, 0, 200, 100});
  EXPECT_EQ(out.MarkupWidth, 10);
  EXPECT_EQ(out.MarkupHeight, 30);
  EXPECT_EQ(c.At(1, 0), kRedColor);
  EXPECT_EQ(c.At(10, 29), kRedColor);
  EXPECT_EQ(c.At(11, 29), clWhite);
  EXPECT_EQ(c.At(10, 30), clWhite);
  c.Clear();
  Run("<IMG SRC=\"pic\">", {0, 0, 200, 100});   // its own size
  EXPECT_EQ(out.MarkupWidth, 4);
  EXPECT_EQ(c.At(4, 3), kRedColor);
  EXPECT_EQ(c.At(5, 3), clWhite);
}

// Beside a 40-pixel picture, text stands on the line's bottom, or is lifted by the line height
// minus the height of "gh" (TOP) or half of that (MIDDLE): anchor text is hit only within its band.
TEST_F(MarkupPictures, TopAndMiddleLiftTheTextBesideThePicture) {
  const Integer gh = c.GH(), x = 1 + 4 + c.TextWidth("ab") / 2;
  const struct {
    const char* align;
    Integer textBottom;
  } cases[] = {{"", 40}, {" ALIGN=\"TOP\"", gh}, {" ALIGN=\"MIDDLE\"", 40 - (40 - gh) / 2}};
  for (const auto& k : cases) {
    const std::string text = std::string("<IMG SRC=\"pic\" WIDTH=\"4\" HEIGHT=\"40\"") + k.align + "><A HREF=\"h\">ab</A>";
    EXPECT_TRUE(Run(text, {0, 0, 200, 100}, true, x, k.textBottom - 1)) << k.align;
    EXPECT_TRUE(Run(text, {0, 0, 200, 100}, true, x, k.textBottom - gh + 1)) << k.align;
    EXPECT_FALSE(Run(text, {0, 0, 200, 100}, true, x, k.textBottom)) << k.align;
    EXPECT_FALSE(Run(text, {0, 0, 200, 100}, true, x, k.textBottom - gh)) << k.align;
  }
  c.Clear();
  Run("<IMG SRC=\"pic\" WIDTH=\"4\" HEIGHT=\"40\" ALIGN=\"TOP\">ab", {0, 0, 200, 100});
  EXPECT_EQ(c.Count({5, gh, 100, 40}, clBlack), 0);
  EXPECT_GT(c.Count({5, 0, 100, gh}, clBlack), 0);
}

TEST_F(MarkupPictures, APictureInsideAnAnchorIsHit) {
  for (bool hitTestOnly : {true, false}) {
    out = {};
    EXPECT_TRUE(Run("x<A HREF=\"go\"><IMG SRC=\"pic\" WIDTH=\"10\" HEIGHT=\"10\"></A>", {0, 0, 200, 100}, hitTestOnly,
                    1 + c.TextWidth("x") + 5, 5));
    EXPECT_EQ(out.AnchorHref, "go");
  }
  EXPECT_FALSE(Run("<IMG SRC=\"pic\" WIDTH=\"10\" HEIGHT=\"10\">", {0, 0, 200, 100}, true, 5, 5));
}

TEST_F(MarkupPictures, ImageListPicturesOutsideTheListTakeNoRoom) {
  TImageList list(nullptr);
  TBitmap strip;
  strip.SetSize(64, 16);
  strip.Canvas()->Brush()->SetColor(clRed);
  strip.Canvas()->FillRect({0, 0, 64, 16});
  list.Add(&strip, nullptr);
  ASSERT_EQ(list.Count(), 4);
  images = &list;
  Run("<IMG SRC=\"IDX:5\">ab", {0, 0, 200, 100});
  EXPECT_EQ(out.MarkupWidth, c.TextWidth("ab"));
  Run("<IMG SRC=\"IDX:2\">ab", {0, 0, 200, 100});
  EXPECT_EQ(out.MarkupWidth, 16 + c.TextWidth("ab"));
  EXPECT_EQ(c.At(1, 0), kRedColor);
  EXPECT_EQ(c.At(16, 15), kRedColor);
}

TEST_F(MarkupPictures, ShellIconsTakeTheirListsSize) {
  Run("<IMG SRC=\"SSYS:1\">", {0, 0, 200, 100});
  EXPECT_EQ(out.MarkupWidth, 16);
  Run("<IMG SRC=\"LSYS:/\">", {0, 0, 200, 100});
  EXPECT_EQ(out.MarkupWidth, 32);
  EXPECT_EQ(out.MarkupHeight, 32);
}

// A picture as wide as the line stays on it and overflows; a narrower one that does not fit in
// the rest of the line starts the next one.
TEST_F(MarkupPictures, OnlyPicturesNarrowerThanTheLineMoveToTheNext) {
  const Integer gh = c.GH();
  Run("ab<IMG SRC=\"pic\" WIDTH=\"60\" HEIGHT=\"5\">", {0, 0, 50, 100});
  EXPECT_EQ(out.MarkupHeight, gh);
  EXPECT_EQ(out.MarkupWidth, c.TextWidth("ab") + 60);
  Run("ab<IMG SRC=\"pic\" WIDTH=\"45\" HEIGHT=\"5\">", {0, 0, 50, 100});
  EXPECT_EQ(out.MarkupHeight, 2 * gh);
  EXPECT_EQ(out.MarkupWidth, 45);
}

// The process's threads that carry the program's own name, as any thread the renderer started
// would; the system libraries' workers name themselves ("[pango] ...", "gmain", ...) and come and
// go with the first fonts used whatever the renderer does.
std::size_t ThreadCount() {
  std::string program;
  std::getline(std::ifstream("/proc/self/comm"), program);
  std::size_t count = 0;
  for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
    std::ifstream comm(task.path() / "comm");
    std::string name;   // unreadable: the thread has ended meanwhile
    if (std::getline(comm, name) && name == program) ++count;
  }
  return count;
}

// A web URL is not fetched: the cache keeps one empty picture for it, and no thread starts.
TEST_F(MarkupPictures, AWebPictureIsTriedOnceAndDrawsNothing) {
  const std::size_t threads = ThreadCount();
  Run("<IMG SRC=\"http://h/p.gif\">x", {0, 0, 200, 100});
  Run("<IMG SRC=\"http://h/p.gif\">x", {0, 0, 200, 100});
  EXPECT_EQ(cache.Count(), 1);
  EXPECT_TRUE(cache.GetPicture(0)->Empty());
  EXPECT_EQ(cache.GetPicture(0)->ID(), "HTTP://H/P.GIF");   // attribute values arrive upper-cased
  EXPECT_EQ(out.MarkupWidth, c.TextWidth("x"));
  EXPECT_EQ(ThreadCount(), threads);
}

TEST_F(MarkupPictures, BodyBackgroundsTileThePictureThenPaintTheColour) {
  Run("<BODY BACKGROUND=\"pic\">x", {2, 2, 11, 9});
  EXPECT_EQ(c.Count({2, 2, 11, 9}, kRedColor) + c.Count({2, 2, 11, 9}, clBlack), 9 * 7);
  EXPECT_EQ(c.At(1, 2), clWhite);
  EXPECT_EQ(c.At(11, 8), clWhite);
  EXPECT_EQ(c.At(10, 9), clWhite);
  c.Clear();
  Run("<BODY BGCOLOR=\"clLime\">", {2, 2, 11, 9});
  EXPECT_EQ(c.Count({2, 2, 11, 9}, 0x00FF00), 9 * 7);
}

}  // namespace
