// DrawMarkup and its line loop; see draw_markup.h and markup_renderer.h.
#include "grid/draw_markup.h"

#include <algorithm>

#include "grid/markup_renderer.h"
#include "grid/markup_rewrites.h"
#include "grid/theme_api.h"
#include "grid/windows_version.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/ui/canvas.h"

bool DrawMarkup(const TDrawMarkupInput& In, TDrawMarkupOutput& Out) {
  TMarkupRenderer renderer(In, Out);
  return renderer.Run();
}

TMarkupRenderer::TMarkupRenderer(const TDrawMarkupInput& In, TDrawMarkupOutput& Out)
    : in_(In), out_(Out), canvas_(*In.Canvas) {
  Begin();
}

TMarkupRenderer::~TMarkupRenderer() { End(); }

void TMarkupRenderer::Begin() {
  out_.PlainText.clear();
  out_.FocusAnchorHref.clear();
  out_.AnchorTitle.clear();
  out_.ControlValue.clear();
  out_.ControlType.clear();
  requestedControl_ = in_.HitTestOnly ? out_.ControlID : std::string();
  if (!in_.HitTestOnly) out_.ControlID.clear();
  out_.ControlRect = {0, 0, 0, 0};
  out_.MarkupWidth = out_.MarkupHeight = out_.AnchorCount = 0;
  out_.MouseAnchor = -1;

  penColor_ = canvas_.Pen()->Color();
  penWidth_ = canvas_.Pen()->Width();
  brushColor_ = canvas_.Brush()->Color();
  brushStyle_ = canvas_.Brush()->Style();
  baseFont_.Assign(canvas_.Font());
  measureFont_.Assign(canvas_.Font());
  drawFont_.Assign(canvas_.Font());
  canvas_.Brush()->SetStyle(bsClear);
  canvas_.RequiredState({csHandleValid, csBrushValid});
  SetBkMode(canvas_.Handle(), TRANSPARENT);
  themed_ = Themed();
  text_ = PrepareMarkupForLayout(in_.Text);
  top_ = in_.DrawRect.Top;
}

void TMarkupRenderer::End() {
  EndRotation();
  canvas_.Pen()->SetColor(penColor_);
  canvas_.Pen()->SetWidth(penWidth_);
  canvas_.Brush()->SetColor(brushColor_);
  canvas_.Brush()->SetStyle(brushStyle_);
  canvas_.Font()->Assign(&baseFont_);
}

bool TMarkupRenderer::Themed() const {
  if (!IsWindowsXPOrLater() || !VerUZED::ThemeApiLoaded()) return false;
  const IsThemeActiveProc isThemeActive = VerUZED::IsThemeActive();
  return isThemeActive != nullptr && isThemeActive() != 0;
}

bool TMarkupRenderer::Run() {
  std::string_view rest = text_;
  while (!rest.empty() && NextLine(rest)) {
  }
  if (out_.MarkupHeight == 0) out_.MarkupHeight = canvas_.TextHeight("gh");
  return result_;
}

bool TMarkupRenderer::NextLine(std::string_view& rest) {
  const TRect layout{in_.DrawRect.Left + 1, top_, in_.DrawRect.Right, in_.DrawRect.Bottom};
  canvas_.Font()->Assign(&measureFont_);
  const Integer startHeight = canvas_.TextHeight("gh");
  superscript_ = subscript_ = false;
  const TCarried before = carried_;

  TPass measure;
  measure.layout = true;
  measure.line = layout;
  measure.height = startHeight;
  const std::size_t left = rest.size();
  RunPass(measure, rest);
  // Every line consumes text; should one not, the rest is dropped rather than looping.
  if (rest.size() == left) rest = {};
  measureFont_.Assign(canvas_.Font());

  Integer x = layout.Left;
  if (alignment_ == 1) x = std::max(x, layout.Right - measure.x);
  if (alignment_ == 2 && layout.Right - layout.Left - measure.x > 0) x += (layout.Right - layout.Left - measure.x) / 2;
  x += indent_;
  const Integer height = measure.height + measure.supRoom + measure.subRoom;

  if (!in_.MeasureOnly) {
    canvas_.Font()->Assign(&drawFont_);
    carried_ = before;
    superscript_ = subscript_ = false;
    TPass second;
    second.drawing = !in_.HitTestOnly;
    second.line = {x, top_, layout.Right, top_ + height};
    second.height = measure.height;
    second.supRoom = measure.supRoom;
    second.subRoom = measure.subRoom;
    second.lift = measure.lift;
    std::string_view raw = measure.raw;
    RunPass(second, raw);
    drawFont_.Assign(canvas_.Font());
    const Integer textBottom = second.line.Bottom - second.lift;
    if ((second.anchorHit && in_.MouseY > textBottom - startHeight && in_.MouseY < textBottom) || second.itemHit)
      result_ = true;
  }

  top_ += height;
  out_.MarkupHeight += height;
  return in_.MeasureOnly || top_ + startHeight <= in_.DrawRect.Bottom;
}
