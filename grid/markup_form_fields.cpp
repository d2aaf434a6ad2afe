// Form-control fields in markup ('<CONTROL TYPE=... ID=... VALUE=... WIDTH=...>'): their size, how
// they are drawn (themed through the grid's visual-style set, or as classic frame controls) and
// hit-tested.
#include <algorithm>

#include "grid/markup_controls.h"
#include "platform/core/ansi_strings.h"
#include "grid/markup_renderer.h"
#include "grid/theme_api.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/canvas.h"

namespace {

constexpr TColor kFieldFrameColor = 0x808080;

bool Checked(const TMarkupControl& field) { return SameText(field.Value, "TRUE"); }

bool IsEdit(const std::string& type) { return type == "EDIT" || type == "PASSWORD" || type == "MASK"; }

}  // namespace

void TMarkupRenderer::FormField(TPass& pass, std::string_view tag) {
  const TMarkupControl field = ParseControlTag(tag);
  Integer width = 0;
  if (!WholeMarkupNumber(field.Width, width)) return;   // a field without a whole WIDTH is skipped
  Integer height = 0;
  if (IsEdit(field.Type)) height = canvas_.TextHeight("gh") + 6;
  else if (field.Type == "COMBO") height = 25;
  else if (field.Type == "CHECK" || field.Type == "RADIO") width = height = 16;
  else if (field.Type == "BUTTON") height = 18;
  else return;   // a type the language does not have
  if (!Place(pass, width, height)) return;
  if (pass.drawing) DrawFormField(pass, field, width);
  const bool named = in_.HitTestOnly && !requestedControl_.empty() && requestedControl_ == field.ID;
  if (!pass.layout && (named || PointIn(pass, width, height))) {
    out_.AnchorHref = "ctrl";
    out_.ControlRect = {pass.line.Left + pass.x, pass.line.Top, pass.line.Left + pass.x + width, pass.line.Top + height};
    out_.ControlValue = field.Value;
    out_.ControlID = field.ID;
    out_.ControlType = field.Type;
    pass.itemHit = true;
  }
  pass.x += width;
  pass.trailing = 0;
}

// The point is over a combo box or push button when it lies inside the field's control, whose
// height is `height`.
bool TMarkupRenderer::PointOverField(Integer x, Integer bottom, Integer width, Integer height) const {
  return in_.MouseX > x - 2 && in_.MouseX < x - 2 + width && in_.MouseY > bottom - height - 2 &&
         in_.MouseY < bottom - 2;
}

void TMarkupRenderer::DrawFormField(const TPass& pass, const TMarkupControl& field, Integer width) {
  const Integer x = pass.line.Left + pass.x, b = pass.bottom, h = pass.height;
  const UINT textFormat = DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX;
  if (IsEdit(field.Type) || field.Type == "COMBO") {
    const TColor pen = canvas_.Pen()->Color();
    const TColor brush = BrushColor();
    canvas_.Pen()->SetColor(kFieldFrameColor);
    canvas_.Brush()->SetStyle(bsClear);
    canvas_.Rectangle(x, b - h + 3, x + width, b + 1);
    canvas_.Pen()->SetColor(pen);
    SetBrushColor(brush);
  }
  if (IsEdit(field.Type)) {
    const std::string shown = field.Type == "PASSWORD" ? std::string(field.Value.size(), '*') : field.Value;
    return DrawTextRun({x + 2, b - h + 4, x + width, b}, shown, textFormat);
  }
  if (field.Type == "COMBO") {
    DrawTextRun({x + 2, b - h + 6, x + width - 17, b}, field.Value, textFormat);
    const int state = PointOverField(x, b, width, 25) ? 2 : 1;
    return DrawFieldPart({x + width - 19, b - h + 6, x + width - 3, b - 2},
                         {u"combobox", 1, state, DFC_SCROLL, DFCS_SCROLLCOMBOBOX});
  }
  if (field.Type == "CHECK") {
    const bool on = Checked(field);
    return DrawFieldPart({x + 2, b - 15, x + 15, b},
                         {u"button", 3, on ? 5 : 1, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (on ? DFCS_CHECKED : 0u)});
  }
  if (field.Type == "RADIO") {
    const bool on = Checked(field);
    return DrawFieldPart({x + 2, b - 14, x + 14, b},
                         {u"button", 2, on ? 5 : 1, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | (on ? DFCS_CHECKED : 0u)});
  }
  const TRect button{x + 2, b - 20, x + width - 2, b};
  const bool over = PointOverField(x, b, width, 24);
  DrawFieldPart(button, {u"button", 1, in_.MouseDown ? 3 : over ? 2 : 1, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (in_.MouseDown && over ? DFCS_PUSHED : 0u)});
  DrawTextRun({button.Left + 2, button.Top + 2, button.Right - 2, button.Bottom - 2}, field.Value,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TMarkupRenderer::DrawFieldPart(TRect rect, const TFieldPart& look) {
  canvas_.RequiredState({csHandleValid});
  if (!themed_) {
    DrawFrameControl(canvas_.Handle(), &rect, look.frameControl, look.frameState);
    return;
  }
  const HTHEME theme = VerUZED::OpenThemeData()(in_.WindowHandle, look.themeClass);
  VerUZED::DrawThemeBackground()(theme, canvas_.Handle(), look.part, look.state, &rect, nullptr);
  VerUZED::CloseThemeData()(theme);
}
