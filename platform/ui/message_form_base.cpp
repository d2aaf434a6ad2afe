#include "platform/ui/message_form_base.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/button.h"
#include "platform/ui/font.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/picture.h"
#include "platform/ui/screen.h"

PR_IMPLEMENT_CLASS(TMessageFormBase)

namespace {

// The average character width and the height of the font, in pixels (the base of dialog units).
TSize DialogUnits(TCanvas* canvas) {
  const TSize extent = canvas->TextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return TSize{(extent.cx / 26 + 1) / 2, extent.cy};
}

// The classic icons, drawn at 32 x 32: a red disc with a white cross, a yellow triangle with "!",
// white speech discs with "?" and "i".
void DrawIcon(TCanvas* canvas, TMessageIcon icon) {
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(TRect{0, 0, 32, 32});
  canvas->Pen()->SetColor(clBlack);
  switch (icon) {
    case TMessageIcon::Stop:
      canvas->Brush()->SetColor(clRed);
      canvas->Ellipse(1, 1, 31, 31);
      canvas->Pen()->SetColor(clWhite);
      canvas->Pen()->SetWidth(3);
      canvas->MoveTo(10, 10);
      canvas->LineTo(22, 22);
      canvas->MoveTo(22, 10);
      canvas->LineTo(10, 22);
      break;
    case TMessageIcon::Exclamation: {
      canvas->Brush()->SetColor(clYellow);
      const TPoint triangle[] = {{16, 1}, {31, 30}, {1, 30}};
      canvas->Polygon(triangle, 3);
      canvas->Brush()->SetColor(clBlack);
      canvas->FillRect(TRect{15, 9, 18, 22});
      canvas->FillRect(TRect{15, 24, 18, 27});
      break;
    }
    default: {
      const bool question = icon == TMessageIcon::Question;
      canvas->Brush()->SetColor(clWhite);
      canvas->Ellipse(1, 1, 31, 31);
      canvas->Brush()->SetColor(question ? clBlue : clNavy);
      if (question) {
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

TMessageFormBase::TMessageFormBase(TComponent* AOwner, const std::string& Text, const std::string& Caption)
    : TForm(AOwner, CreateNewTag{}), text_(Text) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetCaption(Caption);
}

void TMessageFormBase::BuildLayout(TMessageIcon Icon, const std::vector<TMessageButtonSpec>& Buttons,
                                   std::size_t DefaultIndex, std::size_t CancelIndex) {
  TBitmap probe;
  probe.SetSize(1, 1);
  probe.Canvas()->SetFont(Font());
  const TSize units = DialogUnits(probe.Canvas());
  const Integer horzMargin = units.cx * 8 / 4, vertMargin = units.cy * 8 / 8;
  const Integer horzSpacing = units.cx * 10 / 4, vertSpacing = units.cy * 10 / 8;
  const Integer buttonHeight = units.cy * 14 / 8, buttonSpacing = units.cx * 4 / 4;
  Integer buttonWidth = units.cx * 50 / 4;
  for (const TMessageButtonSpec& spec : Buttons)
    buttonWidth = std::max(buttonWidth, probe.Canvas()->TextWidth(spec.Caption) + units.cx * 2);

  TRect textRect{0, 0, (Screen != nullptr ? Screen->Width() : 1024) / 2, 0};
  DrawTextA(probe.Canvas()->Handle(), text_.c_str(), int(text_.size()), &textRect,
            DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  const Integer iconWidth = Icon != TMessageIcon::None ? 32 + horzSpacing : 0;
  const Integer iconHeight = Icon != TMessageIcon::None ? 32 : 0;
  const Integer count = Integer(Buttons.size());
  const Integer buttonsWidth = count * buttonWidth + (count - 1) * buttonSpacing;
  const Integer clientWidth = std::max(iconWidth + textRect.Right, buttonsWidth) + horzMargin * 2;
  const Integer bodyHeight = std::max(iconHeight, Integer(textRect.Bottom));
  SetClientWidth(clientWidth);
  SetClientHeight(bodyHeight + vertSpacing + buttonHeight + vertMargin * 2);

  if (Icon != TMessageIcon::None) {
    auto* image = new TImage(this);
    image->SetName("Image");
    image->SetParent(this);
    image->SetBounds(horzMargin, vertMargin, 32, 32);
    image->Picture()->Bitmap()->SetSize(32, 32);
    DrawIcon(image->Picture()->Bitmap()->Canvas(), Icon);
  }
  auto* message = new TLabel(this);
  message->SetName("Message");
  message->SetParent(this);
  message->SetWordWrap(true);
  message->SetShowAccelChar(false);
  message->SetCaption(text_);
  message->SetBounds(horzMargin + iconWidth, vertMargin, textRect.Right, textRect.Bottom);

  Integer x = (clientWidth - buttonsWidth) / 2;
  const Integer y = bodyHeight + vertMargin + vertSpacing;
  for (std::size_t i = 0; i < Buttons.size(); ++i) {
    auto* button = new TButton(this);
    button->SetName(Buttons[i].Name);
    button->SetParent(this);
    button->SetCaption(Buttons[i].Caption);
    button->SetModalResult(Buttons[i].Result);
    button->SetBounds(x, y, buttonWidth, buttonHeight);
    button->SetDefault(i == DefaultIndex);
    button->SetCancel(i == CancelIndex);
    if (i == DefaultIndex) SetActiveControl(button);
    buttons_.push_back(button);
    x += buttonWidth + buttonSpacing;
  }
}

TButton* TMessageFormBase::ButtonOf(TModalResult Result) const {
  if (Result == mrNone) return nullptr;
  const auto found = std::find_if(buttons_.begin(), buttons_.end(),
                                  [Result](TButton* button) { return button->ModalResult() == Result; });
  return found != buttons_.end() ? *found : nullptr;
}

std::vector<std::string> TMessageFormBase::ButtonCaptions() const {
  std::vector<std::string> captions;
  for (TButton* button : buttons_) captions.push_back(button->Caption());
  return captions;
}
