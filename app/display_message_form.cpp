#include "app/display_message_form.h"

#include <memory>

#include "app/program_environment.h"
#include "controls/foundation/kx_button.h"
#include "platform/classes/publisher.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "suite/user_interface.h"

// The form image, embedded by the build from display_message_form.form.
#include "TFORM_DISPLAYMESSAGE.res.inc"

namespace {

constexpr char kEscape = 27;
// Client width beyond the message's width: the picture's column and the margins.
constexpr Integer kTextMargin = 88;

std::string messageText;
Integer messageKind = MessageKindInformation;

}  // namespace

PR_PUBLISH(TForm_DisplayMessage) {
  p.Field("Image1", &TForm_DisplayMessage::Image1);
  p.Field("Image2", &TForm_DisplayMessage::Image2);
  p.Field("Image3", &TForm_DisplayMessage::Image3);
  p.Field("Label1", &TForm_DisplayMessage::Label1);
  p.Field("Panel1", &TForm_DisplayMessage::Panel1);
  p.Field("kxButton1", &TForm_DisplayMessage::kxButton1);
  p.Method("FormShow", &TForm_DisplayMessage::FormShow);
  p.Method("kxButton1Click", &TForm_DisplayMessage::kxButton1Click);
  p.Method("FormKeyPress", &TForm_DisplayMessage::FormKeyPress);
}

void TForm_DisplayMessage::Execute(Integer Kind, const std::string& Text) {
  messageText = Text;
  messageKind = Kind;
  std::unique_ptr<TForm_DisplayMessage, TObjectDeleter> form(NewObject<TForm_DisplayMessage>(nullptr));
  form->ShowModal();
}

void TForm_DisplayMessage::FormShow(TObject*) {
  static constexpr const char* kCaptions[] = {"Information", "Error", "Warning"};
  Label1->SetCaption(messageText);
  if (messageKind >= MessageKindInformation && messageKind <= MessageKindWarning)
    SetCaption(kCaptions[messageKind - 1]);
  Image1->SetVisible(messageKind == MessageKindInformation);
  Image2->SetVisible(messageKind == MessageKindError);
  Image3->SetVisible(messageKind == MessageKindWarning);
  SetClientWidth(Label1->Width() + kTextMargin);
  PrepareForm(this);
}

void TForm_DisplayMessage::kxButton1Click(TObject*) { SetModalResult(mrOk); }

void TForm_DisplayMessage::FormKeyPress(TObject*, char& Key) {
  if (Key != kEscape) return;
  Key = 0;
  Close();
}

std::string TForm_DisplayMessage::BoxText() const { return Label1->Caption(); }
