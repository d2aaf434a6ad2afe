// TProGridButton; see pro_grid_button.h.
#include "grid/pro_grid_button.h"

#include <cmath>
#include <string>

#include "grid/theme_api.h"
#include "grid/windows_version.h"
#include "platform/classes/publisher.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/control_publishing.h"
#include "platform/ui/font.h"
#include "platform/ui/menu.h"
#include "platform/ui/message.h"
#include "platform/ui/win_control.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"

PR_PUBLISH(TProGridButton) {
  PublishAction(p);
  PublishAnchors(p);
  PublishBiDiMode(p);
  PublishConstraints(p);
  p.Property("AllowAllUp", &TProGridButton::AllowAllUp, &TProGridButton::SetAllowAllUp).Default(false);
  p.Property("AutoThemeAdapt", &TProGridButton::AutoThemeAdapt, &TProGridButton::SetAutoThemeAdapt).Default(false);
  p.Property("AutoXPStyle", &TProGridButton::AutoXPStyle, &TProGridButton::SetAutoXPStyle).Default(false);
  p.Property("BorderColor", &TProGridButton::BorderColor, &TProGridButton::SetBorderColor)
      .Type(ColorTypeInfo()).Default(clNone);
  p.Property("BorderDownColor", &TProGridButton::BorderDownColor, &TProGridButton::SetBorderDownColor)
      .Type(ColorTypeInfo()).Default(clNone);
  p.Property("BorderHotColor", &TProGridButton::BorderHotColor, &TProGridButton::SetBorderHotColor)
      .Type(ColorTypeInfo()).Default(clNone);
  PublishCaption(p);
  p.Property("ColorTo", &TProGridButton::ColorTo, &TProGridButton::SetColorTo).Type(ColorTypeInfo()).Default(clNone);
  p.Property("ColorChecked", &TProGridButton::ColorChecked, &TProGridButton::SetColorChecked)
      .Type(ColorTypeInfo()).Default(TColor(0x808080));
  p.Property("ColorCheckedTo", &TProGridButton::ColorCheckedTo, &TProGridButton::SetColorCheckedTo)
      .Type(ColorTypeInfo()).Default(clNone);
  p.Property("ColorDown", &TProGridButton::ColorDown, &TProGridButton::SetColorDown)
      .Type(ColorTypeInfo()).Default(TColor(14210002));
  p.Property("ColorDownTo", &TProGridButton::ColorDownTo, &TProGridButton::SetColorDownTo)
      .Type(ColorTypeInfo()).Default(clNone);
  p.Property("ColorHot", &TProGridButton::ColorHot, &TProGridButton::SetColorHot)
      .Type(ColorTypeInfo()).Default(TColor(13289415));
  p.Property("ColorHotTo", &TProGridButton::ColorHotTo, &TProGridButton::SetColorHotTo)
      .Type(ColorTypeInfo()).Default(clNone);
  p.Property("Down", &TProGridButton::Down, &TProGridButton::SetDown).Default(false);
  p.Property("DropDownButton", &TProGridButton::DropDownButton, &TProGridButton::SetDropDownButton).Default(false);
  PublishEnabled(p);
  p.Property("Flat", &TProGridButton::Flat, &TProGridButton::SetFlat).Default(true);
  PublishFont(p);
  p.Property("Glyph", &TProGridButton::Glyph, &TProGridButton::SetGlyph);
  p.Property("GlyphDisabled", &TProGridButton::GlyphDisabled, &TProGridButton::SetGlyphDisabled);
  p.Property("GlyphDown", &TProGridButton::GlyphDown, &TProGridButton::SetGlyphDown);
  p.Property("GlyphHot", &TProGridButton::GlyphHot, &TProGridButton::SetGlyphHot);
  p.Property("GroupIndex", &TProGridButton::GroupIndex, &TProGridButton::SetGroupIndex).Default(0);
  p.Property("Layout", &TProGridButton::Layout, &TProGridButton::SetLayout).Default(blGlyphLeft);
  p.Property("Margin", &TProGridButton::Margin, &TProGridButton::SetMargin).Default(-1);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishParentBiDiMode(p);
  PublishPopupMenu(p);
  p.Property("Rounded", &TProGridButton::Rounded, &TProGridButton::SetRounded).Default(false);
  p.Property("Shaded", &TProGridButton::Shaded, &TProGridButton::SetShaded).Default(true);
  p.Property("ShowCaption", &TProGridButton::ShowCaption, &TProGridButton::SetShowCaption).Default(true);
  PublishShowHint(p);
  p.Property("Spacing", &TProGridButton::Spacing, &TProGridButton::SetSpacing).Default(4);
  p.Property("Style", &TProGridButton::Style, &TProGridButton::SetStyle).Default(tasButton);
  p.Property("Transparent", &TProGridButton::Transparent, &TProGridButton::SetTransparent).Default(true);
  PublishVisible(p);
  PublishClickEvents(p);
  PublishMouseEvents(p);
  p.Property("OnDropDown", &TProGridButton::OnDropDown);
  p.Property("OnMouseEnter", &TProGridButton::OnMouseEnter);
  p.Property("OnMouseLeave", &TProGridButton::OnMouseLeave);
}

namespace {

constexpr Integer kDropDownWidth = 12;
constexpr Integer kGradientBands = 16;
constexpr Integer kRoundCorner = 8;
constexpr TColor kShadeGrey = TColor(0x808080);

// Each pixel of Bitmap (its own copy) replaced by F(pixel).
template <typename F>
void MapPixels(TBitmap* Bitmap, F Map) {
  TCanvas* canvas = Bitmap->Canvas();
  for (Integer y = 0; y < Bitmap->Height(); ++y)
    for (Integer x = 0; x < Bitmap->Width(); ++x) canvas->SetPixels(x, y, Map(ColorToRGB(canvas->Pixels(x, y))));
}

TColor DisabledGrey(COLORREF Pixel) {
  const Integer grey = (Integer(GetRValue(Pixel)) + GetGValue(Pixel) + GetBValue(Pixel)) / 3 / 2 + 96;
  return TColor(RGB(grey, grey, grey));
}

Integer RoundHalfEven(double Value) { return Integer(std::nearbyint(Value)); }

// Every glyph is drawn without its transparent colour (its bottom-left pixel).
void AssignGlyph(TBitmap* Glyph, TBitmap* Value) {
  Glyph->Assign(Value);
  Glyph->SetTransparent(true);
}

}  // namespace

void DrawButtonGradient(TCanvas* Canvas, TColor From, TColor To, TColor Border, Integer N, const TRect& R,
                        bool Horizontal) {
  if (N == 0) N = 1;
  const COLORREF from = ColorToRGB(From), to = ColorToRGB(To);
  const auto channel = [N](Integer i, BYTE a, BYTE b) { return BYTE(a + RoundHalfEven(double(i) * (b - a) / N)); };
  const double band = double(Horizontal ? R.Width() : R.Height()) / N;
  for (Integer i = 0; i < N; ++i) {
    const TColor color = TColor(RGB(channel(i, GetRValue(from), GetRValue(to)),
                                    channel(i, GetGValue(from), GetGValue(to)),
                                    channel(i, GetBValue(from), GetBValue(to))));
    Canvas->Brush()->SetColor(color);
    Canvas->Pen()->SetColor(color);
    const Integer start = RoundHalfEven(i * band), length = RoundHalfEven(band) + 1;
    if (Horizontal)
      Canvas->Rectangle(R.Left + start, R.Top, R.Left + start + length, R.Bottom);
    else
      Canvas->Rectangle(R.Left, R.Top + start, R.Right, R.Top + start + length);
  }
  if (Border == clNone) return;
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Pen()->SetColor(Border);
  Canvas->Rectangle(R);
}

TProGridButton::TProGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner),
      glyph_(std::make_unique<TBitmap>()),
      glyphHot_(std::make_unique<TBitmap>()),
      glyphDown_(std::make_unique<TBitmap>()),
      glyphDisabled_(std::make_unique<TBitmap>()),
      shade_(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 23, 22);
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetParentFont(true);
  SetColor(clBtnFace);
  // Drawing a bitmap may make its context, which it reports as a change: not one to repaint for.
  glyph_->OnChange = [this](TObject*) {
    if (!painting_) Invalidate();
  };
}

TProGridButton::~TProGridButton() = default;

bool TProGridButton::Designing() const { return ComponentState().Contains(csDesigning); }

// ---- settings ----

void TProGridButton::SetGroupIndex(Integer Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  UpdateExclusive();
}

void TProGridButton::SetAllowAllUp(bool Value) {
  if (allowAllUp_ == Value) return;
  allowAllUp_ = Value;
  UpdateExclusive();
}

void TProGridButton::SetDown(bool Value) {
  if (groupIndex_ == 0 && style_ == tasButton) Value = false;
  if (style_ == tasCheck) {
    down_ = Value;
    Repaint();
    return;
  }
  if (Value == down_ || (down_ && !allowAllUp_)) return;
  down_ = Value;
  if (Value) {
    if (state_ == stUp) Invalidate();
    state_ = stExclusive;
    UpdateExclusive();
  } else {
    state_ = stUp;
    Repaint();
  }
}

void TProGridButton::SetStyle(TProGridButtonStyle Value) {
  style_ = Value;
  Invalidate();
}

void TProGridButton::SetGlyph(TBitmap* Value) {
  AssignGlyph(glyph_.get(), Value);
  if (glyphDisabled_->Empty() && !glyph_->Empty()) {
    AssignGlyph(glyphDisabled_.get(), glyph_.get());
    MapPixels(glyphDisabled_.get(), DisabledGrey);
  }
  Invalidate();
}

void TProGridButton::SetGlyphHot(TBitmap* Value) { AssignGlyph(glyphHot_.get(), Value); }
void TProGridButton::SetGlyphDown(TBitmap* Value) { AssignGlyph(glyphDown_.get(), Value); }
void TProGridButton::SetGlyphDisabled(TBitmap* Value) { AssignGlyph(glyphDisabled_.get(), Value); }

void TProGridButton::SetShaded(bool Value) {
  shaded_ = Value;
  if (Value && !ComponentState().Contains(csLoading)) MakeShade();
}

void TProGridButton::SetAutoThemeAdapt(bool Value) {
  autoThemeAdapt_ = Value;
  if (Value) ThemeAdapt();
}

#define PR_SET_AND_INVALIDATE(Setter, field, Type) \
  void TProGridButton::Setter(Type Value) {        \
    if (field == Value) return;                    \
    field = Value;                                 \
    Invalidate();                                  \
  }
PR_SET_AND_INVALIDATE(SetLayout, layout_, TButtonLayout)
PR_SET_AND_INVALIDATE(SetSpacing, spacing_, Integer)
PR_SET_AND_INVALIDATE(SetFlat, flat_, bool)
PR_SET_AND_INVALIDATE(SetShowCaption, showCaption_, bool)
PR_SET_AND_INVALIDATE(SetRounded, rounded_, bool)
PR_SET_AND_INVALIDATE(SetDropDownButton, dropDownButton_, bool)
PR_SET_AND_INVALIDATE(SetColorTo, colorTo_, TColor)
PR_SET_AND_INVALIDATE(SetColorChecked, colorChecked_, TColor)
PR_SET_AND_INVALIDATE(SetColorCheckedTo, colorCheckedTo_, TColor)
PR_SET_AND_INVALIDATE(SetBorderColor, borderColor_, TColor)
#undef PR_SET_AND_INVALIDATE

void TProGridButton::SetMargin(Integer Value) {
  if (margin_ == Value || Value < -1) return;
  margin_ = Value;
  Invalidate();
}

void TProGridButton::SetDropDownMenu(TPopupMenu* Value) {
  dropDownMenu_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TProGridButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TProGridButton::Loaded() {
  inherited::Loaded();
  if (shaded_) MakeShade();
  if (autoThemeAdapt_) ThemeAdapt();
}

// The glyph's shape in grey on the glyph's transparent colour (its bottom-left pixel).
void TProGridButton::MakeShade() {
  if (glyph_->Empty()) return;
  AssignGlyph(shade_.get(), glyph_.get());
  const COLORREF key = ColorToRGB(glyph_->Canvas()->Pixels(0, glyph_->Height() - 1));
  MapPixels(shade_.get(), [key](COLORREF Pixel) { return Pixel == key ? TColor(key) : kShadeGrey; });
}

// ---- colour schemes ----

TProGridButton::TColorScheme TProGridButton::GetXPColorScheme() {
  if (!IsWindowsXPOrLater() || !VerUZED::ThemeApiLoaded() || VerUZED::IsThemeActive() == nullptr ||
      !VerUZED::IsThemeActive()() || VerUZED::GetCurrentThemeName() == nullptr)
    return csClassicScheme;
  WideChar file[260] = {}, color[260] = {}, size[260] = {};
  if (VerUZED::GetCurrentThemeName()(file, 260, color, 260, size, 260) != 0) return csClassicScheme;
  const std::u16string name = color;
  if (name == u"NormalColor") return csBlueScheme;
  if (name == u"HomeStead") return csOliveScheme;
  if (name == u"Metallic") return csSilverScheme;
  return csClassicScheme;
}

void TProGridButton::ApplyColorScheme(TColorScheme Scheme) {
  struct Colors {
    TColor color, colorTo;
  };
  // Colour and gradient end of each scheme's face; the three styled schemes share the rest.
  static constexpr Colors kFaces[] = {
      {clBtnFace, clNone}, {0xFDEADA, 0xE4AE88}, {0xCFF0EA, 0x8CC0B1}, {0xECE2E1, 0xB39698}};
  SetColor(kFaces[Scheme].color);
  colorTo_ = kFaces[Scheme].colorTo;
  if (Scheme == csClassicScheme) {
    colorHot_ = 0xEED2C1, colorHotTo_ = clNone, colorDown_ = 0xE2B598, colorDownTo_ = clNone;
    colorChecked_ = 0xE8E6E1, colorCheckedTo_ = clNone, borderDownColor_ = borderHotColor_ = 0xC56A31;
  } else {
    colorHot_ = 0xCCF4FF, colorHotTo_ = 0x91D0FF, colorDown_ = 0x4E91FE, colorDownTo_ = 0x8ED3FF;
    colorChecked_ = 0x8ED3FF, colorCheckedTo_ = 0x55ADFF, borderDownColor_ = borderHotColor_ = 0;
  }
  borderColor_ = clNone;
  rounded_ = false;
  flat_ = true;
  Invalidate();
}

// ---- groups and tracking ----

void TProGridButton::UpdateExclusive() {
  if (groupIndex_ == 0 || Parent() == nullptr) return;
  TMessage message{CM_BUTTONPRESSED, WPARAM(groupIndex_), LPARAM(this), 0};
  Parent()->Broadcast(message);
}

void TProGridButton::ButtonPressed(TMessage& Message) {
  if (Integer(Message.WParam) != groupIndex_) return;
  auto* sender = reinterpret_cast<TControl*>(Message.LParam);
  auto* button = dynamic_cast<TProGridButton*>(sender);
  if (button == nullptr || button == this) return;
  if (button->Down() && down_) {
    down_ = false;
    state_ = stUp;
    Invalidate();
  }
  allowAllUp_ = button->AllowAllUp();
}

// Hot exactly while the cursor is over the button: the leave or enter handler settles it.
void TProGridButton::UpdateTracking() {
  if (!flat_ || !Enabled()) return;
  TPoint cursor{};
  GetCursorPos(&cursor);
  const bool elsewhere = FindDragTarget(cursor, true) != this;
  mouseInControl_ = elsewhere;
  Perform(elsewhere ? CM_MOUSELEAVE : CM_MOUSEENTER, 0, 0);
}

// ---- mouse ----

void TProGridButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (dropDownButton_ && X >= ClientWidth() - kDropDownWidth) {
    state_ = stUp;
    mouseInControl_ = false;
    Repaint();
    OnDropDown(this);
    if (dropDownMenu_ != nullptr) {
      const TPoint corner = ClientToScreen(TPoint{0, Height()});
      dropDownMenu_->Popup(corner.X, corner.Y);
    }
    return;
  }
  if (!down_) {
    state_ = stPressed;
    Invalidate();
  }
  if (style_ == tasCheck) {
    state_ = stPressed;
    Repaint();
  }
  dragging_ = true;
}

void TProGridButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (dragging_) {
    TState state = down_ ? stExclusive : stUp;
    if (Inside(X, Y)) state = down_ ? stExclusive : stPressed;
    if (style_ == tasCheck && down_) state = stPressed;
    if (state != state_) {
      state_ = state;
      Invalidate();
    }
  } else if (!mouseInControl_) {
    UpdateTracking();
  }
}

void TProGridButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (!dragging_) return;
  dragging_ = false;
  const bool inside = Inside(X, Y);
  if (groupIndex_ == 0) {
    state_ = stUp;
    mouseInControl_ = false;
    if (style_ == tasCheck) {
      SetDown(!down_);
      state_ = stUp;
    }
    if (inside) Invalidate();
  } else if (inside) {
    SetDown(!down_);
    if (down_) Repaint();
  } else {
    if (down_) state_ = stExclusive;
    Repaint();
  }
  if (inside) Click();
  UpdateTracking();
}

// ---- messages ----

void TProGridButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED: return ButtonPressed(Message);
    case CM_DIALOGCHAR: return ClickOnAccelerator(Message);
    case CM_MOUSEENTER: return MouseEntered(Message);
    case CM_MOUSELEAVE: return MouseLeft(Message);
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
      if (autoThemeAdapt_) ThemeAdapt();
      return inherited::Dispatch(Message);
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      UpdateTracking();
      return Repaint();
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE:
      inherited::Dispatch(Message);
      return Invalidate();
    case WM_LBUTTONDBLCLK:
      inherited::Dispatch(Message);
      if (down_) DblClick();
      return;
    default: return inherited::Dispatch(Message);
  }
}

void TProGridButton::MouseEntered(TMessage& Message) {
  inherited::Dispatch(Message);
  if (flat_ && !mouseInControl_ && Enabled() && DragMode() != dmAutomatic && GetCaptureControl() == nullptr) {
    mouseInControl_ = true;
    Repaint();
  }
  OnMouseEnter(this);
}

void TProGridButton::MouseLeft(TMessage& Message) {
  inherited::Dispatch(Message);
  if (flat_ && mouseInControl_ && Enabled() && !dragging_) {
    mouseInControl_ = false;
    Invalidate();
  }
  OnMouseLeave(this);
}

// ---- painting ----

void TProGridButton::Paint() {
  painting_ = true;
  PaintButton();
  painting_ = false;
}

void TProGridButton::PaintButton() {
  if (!Enabled()) {
    state_ = stDisabled;
    dragging_ = false;
  } else if (state_ == stDisabled) {
    state_ = down_ && groupIndex_ != 0 ? stExclusive : stUp;
  }
  if (style_ == tasCheck && down_) state_ = stPressed;
  Canvas()->SetFont(Font());
  TRect r{0, 0, Width(), Height()};
  const bool pressed = state_ == stPressed || state_ == stExclusive;
  if (!flat_) {
    if (!PaintThemed(r)) {
      DrawFrameControl(Canvas()->Handle(), &r, DFC_BUTTON,
                       DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    }
  } else {
    PaintFlatFace(r);
  }
  TPoint offset{0, 0};
  if (pressed) {
    if (state_ == stExclusive && (!flat_ || !Hot())) {
      InflateRect(&r, 1, 1);
      if (colorCheckedTo_ == clNone) {
        Canvas()->Brush()->SetColor(colorChecked_);
        Canvas()->FillRect(r);
      } else {
        DrawButtonGradient(Canvas(), colorChecked_, colorCheckedTo_, down_ ? borderDownColor_ : borderColor_,
                           kGradientBands, r, false);
      }
    }
    if (!flat_ && !Designing()) offset = {1, 1};
  } else if (flat_ && Hot() && Enabled() && shaded_ && !Designing()) {
    offset = {-1, -1};
  }
  if (dropDownButton_) {
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(Font()->Color());
    Canvas()->Pen()->SetColor(Font()->Color());
    const Integer middle = r.Top + (r.Bottom - r.Top) / 2;
    const TPoint triangle[] = {{r.Right - 8, middle - 1}, {r.Right - 4, middle - 1}, {r.Right - 6, middle + 1}};
    Canvas()->Polygon(triangle, 3);
    r.Right -= kDropDownWidth;
  }
  PaintContent(r, offset);
}

// The style's push button of the parent's window, while AutoXPStyle asks and styles are active.
bool TProGridButton::PaintThemed(const TRect& R) {
  if (!autoXPStyle_ || !IsWindowsXPOrLater() || !VerUZED::ThemeApiLoaded() || VerUZED::IsThemeActive() == nullptr ||
      !VerUZED::IsThemeActive()() || Parent() == nullptr || !Parent()->HandleAllocated())
    return false;
  HTHEME theme = VerUZED::OpenThemeData()(Parent()->Handle(), u"button");
  if (theme == nullptr) return false;
  constexpr int kPushButton = 1, kNormal = 1, kHot = 2, kPressed = 3;
  const int state = state_ == stPressed || state_ == stExclusive ? kPressed : Hot() ? kHot : kNormal;
  const RECT rect = R;
  VerUZED::DrawThemeBackground()(theme, Canvas()->Handle(), kPushButton, state, &rect, nullptr);
  VerUZED::CloseThemeData()(theme);
  return true;
}

void TProGridButton::PaintFlatFace(TRect& R) {
  TCanvas* canvas = Canvas();
  if (borderDownColor_ == clNone || rounded_) InflateRect(&R, -1, -1);
  // A face filled (or graded) in Face and framed in Pen; a pen of clNone draws in the face colour.
  const auto face = [&](TColor Face, TColor FaceTo, TColor Pen) {
    if (FaceTo != clNone) return DrawButtonGradient(canvas, Face, FaceTo, Pen, kGradientBands, R, false);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Face);
    canvas->Pen()->SetColor(Pen == clNone ? Face : Pen);
    canvas->Rectangle(R);
  };
  const auto roundBorder = [&](TColor Pen) {
    InflateRect(&R, 1, 1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(Pen);
    canvas->RoundRect(R.Left, R.Top, R.Right, R.Bottom, kRoundCorner, kRoundCorner);
  };
  canvas->Pen()->SetWidth(1);
  if (Hot() && Enabled() && !Designing()) {
    const bool pressed = state_ == stPressed;
    TColor color = pressed ? colorDown_ : colorHot_, colorTo = pressed ? colorDownTo_ : colorHotTo_;
    TColor pen = pressed ? borderDownColor_ : borderHotColor_;
    if (style_ == tasCheck && down_ && !pressed) color = colorChecked_, colorTo = colorCheckedTo_, pen = borderDownColor_;
    face(color, colorTo, rounded_ ? clNone : pen);
    const TColor edge = pressed ? borderDownColor_ : borderHotColor_;
    if (rounded_) roundBorder(edge);
    if (dropDownButton_) {
      canvas->Pen()->SetColor(edge);
      canvas->MoveTo(R.Right - kDropDownWidth, R.Top);
      canvas->LineTo(R.Right - kDropDownWidth, R.Bottom);
    }
  } else if (style_ == tasCheck && down_) {
    face(colorChecked_, colorCheckedTo_, borderDownColor_);
  } else {
    if (colorTo_ != clNone) {
      const TColor pen = rounded_ ? clNone : down_ ? borderDownColor_ : borderColor_;
      DrawButtonGradient(canvas, Color(), colorTo_, pen, kGradientBands, R, false);
    } else {
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Brush()->SetColor(Color());
      canvas->FillRect(R);
    }
    if (borderColor_ != clNone) {
      if (rounded_) {
        roundBorder(borderColor_);
      } else {
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetColor(borderColor_);
        canvas->Rectangle(R);
      }
    }
  }
  InflateRect(&R, -1, -1);
}

TBitmap* TProGridButton::GlyphToDraw() const {
  TBitmap* special = nullptr;
  if (!Enabled())
    special = glyphDisabled_.get();
  else if (state_ == stPressed || state_ == stExclusive)
    special = glyphDown_.get();
  else if (Hot() && !Designing())
    special = glyphHot_.get();
  return special != nullptr && !special->Empty() ? special : glyph_.get();
}

void TProGridButton::PaintContent(const TRect& R, TPoint Offset) {
  TCanvas* canvas = Canvas();
  const std::string caption = Caption();
  const UINT bidi = UINT(DrawTextBiDiModeFlags(0));
  TButtonLayout layout = layout_;
  if (bidi & DT_RIGHT) {
    if (layout == blGlyphLeft) layout = blGlyphRight;
    else if (layout == blGlyphRight) layout = blGlyphLeft;
  }
  TRect text{0, 0, R.Width(), 0};
  if (!caption.empty())
    DrawTextA(canvas->Handle(), caption.c_str(), int(caption.size()), &text, DT_CALCRECT | bidi);
  else
    text = TRect{};
  const TSize glyphSize = glyph_->Empty() ? TSize{0, 0} : TSize{glyph_->Width(), glyph_->Height()};
  const TButtonPlacement place = CalcButtonLayout(R, Offset, glyphSize, TSize{text.Width(), text.Height()}, layout,
                                                  margin_, spacing_);
  const bool hotLift = Hot() && shaded_ && Enabled();
  TBitmap* bitmap = GlyphToDraw();
  if (!bitmap->Empty()) {
    const TPoint at = caption.empty() ? TPoint{0, 0} : place.GlyphPos;
    if (hotLift && state_ != stPressed && !shade_->Empty())
      canvas->Draw(caption.empty() ? at.X : at.X + 2, caption.empty() ? at.Y : at.Y + 2, shade_.get());
    canvas->Draw(at.X, at.Y, bitmap);
  }
  if (!showCaption_ || caption.empty()) return;
  TRect bounds = place.TextBounds;
  if (state_ != stPressed && hotLift && flat_ && !Designing()) OffsetRect(&bounds, 1, 1);
  canvas->Brush()->SetStyle(bsClear);
  const UINT flags = DT_CENTER | DT_VCENTER | bidi;
  if (state_ == stDisabled) {
    TRect raised = bounds;
    OffsetRect(&raised, 1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    DrawTextA(canvas->Handle(), caption.c_str(), int(caption.size()), &raised, flags);
    canvas->Font()->SetColor(clBtnShadow);
  }
  DrawTextA(canvas->Handle(), caption.c_str(), int(caption.size()), &bounds, flags);
}
