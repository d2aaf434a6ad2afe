// TkxCanvas: measuring and drawing text by the library's text-flag word.
//
// Text goes out through DrawTextA when it may span lines or needs prefixes or ellipses, else
// through ExtTextOutA, which the canvas aligns itself; either way it is clipped to its rectangle
// unless its single-line extent fits.  Disabled text leaves a pixel for its embossed copy.
#include "controls/foundation/kx_canvas.h"

#include "platform/gdi/text_constants.h"

namespace {

bool NeedsDrawText(TkxTextFlags Flags) {
  return (Flags & tfSingleLine) == 0 || (Flags & (tfShowPrefix | tfEndEllipsis | tfPathEllipsis)) != 0;
}

void OffsetRectBy(TRect& R, Integer DX, Integer DY) {
  R = {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

}  // namespace

TSize TkxCanvas::GetTextSize(const std::string& Text) {
  canvas_->RequiredState({csHandleValid, csFontValid});
  TSize size{0, 0};
  GetTextExtentString(GetHandle(), Text, size, -1);
  return size;
}

Integer TkxCanvas::FontHeight(TFont* Font) {
  SetFont(Font);
  return GetTextHeight("Qq");
}

void TkxCanvas::CalcTextRect(const std::string& Text, TRect& R, TkxTextFlags Flags) {
  const Integer width = R.Width(), height = R.Height();
  const UINT drawFlags = TextFlagsToDrawFlags(Flags);
  if (width <= 0 && !Text.empty()) R.Right = R.Left + 1;   // word-broken text can be measured
  canvas_->RequiredState({csHandleValid, csFontValid});
  if (DrawTextString(GetHandle(), Text, R, -1, (drawFlags & ~DT_VCENTER) | DT_CALCRECT) == 0) {
    R.Right = R.Left;
    R.Bottom = R.Top;
  }
  const Integer dx = width - R.Width(), dy = height - R.Height();
  if ((drawFlags & DT_CENTER) != 0) OffsetRectBy(R, dx / 2, 0);
  else if ((drawFlags & DT_RIGHT) != 0) OffsetRectBy(R, dx, 0);
  if ((drawFlags & DT_VCENTER) != 0) OffsetRectBy(R, 0, dy / 2);
  else if ((drawFlags & DT_BOTTOM) != 0) OffsetRectBy(R, 0, dy);
}

void TkxCanvas::AlignMultiLineText(TRect& R, const std::string& Text, TkxVerticalAlignment Alignment, bool WordBreak,
                                   bool ShowPrefix, bool Enabled, bool KeepWordsWhole) {
  if (Alignment == kxvaTop) return;
  const Integer d = Enabled ? 0 : 1;
  TkxTextFlags flags = tfAlignLeft | tfAlignTop;
  if (WordBreak) flags |= tfWordBreak;
  if (ShowPrefix) flags |= tfShowPrefix;
  if (KeepWordsWhole) flags |= tfKeepWordsWhole;
  TRect measured{0, 0, R.Width() - d, 0};
  CalcTextRect(Text, measured, flags);
  const Integer height = measured.Height();
  if (Alignment == kxvaBottom) R.Top = R.Bottom - height - d;
  else R.Top = (R.Top + R.Bottom - height) / 2;
}

void TkxCanvas::DrawText(const std::string& Text, const TRect& R, TkxTextFlags Flags, bool Enabled) {
  if (Text.empty()) return;
  TRect r = R;
  const bool byDrawText = NeedsDrawText(Flags);
  const TSize size = GetTextSize(Text);
  if (r.Width() >= size.cx && r.Height() >= size.cy) Flags |= tfNoClip;
  const Integer d = Enabled ? 0 : 1;
  UINT drawFlags = 0;
  if (byDrawText) {
    if ((Flags & tfSingleLine) == 0 && (Flags & (tfAlignBottom | tfAlignVCenter)) != 0)
      AlignMultiLineText(r, Text, (Flags & tfAlignBottom) != 0 ? kxvaBottom : kxvaCenter, (Flags & tfWordBreak) != 0,
                         (Flags & tfShowPrefix) != 0, Enabled, (Flags & tfKeepWordsWhole) != 0);
    drawFlags = TextFlagsToDrawFlags(Flags);
  } else {
    if (size.cx < r.Width()) {
      const TkxTextFlags horizontal = Flags & tfHorizontalAlignments;
      if (horizontal == tfAlignRight) r.Left = r.Right - size.cx - d;
      else if (horizontal == tfAlignHCenter) r.Left = (r.Left + r.Right - size.cx) / 2;
    }
    if (size.cy < r.Height()) {
      const TkxTextFlags vertical = Flags & tfVerticalAlignments;
      if (vertical == tfAlignBottom) r.Top = r.Bottom - size.cy - d;
      else if (vertical == tfAlignVCenter) r.Top = (r.Top + r.Bottom - size.cy) / 2;
    }
  }
  const TBrushStyle brushStyle = GetBrush()->Style();
  const TColor fontColor = GetFont()->Color();
  if (!Enabled) {
    OffsetRectBy(r, 1, 1);
    GetBrush()->SetStyle(bsClear);
    GetFont()->SetColor(clBtnHighlight);
    OutputText(Text, r, Flags, byDrawText, drawFlags);
    OffsetRectBy(r, -1, -1);
    GetFont()->SetColor(clBtnShadow);
  }
  OutputText(Text, r, Flags, byDrawText, drawFlags);
  if (GetBrush()->Style() != brushStyle) GetBrush()->SetStyle(brushStyle);
  GetFont()->SetColor(fontColor);
}

void TkxCanvas::OutputText(const std::string& Text, const TRect& R, TkxTextFlags Flags, bool ByDrawText,
                           UINT DrawFlags) {
  canvas_->RequiredState({csHandleValid, csFontValid, csBrushValid});
  TRect r = R;
  if (ByDrawText) DrawTextString(GetHandle(), Text, r, -1, DrawFlags);
  else ExtTextOutString(GetHandle(), Text, {R.Left, R.Top}, (Flags & tfNoClip) != 0 ? 0 : ETO_CLIPPED, &R, -1);
}
