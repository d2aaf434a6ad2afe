#include "platform/ui/message_box.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/classes/publisher.h"
#include "platform/core/cp874.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/button.h"
#include "platform/ui/font.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/message_box_form.h"
#include "platform/ui/picture.h"
#include "platform/ui/screen.h"
#include "platform/user/window_dc.h"

PR_IMPLEMENT_CLASS(TMessageBoxForm)

namespace {

struct ButtonSpec {
  const char* caption;
  int id;
};

std::vector<ButtonSpec> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{"OK", IDOK}, {"Cancel", IDCANCEL}};
    case MB_ABORTRETRYIGNORE: return {{"&Abort", IDABORT}, {"&Retry", IDRETRY}, {"&Ignore", IDIGNORE}};
    case MB_YESNOCANCEL: return {{"&Yes", IDYES}, {"&No", IDNO}, {"Cancel", IDCANCEL}};
    case MB_YESNO: return {{"&Yes", IDYES}, {"&No", IDNO}};
    case MB_RETRYCANCEL: return {{"&Retry", IDRETRY}, {"Cancel", IDCANCEL}};
    default: return {{"OK", IDOK}};
  }
}

// The average character width and the height of the font, in pixels (the base of dialog units).
TSize DialogUnits(TFont* font) {
  TBitmap probe;
  probe.SetSize(1, 1);
  probe.Canvas()->SetFont(font);
  const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const TSize extent = probe.Canvas()->TextExtent(letters);
  return TSize{(extent.cx / 26 + 1) / 2, extent.cy};
}

// The classic icons, drawn at 32 x 32: a red disc with a white cross, a yellow triangle with "!",
// white speech discs with "?" and "i".
void DrawIcon(TCanvas* canvas, UINT icon) {
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(TRect{0, 0, 32, 32});
  canvas->Pen()->SetColor(clBlack);
  switch (icon) {
    case MB_ICONSTOP:
      canvas->Brush()->SetColor(clRed);
      canvas->Ellipse(1, 1, 31, 31);
      canvas->Pen()->SetColor(clWhite);
      canvas->Pen()->SetWidth(3);
      canvas->MoveTo(10, 10);
      canvas->LineTo(22, 22);
      canvas->MoveTo(22, 10);
      canvas->LineTo(10, 22);
      break;
    case MB_ICONEXCLAMATION: {
      canvas->Brush()->SetColor(clYellow);
      const TPoint triangle[] = {{16, 1}, {31, 30}, {1, 30}};
      canvas->Polygon(triangle, 3);
      canvas->Brush()->SetColor(clBlack);
      canvas->FillRect(TRect{15, 9, 18, 22});
      canvas->FillRect(TRect{15, 24, 18, 27});
      break;
    }
    default: {
      canvas->Brush()->SetColor(clWhite);
      canvas->Ellipse(1, 1, 31, 31);
      canvas->Brush()->SetColor(icon == MB_ICONQUESTION ? clBlue : clNavy);
      if (icon == MB_ICONQUESTION) {
        canvas->FillRect(TRect{12, 7, 20, 10});
        canvas->FillRect(TRect{18, 9, 21, 16});
        canvas->FillRect(TRect{15, 15, 18, 20});
        canvas->FillRect(TRect{15, 22, 18, 25});
      } else {
        canvas->FillRect(TRect{15, 7, 18, 10});
        canvas->FillRect(TRect{15, 12, 18, 25});
      }
      break;
    }
  }
}

}  // namespace

TMessageBoxForm::TMessageBoxForm(TComponent* AOwner, const std::string& Text, const std::string& Caption, UINT Type)
    : TForm(AOwner, CreateNewTag{}), text_(Text), type_(Type) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetCaption(Caption);
  Build();
}

void TMessageBoxForm::Build() {
  const TSize units = DialogUnits(Font());
  const Integer horzMargin = units.cx * 8 / 4, vertMargin = units.cy * 8 / 8;
  const Integer horzSpacing = units.cx * 10 / 4, vertSpacing = units.cy * 10 / 8;
  const Integer buttonWidth = units.cx * 50 / 4, buttonHeight = units.cy * 14 / 8;
  const Integer buttonSpacing = units.cx * 4 / 4;

  TRect textRect{0, 0, (Screen != nullptr ? Screen->Width() : 1024) / 2, 0};
  {
    TBitmap probe;
    probe.SetSize(1, 1);
    probe.Canvas()->SetFont(Font());
    DrawTextA(probe.Canvas()->Handle(), text_.c_str(), int(text_.size()), &textRect,
              DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  }
  const UINT iconKind = type_ & MB_ICONMASK;
  const Integer iconWidth = iconKind != 0 ? 32 + horzSpacing : 0;
  const Integer iconHeight = iconKind != 0 ? 32 : 0;
  const std::vector<ButtonSpec> specs = ButtonsOf(type_);
  const Integer buttonsWidth = Integer(specs.size()) * buttonWidth + (Integer(specs.size()) - 1) * buttonSpacing;
  const Integer clientWidth = std::max(iconWidth + textRect.Right, buttonsWidth) + horzMargin * 2;
  SetClientWidth(clientWidth);
  SetClientHeight(std::max(iconHeight, Integer(textRect.Bottom)) + vertSpacing + buttonHeight + vertMargin * 2);

  if (iconKind != 0) {
    auto* image = new TImage(this);
    image->SetName("Image");
    image->SetParent(this);
    image->SetBounds(horzMargin, vertMargin, 32, 32);
    image->Picture()->Bitmap()->SetSize(32, 32);
    DrawIcon(image->Picture()->Bitmap()->Canvas(), iconKind);
  }
  auto* message = new TLabel(this);
  message->SetName("Message");
  message->SetParent(this);
  message->SetWordWrap(true);
  message->SetShowAccelChar(false);
  message->SetCaption(text_);
  message->SetBounds(horzMargin + iconWidth, vertMargin, textRect.Right, textRect.Bottom);

  const UINT defaultIndex = (type_ & MB_DEFMASK) >> 8;
  const bool hasCancel = std::any_of(specs.begin(), specs.end(), [](const ButtonSpec& s) { return s.id == IDCANCEL; });
  Integer x = (clientWidth - buttonsWidth) / 2;
  const Integer y = std::max(iconHeight, Integer(textRect.Bottom)) + vertMargin + vertSpacing;
  for (std::size_t i = 0; i < specs.size(); ++i) {
    auto* button = new TButton(this);
    button->SetName("Button" + std::to_string(specs[i].id));
    button->SetParent(this);
    button->SetCaption(specs[i].caption);
    button->SetModalResult(specs[i].id);
    button->SetBounds(x, y, buttonWidth, buttonHeight);
    button->SetDefault(i == defaultIndex || (defaultIndex >= specs.size() && i == 0));
    button->SetCancel(specs[i].id == IDCANCEL || (!hasCancel && specs.size() == 1));
    if (button->Default()) SetActiveControl(button);
    x += buttonWidth + buttonSpacing;
  }
}

TButton* TMessageBoxForm::ButtonOf(int ID) const {
  return dynamic_cast<TButton*>(FindComponent("Button" + std::to_string(ID)));
}

int TMessageBoxForm::Answer(TModalResult Result) const {
  if (ButtonOf(int(Result)) != nullptr) return int(Result);
  // Closed without a button: Cancel when there is one, else the only button's answer.
  const std::vector<ButtonSpec> specs = ButtonsOf(type_);
  if (ButtonOf(IDCANCEL) != nullptr) return IDCANCEL;
  return specs.size() == 1 ? specs.front().id : IDCANCEL;
}

int MessageBoxA(HWND, const char* text, const char* caption, UINT type) {
  TMessageBoxForm form(nullptr, text != nullptr ? text : "", caption != nullptr ? caption : "Error", type);
  return form.Answer(form.ShowModal());
}

int MessageBoxW(HWND owner, const char16_t* text, const char16_t* caption, UINT type) {
  const std::string narrowText = text != nullptr ? Utf16ToCp874(text) : std::string();
  const std::string narrowCaption = caption != nullptr ? Utf16ToCp874(caption) : std::string("Error");
  return MessageBoxA(owner, narrowText.c_str(), narrowCaption.c_str(), type);
}
