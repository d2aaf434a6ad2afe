// Image lists: adding and arranging images, drawing them (masked, with a background, disabled),
// and telling the registered change links.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/gdi/sys_colors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_list.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kLime = 0x00FF00, kWhite = 0xFFFFFF, kFuchsia = 0xFF00FF,
                 kYellow = 0x00FFFF;

// A strip of 8 x 8 images, one per colour, each with a fuchsia (transparent) left half.
std::unique_ptr<TBitmap> Strip(const std::vector<TColor>& colors) {
  auto strip = std::make_unique<TBitmap>();
  strip->SetPixelFormat(pf24bit);
  strip->SetSize(Integer(8 * colors.size()), 8);
  for (std::size_t i = 0; i < colors.size(); ++i) {
    const Integer x = Integer(8 * i);
    strip->Canvas()->Brush()->SetColor(kFuchsia);
    strip->Canvas()->FillRect(TRect{x, 0, x + 4, 8});
    strip->Canvas()->Brush()->SetColor(colors[i]);
    strip->Canvas()->FillRect(TRect{x + 4, 0, x + 8, 8});
  }
  return strip;
}

std::unique_ptr<TBitmap> Page(TColor color = kWhite) {
  auto page = std::make_unique<TBitmap>();
  page->SetPixelFormat(pf24bit);
  page->SetSize(20, 20);
  page->Canvas()->Brush()->SetColor(color);
  page->Canvas()->FillRect(TRect{0, 0, 20, 20});
  return page;
}

// The colours of the list's images, read from their opaque halves.
std::vector<TColor> Colors(TCustomImageList& list) {
  std::vector<TColor> colors;
  for (Integer i = 0; i < list.Count(); ++i) {
    auto page = Page();
    list.Draw(page->Canvas(), 0, 0, i);
    colors.push_back(page->Canvas()->Pixels(6, 4));
  }
  return colors;
}

TEST(ImageListTest, AddMaskedDrawsThroughTheMaskAndLeavesTheCallersBitmapAlone) {
  TImageList list(nullptr, 8, 8);
  auto strip = Strip({kRed, kBlue});
  EXPECT_EQ(list.AddMasked(strip.get(), kFuchsia), 0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(strip->Canvas()->Pixels(0, 0), kFuchsia);
  auto page = Page(kYellow);
  list.Draw(page->Canvas(), 2, 2, 1);
  EXPECT_EQ(page->Canvas()->Pixels(2, 2), kYellow);   // transparent half
  EXPECT_EQ(page->Canvas()->Pixels(6, 2), kBlue);
  EXPECT_EQ(page->Canvas()->Pixels(10, 10), kYellow);   // outside
  // With a background colour the transparent half shows it.
  list.SetBkColor(kLime);
  list.Draw(page->Canvas(), 2, 2, 0);
  EXPECT_EQ(page->Canvas()->Pixels(2, 2), kLime);
  EXPECT_EQ(page->Canvas()->Pixels(6, 2), kRed);
  // Unmasked, the fuchsia half is drawn as it is.
  TImageList plain(nullptr, 8, 8);
  plain.SetMasked(false);
  plain.AddMasked(strip.get(), kFuchsia);
  plain.Draw(page->Canvas(), 2, 2, 0);
  EXPECT_EQ(page->Canvas()->Pixels(2, 2), kFuchsia);
}

TEST(ImageListTest, InsertMoveDeleteAndReplaceKeepTheOrder) {
  TImageList list(nullptr, 8, 8);
  list.AddMasked(Strip({kRed, kBlue, kLime}).get(), kFuchsia);
  using Colors_ = std::vector<TColor>;
  EXPECT_EQ(Colors(list), (Colors_{kRed, kBlue, kLime}));
  list.InsertMasked(0, Strip({kYellow}).get(), kFuchsia);
  EXPECT_EQ(Colors(list), (Colors_{kYellow, kRed, kBlue, kLime}));
  list.Move(0, 2);
  EXPECT_EQ(Colors(list), (Colors_{kRed, kBlue, kYellow, kLime}));
  list.Move(3, 1);
  EXPECT_EQ(Colors(list), (Colors_{kRed, kLime, kBlue, kYellow}));
  list.Delete(0);
  EXPECT_EQ(Colors(list), (Colors_{kLime, kBlue, kYellow}));
  list.ReplaceMasked(1, Strip({kRed}).get(), kFuchsia);
  EXPECT_EQ(Colors(list), (Colors_{kLime, kRed, kYellow}));
  TImageList copy(nullptr, 8, 8);
  copy.AddImages(&list);
  EXPECT_EQ(Colors(copy), (Colors_{kLime, kRed, kYellow}));
  auto page = Page(kBlue);
  copy.Draw(page->Canvas(), 0, 0, 2);
  EXPECT_EQ(page->Canvas()->Pixels(1, 1), kBlue);   // the mask came along
  for (Integer bad : {-1, 3}) {
    try {
      list.Delete(bad);
      ADD_FAILURE() << bad;
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.Message(), "Invalid ImageList Index");
    }
  }
  list.SetWidth(16);   // a new size empties the list
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListTest, ADisabledImageIsItsShapeEmbossed) {
  TImageList list(nullptr, 8, 8);
  list.AddMasked(Strip({kRed}).get(), kFuchsia);
  auto page = Page();
  list.Draw(page->Canvas(), 0, 0, 0, false);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const struct {
    Integer x, y;
    COLORREF expected;
  } probes[] = {{2, 2, kWhite}, {4, 0, shadow}, {7, 7, shadow}, {8, 8, highlight}, {8, 3, highlight}, {9, 9, kWhite}};
  for (const auto& p : probes) EXPECT_EQ(COLORREF(page->Canvas()->Pixels(p.x, p.y)), p.expected) << p.x << "," << p.y;
}

TEST(ImageListTest, ChangesReachTheLinksOncePerChangeOrOncePerUpdate) {
  auto list = std::make_unique<TImageList>(nullptr, 8, 8);
  std::string heard;
  list->OnChange = [&](TObject*) { heard += "L"; };
  TChangeLink a, b;
  a.OnChange = [&](TObject* sender) { heard += sender == list.get() ? "a" : "?"; };
  b.OnChange = [&](TObject*) { heard += "b"; };
  list->RegisterChanges(&a);
  {
    TChangeLink gone;
    gone.OnChange = [&](TObject*) { heard += "g"; };
    list->RegisterChanges(&gone);
  }   // unregisters itself
  list->RegisterChanges(&b);
  list->AddMasked(Strip({kRed}).get(), kFuchsia);
  EXPECT_EQ(heard, "Lab");
  heard.clear();
  list->UnRegisterChanges(&b);
  list->BeginUpdate();
  list->AddMasked(Strip({kRed, kBlue}).get(), kFuchsia);
  list->Delete(0);
  list->SetBkColor(kLime);
  EXPECT_EQ(heard, "");
  list->EndUpdate();
  EXPECT_EQ(heard, "La");
  list.reset();
  EXPECT_EQ(a.Sender(), nullptr);
}

TEST(ImageListTest, FormImagesKeepTheImagesInTheBitmapProperty) {
  TImageList list(nullptr, 8, 8);
  list.SetName("Glyphs");
  list.SetBkColor(kLime);
  list.AddMasked(Strip({kRed, kBlue, kYellow}).get(), kFuchsia);
  const std::string text = FormImageText(&list);
  // Three 8 x 8 images of room for four, growing by 4, on a lime background, masked, device colours.
  const std::size_t bitmap = text.find("  Bitmap = {");
  ASSERT_NE(bitmap, std::string::npos) << text;
  EXPECT_EQ(text.find("494C01010300040004000800080000FF0000FF00", bitmap), text.find('{', bitmap) + 7) << text;

  TImageList copy(nullptr);
  ReadFormImageText(text, &copy);
  EXPECT_EQ(copy.Width(), 8);
  EXPECT_EQ(copy.Height(), 8);
  EXPECT_TRUE(copy.Masked());
  EXPECT_EQ(copy.BkColor(), kLime);
  EXPECT_EQ(Colors(copy), (std::vector<TColor>{kRed, kBlue, kYellow}));
  auto page = Page(kWhite);
  copy.Draw(page->Canvas(), 0, 0, 0);
  EXPECT_EQ(page->Canvas()->Pixels(2, 2), kLime) << "the mask came back";
  EXPECT_EQ(FormImageText(&copy), text);

  TImageList empty(nullptr);
  EXPECT_EQ(FormImageText(&empty).find("Bitmap"), std::string::npos) << "an empty list keeps no images";
  try {
    ReadFormImageText("object Glyphs: TImageList\n  Bitmap = {\n    494C0101}\nend\n", &empty);
    ADD_FAILURE() << "a broken Bitmap value was read";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("Failed to read ImageList data from stream"), std::string::npos) << e.Message();
  }
}

}  // namespace
}  // namespace uitest
