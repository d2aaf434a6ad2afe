// One pass of the markup renderer over one line: text runs, how they fit, are hit-tested and drawn;
// tags are taken here and acted on in markup_tag_actions.cpp.
#include <algorithm>
#include <vector>

#include "grid/markup_renderer.h"
#include "grid/markup_rewrites.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/canvas.h"

namespace {

constexpr TColor kErrorMarkColor = 0x0000FF;

}  // namespace

void TMarkupRenderer::RunPass(TPass& pass, std::string_view& text) {
  pass.bottom = pass.line.Bottom - pass.subRoom;
  if (carried_.inAnchor) {
    anchorLeft_ = focusLeft_ = pass.line.Left;
    anchorTop_ = pass.line.Top;
  }
  if (pass.drawing && paragraphBackground_) FillBand(pass, BrushColor());
  while (!text.empty() && !pass.ended && !pass.doesNotFit) {
    TakeRun(pass, text);
    if (!pass.doesNotFit && !text.empty() && text.front() == '<') TakeTag(pass, text);
  }
  EndPass(pass);
}

// The text up to the next "<"; with WordWrap it ends after the first blank before that.
void TMarkupRenderer::TakeRun(TPass& pass, std::string_view& text) {
  std::size_t end = std::min(text.find('<'), text.size());
  const std::size_t blank = text.substr(0, end).find(' ');
  if (in_.WordWrap && blank != std::string_view::npos) end = blank + 1;
  if (end == 0) return;
  const std::string_view run = text.substr(0, end);
  const std::string shown = ReplaceDisplayEntities(run);
  const Integer height = canvas_.TextHeight(shown);
  pass.height = std::max(pass.height, height);
  if (superscript_) pass.supRoom = std::max(pass.supRoom, height / 4);
  if (subscript_) pass.subRoom = std::max(pass.subRoom, height / 4);
  if (carried_.hidden) {
    if (pass.layout) out_.PlainText += shown;
    text.remove_prefix(end);
    return;
  }
  const Integer width = RunWidth(pass, shown);
  bool dropRest = false;
  if (pass.layout && !Fits(pass, width)) {
    if (in_.WordWrap) {
      pass.doesNotFit = true;   // the run starts the next line
      return;
    }
    dropRest = !pass.visible.empty();   // the line ends with an ellipsis when drawn
  }
  if (pass.layout) out_.PlainText += shown;
  pass.raw += run;
  pass.visible += shown;
  text.remove_prefix(end);
  if (dropRest) text = {};
  pass.trailing = run.back() == ' ' && shown == run ? canvas_.TextWidth(" ") : 0;
  if (!pass.layout && !pass.drawing) HitTestRun(pass, width);
  if (pass.drawing) DrawRun(pass, shown, width);
  pass.x += width;
}

// A run fits when the line still has room after it, when it is wider than the line on its own, or
// when it continues a word the line's text ends in (a word split by tags is not broken).
bool TMarkupRenderer::Fits(const TPass& pass, Integer width) const {
  const Integer lineWidth = pass.line.Width();
  return pass.x + width < lineWidth || width >= lineWidth || (!pass.visible.empty() && pass.visible.back() != ' ');
}

Integer TMarkupRenderer::RunWidth(const TPass& pass, const std::string& shown) {
  TRect rect = pass.line;
  if (pass.drawing) rect.Left += pass.x;
  std::string buffer = shown;
  canvas_.RequiredState({csHandleValid, csFontValid});
  DrawTextExA(canvas_.Handle(), buffer.data(), Integer(buffer.size()), &rect, TextFormat() | DT_CALCRECT, nullptr);
  return rect.Right - rect.Left;
}

UINT TMarkupRenderer::TextFormat() const {
  const UINT format = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING | DT_NOPREFIX;
  return in_.WordWrap ? format : format | DT_END_ELLIPSIS;
}

void TMarkupRenderer::HitTestRun(TPass& pass, Integer width) {
  const Integer at = in_.MouseX - pass.line.Left;
  if (!carried_.inAnchor || at < pass.x || at > pass.x + width) return;
  pass.anchorHit = true;
  if (pass.line.Top >= in_.MouseY) return;
  out_.AnchorHref = carried_.href;
  anchorUnderPoint_ = true;
}

void TMarkupRenderer::DrawRun(TPass& pass, const std::string& shown, Integer width) {
  TRect rect{pass.line.Left + pass.x, pass.line.Top, pass.line.Right, pass.bottom - pass.lift};
  if (superscript_) rect.Bottom -= pass.supRoom;
  if (subscript_) rect.Bottom += pass.subRoom;
  if (carried_.shadow) {
    const TColor color = canvas_.Font()->Color();
    canvas_.Font()->SetColor(in_.ShadowColor);
    DrawTextRun({rect.Left + in_.ShadowOffset, rect.Top + in_.ShadowOffset, rect.Right + in_.ShadowOffset,
                 rect.Bottom + in_.ShadowOffset},
                shown, TextFormat());
    canvas_.Font()->SetColor(color);
  }
  DrawTextRun(rect, shown, TextFormat());
  if (errorMark_) DrawErrorMark(pass, rect.Left, rect.Left + width);
  if (carried_.inAnchor && carried_.anchorCount - 1 == in_.FocusAnchor) out_.FocusAnchorHref = carried_.href;
}

void TMarkupRenderer::DrawTextRun(TRect rect, const std::string& shown, UINT format) {
  std::string buffer = shown;
  canvas_.RequiredState({csHandleValid, csFontValid, csBrushValid});
  DrawTextExA(canvas_.Handle(), buffer.data(), Integer(buffer.size()), &rect, format, nullptr);
}

// Points every 2 pixels from `from` (rounded down to even) to `to`, one pixel below and above the
// working bottom in turn: below first when the start is a multiple of 4.
void TMarkupRenderer::DrawErrorMark(const TPass& pass, Integer from, Integer to) {
  const Integer start = from - (((from % 2) + 2) % 2);
  bool below = ((start % 4) + 4) % 4 == 0;
  std::vector<TPoint> points;
  for (Integer x = start; x <= to; x += 2, below = !below) points.push_back({x, pass.bottom + (below ? 1 : -1)});
  if (points.size() < 2) return;
  const TColor color = canvas_.Pen()->Color();
  const Integer width = canvas_.Pen()->Width();
  canvas_.Pen()->SetColor(kErrorMarkColor);
  canvas_.Pen()->SetWidth(1);
  canvas_.Polyline(points.data(), Integer(points.size()));
  canvas_.Pen()->SetColor(color);
  canvas_.Pen()->SetWidth(width);
}

void TMarkupRenderer::TakeTag(TPass& pass, std::string_view& text) {
  const std::string_view tag = LeadingMarkupTag(text);
  if (tag.empty()) {   // a "<" with at most two characters after it goes with them
    text = {};
    return;
  }
  ActOnTag(pass, tag, RecogniseMarkupTag(tag));
  if (pass.doesNotFit) return;
  pass.raw += tag;
  text.remove_prefix(tag.size());
}

void TMarkupRenderer::EndPass(TPass& pass) {
  pass.x -= pass.trailing;
  out_.MarkupWidth = std::max(out_.MarkupWidth, pass.x);
  if (pass.drawing && carried_.inAnchor && carried_.anchorCount - 1 == in_.FocusAnchor) FocusRect(pass);
}
