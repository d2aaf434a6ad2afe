#include "painter_test_support.h"

#include "platform/gdi/gdi_constants.h"
#include "platform/user/system_parameters.h"

namespace paintertest {

void SetDistinctSysColors() {
  const int indexes[] = {COLOR_BTNFACE,   COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT,    COLOR_3DDKSHADOW,
                         COLOR_3DLIGHT,   COLOR_BTNTEXT,   COLOR_GRAYTEXT,        COLOR_WINDOW,
                         COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,  COLOR_WINDOWFRAME};
  const COLORREF colors[] = {kFace,   kShadow,     kHighlight, kDark,      kLight,          kText,
                             kGray,   kWindow,     kWindowText, kSelection, kSelectionText, kWindowFrame};
  SetSysColors(int(std::size(indexes)), indexes, colors);
  foundationtest::Pump();
}

PainterTest::PainterTest(int width, int height) : surface_(width, height) {
  units_ = std::make_unique<foundationtest::ScopedUnits>(std::initializer_list<Unit>{
      kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit, kdOffice11Unit, kxLookAndFeelPaintersUnit});
  canvas_.SetHandle(surface_.dc());
}

PainterTest::~PainterTest() {
  canvas_.SetHandle(nullptr);
  units_.reset();
  gdi::ResetSysColors();
}

std::set<std::pair<int, int>> PainterTest::PixelsOf(COLORREF color, const TRect& R) const {
  std::set<std::pair<int, int>> pixels;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (surface_.At(x, y) == color) pixels.insert({x, y});
  return pixels;
}

}  // namespace paintertest
