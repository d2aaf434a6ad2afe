// The editor unit: its start registers our own mouse-wheel cursor picture under its number.
#include <gtest/gtest.h>

#include "controls/editors/kx_custom_edit.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/icon.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/module_instance.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

class CustomEditUnitTest : public uitest::UiTest {};

TEST_F(CustomEditUnitTest, TheUnitStartRegistersTheMouseWheelCursor) {
  kxEditUnit.initialize();
  const HCURSOR cursor = Screen->Cursors(crKxEditMouseWheel);
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(cursor, LoadCursorA(HInstance, "KXEDIT_MOUSEWHEEL"));
  EXPECT_NE(cursor, Screen->Cursors(crDefault));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 15u);
  EXPECT_EQ(info.yHotspot, 15u);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
}

}  // namespace
