// The class library's message dialogs: MessageDlg and MessageDlgPos ask with a form of a dialog
// type (its caption and icon) and a set of buttons and answer the modal result of the button
// pressed (mrYes ...); ShowMessage shows a text with one OK button under the application's title.
//
// Types: mtWarning "Warning" (exclamation icon), mtError "Error" (stop icon), mtInformation
// "Information" (information icon), mtConfirmation "Confirmation" (question icon), mtCustom the
// application's title and no icon.  Buttons appear in the order of TMsgDlgBtn whatever the order
// they are given in.  Enter presses the default button: OK when there is one, else Yes, else
// Retry, else the first; Escape presses Cancel, else No, else OK, else nothing.  Closing the form
// any other way answers mrCancel.  The Help button closes nothing: it answers no modal result.
#pragma once

#include <string>

#include "platform/classes/enum_set.h"
#include "platform/classes/type_info.h"
#include "platform/ui/control_types.h"

class TForm;

PR_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
PR_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbYesAllNoAllCancel{mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// A new message form without owner, not shown; the caller shows and frees it.
TForm* CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx);
// As MessageDlg with the form's top left corner at screen point (X, Y); -1 centres it on the screen.
TModalResult MessageDlgPos(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx,
                           Integer X, Integer Y);
void ShowMessage(const std::string& Msg);
void ShowMessagePos(const std::string& Msg, Integer X, Integer Y);
