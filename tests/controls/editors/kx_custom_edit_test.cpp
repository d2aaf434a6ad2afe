// The editor base, driven through a small editor of the test's own that keeps its display text:
// the unit start's cursor, the editing cycle as an event log (Escape, validation on Enter and on
// leaving, change-event locking, read-only keys), embedded buttons under real mouse and key input,
// the wheel rule and auto size.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/kx_custom_edit.h"
#include "controls/editors/kx_edit_repository.h"
#include "platform/classes/publisher.h"
#include "platform/core/variant.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/gdi/icon.h"
#include "platform/ui/cursors.h"
#include "platform/ui/message_box.h"
#include "platform/ui/screen.h"
#include "platform/ui/shortcuts.h"
#include "platform/user/cursor.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/module_instance.h"
#include "platform/user/send_message.h"
#include "platform/user/user_types.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

// A text of 13 pixels' height, whatever the value.
class TTextHeightViewData : public TkxCustomEditViewData {
 public:
  using TkxCustomEditViewData::TkxCustomEditViewData;
  TSize CalculateContentSize(TCanvas*, const Variant&, const TkxEditSizeProperties&) override { return {0, 13}; }
};

// Properties of a typing editor: validation runs, Escape restores, a value set is compared.
class TTypingProperties : public TkxCustomEditProperties {
  PR_CLASS(TTypingProperties, TkxCustomEditProperties)

 public:
  using TkxCustomEditProperties::TkxCustomEditProperties;
  static TkxCustomEditProperties* Create(TPersistent* AOwner) { return new TTypingProperties(AOwner); }
  bool CanValidate() const override { return true; }
  bool AllowsTyping() const override { return true; }
  bool ComparesOnValueSet() const override { return true; }
  TkxCustomEditViewDataClass GetViewDataClass() const override {
    return [](TkxCustomEditProperties* AProperties, TkxContainerStyle* AStyle,
              bool AIsInplace) -> TkxCustomEditViewData* {
      return new TTextHeightViewData(AProperties, AStyle, AIsInplace);
    };
  }
};

PR_IMPLEMENT_CLASS(TTypingProperties)

// An editor keeping its display text itself: typed characters join it, Delete clears it, the edit
// value shows as its text.  Every step it takes is logged.
class TTextKeepingEdit : public TkxCustomEdit {
 public:
  explicit TTextKeepingEdit(TComponent* AOwner, bool AIsInplace = false)
      : TkxCustomEdit(AOwner, AIsInplace, &TTypingProperties::Create) {}

  std::string ReadDisplayText() override { return text; }
  void ApplyDisplayValue(const Variant& Value) override { text = VarToStr(Value); }
  void SynchronizeDisplayValue() override { text = VarToStr(GetEditValue()); }
  void SelectAllText() override { log.push_back("select all"); }
  void UpdateDisplayText() override { ++displayUpdates; }
  using TkxCustomEdit::ShouldValidateOnFocusChange;
  void PropertiesChanged(TObject* Sender) override {
    if (Sender == Properties()) ++ownPropertiesChanges;
    TkxCustomEdit::PropertiesChanged(Sender);
  }

  bool UsesParentBackground() override { return parentBackground; }
  void CopyToClipboard() override { log.push_back("copy"); }
  void CutToClipboard() override { log.push_back("cut"); }
  void PasteFromClipboard() override { log.push_back("paste"); }

  std::string text;
  std::vector<std::string> log;
  bool parentBackground = false;
  int displayUpdates = 0;
  int ownPropertiesChanges = 0;

 protected:
  void SetDisplayValueCore(const Variant& Value) override { AssignEditValueQuietly(Value); }
  bool IsValueChangingChar(char Key) override { return static_cast<unsigned char>(Key) >= 32; }
  bool IsValueChangingKey(Word Key, TShiftState) override { return Key == VK_DELETE; }
  void DoEditKeyPress(char& Key) override {
    TkxCustomEdit::DoEditKeyPress(Key);
    if (Key == 0) return;
    log.push_back(std::string("char ") + (Key == 27 ? std::string("Esc") : std::string(1, Key)));
    if (static_cast<unsigned char>(Key) < 32) return;
    text += Key;
    SetEditModified(true);
    NotifyChange();
  }
};

// An inner control of the test's own: it keeps a text that typed characters join and reports
// each change; the editor reaches it through IkxCustomInnerEdit.
class TTestInnerEdit : public TWinControl, public IkxCustomInnerEdit {
 public:
  explicit TTestInnerEdit(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }
  static TWinControl* Create(TkxCustomEdit* AOwner) { return new TTestInnerEdit(AOwner); }

  TWinControl* GetInnerControlOwnControl() override { return this; }
  TkxContainer* GetInnerControlContainer() override { return static_cast<TkxContainer*>(Owner()); }
  LRESULT CallDefWndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override { return Perform(Msg, WParam, LParam); }
  Variant GetEditValue() override { return Variant(text); }
  TNotifyEvent GetOnChange() override { return onChange; }
  bool GetReadOnly() override { return readOnly; }
  void LockBounds(bool) override {}
  void SafelySetFocus() override { SetFocus(); }
  void SetEditValue(const Variant& Value) override { text = VarToStr(Value); }
  void SetParent(TWinControl* AParent) override { TWinControl::SetParent(AParent); }
  void SetOnChange(const TNotifyEvent& Value) override { onChange = Value; }
  void SetReadOnly(bool Value) override { readOnly = Value; }

  void KeyPress(char& Key) override {
    TWinControl::KeyPress(Key);
    text += Key;
    onChange(this);
  }

  std::string text;
  bool readOnly = false;
  TNotifyEvent onChange;
};

// Properties whose editors follow the inner text for OnChange.
class TSplittingProperties : public TTypingProperties {
  PR_CLASS(TSplittingProperties, TTypingProperties)

 public:
  using TTypingProperties::TTypingProperties;
  static TkxCustomEditProperties* Create(TPersistent* AOwner) { return new TSplittingProperties(AOwner); }
  bool SplitsChangeNotifications() const override { return true; }
};

PR_IMPLEMENT_CLASS(TSplittingProperties)

// An editor with the test's inner control; it logs the characters its hooked inner window
// procedure sees.
class TInnerEditEdit : public TkxCustomEdit {
 public:
  TInnerEditEdit(TComponent* AOwner, bool AIsInplace)
      : TkxCustomEdit(AOwner, AIsInplace, &TSplittingProperties::Create, &TTestInnerEdit::Create) {}
  TTestInnerEdit* Inner() const { return static_cast<TTestInnerEdit*>(InnerEdit()->GetInnerControlOwnControl()); }
  void InnerEditWndProc(TMessage& Message) override {
    if (Message.Msg == WM_CHAR) log.push_back("hooked char " + std::string(1, char(Message.WParam)));
    TkxCustomEdit::InnerEditWndProc(Message);
  }
  std::vector<std::string> log;
};

// An in-place editor with per-activation data whose resets it logs.
class TEditDataEdit : public TTextKeepingEdit {
 public:
  TEditDataEdit(TComponent* AOwner) : TTextKeepingEdit(AOwner, true) {}
  TkxCustomEditDataClass GetEditDataClass() const override {
    return [](TkxCustomEdit* AEdit) { return new TkxCustomEditData(AEdit); };
  }
  void ClearEditData() override { ++resets; }
  int resets = 0;
};

namespace {

class CustomEditTest : public uitest::UiTest {
 protected:
  // A shown form with the editor at (10, 10), 100 x 21, and an ordinary second control.
  TTextKeepingEdit* NewEdit() {
    form_ = NewForm("EditForm");
    auto* edit = new TTextKeepingEdit(form_);
    edit->SetName("Edit1");
    edit->SetParent(form_);
    edit->SetAutoSize(false);
    edit->SetBounds(10, 10, 100, 21);
    other_ = new TkxCustomEdit(form_);
    other_->SetName("Other");
    other_->SetParent(form_);
    other_->SetBounds(10, 50, 100, 21);
    TkxCustomEditProperties* properties = edit->Properties();
    properties->OnChange = [this, edit](TObject*) { edit->log.push_back("change"); };
    properties->OnEditValueChanged = [edit](TObject*) { edit->log.push_back("value changed"); };
    properties->OnButtonClick = [edit](TObject*, Integer AIndex) {
      edit->log.push_back("button " + std::to_string(AIndex));
    };
    driver_->Settle();
    return edit;
  }
  TForm* form_ = nullptr;
  TkxCustomEdit* other_ = nullptr;
  std::unique_ptr<TkxCustomEditData> editData;   // the host's per-activation data
};

using Log = std::vector<std::string>;

TEST_F(CustomEditTest, TheUnitStartRegistersTheMouseWheelCursor) {
  kxEditUnit.initialize();
  const HCURSOR cursor = Screen->Cursors(crKxEditMouseWheel);
  ASSERT_NE(cursor, nullptr);
  EXPECT_EQ(cursor, LoadCursorA(HInstance, "KXEDIT_MOUSEWHEEL"));
  EXPECT_NE(cursor, Screen->Cursors(crDefault));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 15u);
  EXPECT_EQ(info.yHotspot, 15u);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
}

TEST_F(CustomEditTest, LockedChangeEventsFireOnceOrNotAtAll) {
  struct Case {
    bool invoke;
    Log events;
  };
  for (const Case& c : {Case{true, {"change", "value changed"}}, Case{false, {}}}) {
    TTextKeepingEdit* edit = NewEdit();
    edit->LockChangeEvents(true);
    for (int i = 1; i <= 10; ++i) edit->AssignEditValue(Variant(i));
    EXPECT_EQ(edit->log, Log{}) << "nothing fires while locked";
    edit->LockChangeEvents(false, c.invoke);
    EXPECT_EQ(edit->log, c.events) << "invoke " << c.invoke;
    EXPECT_EQ(edit->text, "10");
    edit->log.clear();
    edit->AssignEditValue(Variant(11));
    EXPECT_EQ(edit->log, (Log{"value changed", "change"})) << "unlocked, each change fires";
    delete form_;
  }
}

TEST_F(CustomEditTest, AShownEditorLaysOutItsButtonsInItsViewInfo) {
  TTextKeepingEdit* edit = NewEdit();
  edit->Properties()->Buttons()->Add()->SetKind(bkEllipsis);
  driver_->Settle();
  TkxCustomEditViewInfo* info = edit->GetViewInfo();
  ASSERT_EQ(info->ButtonCount(), 1);
  EXPECT_EQ(info->Button(0).Bounds, (TRect{82, 2, 98, 19}));
  EXPECT_EQ(info->ClientRect, (TRect{2, 2, 82, 19}));
  EXPECT_NE(dynamic_cast<TkxEditStyle*>(edit->GetStyle()), nullptr) << "an editor's styles are edit styles";
}

TEST_F(CustomEditTest, ARepositoryItemOfAnotherPropertiesClassIsRefused) {
  TTextKeepingEdit* edit = NewEdit();
  TkxCustomEditProperties foreign(nullptr);
  try {
    edit->LinkRepositoryProperties(&foreign);
    ADD_FAILURE() << "accepted";
  } catch (const EkxEditError& e) {
    EXPECT_EQ(std::string(e.what()), "The repository item is not acceptable");
  }
  EXPECT_EQ(edit->GetActiveProperties(), edit->Properties()) << "the old link stays";

  TTypingProperties shared(nullptr);
  shared.OnButtonClick = [edit](TObject*, Integer AIndex) { edit->log.push_back("shared " + std::to_string(AIndex)); };
  shared.Buttons()->Add()->SetDefault(true);
  edit->LinkRepositoryProperties(&shared);
  EXPECT_EQ(edit->GetActiveProperties(), &shared);
  driver_->Settle();
  ASSERT_EQ(edit->GetViewInfo()->ButtonCount(), 1) << "laid out from the item's properties";
  edit->SetFocus();
  driver_->PressKey(VK_RETURN, {ssCtrl});
  EXPECT_EQ(edit->log, (Log{"button 0", "shared 0"})) << "the own handler first, then the item's";
  edit->LinkRepositoryProperties(nullptr);
  EXPECT_EQ(edit->GetActiveProperties(), edit->Properties());
}

TEST_F(CustomEditTest, EscapeRestoresTheEntryValueAndSwallowsItsCharacter) {
  TTextKeepingEdit* edit = NewEdit();
  edit->AssignEditValue(Variant("xy"));
  edit->SetFocus();
  driver_->Settle();
  driver_->Type("ab");
  EXPECT_EQ(edit->text, "xyab");
  EXPECT_TRUE(edit->EditModified());
  edit->log.clear();
  driver_->PressKey(VK_ESCAPE);
  EXPECT_EQ(edit->text, "xy");
  EXPECT_EQ(edit->GetEditValue().AsString(), "xy");
  EXPECT_FALSE(edit->EditModified());
  EXPECT_EQ(edit->log, (Log{"select all"})) << "no Escape character reaches the editor";
  driver_->PressKey(VK_ESCAPE);
  EXPECT_EQ(edit->log.back(), "char Esc") << "an Escape with nothing to revert is an ordinary key";
}

TEST_F(CustomEditTest, ARefusedValueRaisesAndKeepsTheFocus) {
  struct Case {
    const char* name;
    std::string handlerText;
    std::string shown;
  };
  const Case cases[] = {
      {"the handler's text", "Not a name.", "Not a name."},
      // The box ends a sentence with a full stop.
      {"the default text", "", "Invalid input value. Use escape key to abandon changes."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTextKeepingEdit* edit = NewEdit();
    edit->Properties()->SetValidateOnEnter(true);
    bool refuse = true;
    edit->Properties()->OnValidate = [&](TObject* Sender, Variant&, std::string& ErrorText, bool& Error) {
      EXPECT_EQ(Sender, edit);
      if (!refuse) return;
      Error = true;
      if (!c.handlerText.empty()) ErrorText = c.handlerText;
    };
    edit->SetFocus();
    driver_->Settle();
    driver_->Type("ab");
    edit->log.clear();
    const std::size_t boxes = driver_->Transcript().size();

    driver_->AnswerNextMessageBox(IDOK);
    driver_->PressKey(VK_RETURN);
    ASSERT_EQ(driver_->Transcript().size(), boxes + 1) << "Enter";
    EXPECT_EQ(driver_->Transcript().back().Text, c.shown);
    EXPECT_EQ(driver_->FocusedControl(), edit);
    ASSERT_FALSE(edit->log.empty());
    EXPECT_EQ(edit->log.front(), "select all") << "the text is selected";
    EXPECT_TRUE(edit->EditModified());

    driver_->AnswerNextMessageBox(IDOK);
    other_->SetFocus();
    driver_->Settle();
    ASSERT_EQ(driver_->Transcript().size(), boxes + 2) << "leaving";
    EXPECT_EQ(driver_->Transcript().back().Text, c.shown);
    EXPECT_EQ(driver_->FocusedControl(), edit) << "the focus stays";
    EXPECT_TRUE(edit->EditModified()) << "the modified flags are restored";
    EXPECT_EQ(edit->GetEditValue().IsNull(), true) << "nothing was taken";

    refuse = false;
    other_->SetFocus();
    driver_->Settle();
    EXPECT_EQ(driver_->FocusedControl(), other_);
    EXPECT_EQ(edit->GetEditValue().AsString(), "ab") << "a valid value is taken on leaving";
    EXPECT_FALSE(edit->EditModified());
    delete form_;
  }
}

TEST_F(CustomEditTest, AReadOnlyEditorHandsValueChangingKeysToTheHost) {
  TTextKeepingEdit* edit = NewEdit();
  edit->AssignEditValue(Variant("kept"));
  edit->Properties()->SetReadOnly(true);
  Log afterKeyDown;
  edit->OnAfterKeyDown = [&](TObject*, Word& Key, TShiftState) { afterKeyDown.push_back(std::to_string(Key)); };
  edit->SetFocus();
  driver_->Settle();
  edit->log.clear();
  driver_->PressKey(VK_DELETE);
  driver_->Type("z");
  EXPECT_EQ(afterKeyDown, (Log{std::to_string(VK_DELETE)}));
  EXPECT_EQ(edit->text, "kept");
  EXPECT_EQ(edit->log, Log{}) << "no character and no change event";
  EXPECT_FALSE(edit->EditModified());
}

TEST_F(CustomEditTest, ButtonsClickOnReleaseOverThemselves) {
  TTextKeepingEdit* edit = NewEdit();
  TkxEditButtons* buttons = edit->Properties()->Buttons();
  buttons->Add()->SetKind(bkEllipsis);   // collection index 0 at (66, 82)
  buttons->Add()->SetVisible(false);
  buttons->Add()->SetKind(bkEllipsis);   // collection index 2 at (82, 98)
  driver_->Settle();
  const TPoint first{70, 10}, last{90, 10}, text{20, 10};

  driver_->ClickAt(edit, last);
  EXPECT_EQ(edit->log, (Log{"button 2"})) << "the collection index, not the visible one";
  edit->log.clear();
  clock_.Advance(1000);

  driver_->PressMouse(edit, first);
  driver_->MoveMouseTo(edit, text);
  driver_->ReleaseMouse();
  EXPECT_EQ(edit->log, Log{}) << "released elsewhere";
  driver_->PressMouse(edit, first);
  driver_->MoveMouseTo(edit, last);
  driver_->ReleaseMouse();
  EXPECT_EQ(edit->log, Log{}) << "released over another button";
  clock_.Advance(1000);

  driver_->ClickAt(edit, first);
  driver_->ClickAt(edit, first);
  EXPECT_EQ(edit->log, (Log{"button 0", "button 0"})) << "a double click clicks twice";
}

TEST_F(CustomEditTest, KeysClickTheDefaultAndTheAcceleratedButton) {
  TTextKeepingEdit* edit = NewEdit();
  TkxEditButtons* buttons = edit->Properties()->Buttons();
  buttons->Add()->SetKind(bkEllipsis);
  TkxEditButton* go = buttons->Add();
  go->SetKind(bkText);
  go->SetCaption("&Go");
  buttons->Add()->SetDefault(true);
  edit->SetFocus();
  driver_->Settle();
  edit->log.clear();

  driver_->PressKey(VK_RETURN, {ssCtrl});
  EXPECT_EQ(edit->log, (Log{"button 2"})) << "Ctrl+Enter";
  edit->log.clear();
  edit->Properties()->SetClickKey(ShortCut(VK_RETURN, {}));
  driver_->PressKey(VK_RETURN);
  EXPECT_EQ(edit->log, (Log{"button 2"})) << "a click key's character does not reach the editor";
  edit->log.clear();
  driver_->PressKey('G', {ssAlt});
  EXPECT_EQ(edit->log, (Log{"button 1"})) << "the accelerator";
  edit->log.clear();
  go->SetEnabled(false);
  driver_->Settle();
  driver_->PressKey('G', {ssAlt});
  EXPECT_EQ(edit->log, Log{}) << "a disabled button's accelerator";
}

TEST_F(CustomEditTest, ASimulatedClickThenARealOneIsADoubleClick) {
  struct Case {
    const char* name;
    UInt64 wait;
    int doubleClicks;
  };
  for (const Case& c : {Case{"within the double-click time", 100, 1}, Case{"after it", 2000, 0}}) {
    SCOPED_TRACE(c.name);
    TTextKeepingEdit* edit = NewEdit();
    int doubleClicks = 0;
    edit->OnDblClick = [&](TObject*) { ++doubleClicks; };
    edit->SimulateMouseClick({ssLeft}, 30, 20, editData);   // the parent's (20, 10) of the editor
    EXPECT_TRUE(edit->DoubleClickTimerRunning());
    clock_.Advance(c.wait);
    driver_->Settle();
    driver_->ClickAt(edit, TPoint{20, 10});
    EXPECT_EQ(doubleClicks, c.doubleClicks);
    delete form_;
    clock_.Advance(2000);
  }
}

TEST_F(CustomEditTest, AnInPlaceEditorTakesTheWheelOnlyWhenAsked) {
  struct Case {
    bool inplace, useWheel, ctrl, takes;
  };
  const Case cases[] = {
      {false, false, false, true}, {true, true, false, true}, {true, false, true, true}, {true, false, false, false},
  };
  for (const Case& c : cases) {
    TTextKeepingEdit edit(nullptr, c.inplace);
    edit.Properties()->SetUseMouseWheel(c.useWheel);
    EXPECT_EQ(edit.CanProcessMouseWheel(c.ctrl ? TShiftState{ssCtrl} : TShiftState{}), c.takes)
        << "in place " << c.inplace << ", UseMouseWheel " << c.useWheel << ", Ctrl " << c.ctrl;
  }
}

// The lines of the editor's object in a form image.
std::string EditorImage(const std::string& formImage) {
  const std::size_t begin = formImage.find("object Edit1");
  return formImage.substr(begin, formImage.find("end", begin) - begin);
}

TEST_F(CustomEditTest, AnAutoSizedHeightIsNotStoredAndIsRecomputedOnLoad) {
  TTextKeepingEdit* edit = NewEdit();
  EXPECT_NE(EditorImage(uitest::FormImageText(form_)).find("Height = 21"), std::string::npos)
      << "a fixed height is stored";
  edit->SetAutoSize(true);
  driver_->Settle();
  const Integer autoHeight = 2 + 13 + 2;   // the border above and below the text
  EXPECT_EQ(edit->Height(), autoHeight);
  edit->SetHeight(50);
  EXPECT_EQ(edit->Height(), autoHeight) << "the automatic height wins";
  const std::string image = EditorImage(uitest::FormImageText(form_));
  EXPECT_EQ(image.find("Height"), std::string::npos) << image;
  EXPECT_NE(image.find("Width = 100"), std::string::npos) << image;

  uitest::ReadFormImageText("object Edit1: TTextKeepingEdit\n  Height = 60\n  Width = 120\nend\n", edit);
  EXPECT_EQ(edit->Width(), 120);
  EXPECT_EQ(edit->Height(), autoHeight) << "recomputed on load";
}

TEST_F(CustomEditTest, TheBackgroundKindFollowsPlaceTransparencyAndParent) {
  struct Case {
    const char* name;
    bool inplace, handler, transparent, parentBackground, native;
    Integer kind;
  };
  const Case cases[] = {
      {"in place with a host's handler", true, true, false, false, false, 0},
      {"in place, transparent", true, false, true, false, false, 2},
      {"in place", true, false, false, false, false, 3},
      {"a transparent control", false, false, true, true, false, 4},
      {"a control on its parent's background", false, false, false, true, false, 5},
      {"a classic control", false, false, false, false, false, 1},
      {"a native control", false, false, false, false, true, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTextKeepingEdit edit(nullptr, c.inplace);
    edit.SetTransparent(c.transparent);
    edit.parentBackground = c.parentBackground;
    TkxCustomEditViewInfo& info = *edit.GetViewInfo();
    info.IsInplace = c.inplace;
    info.NativeStyle = c.native;
    info.CustomBackgroundHandler = [&](TObject*, TkxCanvas*, bool& AHandled) { AHandled = c.handler; };
    EXPECT_EQ(info.GetBackgroundKind(), c.kind);
    EXPECT_EQ(info.HasTransparentBackground(), c.kind != 1 && c.kind != 3);
  }
}

TEST_F(CustomEditTest, ClipboardMessagesRespectReadOnly) {
  struct Case {
    UINT message;
    bool readOnly;
    Log log;
  };
  const Case cases[] = {
      {WM_COPY, false, {"copy"}}, {WM_COPY, true, {"copy"}},  {WM_CUT, false, {"cut"}},
      {WM_CUT, true, {"copy"}},   {WM_PASTE, false, {"paste"}}, {WM_PASTE, true, {}},
  };
  TTextKeepingEdit* edit = NewEdit();
  for (const Case& c : cases) {
    edit->Properties()->SetReadOnly(c.readOnly);
    edit->log.clear();
    edit->Perform(c.message, 0, 0);
    EXPECT_EQ(edit->log, c.log) << "message " << c.message << ", read-only " << c.readOnly;
  }
}

TEST_F(CustomEditTest, AnInPlaceEditorActivatedByAKeyTypesIt) {
  form_ = NewForm("HostForm");
  auto* edit = new TTextKeepingEdit(form_, true);
  edit->SetParent(form_);
  edit->SetBounds(0, 0, 80, 18);
  edit->SetVisible(false);
  driver_->Settle();
  edit->ActivateByKey('q', editData);
  driver_->Settle();
  EXPECT_TRUE(edit->Visible());
  EXPECT_EQ(driver_->FocusedControl(), edit);
  EXPECT_EQ(edit->text, "q");
  EXPECT_EQ(edit->log, (Log{"select all", "char q"}));
}

TEST_F(CustomEditTest, TheInnerEditIsBoundToTheEditorAndFollowsItsReadOnlyState) {
  form_ = NewForm("InnerForm");
  auto* edit = new TInnerEditEdit(form_, false);
  edit->SetParent(form_);
  edit->SetBounds(10, 10, 100, 21);
  TTestInnerEdit* inner = edit->Inner();
  EXPECT_EQ(inner->Owner(), edit);
  EXPECT_EQ(inner->Parent(), edit);
  EXPECT_EQ(edit->InnerControl(), inner);
  EXPECT_FALSE(inner->ParentShowHint());
  EXPECT_FALSE(edit->IsInnerEditUnavailable());
  for (bool readOnly : {true, false}) {
    edit->Properties()->SetReadOnly(readOnly);
    EXPECT_EQ(inner->readOnly, readOnly);
  }
  edit->AdjustInnerEditPosition();
  const TRect client = edit->GetViewInfo()->ClientRect;
  EXPECT_EQ(inner->BoundsRect(), client);
  delete inner;
  EXPECT_EQ(edit->InnerEdit(), nullptr);
  EXPECT_TRUE(edit->IsInnerEditUnavailable());
}

TEST_F(CustomEditTest, AKeyActivatesAnInPlaceEditorThroughItsHookedInnerEdit) {
  form_ = NewForm("HostForm");
  auto* edit = new TInnerEditEdit(form_, true);
  int changes = 0;
  edit->Properties()->OnChange = [&](TObject*) { ++changes; };
  edit->SetParent(form_);
  edit->SetBounds(0, 0, 80, 18);
  edit->SetVisible(false);
  driver_->Settle();
  edit->ActivateByKey('q', editData);
  driver_->Settle();
  EXPECT_EQ(edit->Inner()->text, "q");
  EXPECT_EQ(edit->log, (Log{"hooked char q"}));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(driver_->FocusedControl(), edit->Inner());
  EXPECT_TRUE(edit->EditModified());
  edit->Inner()->Perform(WM_CHAR, 'r', 0);
  EXPECT_EQ(edit->Inner()->text, "qr");
  EXPECT_EQ(edit->log, (Log{"hooked char q"})) << "the window procedure is restored";
}

TEST_F(CustomEditTest, PerActivationDataIsResetOnceAndOutlivesItsEditor) {
  form_ = NewForm("HostForm");
  auto* edit = new TEditDataEdit(form_);
  edit->SetParent(form_);
  edit->SetBounds(0, 0, 80, 18);
  driver_->Settle();
  edit->PrepareForClick(editData);
  ASSERT_NE(editData, nullptr);
  EXPECT_EQ(edit->EditData(), editData.get());
  EXPECT_EQ(editData->Edit(), edit);
  EXPECT_FALSE(editData->NeedsReset());
  edit->PrepareForClick(editData);   // the same data again: no reset
  EXPECT_EQ(edit->resets, 1);
  editData->Clear();
  EXPECT_EQ(edit->resets, 2);

  auto* second = new TEditDataEdit(form_);
  second->SetParent(form_);
  second->PrepareForClick(editData);   // the data now serves the second editor
  EXPECT_EQ(editData->Edit(), second);
  editData->Clear();
  EXPECT_EQ(second->resets, 1);
  EXPECT_EQ(edit->resets, 2);
  delete second;
  EXPECT_EQ(editData->Edit(), nullptr);
  editData->Clear();   // no editor to reset

  edit->PrepareForClick(editData);
  editData.reset();
  EXPECT_EQ(edit->EditData(), nullptr);
}

// Whether typed text is taken when the focus leaves without an exit: a modal form closing with a
// result other than Cancel hides its editor without one; a lone editor of a form losing the focus
// within its top-level window asks for it too (here the form's own window takes the focus, whose
// exit then takes the text whatever the rule says, so the rule's answer is asked for).
TEST_F(CustomEditTest, AFocusChangeValidatesWhenNoExitWillFollow) {
  struct Case {
    const char* name;
    bool modal;
    bool alone;
    TModalResult result;   // modal: how the form closes
    bool validates;
  };
  const Case cases[] = {
      {"a modal form closed with OK", true, false, mrOk, true},
      {"a modal form cancelled", true, false, mrCancel, false},
      {"a lone editor losing the focus to its form", false, true, mrNone, true},
      {"an editor with a neighbour losing the focus to its form", false, false, mrNone, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm* form = NewForm("FocusForm", !c.modal);
    auto* edit = new TTextKeepingEdit(form);
    edit->SetParent(form);
    edit->SetAutoSize(false);
    edit->SetBounds(10, 10, 100, 21);
    if (!c.alone) {
      auto* neighbour = new TkxCustomEdit(form);
      neighbour->SetParent(form);
      neighbour->SetBounds(10, 50, 100, 21);
    }
    int updatesWhileFocused = 0;
    const auto typeAndLeave = [&](TTestDriver& d) {
      edit->SetFocus();
      d.Settle();
      d.Type("ab");
      updatesWhileFocused = edit->displayUpdates;
      if (c.modal) form->SetModalResult(c.result);
      else SetFocus(form->WindowHandle());
      d.Settle();
    };
    if (c.modal) {
      driver_->OnNextModal([&](TCustomForm&, TTestDriver& d) { typeAndLeave(d); });
      EXPECT_EQ(form->ShowModal(), c.result);
      EXPECT_EQ(edit->GetEditValue().IsNull(), !c.validates);
      if (c.validates) {
        EXPECT_EQ(VarToStr(edit->GetEditValue()), "ab");
      }
    } else {
      driver_->Settle();
      typeAndLeave(*driver_);
      EXPECT_NE(driver_->FocusedControl(), edit);
      EXPECT_EQ(edit->ShouldValidateOnFocusChange(), c.validates);
    }
    EXPECT_GE(updatesWhileFocused, 1) << "entering refreshed the display";
    EXPECT_GT(edit->displayUpdates, updatesWhileFocused) << "leaving refreshed the display";
    delete form;
  }
}

TEST_F(CustomEditTest, TheFirstParentMakesTheEditorTakeItsSettingsIn) {
  TForm* form = NewForm("ParentForm");
  auto* edit = new TTextKeepingEdit(form);
  edit->AssignEditValueQuietly(Variant(std::string("x")));
  edit->text = "stale";
  const int changesBefore = edit->ownPropertiesChanges;
  edit->SetParent(form);
  EXPECT_EQ(edit->ownPropertiesChanges, changesBefore + 1);
  EXPECT_EQ(edit->text, "x") << "the display follows the value";
  edit->SetParent(nullptr);
  edit->text = "stale";
  edit->SetParent(form);
  EXPECT_EQ(edit->ownPropertiesChanges, changesBefore + 1) << "only the first parent";
  EXPECT_EQ(edit->text, "stale");
  delete form;
}

TEST_F(CustomEditTest, EditorsAndOnlyEditorsAnswerTheEditorInterface) {
  TTextKeepingEdit* edit = NewEdit();
  auto* container = new TkxContainer(form_);
  const std::pair<TControl*, bool> cases[] = {{edit, true}, {other_, true}, {container, false}, {form_, false}};
  for (const auto& [control, isEditor] : cases) EXPECT_EQ(Supports<IkxEditControl>(control) != nullptr, isEditor);
  delete form_;
}

TEST_F(CustomEditTest, ARepositoryItemTakenFromItsOwnerIsForgotten) {
  NewEdit();
  auto* item = new TkxEditRepositoryItem(form_);
  other_->SetRepositoryItem(item);
  ASSERT_EQ(other_->GetActiveProperties(), item->Properties());
  form_->RemoveComponent(item);
  EXPECT_EQ(other_->RepositoryItem(), nullptr);
  EXPECT_EQ(other_->GetActiveProperties(), other_->Properties());
  delete item;
  delete form_;
}

// An in-place editor stays out of its host's way: the host leaves the tab order while the editor
// shows and does not hear the editor's context-menu message; a standalone editor does neither.
TEST_F(CustomEditTest, AnInPlaceEditorKeepsItsHostOutOfTheTabOrderAndTheContextMenu) {
  struct Case {
    const char* name;
    bool inplace;
    bool visible;
    bool hostInTabOrder;
    bool hostHearsContextMenu;
  };
  const Case cases[] = {
      {"in place, shown", true, true, false, false},
      {"in place, hidden", true, false, true, false},
      {"standalone", false, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm* form = NewForm("HostForm");
    auto* host = new TWinControl(form);
    host->SetParent(form);
    host->SetBounds(0, 0, 200, 100);
    int hostContextMenus = 0;
    const TWndMethod hostProc = host->WindowProc;
    host->WindowProc = [&](TMessage& Message) {
      if (Message.Msg == WM_CONTEXTMENU) ++hostContextMenus;
      hostProc(Message);
    };
    auto* edit = new TTextKeepingEdit(form, c.inplace);
    edit->SetParent(host);
    edit->SetBounds(10, 10, 100, 21);
    edit->SetVisible(c.visible);
    driver_->Settle();
    std::vector<TWinControl*> order;
    form->GetTabOrderList(order);
    EXPECT_EQ(std::count(order.begin(), order.end(), host), c.hostInTabOrder ? 1 : 0);
    SendMessageA(edit->Handle(), WM_CONTEXTMENU, WPARAM(edit->Handle()), MAKELPARAM(20, 20));
    EXPECT_EQ(hostContextMenus > 0, c.hostHearsContextMenu);
    host->WindowProc = hostProc;
    delete form;
  }
}

// The window layer gives the focus back to a remade window; the editor passes it to its inner edit.
TEST_F(CustomEditTest, AWindowMadeAgainWhileFocusedFocusesTheInnerEdit) {
  TForm* form = NewForm("InnerForm");
  auto* edit = new TInnerEditEdit(form, false);
  edit->SetParent(form);
  edit->SetBounds(10, 10, 100, 21);
  driver_->Settle();
  edit->SetFocus();
  driver_->Settle();
  ASSERT_EQ(GetFocus(), edit->Inner()->Handle());
  edit->RecreateWnd();
  driver_->Settle();
  EXPECT_EQ(GetFocus(), edit->Inner()->Handle());
  delete form;
}

TEST_F(CustomEditTest, ReadingHeightMakesTheWindowSoThatAutoSizingHasRun) {
  TForm* form = NewForm("HeightForm", false);
  auto* edit = new TTextKeepingEdit(form);
  edit->SetParent(form);
  const Integer unsized = edit->Height();
  ASSERT_FALSE(edit->HandleAllocated());
  const Integer read = edit->GetHeight();
  EXPECT_TRUE(edit->HandleAllocated());
  Integer w = edit->Width(), h = 0;
  edit->CalculateAutoSize(w, h);
  EXPECT_NE(read, unsized);
  EXPECT_EQ(read, h) << "the auto-sized height";
  auto* orphan = new TTextKeepingEdit(form);
  orphan->GetHeight();
  EXPECT_FALSE(orphan->HandleAllocated()) << "no parent chain to hold a window";
  delete form;
}

TEST_F(CustomEditTest, TheViewInfoFollowsTheCursorWithoutAMouseMessage) {
  TTextKeepingEdit* edit = NewEdit();
  edit->Properties()->Buttons()->Add();
  driver_->Settle();
  ASSERT_EQ(edit->GetViewInfo()->ButtonCount(), 1);
  const TRect b = edit->GetViewInfo()->Button(0).Bounds;
  const TPoint over = edit->ClientToScreen(TPoint{(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2});
  const TPoint away = edit->ClientToScreen(TPoint{2, 2});
  struct Case {
    TPoint cursor;
    Integer hotButton;
  };
  for (const Case& c : {Case{over, 0}, Case{away, -1}}) {
    SetCursorPos(c.cursor.X, c.cursor.Y);
    edit->RecalcViewInfoAtCursor();
    EXPECT_EQ(edit->GetViewInfo()->HotButton, c.hotButton);
  }
  delete form_;
}

TEST_F(CustomEditTest, AViewDataGetsNoEditorWhileTheInnerEditIsGone) {
  TForm* form = NewForm("ViewDataForm");
  auto* edit = new TInnerEditEdit(form, false);
  edit->SetParent(form);
  EXPECT_EQ(edit->CreateViewData()->Edit, edit);
  delete edit->Inner();
  ASSERT_TRUE(edit->IsInnerEditUnavailable());
  EXPECT_EQ(edit->CreateViewData()->Edit, nullptr);
  delete form;
}

TEST(EditUnitRoutines, ShiftOfAButtonLargerSizeAndBlankCharacters) {
  EXPECT_EQ(MouseButtonToShift(mbLeft), TShiftState{ssLeft});
  EXPECT_EQ(MouseButtonToShift(mbRight), TShiftState{ssRight});
  EXPECT_EQ(MouseButtonToShift(mbMiddle), TShiftState{ssMiddle});
  TSize a{10, 30};
  EnlargeSize(a, TSize{20, 5});
  EXPECT_EQ(a.cx, 20);
  EXPECT_EQ(a.cy, 30);
  for (char ch : {'\0', '\t', '\n', '\f', '\r', ' '}) EXPECT_TRUE(IsBlankChar(ch)) << int(ch);
  for (char ch : {'\v', '\x1f', '!', 'a', '\xa0'}) EXPECT_FALSE(IsBlankChar(ch)) << int(ch);
}

// The region routines on rectangles, and the message routines through the editor's key handling.
TEST_F(CustomEditTest, RegionAndMessageRoutines) {
  struct RegionCase {
    TRect target, source;
    bool targetEmpty;
    TRect union_;   // the box after AddRegion
  };
  const RegionCase regions[] = {
      {{0, 0, 0, 0}, {0, 0, 0, 0}, true, {0, 0, 0, 0}},
      {{0, 0, 0, 0}, {2, 3, 5, 7}, true, {2, 3, 5, 7}},
      {{0, 0, 4, 4}, {2, 2, 10, 6}, false, {0, 0, 10, 6}},
      {{1, 1, 2, 2}, {5, 5, 5, 9}, false, {1, 1, 2, 2}},   // an empty source adds nothing
  };
  for (const RegionCase& c : regions) {
    HRGN target = CreateRectRgnIndirect(&c.target), source = CreateRectRgnIndirect(&c.source);
    EXPECT_EQ(IsRegionEmpty(target), c.targetEmpty);
    AddRegion(target, source);
    TRect box{};
    GetRgnBox(target, &box);
    EXPECT_EQ(box, c.union_);
    EXPECT_EQ(IsRegionEmpty(target), c.union_.Right == c.union_.Left);
    DeleteObject(target);
    DeleteObject(source);
  }

  TTextKeepingEdit* edit = NewEdit();
  edit->AssignEditValue(Variant(std::string("v")));
  edit->SetFocus();
  driver_->Settle();
  struct MessageCase {
    const char* name;
    std::function<void()> send;
    std::string text;
    bool modified;
  };
  const MessageCase messages[] = {
      {"a character joins the text", [&] { SendCharMessage(edit, 'q'); }, "vq", true},
      {"Escape after it restores the value", [&] { SendKeyDownMessage(edit, VK_ESCAPE); }, "v", false},
  };
  for (const MessageCase& c : messages) {
    SCOPED_TRACE(c.name);
    c.send();
    EXPECT_EQ(edit->text, c.text);
    EXPECT_EQ(edit->EditModified(), c.modified);
  }
  delete form_;
}

}  // namespace
