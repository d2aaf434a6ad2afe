// Forms built from their text form images: what they read, how they look, how they close.
#include <cstring>

#include "demo_form.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/form_image.h"
#include "platform/classes/memory_stream.h"
#include "platform/gdi/sys_colors.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/button.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/picture.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class FormTest : public UiTest {
 protected:
  TDemoForm* ShowDemo() {
    auto* form = Application->CreateForm<TDemoForm>();
    form->Show();
    driver_->Settle();
    return form;
  }
};

TEST_F(FormTest, TheFormImageBuildsTheFormAndBindsItsFieldsAndHandlers) {
  auto* form = Application->CreateForm<TDemoForm>();
  EXPECT_EQ(form->Name(), "DemoForm");
  EXPECT_EQ(form->Caption(), "Demo");
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  EXPECT_EQ(form->ClientWidth(), 240);
  EXPECT_EQ(form->ClientHeight(), 160);
  EXPECT_EQ(form->Font()->Name(), "Tahoma");
  EXPECT_EQ(Application->MainForm(), form);
  ASSERT_NE(form->OkButton, nullptr);
  ASSERT_NE(form->Picture, nullptr);
  EXPECT_EQ(form->NameLabel->Caption(), "&Name:");
  EXPECT_EQ(form->Panel1->BevelInner(), bvLowered);
  EXPECT_EQ(form->Picture->Parent(), form->Panel1);
  EXPECT_TRUE(form->OkButton->Default());
  EXPECT_TRUE(form->CancelButton->Cancel());
  EXPECT_EQ(form->CancelButton->ModalResult(), mrCancel);
  EXPECT_EQ(form->CancelButton->TabOrder(), 2);
  auto* bitmap = dynamic_cast<TBitmap*>(form->Picture->Picture()->Graphic());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 16);
  EXPECT_EQ(bitmap->PixelFormat(), pf24bit);
  EXPECT_TRUE(form->OkButton->OnClick);
  form->OkButton->Click();
  EXPECT_EQ(form->okClicks, 1);
}

TEST_F(FormTest, TheShownDemoFormLooksAsTheClassicReferenceSays) {
  TDemoForm* form = ShowDemo();
  const COLORREF white = RGB(255, 255, 255), face = GetSysColor(COLOR_BTNFACE),
                 shadow = GetSysColor(COLOR_BTNSHADOW), dark = GetSysColor(COLOR_3DDKSHADOW),
                 frame = GetSysColor(COLOR_WINDOWFRAME);
  const struct {
    const char* what;
    TControl* control;
    Integer x, y;
    COLORREF expected;
  } probes[] = {
      {"form background", form, 2, 150, face},
      {"label background", form->NameLabel, 30, 1, face},
      {"panel outer bevel, top left", form->Panel1, 0, 0, white},
      {"panel outer bevel, bottom right", form->Panel1, 159, 79, shadow},
      {"panel inner bevel, top left", form->Panel1, 1, 1, shadow},
      {"panel inner bevel, bottom right", form->Panel1, 158, 78, white},
      {"panel face", form->Panel1, 100, 70, face},
      {"image, top left quarter", form->Picture, 2, 2, RGB(255, 0, 0)},
      {"image, top right quarter", form->Picture, 13, 2, RGB(0, 160, 0)},
      {"image, bottom left quarter", form->Picture, 2, 13, RGB(0, 0, 255)},
      {"image, bottom right quarter", form->Picture, 13, 13, RGB(255, 255, 0)},
      {"default button frame", form->OkButton, 0, 0, frame},
      {"default button, outer light", form->OkButton, 1, 1, white},
      {"default button, outer dark", form->OkButton, 55, 23, dark},
      {"default button, inner dark", form->OkButton, 54, 22, shadow},
      {"default button face", form->OkButton, 6, 12, face},
      {"button, outer light", form->CancelButton, 0, 0, white},
      {"button, outer dark corner", form->CancelButton, 56, 0, dark},
      {"button, outer dark", form->CancelButton, 56, 24, dark},
      {"button, inner dark", form->CancelButton, 55, 23, shadow},
      {"button face", form->CancelButton, 6, 12, face},
  };
  for (const auto& probe : probes)
    EXPECT_EQ(driver_->Pixel(probe.control, probe.x, probe.y), probe.expected) << probe.what;
}

TEST_F(FormTest, TheFocusedDefaultButtonShowsTheFocusFrame) {
  TDemoForm* form = ShowDemo();
  ASSERT_EQ(driver_->FocusedControl(), form->OkButton);
  // The focus frame runs 4 pixels inside the button, every other pixel inverted.
  const COLORREF face = GetSysColor(COLOR_BTNFACE), inverted = ~face & 0xFFFFFF;
  const COLORREF first = driver_->Pixel(form->OkButton, 4, 4), second = driver_->Pixel(form->OkButton, 5, 4);
  EXPECT_TRUE((first == face && second == inverted) || (first == inverted && second == face));
  EXPECT_EQ(driver_->Pixel(form->OkButton, 5, 5), face) << "inside the focus frame";
  driver_->PressKey(VK_TAB);
  EXPECT_EQ(driver_->FocusedControl(), form->CancelButton);
  EXPECT_EQ(driver_->Pixel(form->OkButton, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT)) << "the default frame moved";
  EXPECT_EQ(driver_->Pixel(form->CancelButton, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(FormTest, AModalDemoFormAnswersItsButtons) {
  auto* form = Application->CreateForm<TDemoForm>();
  driver_->OnNextModal([](TCustomForm& f, TTestDriver& d) { d.Click(static_cast<TDemoForm&>(f).CancelButton); });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  // Reopened, the form keeps its focused control (Cancel, which Enter would press): Tab wraps to OK.
  driver_->OnNextModal([](TCustomForm& f, TTestDriver& d) {
    EXPECT_EQ(d.FocusedControl(), static_cast<TDemoForm&>(f).CancelButton);
    d.PressKey(VK_TAB);
    d.PressKey(VK_RETURN);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(form->okClicks, 1);
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(FormTest, ABadFormImageRaisesTheReadersError) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"object F: TForm\n  Colour = clRed\nend\n", "Error reading F.Colour: Property Colour does not exist"},
      {"object F: TForm\n  object X: TNoSuchClass\n  end\nend\n", "Class TNoSuchClass not found"},
  };
  for (const auto& c : cases) {
    auto* form = new TForm(Application, TCustomForm::CreateNewTag{});
    try {
      TMemoryStream image;
      image.WriteBuffer(c.text, Integer(std::strlen(c.text)));
      image.SetPosition(0);
      ReadComponentAnyForm(&image, form);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    delete form;
  }
}

}  // namespace
}  // namespace uitest
