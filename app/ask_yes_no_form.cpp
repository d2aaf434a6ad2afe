#include "app/ask_yes_no_form.h"

#include <memory>

#include "app/program_environment.h"
#include "controls/foundation/kx_button.h"
#include "platform/classes/publisher.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "suite/user_interface.h"

// The form image, embedded by the build from ask_yes_no_form.form.
#include "TFORM_ASKFORYESNO.res.inc"

namespace {

constexpr char kEscape = 27;
constexpr Integer kTextMargin = 88;

std::string questionText;
Integer questionKind = QuestionDefaultYes;

}  // namespace

PR_PUBLISH(TForm_AskForYesNo) {
  p.Field("Image1", &TForm_AskForYesNo::Image1);
  p.Field("Image2", &TForm_AskForYesNo::Image2);
  p.Field("Label1", &TForm_AskForYesNo::Label1);
  p.Field("Panel1", &TForm_AskForYesNo::Panel1);
  p.Field("kxButton1", &TForm_AskForYesNo::kxButton1);
  p.Field("kxButton2", &TForm_AskForYesNo::kxButton2);
  p.Method("FormShow", &TForm_AskForYesNo::FormShow);
  p.Method("kxButton1Click", &TForm_AskForYesNo::kxButton1Click);
  p.Method("kxButton2Click", &TForm_AskForYesNo::kxButton2Click);
  p.Method("FormKeyPress", &TForm_AskForYesNo::FormKeyPress);
}

bool TForm_AskForYesNo::Execute(Integer Kind, const std::string& Question) {
  questionText = Question;
  questionKind = Kind;
  std::unique_ptr<TForm_AskForYesNo, TObjectDeleter> form(NewObject<TForm_AskForYesNo>(nullptr));
  return form->ShowModal() == mrOk;
}

void TForm_AskForYesNo::FormShow(TObject*) {
  const bool yesFirst = questionKind == QuestionDefaultYes;
  Label1->SetCaption(questionText);
  Image1->SetVisible(yesFirst);
  Image2->SetVisible(questionKind == QuestionDefaultNo);
  kxButton1->SetDefault(yesFirst);
  kxButton2->SetDefault(!yesFirst);
  SetClientWidth(Label1->Width() + kTextMargin);
  PrepareForm(this);
  SetActiveControl(yesFirst ? kxButton1 : kxButton2);
}

void TForm_AskForYesNo::kxButton1Click(TObject*) { SetModalResult(mrOk); }

void TForm_AskForYesNo::kxButton2Click(TObject*) { Close(); }

void TForm_AskForYesNo::FormKeyPress(TObject*, char& Key) {
  if (Key != kEscape) return;
  Key = 0;
  Close();
}

std::string TForm_AskForYesNo::BoxText() const { return Label1->Caption(); }
