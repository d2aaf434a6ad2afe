// TZavSpinEdit; see zav_spin_edit.h.
#include "grid/zav_spin_edit.h"

#include <algorithm>
#include <cmath>

#include "grid/control_chars.h"
#include "platform/classes/publisher.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/timer.h"
#include "platform/user/resource_bitmap.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/date_text.h"
#include "platform/core/float_text.h"
#include "platform/core/format_settings.h"
#include "platform/core/int_text.h"
#include "platform/os/clock.h"
#include "platform/user/message_beep.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"

// The spin arrows (grid/resources/draw_glyphs.py draws them).
#include "ZavSpinDown.res.inc"
#include "ZavSpinUp.res.inc"

namespace {

using namespace grid_chars;
constexpr Integer kFloatDigits = 15;
constexpr Cardinal kFirstRepeatMs = 400;
constexpr Cardinal kRepeatMs = 100;
constexpr Integer kSpinButtonMinWidth = 15;
constexpr Integer kHorizontalSpinMinWidth = 20;

// The named bitmap resource as Button's one glyph.
void LoadResourceGlyph(TSpeedButton* Button, const char* Name) {
  HBITMAP handle = LoadBitmapA(nullptr, Name);
  if (handle == nullptr) return;
  TBitmap glyph;
  glyph.SetHandle(handle);
  Button->SetGlyph(&glyph);
  Button->SetNumGlyphs(1);
}

template <class T>
T Bounded(T Value, T Low, T High) {
  return Low == High ? Value : std::clamp(Value, Low, High);
}

}   // namespace

PR_IMPLEMENT_CLASS(TProTimerSpeedButton)
PR_IMPLEMENT_CLASS(TZavSpinButton)

// ---- TProTimerSpeedButton ----

void TProTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (!autoRepeat_) return;
  if (repeatTimer_ == nullptr) {
    repeatTimer_ = new TTimer(this);
    TNotifyEvent expired;
    expired.Bind(this, &TProTimerSpeedButton::TimerExpired);
    repeatTimer_->SetOnTimer(expired);
  }
  repeatTimer_->SetEnabled(false);
  repeatTimer_->SetInterval(kFirstRepeatMs);
  repeatTimer_->SetEnabled(true);
}

void TProTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (repeatTimer_ != nullptr) repeatTimer_->SetEnabled(false);
}

void TProTimerSpeedButton::TimerExpired(TObject*) {
  repeatTimer_->SetInterval(kRepeatMs);
  if (State() != bsDown || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    repeatTimer_->SetEnabled(false);
    throw;
  }
}

// ---- TZavSpinButton ----

TZavSpinButton::TZavSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
  up_ = new TProTimerSpeedButton(this);
  up_->SetParent(this);
  up_->OnClick.Bind(this, &TZavSpinButton::UpClicked);
  LoadResourceGlyph(up_, "ZavSpinUp");
  down_ = new TProTimerSpeedButton(this);
  down_->SetParent(this);
  down_->OnClick.Bind(this, &TZavSpinButton::DownClicked);
  LoadResourceGlyph(down_, "ZavSpinDown");
  focused_ = up_;
  SetBounds(0, 0, 15, 25);
}

void TZavSpinButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (direction_ == spHorizontal) {
    const Integer width = std::max(AWidth, kHorizontalSpinMinWidth);
    down_->SetBounds(0, 0, width / 2, AHeight);
    up_->SetBounds(width / 2 + 1, 0, width / 2, AHeight);
    inherited::SetBounds(ALeft, ATop, width, AHeight);
    return;
  }
  const Integer width = std::max(AWidth, kSpinButtonMinWidth);
  const Integer upHeight = AHeight / 2;
  up_->SetBounds(0, 0, width, upHeight);
  down_->SetBounds(0, upHeight - 1, width, AHeight - upHeight + 1);
  inherited::SetBounds(ALeft, ATop, width, AHeight);
}

void TZavSpinButton::SetDirection(TSpinDirection Value) {
  if (Value == direction_) return;
  direction_ = Value;
  RecreateWndIfAllocated();
  SetWidth(Value == spHorizontal ? kHorizontalSpinMinWidth : kSpinButtonMinWidth);
}

void TZavSpinButton::ClickButton(TProTimerSpeedButton* Button) {
  if (Button == up_)
    OnUpClick(this);
  else
    OnDownClick(this);
}

void TZavSpinButton::SetFocusedButton(TProTimerSpeedButton* Button) {
  if (!TabStop() || !CanFocus() || Button == focused_) return;
  focused_->SetFocusRectShown(false);
  focused_ = Button;
  if (Focused()) {
    Button->SetFocusRectShown(true);
    Invalidate();
  }
}

void TZavSpinButton::KeyDown(Word& Key, TShiftState Shift) {
  switch (Key) {
    case VK_SPACE: ClickButton(focused_); break;
    case VK_UP:
      SetFocusedButton(up_);
      ClickButton(up_);
      break;
    case VK_DOWN:
      SetFocusedButton(down_);
      ClickButton(down_);
      break;
    default: inherited::KeyDown(Key, Shift); break;
  }
}

void TZavSpinButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      inherited::Dispatch(Message);
      focused_->SetFocusRectShown(Message.Msg == WM_SETFOCUS);
      return;
    default: inherited::Dispatch(Message);
  }
}

void TProTimerSpeedButton::SetFocusRectShown(bool Value) {
  if (Value == focusRectShown_) return;
  focusRectShown_ = Value;
  Invalidate();
}

// ---- TZavSpinEdit ----

PR_PUBLISH(TZavSpinEdit) {
  p.Property("Direction", &TZavSpinEdit::Direction, &TZavSpinEdit::SetDirection).Default(spVertical);
  p.Property("MinValue", &TZavSpinEdit::MinValue, &TZavSpinEdit::SetMinValue).Default(0);
  p.Property("MaxValue", &TZavSpinEdit::MaxValue, &TZavSpinEdit::SetMaxValue).Default(100);
  p.Property("Increment", &TZavSpinEdit::Increment, &TZavSpinEdit::SetIncrement).Default(1);
  p.Property("EditorEnabled", &TZavSpinEdit::EditorEnabled, &TZavSpinEdit::SetEditorEnabled).Default(true);
  p.Property("SpinType", &TZavSpinEdit::SpinType, &TZavSpinEdit::SetSpinType).Default(sptNormal);
  p.Property("Precision", &TZavSpinEdit::Precision, &TZavSpinEdit::SetPrecision).Default(0);
}

TZavSpinEdit::TZavSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  // The edit's height follows its font alone: sizing to the embedded button would shrink it.
  SetAutoSize(false);
  button_ = new TZavSpinButton(this);
  button_->SetBounds(0, 0, 15, 17);
  button_->SetParent(this);
  button_->OnUpClick.Bind(this, &TZavSpinEdit::ButtonStepUp);
  button_->OnDownClick.Bind(this, &TZavSpinEdit::ButtonStepDown);
  SetText("0");
}

void TZavSpinEdit::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (button_ != nullptr) button_->SetBounds(Width() - button_->Width(), 1, button_->Width(), Height() - 3);
}

void TZavSpinEdit::SetDirection(TSpinDirection Value) {
  button_->SetDirection(Value);
  const Integer width = Width();
  SetWidth(width + 1);   // the edit's layout redone for the button's new width
  SetWidth(width);
}

// ---- Values ----

Integer TZavSpinEdit::Value() {
  Integer value = 0;
  return TryStrToInt(Text(), value) ? value : minValue_;
}

void TZavSpinEdit::SetValue(Integer AValue) {
  SetText(IntToStr(Bounded(AValue, minValue_, maxValue_)));
  if (!editorEnabled_) SelectAll();
}

double TZavSpinEdit::FloatValue() {
  double value = 0;
  return TryStrToFloat(Text(), value) ? value : minFloatValue_;
}

void TZavSpinEdit::SetFloatValue(double AValue) {
  const double value = Bounded(AValue, minFloatValue_, maxFloatValue_);
  SetText(precision_ != 0 ? FloatToStrF(value, ffFixed, kFloatDigits, precision_) : FloatToStr(value));
}

TDateTime TZavSpinEdit::DateValue() {
  const std::string text = Text();
  if (text.empty() || text == "0") return Now();
  TDateTime value = 0;
  return TryStrToDate(text, value) ? value : minDateValue_;
}

void TZavSpinEdit::SetDateValue(TDateTime AValue) {
  dateValue_ = AValue;
  if (ComponentState().Contains(csLoading)) return;
  dateValue_ = Bounded(AValue, minDateValue_, maxDateValue_);
  SetTextKeepingCaret(DateToStr(dateValue_));
}

TDateTime TZavSpinEdit::TimeValue() {
  TDateTime value = 0;
  return TryStrToTime(Text(), value) ? value : 0;
}

void TZavSpinEdit::SetTimeValue(TDateTime AValue) {
  timeValue_ = AValue;
  if (ComponentState().Contains(csLoading)) return;
  SetTextKeepingCaret(TimeToStr(timeValue_));
}

void TZavSpinEdit::SetTextKeepingCaret(const std::string& Value) {
  const Integer caret = SelStart();
  SetText(Value);
  SetSelStart(caret);
}

void TZavSpinEdit::SetSpinType(TZavSpinType Value) {
  spinType_ = Value;
  switch (spinType_) {
    case sptNormal: SetValue(this->Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
  }
}

void TZavSpinEdit::SetPrecision(Integer Value) {
  precision_ = Value;
  if (spinType_ == sptFloat) SetFloatValue(FloatValue());
}

// ---- Stepping ----

void TZavSpinEdit::Step(Integer Direction) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  switch (spinType_) {
    case sptNormal: SetValue(Value() + Direction * increment_); break;
    case sptFloat: SetFloatValue(FloatValue() + Direction * incrementFloat_); break;
    case sptDate: StepDate(Direction); break;
    case sptTime: StepTime(Direction); break;
  }
}

Integer TZavSpinEdit::CaretField(char Separator) {
  const std::string text = Text();
  const auto caret = static_cast<size_t>(SelStart());
  const size_t first = text.find(Separator);
  if (first == std::string::npos || caret <= first) return 0;
  const size_t second = text.find(Separator, first + 1);
  return second == std::string::npos || caret <= second ? 1 : 2;
}

void TZavSpinEdit::StepDate(Integer Direction) {
  const TDateTime date = DateValue();
  const std::string format = AnsiUpperCase(FormatSettings.ShortDateFormat);
  const bool monthFirst = format.find('M') < format.find('D');
  const Integer field = CaretField(FormatSettings.DateSeparator);
  TDateTime stepped = date;
  if (field == 2) {
    Word year, month, day;
    DecodeDate(date, year, month, day);
    year = static_cast<Word>(year + Direction);
    // 29 February in a year without it: the last day of February.
    day = std::min(day, DaysInAMonth(year, month));
    stepped = EncodeDate(year, month, day) + (date - std::floor(date));
  } else if ((field == 0) == monthFirst) {
    stepped = IncMonth(date, Direction);
  } else {
    stepped = date + Direction;
  }
  SetDateValue(stepped);
}

void TZavSpinEdit::StepTime(Integer Direction) {
  static constexpr double kUnits[] = {1.0 / 24, 1.0 / (24 * 60), 1.0 / (24 * 60 * 60)};
  const double unit = kUnits[CaretField(FormatSettings.TimeSeparator)];
  TDateTime time = TimeValue();
  if (Direction > 0) {
    time += unit;
  } else {
    time = time + 1 - unit;
    if (time > 1) time -= 1;
  }
  // Only the time of day shows.
  SetTimeValue(time - std::floor(time));
}

// ---- Typing ----

bool TZavSpinEdit::TypedCharAllowed(char Key) {
  const TFormatSettings& fs = FormatSettings;
  const bool numeric = spinType_ == sptNormal || spinType_ == sptFloat;
  auto isNumberChar = [&](char c) { return c == fs.DecimalSeparator || c == fs.ThousandSeparator || c == '-' || c == '+'; };
  bool ok = Key == fs.DecimalSeparator || Key == fs.ThousandSeparator || Key == fs.TimeSeparator ||
            Key == fs.DateSeparator || Key == '-' || (Key >= '0' && Key <= '9') ||
            (static_cast<unsigned char>(Key) < 32 && Key != kReturn);
  if (Key == fs.TimeSeparator && spinType_ != sptTime && !(isNumberChar(Key) && numeric)) ok = false;
  if (Key == fs.DateSeparator && spinType_ != sptDate && !(isNumberChar(Key) && numeric)) ok = false;
  const std::string text = Text();
  const Integer selStart = SelStart(), selLength = SelLength();
  auto selectionCovers = [&](size_t Pos) {
    return Integer(Pos) >= selStart && Integer(Pos) < selStart + selLength;
  };
  if (Key == '-') {
    const size_t minus = text.find('-');
    if ((minus != std::string::npos && !selectionCovers(minus)) || selStart != 0) ok = false;
  }
  if (spinType_ == sptNormal && ok && Key >= 32) ok = Key == '-' || (Key >= '0' && Key <= '9');
  if (spinType_ == sptFloat && ok && Key != kBackspace && Key != kReturn && Key != kEscape) {
    const size_t separator = text.find(fs.DecimalSeparator);
    if (Key == fs.ThousandSeparator) ok = false;
    if (Key == fs.DecimalSeparator && separator != std::string::npos && !selectionCovers(separator)) ok = false;
    const bool afterSeparator = separator != std::string::npos && selStart >= Integer(separator) + 1;
    if (ok && precision_ > 0 && afterSeparator && selLength == 0 &&
        Integer(text.size()) >= Integer(separator) + 1 + precision_)
      ok = false;
  }
  if (spinType_ == sptTime && Key == fs.TimeSeparator && std::count(text.begin(), text.end(), fs.TimeSeparator) >= 2)
    ok = false;
  if (!editorEnabled_ && static_cast<unsigned char>(Key) >= 32) ok = false;
  return ok;
}

bool TZavSpinEdit::AcceptsChar(char Key) {
  if (Key == kBackspace) return editorEnabled_;
  return TypedCharAllowed(Key);
}

void TZavSpinEdit::KeyPress(char& Key) {
  if (!AcceptsChar(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  if (Key != 0) inherited::KeyPress(Key);
}

void TZavSpinEdit::Dispatch(TMessage& Message) {
  constexpr LPARAM kKeypadBit = LPARAM(1) << 22;
  if (Message.Msg == WM_CHAR && Message.WParam == '.' && (Message.LParam & kKeypadBit) != 0 &&
      excelStyleDecimalSeparator_)
    Message.WParam = WPARAM(static_cast<unsigned char>(FormatSettings.DecimalSeparator));
  if (Message.Msg == WM_KEYDOWN) {
    switch (Message.WParam) {
      case VK_PRIOR:
      case VK_UP: StepUp(); return;
      case VK_NEXT:
      case VK_DOWN: StepDown(); return;
      default: break;
    }
  }
  inherited::Dispatch(Message);
}

void TZavSpinEdit::DoExit() {
  inherited::DoExit();
  switch (spinType_) {
    case sptNormal:
      if (Value() != Bounded(Value(), minValue_, maxValue_)) SetValue(Value());
      break;
    case sptFloat:
      if (FloatValue() != Bounded(FloatValue(), minFloatValue_, maxFloatValue_)) SetFloatValue(FloatValue());
      break;
    case sptDate:
      if (DateValue() != Bounded(DateValue(), minDateValue_, maxDateValue_)) SetDateValue(DateValue());
      break;
    case sptTime: break;
  }
}
