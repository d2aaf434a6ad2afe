// Dialog keys: the tab order, Enter and Escape in a modal form, key preview and accelerators.
#include "platform/ui/button.h"
#include "platform/ui/label.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

template <class T>
T* Add(TForm* form, TWinControl* parent, const char* name, Integer x, Integer y) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetParent(parent);
  control->SetLeft(x);
  control->SetTop(y);
  return control;
}

// A windowed control that takes the focus and wants no dialog keys of its own.
TWinControl* AddField(TForm* form, const char* name, Integer y) {
  auto* field = Add<TWinControl>(form, form, name, 100, y);
  field->SetBounds(100, y, 80, 20);
  field->SetTabStop(true);
  return field;
}

class KeyboardTest : public UiTest {};

TEST_F(KeyboardTest, TabAndShiftTabWalkTheTabOrder) {
  TForm* form = NewForm("Form1", false);
  auto* first = Add<TButton>(form, form, "First", 10, 10);
  auto* second = Add<TButton>(form, form, "Second", 10, 40);
  auto* third = Add<TButton>(form, form, "Third", 10, 70);
  auto* skipped = Add<TButton>(form, form, "Skipped", 10, 100);
  skipped->SetTabStop(false);
  third->SetTabOrder(0);   // tab order: Third, First, Second, Skipped
  form->Show();
  driver_->Settle();
  ASSERT_EQ(driver_->FocusedControl(), third);
  const struct {
    Word key;
    TShiftState shift;
    TWinControl* expected;
  } steps[] = {{VK_TAB, {}, first},         {VK_TAB, {}, second}, {VK_TAB, {}, third},
               {VK_TAB, {ssShift}, second}, {VK_TAB, {ssShift}, first}, {VK_TAB, {ssShift}, third}};
  for (const auto& step : steps) {
    driver_->PressKey(step.key, step.shift);
    EXPECT_EQ(driver_->FocusedControl(), step.expected);
    EXPECT_EQ(form->ActiveControl(), step.expected);
  }
}

TEST_F(KeyboardTest, EnterAndEscapePressTheDefaultAndCancelButtonsOfAModalForm) {
  const struct {
    Word key;
    TModalResult expected;
  } cases[] = {{VK_RETURN, mrOk}, {VK_ESCAPE, mrCancel}};
  for (const auto& c : cases) {
    TForm* form = NewForm("Dialog", false);
    AddField(form, "Field", 10);
    auto* ok = Add<TButton>(form, form, "OK", 10, 50);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = Add<TButton>(form, form, "Cancel", 100, 50);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    Integer okClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    driver_->OnNextModal([&](TCustomForm&, TTestDriver& d) {
      EXPECT_EQ(d.FocusedControl()->Name(), "Field");
      d.PressKey(c.key);
    });
    EXPECT_EQ(form->ShowModal(), c.expected);
    EXPECT_EQ(okClicks, c.expected == mrOk ? 1 : 0);
    EXPECT_FALSE(form->Visible());
    delete form;
  }
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButtonRatherThanTheDefault) {
  TForm* form = NewForm("Dialog", false);
  auto* ok = Add<TButton>(form, form, "OK", 10, 50);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* other = Add<TButton>(form, form, "Other", 100, 50);
  other->SetModalResult(mrRetry);
  driver_->OnNextModal([&](TCustomForm&, TTestDriver& d) {
    other->SetFocus();   // the focused button takes the default frame
    EXPECT_TRUE(other->Active());
    EXPECT_FALSE(ok->Active());
    d.PressKey(VK_RETURN);
  });
  EXPECT_EQ(form->ShowModal(), mrRetry);
}

TEST_F(KeyboardTest, KeyPreviewShowsKeysToTheFormFirst) {
  const struct {
    bool preview;
    bool formSwallows;
    std::vector<std::string> expected;
  } cases[] = {{false, false, {"Field:65"}},
               {true, false, {"Form1:65", "Field:65"}},
               {true, true, {"Form1:65"}}};
  for (const auto& c : cases) {
    TForm* form = NewForm("Form1", false);
    TWinControl* field = AddField(form, "Field", 10);
    std::vector<std::string> log;
    form->SetKeyPreview(c.preview);
    form->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
      log.push_back("Form1:" + std::to_string(key));
      if (c.formSwallows) key = 0;
    };
    field->OnKeyDown = [&](TObject*, Word& key, TShiftState) { log.push_back("Field:" + std::to_string(key)); };
    form->Show();
    driver_->Settle();
    driver_->PressKey('A');
    EXPECT_EQ(log, c.expected);
    delete form;
  }
}

TEST_F(KeyboardTest, ALabelsAcceleratorFocusesItsFocusControl) {
  const struct {
    TShiftState shift;
    const char* caption;
    bool focuses;
  } cases[] = {{{ssAlt}, "&Name", true}, {{}, "&Name", true}, {{ssAlt}, "Na&me", false}};
  for (const auto& c : cases) {
    TForm* form = NewForm("Form1", false);
    auto* button = Add<TButton>(form, form, "Button", 10, 10);
    TWinControl* field = AddField(form, "Field", 50);
    auto* label = Add<TLabel>(form, form, "Label", 10, 50);
    label->SetCaption(c.caption);
    label->SetFocusControl(field);
    form->Show();
    driver_->Settle();
    ASSERT_EQ(driver_->FocusedControl(), button);
    driver_->PressKey('N', c.shift);
    EXPECT_EQ(driver_->FocusedControl(), c.focuses ? field : static_cast<TWinControl*>(button)) << c.caption;
    delete form;
  }
}

}  // namespace
}  // namespace uitest
