// What the painter tests share: a 32-bit surface with a class-library canvas and a TkxCanvas over
// it, the units the painters draw with (the binding, theme manager, Office 2003 colours and the
// painters' resources), and system colours set apart so that each role has a colour of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_painter_resources.h"
#include "foundation_test_support.h"
#include "platform/gdi/sys_colors.h"
#include "platform/ui/canvas.h"
#include "tests/support/gdi/test_canvas.h"

namespace paintertest {

// The roles' own colours (COLORREF).
inline constexpr COLORREF kFace = 0x00C8C8, kShadow = 0x000080, kHighlight = 0x80FF80, kDark = 0x400000,
                          kLight = 0xE0E000, kText = 0x202020, kGray = 0x606060, kWindow = 0xF0F0FF,
                          kWindowText = 0x000030, kSelection = 0xA00000, kSelectionText = 0x00FFFF,
                          kWindowFrame = 0x303000;
// Sets the colours above.
void SetDistinctSysColors();

// Which surface colour a TColor shows.
inline COLORREF Shown(TColor Color) { return ColorToRGB(Color) & 0xFFFFFF; }

class PainterTest : public ::testing::Test {
 protected:
  explicit PainterTest(int width = 80, int height = 40);
  ~PainterTest() override;

  void Clear() { surface_.Clear(0xFFFFFF); }
  // The pixels (x, y) in R that show the colour.
  std::set<std::pair<int, int>> PixelsOf(COLORREF color, const TRect& R) const;

  std::unique_ptr<foundationtest::ScopedUnits> units_;
  TestCanvas surface_;
  TCanvas canvas_;
  TkxCanvas kx_{&canvas_};
};

}  // namespace paintertest
