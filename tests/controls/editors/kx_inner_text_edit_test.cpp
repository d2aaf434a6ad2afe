// The inner text edit inside an editor: the caret index (an empty text answers 0), the IME
// counters and the saved selection, the dialog code, Tab and key routing, the clipboard and undo
// messages, the selection event, echo and alignment, and the state routines around a key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/editors/kx_custom_edit.h"
#include "controls/editors/kx_inner_text_edit.h"
#include "platform/ui/form.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

// An editor that logs what its inner edit hands it; the key handler may consume a key.
class TLoggingContainer : public TkxCustomEdit {
 public:
  TLoggingContainer(TComponent* AOwner, bool AIsInplace) : TkxCustomEdit(AOwner, AIsInplace) {}
  void CopyToClipboard() override { Log("copy"); }
  void CutToClipboard() override { Log("cut"); }
  void PasteFromClipboard() override { Log("paste"); }
  void ClearSelection() override { Log("clear"); }
  void AfterUndo() override { log.push_back("after undo"); }
  void KeyPress(char& Key) override {
    log.push_back(std::string("key ") + Key);
    if (Key == consumedChar) Key = '\0';
  }
  char consumedChar = '\0';
  std::vector<std::string> log;

 private:
  void Log(const std::string& what) { log.push_back(what + (UserAction() ? " by the user" : "")); }
};

class InnerTextEditTest : public uitest::UiTest {
 protected:
  TkxCustomInnerTextEdit* NewInner(bool inplace = false) {
    form_ = NewForm("");
    container_ = new TLoggingContainer(form_, inplace);
    container_->SetParent(form_);
    container_->SetBounds(10, 10, 200, 21);
    auto* inner = new TkxCustomInnerTextEdit(container_);
    inner->SetParent(container_);
    inner->SetBounds(2, 2, 196, 17);
    container_->SetInnerControl(inner);
    driver_->Settle();
    return inner;
  }
  LRESULT Send(TkxCustomInnerTextEdit* inner, UINT msg, WPARAM w = 0, LPARAM l = 0) {
    return SendMessageA(inner->WindowHandle(), msg, w, l);
  }
  TForm* form_ = nullptr;
  TLoggingContainer* container_ = nullptr;
};

TEST_F(InnerTextEditTest, TheCaretIndexFollowsTheCaretAndIsZeroInAnEmptyText) {
  TkxCustomInnerTextEdit* inner = NewInner();
  // Positions past the last character answer -1, as the system edit documents; probes are counted.
  int probes = 0;
  TWndMethod original = inner->WindowProc;
  inner->WindowProc = [&probes, inner, original](TMessage& m) {
    if (m.Msg != EM_POSFROMCHAR) return original(m);
    ++probes;
    if (Integer(m.WParam) >= Integer(inner->Text().size())) m.Result = -1;
    else original(m);
  };
  inner->SetFocus();
  driver_->Settle();
  EXPECT_EQ(inner->GetCaretCharIndex(), 0);
  EXPECT_EQ(probes, 0) << "an empty text has no character to probe";
  inner->SetText("abcdef");
  for (Integer position = 0; position <= 6; ++position) {
    inner->SetSelStart(position);
    inner->SetSelLength(0);
    EXPECT_EQ(inner->GetCaretCharIndex(), position);
  }
  EXPECT_GT(probes, 0);
  inner->WindowProc = original;
}

TEST_F(InnerTextEditTest, ADoubleByteImeCharacterKeepsTheSavedSelectionUntilBothBytesCame) {
  TkxCustomInnerTextEdit* inner = NewInner();
  IkxInnerTextEdit* edit = inner->GetHelper();
  inner->SetText("abc");
  edit->SetSelStart(1);
  edit->SetSelLength(0);
  Send(inner, WM_IME_CHAR, 0xA1B2);
  EXPECT_EQ(edit->GetImeLastChar(), char(0xB2));
  Send(inner, WM_CHAR, 0xA1);
  EXPECT_EQ(edit->GetSelStart(), 1) << "one byte still to come";
  EXPECT_EQ(edit->GetImeLastChar(), '\0');
  edit->SetSelStart(3);   // kept aside meanwhile
  Send(inner, WM_CHAR, 0xB2);
  EXPECT_EQ(edit->GetSelStart(), 3) << "both bytes came: the edit answers";
  EXPECT_EQ(inner->Text().size(), 5u);
  Send(inner, WM_IME_CHAR, 'x');
  EXPECT_EQ(edit->GetImeLastChar(), '\0') << "a single-byte character has no trail byte";
}

TEST_F(InnerTextEditTest, TheDialogCodeWantsCharactersAndAllKeysInPlace) {
  for (bool inplace : {false, true}) {
    TkxCustomInnerTextEdit* inner = NewInner(inplace);
    const LRESULT code = Send(inner, WM_GETDLGCODE);
    EXPECT_TRUE(code & DLGC_WANTCHARS);
    EXPECT_EQ((code & DLGC_WANTALLKEYS) != 0, inplace);
    EXPECT_FALSE(code & DLGC_WANTTAB) << "the editor lets Tab move the focus";
  }
}

TEST_F(InnerTextEditTest, KeysGoToTheEditorFirstAndTabIsNeverTyped) {
  TkxCustomInnerTextEdit* inner = NewInner();
  inner->SetFocus();
  container_->consumedChar = 'b';
  driver_->Type("ab");
  EXPECT_TRUE(inner->GetHelper()->GetKeyConsumed()) << "the editor consumed b";
  Send(inner, WM_CHAR, '\t');
  EXPECT_EQ(inner->Text(), "a");
  EXPECT_EQ(container_->log, (std::vector<std::string>{"key a", "key b"})) << "the Tab reached no one";
  Send(inner, WM_CHAR, 'c');
  EXPECT_FALSE(inner->GetHelper()->GetKeyConsumed());
  EXPECT_EQ(inner->Text(), "ac");
}

TEST_F(InnerTextEditTest, EnterAndEscapeOfAnInPlaceEditorNeverReachTheEdit) {
  TkxCustomInnerTextEdit* inner = NewInner(true);
  inner->SetText("ab");
  for (char key : {'\r', '\x1b'}) Send(inner, WM_CHAR, WPARAM(Byte(key)));
  EXPECT_EQ(inner->Text(), "ab");
  EXPECT_EQ(container_->log.size(), 2u) << "the editor saw both";
}

TEST_F(InnerTextEditTest, ClipboardMessagesGoToTheEditorAsTheUsersAction) {
  struct Case {
    bool readOnly;
    UINT msg;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {false, WM_CUT, {"cut by the user"}},        {true, WM_CUT, {"copy by the user"}},
      {false, WM_PASTE, {"paste by the user"}},    {true, WM_PASTE, {}},
      {false, WM_CLEAR, {"clear by the user"}},    {true, WM_CLEAR, {}},
      {false, WM_UNDO, {"after undo"}},
  };
  for (const Case& c : cases) {
    TkxCustomInnerTextEdit* inner = NewInner();
    inner->SetReadOnly(c.readOnly);
    Send(inner, c.msg);
    EXPECT_EQ(container_->log, c.log) << c.msg << (c.readOnly ? " read-only" : "");
    EXPECT_FALSE(container_->UserAction()) << "reset afterwards";
  }
}

TEST_F(InnerTextEditTest, SelectionEchoAndAlignment) {
  TkxCustomInnerTextEdit* inner = NewInner();
  IkxInnerTextEdit* edit = inner->GetHelper();
  int selChanges = 0;
  edit->SetOnSelChange(uitest::NotifyEvent([&](TObject*) { ++selChanges; }));
  inner->SetText("abcd");
  Send(inner, EM_SETSEL, 1, 3);
  EXPECT_EQ(selChanges, 1);
  EXPECT_EQ(edit->GetSelText(), "bc");

  struct Echo {
    TkxEditEchoMode mode;
    char own, shown;
  };
  for (const Echo& c : {Echo{eemPassword, '\0', '*'}, Echo{eemPassword, '#', '#'}, Echo{eemNormal, '#', '\0'}}) {
    edit->SetPasswordChar(c.own);
    edit->SetEchoMode(c.mode);
    EXPECT_EQ(inner->PasswordChar(), c.shown) << int(c.mode) << " " << c.own;
    EXPECT_EQ(edit->GetPasswordChar(), c.own);
  }

  const HWND window = inner->WindowHandle();
  container_->GetActiveProperties()->SetUseLeftAlignmentOnEditing(true);
  edit->SetAlignment(taRightJustify);
  EXPECT_EQ(edit->GetAlignment(), taLeftJustify);
  EXPECT_EQ(inner->WindowHandle(), window) << "nothing changed, nothing recreated";
  container_->GetActiveProperties()->SetUseLeftAlignmentOnEditing(false);
  edit->SetAlignment(taRightJustify);
  EXPECT_EQ(edit->GetAlignment(), taRightJustify);
  EXPECT_TRUE(GetWindowLongA(inner->WindowHandle(), GWL_STYLE) & ES_RIGHT);
}

TEST_F(InnerTextEditTest, TheStateRoutinesTellWhetherAKeyChangedTextOrSelection) {
  TkxCustomInnerTextEdit* inner = NewInner();
  IkxInnerTextEdit* edit = inner->GetHelper();
  inner->SetText("abc");
  edit->SetSelStart(1);
  struct Case {
    bool saveText;
    const char* newText;
    Integer newStart;
    bool changed;
  };
  const Case cases[] = {
      {true, "abc", 1, false}, {true, "ABC", 1, false},   // case alone is no change
      {true, "abd", 1, true},  {false, "abd", 1, false},  // the text is not compared when not saved
      {false, "abc", 2, true},
  };
  for (const Case& c : cases) {
    inner->SetText("abc");
    edit->SetSelStart(1);
    TkxCustomInnerTextEditPrevState state;
    SaveInnerEditState(edit, c.saveText, state);
    inner->SetText(c.newText);
    edit->SetSelStart(c.newStart);
    EXPECT_EQ(HasInnerEditStateChanged(edit, state), c.changed) << c.newText << " " << c.newStart;
  }
}

}  // namespace
