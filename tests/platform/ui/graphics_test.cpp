// Graphics objects: fonts and their change notification, canvases drawing on bitmaps, bitmaps,
// and pictures with their graphic-class registry.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "platform/classes/memory_stream.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"
#include "platform/ui/icon.h"
#include "platform/ui/jpeg_image.h"
#include "platform/ui/pen.h"
#include "platform/ui/picture.h"
#include "platform/ui/png_image.h"
#include "tests/support/os/temp_folder.h"

namespace uitest {
namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0x000000, kFuchsia = 0xFF00FF,
                 kLime = 0x00FF00, kYellow = 0x00FFFF;

// A bitmap of the given size and format filled with one colour.
std::unique_ptr<TBitmap> Filled(Integer width, Integer height, TColor color, TPixelFormat format = pf24bit) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->Brush()->SetColor(color);
  bitmap->Canvas()->FillRect(TRect{0, 0, width, height});
  return bitmap;
}

TEST(FontTest, SizeAndHeightConvertAtThePixelsPerInch) {
  const struct {
    Integer ppi;
    Integer size;     // set, unless 0
    Integer height;   // expected after setting the size, or set when size is 0
    Integer expectedSize;
  } cases[] = {
      {96, 8, -11, 8}, {96, 10, -13, 10}, {120, 8, -13, 8}, {96, 0, -16, 12}, {96, 0, -11, 8}, {96, 0, 20, -15},
  };
  for (const auto& c : cases) {
    TFont font;
    font.SetPixelsPerInch(c.ppi);
    if (c.size != 0) {
      font.SetSize(c.size);
    } else {
      font.SetHeight(c.height);
    }
    EXPECT_EQ(font.Height(), c.height) << c.ppi << " " << c.size;
    EXPECT_EQ(font.Size(), c.expectedSize) << c.ppi << " " << c.height;
  }
}

TEST(FontTest, OnlyAChangedValueNotifies) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetName(font.Name());
  font.SetStyle(font.Style());
  font.SetColor(font.Color());
  EXPECT_EQ(changes, 0);
  TFont same;
  font.Assign(&same);
  EXPECT_EQ(changes, 0);
  font.SetStyle({fsBold, fsItalic});
  font.SetColor(kRed);
  EXPECT_EQ(changes, 2);
  font.SetStyle({});
  changes = 0;
  font.Assign(&same);   // only the colour differs
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(font.Style(), TFontStyles{});
  EXPECT_EQ(font.Color(), same.Color());
}

TEST(CanvasTest, ShapesUseTheBrushAndThePen) {
  auto bitmap = Filled(10, 10, kWhite);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(kRed);
  canvas->FillRect(TRect{2, 2, 5, 5});
  canvas->Pen()->SetColor(kBlue);
  canvas->MoveTo(0, 8);
  canvas->LineTo(6, 8);
  EXPECT_EQ(canvas->Pixels(2, 2), kRed);
  EXPECT_EQ(canvas->Pixels(4, 4), kRed);
  EXPECT_EQ(canvas->Pixels(5, 5), kWhite);   // right and bottom edges are outside
  EXPECT_EQ(canvas->Pixels(0, 8), kBlue);
  EXPECT_EQ(canvas->Pixels(5, 8), kBlue);
  EXPECT_EQ(canvas->Pixels(6, 8), kWhite);   // a line leaves out its last point
  EXPECT_EQ(canvas->PenPos(), (TPoint{6, 8}));
  // A clear brush leaves the inside of a rectangle alone.
  canvas->Brush()->SetStyle(bsClear);
  canvas->Rectangle(1, 1, 9, 9);
  EXPECT_EQ(canvas->Pixels(1, 1), kBlue);
  EXPECT_EQ(canvas->Pixels(3, 3), kRed);
}

TEST(CanvasTest, EveryBrushChangeReachesTheNextDrawing) {
  // A solid brush changes colour in place (its handle stays selected); any other change makes a
  // new handle.  Either way the next drawing paints with the brush as it is now, also when other
  // code selected another brush into the canvas's context in between.
  auto bitmap = Filled(12, 12, kWhite);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Pen()->SetStyle(psClear);
  struct Step {
    const char* change;
    std::function<void(TBrush&)> apply;
    bool foreignSelection;   // a stock brush selected through the context before the change
    TColor interior;         // inside a rectangle drawn over white
    bool keepsHandle;
  };
  const Step steps[] = {
      {"red", [](TBrush& b) { b.SetColor(kRed); }, false, kRed, true},
      {"blue", [](TBrush& b) { b.SetColor(kBlue); }, false, kBlue, true},
      {"lime after a foreign selection", [](TBrush& b) { b.SetColor(kLime); }, true, kLime, true},
      {"clear", [](TBrush& b) { b.SetStyle(bsClear); }, false, kWhite, false},
      {"yellow on a clear brush", [](TBrush& b) { b.SetColor(kYellow); }, false, kYellow, false},
      {"fuchsia", [](TBrush& b) { b.SetColor(kFuchsia); }, false, kFuchsia, true},
  };
  for (const Step& step : steps) {
    PatBlt(canvas->Handle(), 0, 0, 12, 12, WHITENESS);
    if (step.foreignSelection) SelectObject(canvas->Handle(), GetStockObject(BLACK_BRUSH));
    const HBRUSH before = canvas->Brush()->Handle();
    step.apply(*canvas->Brush());
    EXPECT_EQ(canvas->Brush()->Handle() == before, step.keepsHandle) << step.change;
    canvas->Rectangle(0, 0, 6, 6);
    EXPECT_EQ(canvas->Pixels(2, 2), step.interior) << step.change;
  }
  // The opaque text background follows a colour changed in place.
  canvas->Brush()->SetColor(kLime);
  canvas->TextOut(0, 0, " ");
  EXPECT_EQ(canvas->Pixels(1, 1), kLime);
}

TEST(CanvasTest, CopyRectCombinesWithTheCopyMode) {
  const struct {
    DWORD mode;
    TColor expected;   // red copied onto yellow
  } cases[] = {
      {SRCCOPY, kRed}, {SRCINVERT, kLime}, {SRCAND, kRed}, {SRCPAINT, kYellow}, {NOTSRCCOPY, 0xFFFF00},
  };
  auto source = Filled(4, 4, kRed);
  for (const auto& c : cases) {
    auto target = Filled(4, 4, kYellow);
    target->Canvas()->SetCopyMode(TCopyMode(c.mode));
    target->Canvas()->CopyRect(TRect{0, 0, 2, 2}, source->Canvas(), TRect{0, 0, 2, 2});
    EXPECT_EQ(target->Canvas()->Pixels(1, 1), c.expected) << std::hex << c.mode;
    EXPECT_EQ(target->Canvas()->Pixels(2, 2), kYellow) << std::hex << c.mode;
  }
}

// The pixels of the key colour take the destination canvas's brush, the others are copied; an
// 8-bit source is matched after conversion.
TEST(CanvasTest, BrushCopyPutsTheBrushInPlaceOfOneColour) {
  for (const TPixelFormat format : {pf24bit, pf8bit}) {
    auto source = Filled(4, 3, kFuchsia, format);
    source->Canvas()->SetPixels(2, 1, kBlue);
    auto target = Filled(10, 10, kWhite);
    TCanvas* canvas = target->Canvas();
    canvas->Brush()->SetColor(kLime);
    canvas->BrushCopy(TRect{5, 5, 8, 7}, source.get(), TRect{1, 0, 4, 2}, kFuchsia);
    EXPECT_EQ(canvas->Pixels(5, 5), kLime);
    EXPECT_EQ(canvas->Pixels(6, 6), kBlue);   // source (2, 1)
    EXPECT_EQ(canvas->Pixels(7, 6), kLime);
    EXPECT_EQ(canvas->Pixels(8, 6), kWhite);   // outside Dest
    EXPECT_EQ(canvas->Pixels(5, 7), kWhite);
  }
}

TEST(CanvasTest, DrawAndStretchDrawPlaceTheGraphic) {
  auto picture = Filled(2, 2, kFuchsia);
  picture->Canvas()->SetPixels(1, 0, kBlue);   // top right
  auto target = Filled(8, 8, kWhite);
  target->Canvas()->StretchDraw(TRect{0, 0, 4, 4}, picture.get());
  EXPECT_EQ(target->Canvas()->Pixels(0, 0), kFuchsia);
  EXPECT_EQ(target->Canvas()->Pixels(2, 0), kBlue);
  EXPECT_EQ(target->Canvas()->Pixels(3, 1), kBlue);
  EXPECT_EQ(target->Canvas()->Pixels(2, 2), kFuchsia);
  // Transparent, the bottom-left pixel's colour shows what was there.
  picture->SetTransparent(true);
  target->Canvas()->Draw(5, 5, picture.get());
  EXPECT_EQ(target->Canvas()->Pixels(5, 5), kWhite);
  EXPECT_EQ(target->Canvas()->Pixels(6, 5), kBlue);
  EXPECT_EQ(target->Canvas()->Pixels(6, 6), kWhite);
}

TEST(CanvasTest, TextIsDrawnInTheFontColourWithinItsExtent) {
  auto bitmap = Filled(120, 40, kWhite);
  TCanvas* canvas = bitmap->Canvas();
  canvas->Font()->SetColor(kRed);
  canvas->Brush()->SetStyle(bsClear);
  const TSize extent = canvas->TextExtent("Hello");
  ASSERT_GT(extent.cx, 0);
  ASSERT_GT(extent.cy, 0);
  EXPECT_GT(canvas->TextWidth("Hello, world"), extent.cx);
  canvas->TextOut(10, 5, "Hello");
  EXPECT_EQ(canvas->PenPos(), (TPoint{10 + extent.cx, 5}));
  int inside = 0, outside = 0;
  for (Integer y = 0; y < 40; ++y)
    for (Integer x = 0; x < 120; ++x) {
      if (canvas->Pixels(x, y) == kWhite) continue;
      const bool within = x >= 10 && x < 10 + extent.cx && y >= 5 && y < 5 + extent.cy;
      ++(within ? inside : outside);
    }
  EXPECT_GT(inside, 10);
  EXPECT_EQ(outside, 0);
}

TEST(CanvasTest, DrawingFiresChangingAndChangeAndLockingExcludesOtherThreads) {
  auto bitmap = Filled(4, 4, kWhite);
  TCanvas* canvas = bitmap->Canvas();
  std::string events;
  canvas->OnChanging = [&](TObject*) { events += "<"; };
  canvas->OnChange = [&](TObject*) { events += ">"; };
  canvas->FillRect(TRect{0, 0, 1, 1});
  canvas->LineTo(2, 2);
  EXPECT_EQ(events, "<><>");
  canvas->Lock();
  canvas->Lock();
  EXPECT_EQ(canvas->LockCount(), 2);
  std::atomic<bool> other{true};
  std::thread([&] { other = canvas->TryLock(); }).join();
  EXPECT_FALSE(other);
  canvas->Unlock();
  canvas->Unlock();
  std::thread([&] {
    other = canvas->TryLock();
    if (other) canvas->Unlock();
  }).join();
  EXPECT_TRUE(other);
  EXPECT_EQ(canvas->LockCount(), 0);
}

TEST(BitmapTest, FormatsHandleTypesAndRows) {
  const struct {
    TPixelFormat format;
    TBitmapHandleType type;
  } cases[] = {{pfDevice, bmDDB}, {pf1bit, bmDIB}, {pf8bit, bmDIB}, {pf24bit, bmDIB}, {pf32bit, bmDIB}};
  for (const auto& c : cases) {
    auto bitmap = Filled(3, 2, kWhite, c.format);
    EXPECT_EQ(bitmap->HandleType(), c.type) << int(c.format);
    EXPECT_EQ(bitmap->Monochrome(), c.format == pf1bit);
  }
  // Rows count from the top; a 24-bit row holds blue, green, red.
  auto bitmap = Filled(3, 2, kWhite, pf24bit);
  bitmap->Canvas()->SetPixels(0, 0, 0x123456);
  const auto* top = static_cast<const Byte*>(bitmap->ScanLine(0));
  EXPECT_EQ(top[0], 0x12);
  EXPECT_EQ(top[1], 0x34);
  EXPECT_EQ(top[2], 0x56);
  EXPECT_EQ(static_cast<const Byte*>(bitmap->ScanLine(1))[0], 0xFF);
}

TEST(BitmapTest, ResizingKeepsWhatFitsAndTheFormatChangeKeepsThePicture) {
  auto bitmap = Filled(4, 4, kWhite);
  bitmap->Canvas()->SetPixels(1, 1, kRed);
  bitmap->Canvas()->SetPixels(3, 3, kBlue);
  bitmap->SetSize(2, 6);
  EXPECT_EQ(bitmap->Width(), 2);
  EXPECT_EQ(bitmap->Height(), 6);
  EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), kRed);
  bitmap->SetPixelFormat(pf32bit);
  EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), kRed);
  EXPECT_EQ(bitmap->Canvas()->Pixels(0, 0), kWhite);
}

TEST(BitmapTest, WidthThenHeightOfAnEmptyBitmapMakeAPicture) {
  TBitmap bitmap;
  bitmap.SetWidth(3);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Width(), 3);
  bitmap.SetHeight(2);
  ASSERT_FALSE(bitmap.Empty());
  EXPECT_NE(bitmap.Handle(), nullptr);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), kWhite);
  bitmap.SetWidth(0);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Height(), 2);
}

TEST(BitmapTest, TransparentColourIsTheBottomLeftPixelUntilFixed) {
  auto bitmap = Filled(3, 3, kWhite);
  bitmap->Canvas()->SetPixels(0, 2, kLime);
  EXPECT_EQ(bitmap->TransparentColor() & 0xFFFFFF, kLime);
  bitmap->SetTransparentColor(kRed);
  EXPECT_EQ(bitmap->TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap->TransparentColor(), kRed | 0x02000000);   // as an RGB colour the context matches
  bitmap->SetTransparentMode(tmAuto);
  EXPECT_EQ(bitmap->TransparentColor() & 0xFFFFFF, kLime);
}

TEST(BitmapTest, StreamsAsABmpFile) {
  auto bitmap = Filled(5, 3, kWhite);
  bitmap->Canvas()->SetPixels(4, 0, kRed);
  TMemoryStream stream;
  bitmap->SaveToStream(&stream);
  const Byte* bytes = static_cast<const Byte*>(stream.Memory());
  ASSERT_GE(stream.Size(), 54);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  stream.SetPosition(0);
  TBitmap copy;
  copy.LoadFromStream(&stream);
  EXPECT_EQ(copy.Width(), 5);
  EXPECT_EQ(copy.Height(), 3);
  EXPECT_EQ(copy.Canvas()->Pixels(4, 0), kRed);
  EXPECT_TRUE(copy.Equals(bitmap.get()));
  stream.Clear();
  stream.WriteBuffer("BMnot a bitmap", 14);
  stream.SetPosition(0);
  EXPECT_THROW(copy.LoadFromStream(&stream), Exception);
}

TEST(PictureTest, GraphicClassesAreFoundByExtensionAndByName) {
  const struct {
    const char* key;
    bool extension;
    TClass expected;
  } cases[] = {
      {"bmp", true, TBitmap::StaticClass()},      {"ICO", true, TIcon::StaticClass()},
      {"jpg", true, TJPEGImage::StaticClass()},   {"jpeg", true, TJPEGImage::StaticClass()},
      {"png", true, TPngImage::StaticClass()},    {"gif", true, nullptr},
      {"Bitmap", false, TBitmap::StaticClass()},  {"Icon", false, TIcon::StaticClass()},
      {"JPEG", false, TJPEGImage::StaticClass()}, {"PNG", false, TPngImage::StaticClass()},
      {"TBitmap", false, TBitmap::StaticClass()}, {"Metafile", false, nullptr},
  };
  for (const auto& c : cases) {
    const TGraphicClass found =
        c.extension ? TPicture::GraphicClassOfExtension(c.key) : TPicture::GraphicClassByName(c.key);
    EXPECT_EQ(found, c.expected) << c.key;
  }
}

TEST(PictureTest, FilesRoundTripInTheirFormatAndAnUnknownExtensionIsRefused) {
  TempFolder folder;
  auto bitmap = Filled(6, 4, kBlue);
  bitmap->Canvas()->SetPixels(0, 0, kWhite);
  const struct {
    const char* name;
    TClass loaded;
    int tolerance;   // per channel
  } cases[] = {{"a.bmp", TBitmap::StaticClass(), 0},
               {"a.png", TPngImage::StaticClass(), 0},
               {"a.jpg", TJPEGImage::StaticClass(), 40}};
  for (const auto& c : cases) {
    TPicture out;
    out.SetGraphic(bitmap.get());
    if (c.loaded != TBitmap::StaticClass()) {
      std::unique_ptr<TGraphic> kind(CreateInstance<TGraphic>(c.loaded));
      kind->Assign(bitmap.get());
      out.SetGraphic(kind.get());
    }
    out.SaveToFile(folder / c.name);
    TPicture in;
    in.LoadFromFile(folder / c.name);
    ASSERT_NE(in.Graphic(), nullptr) << c.name;
    EXPECT_EQ(in.Graphic()->ClassType(), c.loaded) << c.name;
    EXPECT_EQ(in.Width(), 6);
    EXPECT_EQ(in.Height(), 4);
    auto drawn = Filled(6, 4, kBlack);
    drawn->Canvas()->Draw(0, 0, in.Graphic());
    const TColor corner = drawn->Canvas()->Pixels(0, 0);
    const TColor middle = drawn->Canvas()->Pixels(3, 2);
    for (int shift : {0, 8, 16}) {
      EXPECT_NEAR(int((corner >> shift) & 0xFF), int((kWhite >> shift) & 0xFF), c.tolerance) << c.name;
      EXPECT_NEAR(int((middle >> shift) & 0xFF), int((kBlue >> shift) & 0xFF), c.tolerance) << c.name;
    }
  }
  TPicture picture;
  try {
    picture.LoadFromFile(folder / "a.xyz");
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
  }
}

}  // namespace
}  // namespace uitest
