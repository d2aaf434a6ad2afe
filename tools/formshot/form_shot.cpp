#include "form_shot.h"

#include <memory>

#include "platform/classes/file_stream.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/object_text.h"
#include "platform/classes/reader.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/user/painting.h"
#include "platform/user/window_capture.h"

namespace {

void ReadIgnoringHandlers(TStream* image, TComponent* root) {
  TMemoryStream binary;
  if (TestStreamFormat(image) == sofText) {
    ObjectTextToBinary(image, &binary);
  } else {
    binary.CopyFrom(image, 0);
  }
  binary.SetPosition(0);
  TReader reader(&binary, 4096);
  reader.OnFindMethod = [](TReader*, const std::string&, const TMethodEntry*&, bool& Error) { Error = false; };
  reader.ReadRootComponent(root);
}

}  // namespace

TForm* LoadFormForShot(const std::string& Path) {
  TFileStream file(Path, fmOpenRead | fmShareDenyWrite);
  std::unique_ptr<TForm, TObjectDeleter> form(NewObject<TForm>(Application, TCustomForm::CreateNewTag{}));
  ReadIgnoringHandlers(&file, form.get());
  return form.release();
}

bool ShootForm(TForm* Form, const std::string& Output) {
  Form->Show();
  Application->ProcessMessages();
  UpdateWindow(Form->Handle());
  Application->ProcessMessages();
  return user::SaveWindowPng(Form->Handle(), Output);
}
