#include "tests/support/ui/ui_test_fixture.h"

#include "platform/classes/memory_stream.h"
#include "platform/classes/object_text.h"
#include "platform/core/units.h"
#include "platform/gdi/sys_colors.h"
#include "platform/ui/application.h"
#include "platform/ui/screen.h"
#include "platform/ui/ui_classes.h"
#include "platform/user/input_processing.h"
#include "platform/user/input_state.h"
#include "platform/user/message_loop.h"
#include "platform/user/system_metrics.h"

namespace uitest {

namespace {

class FormsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { InitializeUnits({FormsUnit}); }
  void TearDown() override { FinalizeUnits(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new FormsEnvironment);

void DrainQueue() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) continue;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

}  // namespace

UiTest::UiTest() {
  user::ResetSystemMetrics();
  gdi::ResetSysColors();
  user::ResetInputProcessing();
  user::InputState::Instance() = user::InputState{};
  driver_ = std::make_unique<TTestDriver>();
}

UiTest::~UiTest() {
  while (Screen->CustomFormCount() > 0) delete Screen->CustomForms(0);
  driver_.reset();
  DrainQueue();
  Application->SetMainForm(nullptr);
  user::ResetInputProcessing();
}

TForm* UiTest::NewForm(const std::string& name, bool show) {
  auto* form = NewObject<TForm>(Application, TCustomForm::CreateNewTag{});
  form->SetName(name);
  if (show) {
    form->Show();
    driver_->Settle();
  }
  return form;
}

TForm* UiTest::ReadForm(const std::string& text) {
  RegisterUiClasses();
  TForm* form = NewForm("", false);
  ReadFormImageText(text, form);
  return form;
}

void ReadFormImageText(const std::string& text, TComponent* into) {
  TMemoryStream image, binary;
  image.WriteBuffer(text.data(), Integer(text.size()));
  image.SetPosition(0);
  ObjectTextToBinary(&image, &binary);
  binary.SetPosition(0);
  binary.ReadComponent(into);
}

std::string FormImageText(TComponent* component) {
  TMemoryStream binary, text;
  binary.WriteComponent(component);
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), std::size_t(text.Size()));
}

void NotificationLog::Watch(TControl* control) {
  TWndMethod original = control->WindowProc;
  control->WindowProc = [entries = entries_, control, original](TMessage& m) {
    const std::string name = CmName(m.Msg);
    if (!name.empty()) entries->push_back(control->Name() + ":" + name);
    original(m);
  };
}

std::vector<std::string> NotificationLog::Take() {
  std::vector<std::string> taken;
  taken.swap(*entries_);
  return taken;
}

std::string CmName(UINT message) {
  static const std::pair<UINT, const char*> kNames[] = {
      {CM_ACTIVATE, "CM_ACTIVATE"},
      {CM_DEACTIVATE, "CM_DEACTIVATE"},
      {CM_FOCUSCHANGED, "CM_FOCUSCHANGED"},
      {CM_PARENTFONTCHANGED, "CM_PARENTFONTCHANGED"},
      {CM_PARENTCOLORCHANGED, "CM_PARENTCOLORCHANGED"},
      {CM_VISIBLECHANGED, "CM_VISIBLECHANGED"},
      {CM_ENABLEDCHANGED, "CM_ENABLEDCHANGED"},
      {CM_COLORCHANGED, "CM_COLORCHANGED"},
      {CM_FONTCHANGED, "CM_FONTCHANGED"},
      {CM_CURSORCHANGED, "CM_CURSORCHANGED"},
      {CM_CTL3DCHANGED, "CM_CTL3DCHANGED"},
      {CM_PARENTCTL3DCHANGED, "CM_PARENTCTL3DCHANGED"},
      {CM_TEXTCHANGED, "CM_TEXTCHANGED"},
      {CM_MOUSEENTER, "CM_MOUSEENTER"},
      {CM_MOUSELEAVE, "CM_MOUSELEAVE"},
      {CM_SHOWINGCHANGED, "CM_SHOWINGCHANGED"},
      {CM_ENTER, "CM_ENTER"},
      {CM_EXIT, "CM_EXIT"},
      {CM_SHOWHINTCHANGED, "CM_SHOWHINTCHANGED"},
      {CM_PARENTSHOWHINTCHANGED, "CM_PARENTSHOWHINTCHANGED"},
      {CM_SYSCOLORCHANGE, "CM_SYSCOLORCHANGE"},
      {CM_WININICHANGE, "CM_WININICHANGE"},
      {CM_UIACTIVATE, "CM_UIACTIVATE"},
      {CM_CONTROLLISTCHANGE, "CM_CONTROLLISTCHANGE"},
      {CM_CONTROLCHANGE, "CM_CONTROLCHANGE"},
      {CM_BIDIMODECHANGED, "CM_BIDIMODECHANGED"},
      {CM_PARENTBIDIMODECHANGED, "CM_PARENTBIDIMODECHANGED"},
  };
  for (const auto& [number, name] : kNames)
    if (number == message) return name;
  return {};
}

}  // namespace uitest
