// TCanvas: a drawing surface (a device context) with its pen, brush and font, and the class
// library's drawing and text routines over it.
//
// The context comes from CreateHandle when a routine needs it (TControlCanvas asks its control,
// TBitmap's canvas its bitmap) or is given with SetHandle.  Before drawing, a routine makes the
// context current with what it needs (RequiredState): the font with its colour and the brush's
// background, the pen with its mix mode (SetROP2 from Pen.Mode), the brush with OPAQUE background
// for a solid brush (TRANSPARENT otherwise).  A change of Pen, Brush or Font marks it for
// reselection at the next drawing routine; a solid brush that only changed colour keeps its handle
// (recoloured in place) and stays selected, so it costs no new selection.  Lock/Unlock keep other threads off while one draws;
// OnChanging / OnChange fire around every drawing routine.
//
// Coordinates follow the drawing layer: rectangles exclude their right and bottom edges.  Text is
// code page 874 bytes.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/enum_set.h"
#include "platform/classes/event.h"
#include "platform/classes/persistent.h"
#include "platform/gdi/gdi_types.h"
#include "platform/os/sync.h"
#include "platform/ui/brush.h"
#include "platform/ui/colors.h"
#include "platform/ui/font.h"
#include "platform/ui/pen.h"

class TGraphic;
class TBitmap;

PR_ENUM(TCanvasStateItem, csHandleValid, csFontValid, csPenValid, csBrushValid)
using TCanvasState = TSet<TCanvasStateItem>;
PR_ENUM(TFillStyle, fsSurface, fsBorder)
PR_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)
using TCopyMode = Integer;   // a raster operation (SRCCOPY, ...)

class TCanvas : public TPersistent {
  PR_CLASS(TCanvas, TPersistent)

 public:
  TCanvas();
  ~TCanvas() override;

  HDC Handle();
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return handle_ != nullptr; }
  TPen* Pen() const { return pen_.get(); }
  void SetPen(TPen* Value) { pen_->Assign(Value); }
  TBrush* Brush() const { return brush_.get(); }
  void SetBrush(TBrush* Value) { brush_->Assign(Value); }
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
  TPoint PenPos();
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
  // The clip box of the context, in its logical coordinates.
  TRect ClipRect();
  TColor Pixels(Integer X, Integer Y);
  void SetPixels(Integer X, Integer Y, TColor Value);
  // DrawText / ExtTextOut flags the text routines add (ETO_RTLREADING for right-to-left text).
  Integer TextFlags() const { return textFlags_; }
  void SetTextFlags(Integer Value) { textFlags_ = Value; }

  // Lines and shapes.
  void MoveTo(Integer X, Integer Y);
  void LineTo(Integer X, Integer Y);
  void Polyline(const TPoint* Points, Integer Count);
  void Polygon(const TPoint* Points, Integer Count);
  void PolyBezier(const TPoint* Points, Integer Count);
  void PolyBezierTo(const TPoint* Points, Integer Count);
  void Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2);
  void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3);
  void Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2);
  void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void Arc(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4);
  void Chord(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4);
  void Pie(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4);
  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  void DrawFocusRect(const TRect& Rect);
  void FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle);

  // Pictures.
  void Draw(Integer X, Integer Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  // Copies Source's Rect to this canvas's Dest with CopyMode.
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  // Copies with the pixels of Color in Source replaced by this canvas's brush.
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);

  // Text.
  void TextOut(Integer X, Integer Y, const std::string& Text);
  void TextRect(const TRect& Rect, Integer X, Integer Y, const std::string& Text);
  TSize TextExtent(const std::string& Text);
  Integer TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
  Integer TextHeight(const std::string& Text) { return TextExtent(Text).cy; }

  void Refresh();
  void Lock();
  void Unlock();
  bool TryLock();
  Integer LockCount() const { return lockCount_; }
  TCanvasState State() const { return state_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // Makes the context current with the parts named (creating the context when needed).
  void RequiredState(TCanvasState ReqState);

 protected:
  virtual void Changed();
  virtual void Changing();
  // Gives the canvas a context (SetHandle) when it has none; the base has none to give.
  virtual void CreateHandle();
  void DeselectHandles();

 private:
  void CreateFont();
  void CreatePen();
  void CreateBrush();
  void FontChanged(TObject* Sender);
  void PenChanged(TObject* Sender);
  void BrushChanged(TObject* Sender);

  HDC handle_ = nullptr;
  TCanvasState state_;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  HBRUSH selectedBrush_ = nullptr;   // the brush's handle while it is selected into the context
  TPoint penPos_;
  TCopyMode copyMode_;
  Integer textFlags_ = 0;
  TCriticalSection lock_;
  Integer lockCount_ = 0;
};
