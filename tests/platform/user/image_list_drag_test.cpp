// The drag image of image lists: where its window shows, its shape, showing and hiding, the cursor
// image merged into it, and that the mouse and WindowFromPoint look through it.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image_list.h"
#include "platform/gdi/region.h"
#include "platform/user/image_list_drag.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_region.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;
constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00;

// A list of one square image of one colour; `holeRows` x `holeRows` pixels at its top-left corner
// are transparent.
HIMAGELIST SolidList(int size, std::uint32_t pixel, int holeRows) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 1);
  std::vector<std::uint32_t> pixels(std::size_t(size * size), pixel);
  std::vector<BYTE> mask(std::size_t(2 * size), 0);   // rows padded to 2 bytes
  for (int y = 0; y < holeRows; ++y) mask[std::size_t(2 * y)] = BYTE(0xFF << (8 - holeRows));
  HBITMAP image = CreateBitmap(size, size, 1, 32, pixels.data());
  HBITMAP shape = CreateBitmap(size, size, 1, 1, mask.data());
  ImageList_Add(list, image, shape);
  DeleteObject(image);
  DeleteObject(shape);
  return list;
}

TRect WindowRectOf(HWND h) {
  TRect r{};
  GetWindowRect(h, &r);
  return r;
}

bool InShape(HWND h, int x, int y) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(h, region);
  const bool in = PtInRegion(region, x, y) != FALSE;
  DeleteObject(region);
  return in;
}

// A red 4 x 4 image whose top-left 2 x 2 pixels are transparent, and a green 2 x 2 "cursor".
class ImageListDragTest : public UserTest {
 protected:
  ~ImageListDragTest() override {
    ImageList_EndDrag();
    ImageList_Destroy(track_);
    ImageList_Destroy(cursor_);
  }

  HIMAGELIST track_ = SolidList(4, 0x00FF0000, 2);
  HIMAGELIST cursor_ = SolidList(2, 0x0000FF00, 0);
};

TEST_F(ImageListDragTest, TheImageShowsWithItsHotSpotOnThePointAndFollowsIt) {
  ASSERT_TRUE(ImageList_BeginDrag(track_, 0, 1, 1));
  EXPECT_FALSE(ImageList_BeginDrag(track_, 0, 0, 0)) << "one drag at a time";
  HWND image = DragImageWindow();
  ASSERT_NE(image, nullptr);
  EXPECT_FALSE(IsWindowVisible(image)) << "nothing shows before the drag enters a window";

  ASSERT_TRUE(ImageList_DragEnter(nullptr, 50, 60));
  Pump();
  EXPECT_TRUE(IsWindowVisible(image));
  EXPECT_EQ(WindowRectOf(image), (TRect{49, 59, 53, 63}));
  EXPECT_EQ(WindowPixel(image, 3, 3), kRed);
  EXPECT_TRUE(InShape(image, 2, 0));
  EXPECT_FALSE(InShape(image, 1, 1)) << "the transparent pixels are outside the window";
  EXPECT_NE(WindowFromPoint(TPoint{51, 61}), image) << "the mouse looks through the image";

  ImageList_DragMove(70, 80);
  EXPECT_EQ(WindowRectOf(image), (TRect{69, 79, 73, 83}));
  ImageList_DragShowNolock(FALSE);
  EXPECT_FALSE(IsWindowVisible(image));
  ImageList_DragShowNolock(TRUE);
  EXPECT_TRUE(IsWindowVisible(image));
  ImageList_DragLeave(nullptr);
  EXPECT_FALSE(IsWindowVisible(image));

  ImageList_EndDrag();
  EXPECT_EQ(DragImageWindow(), nullptr);
  EXPECT_FALSE(IsWindow(image));
  EXPECT_FALSE(ImageList_DragMove(1, 1)) << "no drag runs any more";
}

TEST_F(ImageListDragTest, PointsAreRelativeToTheLockWindowsCorner) {
  HWND lock = CreateLogWindow("lock", WS_POPUP | WS_VISIBLE, 100, 200, 50, 50, nullptr);
  ASSERT_TRUE(ImageList_BeginDrag(track_, 0, 0, 0));
  ImageList_DragEnter(lock, 10, 5);
  EXPECT_EQ(WindowRectOf(DragImageWindow()), (TRect{110, 205, 114, 209}));
  EXPECT_EQ(WindowFromPoint(TPoint{112, 207}), lock) << "the window under the image is hit";
}

TEST_F(ImageListDragTest, TheCursorImageIsMergedWithTheHotSpotsOnOnePoint) {
  ASSERT_TRUE(ImageList_BeginDrag(track_, 0, 0, 0));
  ASSERT_TRUE(ImageList_SetDragCursorImage(cursor_, 0, 1, 1));
  ImageList_DragEnter(nullptr, 50, 50);
  Pump();
  HWND image = DragImageWindow();
  // The cursor's corner is one pixel up and left of the track's: a 5 x 5 image, hot spot (1, 1).
  EXPECT_EQ(WindowRectOf(image), (TRect{49, 49, 54, 54}));
  EXPECT_EQ(WindowPixel(image, 0, 0), kGreen);
  EXPECT_EQ(WindowPixel(image, 1, 1), kGreen) << "the cursor is drawn over the image";
  EXPECT_EQ(WindowPixel(image, 4, 4), kRed);
  EXPECT_FALSE(InShape(image, 2, 2)) << "transparent in the image and not covered by the cursor";
  EXPECT_FALSE(InShape(image, 4, 0)) << "the merged box beyond both images";

  // A new cursor image replaces the last one rather than adding to it.
  ASSERT_TRUE(ImageList_SetDragCursorImage(cursor_, 0, 0, 0));
  EXPECT_EQ(WindowRectOf(image), (TRect{50, 50, 54, 54}));
  EXPECT_FALSE(ImageList_SetDragCursorImage(cursor_, 1, 0, 0)) << "a bad index";
}

}  // namespace
}  // namespace usertest
