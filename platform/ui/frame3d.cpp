#include "platform/ui/frame3d.h"

#include "platform/ui/canvas.h"

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width) {
  Canvas->Pen()->SetWidth(1);
  --Rect.Bottom;
  --Rect.Right;
  for (; Width > 0; --Width) {
    const TPoint topLeft[] = {{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}};
    Canvas->Pen()->SetColor(TopColor);
    Canvas->Polyline(topLeft, 3);
    const TPoint bottomRight[] = {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
    Canvas->Pen()->SetColor(BottomColor);
    Canvas->Polyline(bottomRight, 3);
    InflateRect(&Rect, -1, -1);
  }
  ++Rect.Bottom;
  ++Rect.Right;
}
