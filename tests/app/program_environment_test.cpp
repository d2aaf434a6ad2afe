// The suite's program environment: dialogs placed on the screen, forms sized from their
// constraints, the stack of screen identifiers and the calendar offset.
#include <gtest/gtest.h>

#include "app/program_environment.h"
#include "controls/interim/calendar_offset.h"
#include "platform/core/date_time.h"
#include "platform/os/locale.h"
#include "platform/ui/size_constraints.h"
#include "platform/user/system_metrics.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class ProgramEnvironmentTest : public UiTest {
 protected:
  ProgramEnvironmentTest() {
    user::SetSystemMetric(SM_CXSCREEN, 1920);
    user::SetSystemMetric(SM_CYSCREEN, 1080);
  }
};

TEST_F(ProgramEnvironmentTest, ADialogIsCentredFivePixelsHigh) {
  const struct {
    Integer width, height, left, top;
  } cases[] = {{400, 300, 760, 385}, {1000, 700, 460, 185}, {201, 101, 860, 485}};
  for (const auto& c : cases) {
    TForm* form = NewForm("Dialog", false);
    form->SetBounds(3, 4, c.width, c.height);
    PlaceForm(form, 0, 0);
    EXPECT_EQ(form->BoundsRect(), (TRect{c.left, c.top, c.left + c.width, c.top + c.height})) << c.width;
    delete form;
  }
}

TEST_F(ProgramEnvironmentTest, ATag999FormIsSizedFromItsConstraints) {
  TForm* free = NewForm("Free", false);
  free->SetTag(999);
  free->SetBounds(0, 0, 500, 400);
  PlaceForm(free, 0, 0);
  EXPECT_EQ(free->Constraints()->MinHeight(), 400);
  EXPECT_EQ(free->Constraints()->MinWidth(), 500);
  EXPECT_EQ(free->Width(), 500);
  EXPECT_EQ(free->Height(), 400);

  TForm* bounded = NewForm("Bounded", false);
  bounded->SetTag(999);
  bounded->SetBounds(0, 0, 500, 400);
  bounded->Constraints()->SetMaxWidth(900);
  bounded->Constraints()->SetMaxHeight(700);
  PlaceForm(bounded, 600, 0);   // the height limit lowers the maximum by 400 - 600
  EXPECT_EQ(bounded->Width(), 900);
  EXPECT_EQ(bounded->Height(), 900);
  EXPECT_EQ(bounded->Left(), 960 - 450);
}

TEST_F(ProgramEnvironmentTest, ScreenIdentifiersStackTenDeep) {
  PushScreenContext("FILE_A");
  PushScreenContext("FILE_B");
  EXPECT_EQ(CurrentScreenContext(), "FILE_B");
  PopScreenContext();
  EXPECT_EQ(CurrentScreenContext(), "FILE_A");
  PopScreenContext();
  EXPECT_EQ(CurrentScreenContext(), "");
  for (int i = 0; i < 11; ++i) PushScreenContext("S" + std::to_string(i));
  EXPECT_EQ(CurrentScreenContext(), "");
  PopScreenContext();
  EXPECT_EQ(CurrentScreenContext(), "");
  PopScreenContext();
  EXPECT_EQ(CurrentScreenContext(), "S8");
  for (int i = 0; i < 9; ++i) PopScreenContext();
  EXPECT_EQ(CurrentScreenContext(), "");
}

TEST_F(ProgramEnvironmentTest, TheCalendarOffsetComesFromTheShortDatesYear) {
  const struct {
    std::string text;
    Word offset;
  } texts[] = {{"8/12/2569", 543}, {"8/12/2026", 0}, {"8/12/69", 0}, {"2500", 0}, {"2501", 543}, {"", 0}};
  for (const auto& t : texts) EXPECT_EQ(CalendarOffsetOfDateText(t.text), t.offset) << t.text;

  clock_.SetNow(EncodeDate(2026, 12, 8) + 0.25);
  const struct {
    const char* locale;
    Word offset;
  } locales[] = {{"th-TH", 543}, {"en-US", 0}};
  for (const auto& l : locales) {
    ScopedLocale locale(l.locale);
    CalendarOffset = 7;
    InitCalendarOffset();
    EXPECT_EQ(CalendarOffset, l.offset) << l.locale;
  }
  CalendarOffset = 0;
}

}  // namespace
}  // namespace uitest
