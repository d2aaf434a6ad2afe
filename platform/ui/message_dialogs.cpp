#include "platform/ui/message_dialogs.h"

#include "platform/ui/message_form.h"

TForm* CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  return new TMessageForm(nullptr, Msg, DlgType, Buttons);
}

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx) {
  return MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, -1, -1);
}

TModalResult MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx,
                           Integer X, Integer Y) {
  TMessageForm form(nullptr, Msg, DlgType, Buttons);
  form.SetHelpContext(HelpCtx);
  if (X >= 0 || Y >= 0) form.SetPosition(poDesigned);
  if (X >= 0) form.SetLeft(X);
  if (Y >= 0) form.SetTop(Y);
  return form.ShowModal();
}

void ShowMessage(const std::string& Msg) { ShowMessagePos(Msg, -1, -1); }

void ShowMessagePos(const std::string& Msg, Integer X, Integer Y) {
  MessageDlgPos(Msg, mtCustom, TMsgDlgButtons{mbOK}, 0, X, Y);
}
