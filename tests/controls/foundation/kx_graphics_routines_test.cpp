// The drawing unit's small routines: rectangles, image-list links, the hot and pressed highlight
// colours, and blending with a smooth scaling.
#include <gtest/gtest.h>

#include "controls/foundation/kx_alpha_blend.h"
#include "controls/foundation/kx_bitmap.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_graphics_routines.h"
#include "controls/foundation/kx_graphics_unit.h"
#include "foundation_test_support.h"
#include "platform/gdi/sys_colors.h"
#include "platform/ui/image_list.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

TEST(GraphicsRoutines, RectanglesAndAssignedPictures) {
  TRect r{10, 10, 50, 40};
  ShrinkRectBySides(r, {1, 2, 3, 4});
  EXPECT_EQ(r, (TRect{11, 12, 47, 36}));
  EXPECT_TRUE(SameRectSize({0, 0, 5, 6}, {10, 10, 15, 16}));
  EXPECT_FALSE(SameRectSize({0, 0, 5, 6}, {0, 0, 6, 5}));
  TBitmap picture;
  EXPECT_FALSE(IsBitmapAssigned(nullptr));
  EXPECT_FALSE(IsBitmapAssigned(&picture));
  picture.SetSize(16, 16);
  EXPECT_TRUE(IsBitmapAssigned(&picture));
  TImageList images(nullptr);
  images.Add(&picture, nullptr);
  EXPECT_FALSE(IsImageIndexValid(nullptr, 0));
  EXPECT_TRUE(IsImageIndexValid(&images, 0));
  EXPECT_FALSE(IsImageIndexValid(&images, 1));
  EXPECT_FALSE(IsImageIndexValid(&images, -1));
}

TEST(GraphicsRoutines, TheHighlightColoursMixTheClassicColours) {
  gdi::ResetSysColors();
  EXPECT_EQ(GetHotHighlightColor(), TColor(RGB(183, 191, 212)));
  EXPECT_EQ(GetPressedHighlightColor(), TColor(RGB(136, 147, 177)));
}

TEST(GraphicsRoutines, ReplacingAnImageListLinkMovesTheLinkAndTheFreeNotification) {
  TComponent client(nullptr);
  TImageList first(nullptr), second(nullptr);
  TCustomImageList* field = nullptr;
  TChangeLink link;
  int heard = 0;
  link.OnChange = [&heard](TObject*) { ++heard; };
  ReplaceImageListLink(&first, field, &link, &client);
  EXPECT_EQ(field, &first);
  EXPECT_EQ(link.Sender(), &first);
  EXPECT_EQ(heard, 1);
  ReplaceImageListLink(&first, field, &link, &client);   // already there: nothing
  EXPECT_EQ(heard, 1);
  ReplaceImageListLink(&second, field, &link, &client);
  EXPECT_EQ(link.Sender(), &second);
  EXPECT_EQ(heard, 2);
  first.SetBkColor(clRed);   // the old list's changes no longer reach the link
  EXPECT_EQ(heard, 2);
  second.SetBkColor(clRed);
  EXPECT_EQ(heard, 3);
  ReplaceImageListLink(nullptr, field, nullptr, &client);
  EXPECT_EQ(field, nullptr);
}

TEST(AlphaBlendDCRect, ASmoothScalingResamplesOnTheSoftwareRoad) {
  foundationtest::ScopedUnits units({kxControlsUnit, kxGraphicsUnit});
  ASSERT_TRUE(IsAlphaBlendBound());
  TkxBitmap source(1, 1);
  source.WritePixels({0xFF3C78B4});   // (60, 120, 180), opaque
  TestCanvas surface(12, 12, kWhite);
  AlphaBlendDCRect(surface.dc(), source.Canvas()->Handle(), {2, 2, 10, 10}, 255, true, {0, 0, 1, 1});
  EXPECT_EQ(surface.Count(RGB(60, 120, 180)), 64) << surface.Picture();
  EXPECT_EQ(surface.At(1, 1), kWhite);
  // Half the constant alpha over white.
  AlphaBlendDCRect(surface.dc(), source.Canvas()->Handle(), {0, 0, 2, 2}, 128, false, {0, 0, 1, 1});
  EXPECT_EQ(surface.At(0, 0), RGB(157, 187, 217));
}

}  // namespace
