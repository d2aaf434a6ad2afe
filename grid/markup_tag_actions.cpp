// What the markup renderer does for each tag: styles, line ends, paragraphs, fonts, highlight,
// lists, indentation, rotated text and anchors.  Pictures and body backgrounds are in
// markup_pictures.cpp, form-control fields in markup_form_fields.cpp.
#include <algorithm>

#include "grid/markup_colors.h"
#include "grid/markup_renderer.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/focus_rect.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/ui/canvas.h"

namespace {

constexpr Integer kListIndent = 12;
constexpr TColor kRuleColor = 0x000000;

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

void TMarkupRenderer::ActOnTag(TPass& pass, std::string_view tag, const TMarkupTagInfo& info) {
  const std::string_view a = info.attributes;
  switch (info.kind) {
    case TMarkupTag::Bold: return SetStyle(fsBold, true);
    case TMarkupTag::EndBold: return SetStyle(fsBold, false);
    case TMarkupTag::Italic: return SetStyle(fsItalic, true);
    case TMarkupTag::EndItalic: return SetStyle(fsItalic, false);
    case TMarkupTag::Underline: return SetStyle(fsUnderline, true);
    case TMarkupTag::EndUnderline: return SetStyle(fsUnderline, false);
    case TMarkupTag::StrikeOut: return SetStyle(fsStrikeOut, true);
    case TMarkupTag::EndStrikeOut: return SetStyle(fsStrikeOut, false);
    case TMarkupTag::LineBreak:
      if (pass.layout) out_.PlainText += '\r';
      pass.ended = true;
      return;
    case TMarkupTag::EndListItem: pass.ended = true; return;
    case TMarkupTag::HorizontalRule: return HorizontalRule(pass);
    case TMarkupTag::Paragraph: return Paragraph(pass, a);
    case TMarkupTag::EndParagraph: return EndParagraph(pass);
    case TMarkupTag::Font: return Font(pass, a);
    case TMarkupTag::EndFont: return EndFont(pass);
    case TMarkupTag::Highlight: return Highlight(pass, true);
    case TMarkupTag::EndHighlight: return Highlight(pass, false);
    case TMarkupTag::Blink:
      if (!in_.BlinkVisible) canvas_.Font()->SetColor(brushColor_);
      return;
    case TMarkupTag::EndBlinkOrBody: canvas_.Font()->SetColor(baseFont_.Color()); return;
    case TMarkupTag::Body:
      if (pass.drawing) Body(a);
      return;
    case TMarkupTag::Shadow: carried_.shadow = true; return;
    case TMarkupTag::EndShadow: carried_.shadow = false; return;
    case TMarkupTag::Subscript: subscript_ = true; return;
    case TMarkupTag::Superscript: superscript_ = true; return;
    case TMarkupTag::EndSubscriptOrSuperscript: subscript_ = superscript_ = false; return;
    case TMarkupTag::Hidden: carried_.hidden = true; return;
    case TMarkupTag::EndHidden: carried_.hidden = false; return;
    case TMarkupTag::ErrorMark: errorMark_ = pass.drawing; return;
    case TMarkupTag::EndErrorMark: errorMark_ = false; return;
    case TMarkupTag::RotatedText: return Rotate(a);
    case TMarkupTag::EndRotatedText: return EndRotation();
    case TMarkupTag::List:
      ++carried_.listLevel;
      pass.ended = true;
      return;
    case TMarkupTag::EndList:
      if (carried_.listLevel > 0) --carried_.listLevel;
      else SetStyle(fsUnderline, false);
      return;
    case TMarkupTag::ListItem: return ListItem(pass);
    case TMarkupTag::Indentation: return Indentation(pass, a);
    case TMarkupTag::Anchor: return OpenAnchor(pass, a);
    case TMarkupTag::EndAnchor: return CloseAnchor(pass);
    case TMarkupTag::Image: return Image(pass, a);
    case TMarkupTag::Control: return FormField(pass, tag);
    case TMarkupTag::Unknown: return;
  }
}

void TMarkupRenderer::SetStyle(TFontStyle style, bool on) {
  TFontStyles styles = canvas_.Font()->Style();
  if (on) styles.Include(style);
  else styles.Exclude(style);
  canvas_.Font()->SetStyle(styles);
}

TColor TMarkupRenderer::BrushColor() const {
  return canvas_.Brush()->Style() == bsClear ? clNone : canvas_.Brush()->Color();
}

void TMarkupRenderer::SetBrushColor(TColor color) {
  if (color == clNone) canvas_.Brush()->SetStyle(bsClear);
  else canvas_.Brush()->SetColor(color);
}

// The line's band across the whole drawing rectangle, in `color` (pen and brush).
void TMarkupRenderer::FillBand(const TPass& pass, TColor color) {
  if (color == clNone) return;
  canvas_.Pen()->SetColor(color);
  canvas_.Brush()->SetColor(color);
  canvas_.Rectangle(in_.DrawRect.Left, pass.line.Top, in_.DrawRect.Right, pass.line.Bottom);
}

void TMarkupRenderer::HorizontalRule(TPass& pass) {
  pass.ended = true;
  if (!pass.drawing) return;
  const TColor color = canvas_.Pen()->Color();
  canvas_.Pen()->SetColor(kRuleColor);
  canvas_.MoveTo(pass.line.Left, pass.bottom + 1);
  canvas_.LineTo(in_.DrawRect.Right, pass.bottom + 1);
  canvas_.Pen()->SetColor(color);
}

void TMarkupRenderer::Paragraph(TPass& pass, std::string_view attributes) {
  std::string value;
  if (FindMarkupAttribute(attributes, "ALIGN", value)) {
    if (Contains(value, "RIGHT")) alignment_ = 1;
    if (Contains(value, "LEFT")) alignment_ = 0;
    if (Contains(value, "CENTER")) alignment_ = 2;
  }
  if (FindMarkupAttribute(attributes, "INDENT", value)) indent_ = MarkupNumber(value);
  if (!pass.drawing || !FindMarkupAttribute(attributes, "BGCOLOR", value)) return;
  paragraphBrush_ = BrushColor();
  FillBand(pass, MarkupColor(value));
  paragraphBackground_ = true;
}

void TMarkupRenderer::EndParagraph(TPass& pass) {
  pass.ended = true;
  if (!pass.drawing) return;
  SetBrushColor(paragraphBrush_);
  paragraphBackground_ = false;
}

void TMarkupRenderer::Font(const TPass& pass, std::string_view attributes) {
  std::string value;
  if (FindMarkupAttribute(attributes, "FACE", value)) canvas_.Font()->SetName(value);
  if (FindMarkupAttribute(attributes, " COLOR", value) && !in_.Selected) canvas_.Font()->SetColor(MarkupColor(value));
  if (FindMarkupAttribute(attributes, "BGCOLOR", value) && pass.drawing && !in_.Selected) {
    fontBackground_ = BrushColor();
    SetBrushColor(MarkupColor(value));
  }
  if (FindMarkupAttribute(attributes, "SIZE", value)) canvas_.Font()->SetSize(MarkupFontSize(value));
}

void TMarkupRenderer::EndFont(const TPass& pass) {
  canvas_.Font()->SetName(baseFont_.Name());
  canvas_.Font()->SetHeight(baseFont_.Height());
  if (!pass.drawing || in_.Selected) return;
  canvas_.Font()->SetColor(baseFont_.Color());
  SetBrushColor(fontBackground_);
}

void TMarkupRenderer::Highlight(const TPass& pass, bool on) {
  if (!pass.drawing) return;
  if (on) {
    highlightText_ = canvas_.Font()->Color();
    highlightBrush_ = BrushColor();
    SetBrushColor(clHighlight);
    canvas_.Font()->SetColor(clHighlightText);
  } else if (highlightText_ != clNone) {
    canvas_.Font()->SetColor(highlightText_);
    SetBrushColor(highlightBrush_);
  }
}

// A second item on one line starts the next line.
void TMarkupRenderer::ListItem(TPass& pass) {
  if (pass.layout && pass.listItem) {
    pass.doesNotFit = true;
    return;
  }
  pass.listItem = true;
  pass.x += carried_.listLevel * kListIndent;
  if (!pass.drawing) return;
  const std::string face = canvas_.Font()->Name();
  canvas_.Font()->SetName("Symbol");
  DrawTextRun({pass.line.Left + pass.x - kListIndent, pass.line.Top, pass.line.Left + pass.x, pass.bottom - pass.lift},
              carried_.listLevel % 2 == 1 ? "\xB7" : "o", TextFormat());
  canvas_.Font()->SetName(face);
}

void TMarkupRenderer::Indentation(TPass& pass, std::string_view attributes) {
  Integer value = 0;
  if (WholeMarkupNumber(QuotedValueAfterLetter(attributes, 'x'), value) && value > pass.x) pass.x = value;
}

// A copy of the current font turned by the angle is selected into the context; the font selected
// before it is kept for the end tag (a second rotation replaces the first).
void TMarkupRenderer::Rotate(std::string_view attributes) {
  const Integer angle = MarkupNumber(QuotedValueAfterLetter(attributes, 'A'));
  canvas_.RequiredState({csHandleValid, csFontValid});
  LOGFONTA font{};
  GetObjectA(canvas_.Font()->Handle(), sizeof(font), &font);
  font.lfEscapement = font.lfOrientation = angle * 10;
  const HFONT rotated = CreateFontIndirectA(&font);
  const HGDIOBJ previous = SelectObject(canvas_.Handle(), rotated);
  if (rotatedFont_ != nullptr) DeleteObject(rotatedFont_);
  else keptFont_ = previous;
  rotatedFont_ = rotated;
}

// The kept font goes back unless the canvas has selected its own font since.
void TMarkupRenderer::EndRotation() {
  if (rotatedFont_ == nullptr) return;
  if (GetCurrentObject(canvas_.Handle(), OBJ_FONT) == rotatedFont_) SelectObject(canvas_.Handle(), keptFont_);
  DeleteObject(rotatedFont_);
  rotatedFont_ = nullptr;
  keptFont_ = nullptr;
}

bool TMarkupRenderer::HoverApplies() const { return !in_.HoverStyle || in_.HoverAnchor == carried_.anchorCount; }

void TMarkupRenderer::OpenAnchor(TPass& pass, std::string_view attributes) {
  if (pass.drawing && carried_.anchorCount == in_.FocusAnchor) focusLeft_ = pass.line.Left + pass.x;
  out_.AnchorCount = ++carried_.anchorCount;
  bool hoverText = false;
  if (pass.drawing && HoverApplies()) {
    SetStyle(fsUnderline, true);
    if (in_.HoverColor != clNone) {
      hoverBrush_ = BrushColor();
      SetBrushColor(in_.HoverColor);
    }
    if (in_.HoverFontColor != clNone) {
      hoverText_ = canvas_.Font()->Color();
      canvas_.Font()->SetColor(in_.HoverFontColor);
      hoverText = in_.HoverStyle;
    }
  }
  if (!in_.Selected && !hoverText) canvas_.Font()->SetColor(in_.URLColor);
  std::string value;
  if (FindMarkupAttribute(attributes, "HREF", value)) {
    carried_.href = value;
    carried_.inAnchor = true;
  }
  if (FindMarkupAttribute(attributes, "TITLE", value)) out_.AnchorTitle = value;
  anchorLeft_ = pass.line.Left + pass.x;
  anchorTop_ = pass.line.Top;
  anchorUnderPoint_ = false;
}

void TMarkupRenderer::CloseAnchor(TPass& pass) {
  if (pass.drawing && HoverApplies()) {
    SetStyle(fsUnderline, false);
    if (in_.HoverColor != clNone) SetBrushColor(hoverBrush_);
    if (in_.HoverFontColor != clNone) canvas_.Font()->SetColor(hoverText_);
  }
  if (!in_.Selected) canvas_.Font()->SetColor(baseFont_.Color());
  carried_.inAnchor = false;
  if (anchorUnderPoint_) {
    out_.AnchorRect = {anchorLeft_, anchorTop_, pass.line.Left + pass.x, pass.line.Bottom};
    out_.MouseAnchor = carried_.anchorCount;
    anchorUnderPoint_ = false;
  }
  if (pass.drawing && in_.FocusAnchor >= 0 && carried_.anchorCount - 1 == in_.FocusAnchor) FocusRect(pass);
}

// The focus anchor's part on this line: from where it starts on the line to the current position,
// as high as "gh" on the text's bottom, widened by a pixel on each side.
void TMarkupRenderer::FocusRect(const TPass& pass) {
  const Integer bottom = pass.bottom - pass.lift;
  const TRect rect{focusLeft_ - 1, bottom - canvas_.TextHeight("gh"), pass.line.Left + pass.x + 1, bottom};
  // The dots invert with black text on a white background, whatever colours the markup set.
  canvas_.RequiredState({csHandleValid, csBrushValid});
  const COLORREF text = SetTextColor(canvas_.Handle(), 0x000000);
  const COLORREF background = SetBkColor(canvas_.Handle(), 0xFFFFFF);
  DrawFocusRect(canvas_.Handle(), &rect);
  SetTextColor(canvas_.Handle(), text);
  SetBkColor(canvas_.Handle(), background);
}
