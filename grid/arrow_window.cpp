// TArrowWindow; see arrow_window.h.
#include "grid/arrow_window.h"

#include "platform/classes/publisher.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/region.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/pen.h"
#include "platform/user/window_region.h"
#include "platform/user/window_styles.h"

PR_IMPLEMENT_CLASS(TArrowWindow)

namespace {

constexpr TColor kArrowColor = 65280;   // bright green
constexpr int kOutlinePoints = 7;

// The outlines, one per direction, in window pixels.
constexpr TPoint kOutlines[4][kOutlinePoints] = {
    {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}},     // up
    {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}},      // down
    {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}},     // right
    {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}},     // left
};

}  // namespace

TArrowWindow::TArrowWindow(TWinControl* AGrid, Byte Direction) : TPanel(AGrid), direction_(Direction & 3) {
  SetColor(kArrowColor);
  SetParent(AGrid);
  SetVisible(false);
}

void TArrowWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = 0;
}

void TArrowWindow::CreateWnd() {
  inherited::CreateWnd();
  SetWindowRgn(WindowHandle(), CreatePolygonRgn(kOutlines[direction_], kOutlinePoints, WINDING), TRUE);
}

void TArrowWindow::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->Pen()->SetColor(Color());
  canvas->FillRect(TRect{0, 0, ClientWidth(), ClientHeight()});
}
