// Drops from other programs as the display hands them to the window layer (user::DropText,
// user::DropFiles): a registered drop target sees DragEnter and Drop with the platform's data
// object, or DragLeave when it refuses; windows that only accept files keep WM_DROPFILES.
#include <gtest/gtest.h>

#include "ole_test_objects.h"
#include "platform/core/cp874.h"
#include "platform/shims/drag_drop_registry.h"
#include "platform/user/drop_files.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace oletest {
namespace {

using usertest::MessageLog;

// The form accepts files and the list gets a drop target; WM_DROPFILES drops are counted and freed.
class ExternalDropTest : public OleTest {
 protected:
  ExternalDropTest() {
    DragAcceptFiles(form_, TRUE);
    MessageLog::Instance().handler = [this](HWND h, UINT m, WPARAM w, LPARAM, LRESULT&) {
      if (m != WM_DROPFILES) return false;
      if (h == form_) ++fileDrops_;
      DragFinish(HDROP(w));
      return true;
    };
  }
  void Register(bool refuse) {
    target_ = new TRecordingTarget(log_, refuse);
    ASSERT_EQ(RegisterDragDrop(list_, target_.get()), S_OK);
  }

  Log log_;
  TInterfacePtr<TRecordingTarget> target_;
  int fileDrops_ = 0;
};

TEST_F(ExternalDropTest, DroppedTextReachesTheRegisteredTarget) {
  Register(false);
  EXPECT_TRUE(user::DropText(TPoint{150, 160}, Utf8ToUtf16("ค่าจ้าง")));
  EXPECT_EQ(log_, (Log{"enter 150,160 keys=0x1 effect=1 -> 1", "drop 150,160 keys=0x1 effect=1 -> 1"}))
      << "a whole drag at once, copying only";
  EXPECT_EQ(target_->dropped, "ค่าจ้าง");
  EXPECT_FALSE(user::DropText(TPoint{250, 160}, u"x")) << "the form has no drop target";
  EXPECT_EQ(log_.size(), 2u);
}

TEST_F(ExternalDropTest, ARefusingTargetGetsDragLeaveInsteadOfDrop) {
  Register(true);
  EXPECT_FALSE(user::DropText(TPoint{150, 160}, u"x"));
  EXPECT_EQ(log_, (Log{"enter 150,160 keys=0x1 effect=1 -> 0", "leave"}));
}

TEST_F(ExternalDropTest, FilesGoToTheNearestTargetOrWindowAcceptingFiles) {
  Register(false);
  EXPECT_TRUE(user::DropFiles(TPoint{150, 160}, {u"/tmp/a.csv", u"/tmp/b.xls"}));
  EXPECT_EQ(target_->dropped, "/tmp/a.csv\n/tmp/b.xls\n") << "the target is nearer than the form";
  Pump();
  EXPECT_EQ(fileDrops_, 0);
  EXPECT_TRUE(user::DropFiles(TPoint{250, 160}, {u"/tmp/a.csv"})) << "the form only accepts files";
  Pump();
  EXPECT_EQ(fileDrops_, 1);
  DestroyWindow(list_);
  EXPECT_TRUE(user::DropFiles(TPoint{150, 160}, {u"/tmp/a.csv"})) << "the target went with its window";
  Pump();
  EXPECT_EQ(fileDrops_, 2);
}

}  // namespace
}  // namespace oletest
