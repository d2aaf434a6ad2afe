// Files dropped from other programs: which window gets WM_DROPFILES, and what its HDROP answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/user/drop_files.h"
#include "platform/user/global_memory.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

// A captioned form at (100, 100) holding a child at (10, 10) of its client area; the form accepts
// files, the child does not.  Every WM_DROPFILES is kept with its window.
class DropFilesTest : public UserTest {
 protected:
  DropFilesTest() {
    form_ = CreateLogWindow("form", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 200, 150, nullptr);
    child_ = CreateLogWindow("child", WS_CHILD | WS_VISIBLE, 10, 10, 80, 60, form_);
    DragAcceptFiles(form_, TRUE);
    MessageLog::Instance().handler = [this](HWND h, UINT m, WPARAM w, LPARAM, LRESULT&) {
      if (m != WM_DROPFILES) return false;
      drops_.push_back({h, HDROP(w)});
      return true;
    };
  }
  ~DropFilesTest() override {
    for (const Drop& d : drops_) DragFinish(d.drop);
  }
  TPoint ClientPoint(HWND h, int x, int y) const {
    TPoint p{x, y};
    ClientToScreen(h, &p);
    return p;
  }

  struct Drop {
    HWND window;
    HDROP drop;
  };
  HWND form_ = nullptr;
  HWND child_ = nullptr;
  std::vector<Drop> drops_;
};

TEST_F(DropFilesTest, TheNearestWindowAcceptingFilesGetsThePathsAndThePoint) {
  const std::u16string thai = Utf8ToUtf16("/home/somchai/เงินเดือน.csv");
  ASSERT_TRUE(user::DropFiles(ClientPoint(child_, 5, 5), {u"/tmp/a.txt", thai}));
  Pump();
  ASSERT_EQ(drops_.size(), 1u);
  EXPECT_EQ(drops_[0].window, form_) << "the child does not accept files, its parent does";
  HDROP drop = drops_[0].drop;
  EXPECT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), 2u);
  EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 2u);
  char16_t wide[64];
  EXPECT_EQ(DragQueryFileW(drop, 1, wide, 64), thai.size());
  EXPECT_EQ(std::u16string(wide), thai);
  char narrow[64];
  const std::string cp874 = Utf16ToCp874(thai);
  EXPECT_EQ(DragQueryFileA(drop, 1, nullptr, 0), cp874.size());
  EXPECT_EQ(DragQueryFileA(drop, 1, narrow, 64), cp874.size());
  EXPECT_EQ(std::string(narrow), cp874);
  EXPECT_EQ(DragQueryFileA(drop, 0, narrow, 5), 4u) << "cut to the buffer with its NUL";
  EXPECT_EQ(std::string(narrow), "/tmp");
  EXPECT_EQ(DragQueryFileA(drop, 2, narrow, 64), 0u) << "no third path";
  TPoint at{};
  EXPECT_TRUE(DragQueryPoint(drop, &at));
  EXPECT_EQ(at, (TPoint{15, 15})) << "in the form's client coordinates";
  DragFinish(drop);
  EXPECT_EQ(GlobalSize(drop), 0u) << "DragFinish frees the block";
  drops_.clear();
}

TEST_F(DropFilesTest, ADropOnTheFrameGivesScreenCoordinates) {
  TRect frame{};
  GetWindowRect(form_, &frame);
  const TPoint onCaption{frame.Left + 50, frame.Top + 5};
  ASSERT_TRUE(user::DropFiles(onCaption, {u"/tmp/a.txt"}));
  Pump();
  ASSERT_EQ(drops_.size(), 1u);
  TPoint at{};
  EXPECT_FALSE(DragQueryPoint(drops_[0].drop, &at));
  EXPECT_EQ(at, onCaption);
}

TEST_F(DropFilesTest, DropsNoWindowTakesAreRefused) {
  EXPECT_FALSE(user::DropFiles(TPoint{5, 5}, {u"/tmp/a.txt"})) << "no window there";
  EXPECT_FALSE(user::DropFiles(ClientPoint(form_, 150, 100), {})) << "nothing dropped";
  EXPECT_FALSE(user::DropText(ClientPoint(form_, 150, 100), u"text")) << "text needs a drop target";
  DragAcceptFiles(form_, FALSE);
  EXPECT_EQ(GetWindowLongPtrA(form_, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  EXPECT_FALSE(user::DropFiles(ClientPoint(form_, 150, 100), {u"/tmp/a.txt"}));
  DragAcceptFiles(child_, TRUE);
  EXPECT_TRUE(user::DropFiles(ClientPoint(child_, 1, 1), {u"/tmp/a.txt"}));
  Pump();
  ASSERT_EQ(drops_.size(), 1u);
  EXPECT_EQ(drops_[0].window, child_);
}

}  // namespace
}  // namespace usertest
