// The format controller: its masks, formats and currency format under th-TH and en-US and under
// overridden locale items, and its listeners told of "intl" and time changes through its message
// window.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "controls/editors/kx_format_builders.h"
#include "controls/editors/kx_formats.h"
#include "platform/core/cp874.h"
#include "platform/core/exceptions.h"
#include "platform/core/format_settings.h"
#include "platform/os/locale.h"
#include "platform/ui/application.h"
#include "platform/ui/message_box.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

const std::string kDay = "([012]?[1-9]|[123]0|31)";
const std::string kMonthNumber = "(0?[1-9]|1[012])";
const std::string kSmartTail = ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";

// The twelve names, each quoted, separated by "|".
std::string Alternatives(const std::string_view (&names)[12]) {
  std::string text;
  for (std::string_view name : names) text += (text.empty() ? "'" : "|'") + std::string(name) + "'";
  return text;
}

// The extended masks hold the plain mask first: "(" + plain + ")|(" keywords ...
std::string PlainPartOf(const std::string& extended) {
  const size_t end = extended.find(")|('today'");
  return end == std::string::npos || extended.front() != '(' ? "" : extended.substr(1, end - 1);
}

TEST(FormatController, EnUsMasksAndFormats) {
  ScopedLocale locale("en-US");
  TkxFormatController controller;
  EXPECT_EQ(controller.ClassicDateMask, "!99/99/9999;1; ");
  EXPECT_EQ(controller.GeneratedDateMask, "!99/99/9999;1; ");
  EXPECT_EQ(controller.ClassicDateTimeMask, "!99/99/9999\\ 99:99:99\\ cc;1; ");
  const std::string_view names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::string date = "(" + kMonthNumber + "|(" + Alternatives(names) + "))\\/" + kDay + "\\/\\d\\d\\d\\d";
  const std::string time = "(0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '('AM'|'PM')?";
  EXPECT_EQ(PlainPartOf(controller.DateRegExprMask), date);
  EXPECT_EQ(PlainPartOf(controller.DateTimeRegExprMask), date + " ' '(" + time + ")?");
  EXPECT_TRUE(controller.DateRegExprMask.ends_with("|'eom'" + kSmartTail));
  EXPECT_TRUE(controller.DateTimeRegExprMask.ends_with("|'eom'|'now'" + kSmartTail));
  EXPECT_EQ(controller.DateDisplayFormat, "mm/dd/yyyy");
  EXPECT_EQ(controller.DateTimeDisplayFormat, "mm/dd/yyyy\" \"hh:nn:ss\" \"ampm");
  EXPECT_EQ(controller.DateEditText, "MM/dd/yyyy");
  EXPECT_EQ(controller.CurrencyText, "$,0.00;($,0.00)");
  EXPECT_EQ(controller.WeekStartDay, 0);   // Sunday
  EXPECT_EQ(controller.FirstWeekRule, 0);
  EXPECT_FALSE(controller.UsePlatformFormats);
  EXPECT_EQ(controller.TimeLayout.ItemList.front().Text, "12H");
}

TEST(FormatController, ThTHMasksAndFormats) {
  ScopedLocale locale("th-TH");
  TkxFormatController controller;
  EXPECT_EQ(controller.DateEditText, "dd/MM/yyyy");
  EXPECT_EQ(controller.ClassicDateMask, "!99/99/9999;1; ");
  EXPECT_EQ(controller.ClassicDateTimeMask, "!99/99/9999\\ 99:99:99;1; ");
  const std::string_view names[12] = {"ม.ค."_cp874, "ก.พ."_cp874,  "มี.ค."_cp874, "เม.ย."_cp874,
                                 "พ.ค."_cp874, "มิ.ย."_cp874, "ก.ค."_cp874,  "ส.ค."_cp874,
                                 "ก.ย."_cp874, "ต.ค."_cp874,  "พ.ย."_cp874, "ธ.ค."_cp874};
  const std::string date = kDay + "\\/(" + kMonthNumber + "|(" + Alternatives(names) + "))\\/\\d\\d\\d\\d";
  EXPECT_EQ(PlainPartOf(controller.DateRegExprMask), date);
  EXPECT_EQ(PlainPartOf(controller.DateTimeRegExprMask),
            date + " ' '(([01]?\\d|2[0-3])\\:[0-5]?\\d\\:[0-5]?\\d)?");
  EXPECT_EQ(controller.DateTimeDisplayFormat, "dd/mm/yyyy\" \"hh:nn:ss");
  EXPECT_EQ(controller.CurrencyText, "฿,0.00;-฿,0.00"_cp874);
  EXPECT_EQ(controller.TimeLayout.ItemList.front().Text, "24H");
}

TEST(FormatController, CurrencyFollowsTheLocalesLayouts) {
  const struct {
    const char* positive;
    const char* negative;
    const char* format;
  } cases[] = {
      {"0", "0", "$,0.00;($,0.00)"},   {"0", "1", "$,0.00;-$,0.00"},    {"0", "2", "$,0.00;$-,0.00"},
      {"0", "3", "$,0.00;$,0.00-"},    {"0", "4", "$,0.00;(,0.00$)"},   {"0", "5", "$,0.00;-,0.00$"},
      {"0", "6", "$,0.00;,0.00-$"},    {"0", "7", "$,0.00;,0.00$-"},    {"0", "8", "$,0.00;-,0.00 $"},
      {"0", "9", "$,0.00;-$ ,0.00"},   {"0", "10", "$,0.00;,0.00 $-"},  {"0", "11", "$,0.00;$ ,0.00-"},
      {"0", "12", "$,0.00;$ -,0.00"},  {"0", "13", "$,0.00;,0.00- $"},  {"0", "14", "$,0.00;($ ,0.00)"},
      {"0", "15", "$,0.00;(,0.00 $)"}, {"0", "16", "$,0.00;"},          {"1", "1", ",0.00$;-$,0.00"},
      {"2", "1", "$ ,0.00;-$,0.00"},   {"3", "1", ",0.00 $;-$,0.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.positive) + " " + c.negative);
    ScopedLocale locale("en-US");
    SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_ICURRENCY, c.positive);
    SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_INEGCURR, c.negative);
    GetFormatSettings();
    EXPECT_EQ(TkxFormatController().CurrencyText, c.format);
  }
  ScopedLocale locale("en-US");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SCURRENCY, "Rs.,");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_ICURRDIGITS, "0");
  GetFormatSettings();
  EXPECT_EQ(TkxFormatController().CurrencyText, "Rs'.'',',0.;(Rs'.'',',0.)");
  FormatSettings.CurrencyString.clear();
  EXPECT_EQ(TkxFormatController().CurrencyText, ";(,0.)");
}

TEST(FormatController, AnEraEmptiesTheItemsMasksAndFormats) {
  const struct {
    const char* shortDate;
    const char* longTime;
    bool dateEmpty;
  } cases[] = {{"d/M/yyyy gg", "h:mm:ss", true}, {"g d/M/yyyy", "h:mm:ss", true}, {"d/M/yyyy", "h:mm g", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.shortDate) + " " + c.longTime);
    ScopedLocale locale("en-US");
    FormatSettings.ShortDateFormat = c.shortDate;
    FormatSettings.LongTimeFormat = c.longTime;
    TkxFormatController controller;
    EXPECT_TRUE(controller.DateTimeLayout.ItemList.empty());
    EXPECT_EQ(controller.ClassicDateTimeMask, "");
    EXPECT_EQ(controller.DateTimeDisplayFormat, "");
    EXPECT_EQ(controller.DateLayout.ItemList.empty(), c.dateEmpty);
    EXPECT_EQ(controller.ClassicDateMask.empty(), c.dateEmpty);
    EXPECT_EQ(controller.DateDisplayFormat.empty(), c.dateEmpty);
    EXPECT_EQ(PlainPartOf(controller.DateRegExprMask).empty(), c.dateEmpty);
    EXPECT_EQ(BuildRegExprMask(controller.TimeLayout, TkxFormatGroup::Time).empty(), !c.dateEmpty);
  }
}

TEST(FormatController, NamedMonthsAndLiterals) {
  ScopedLocale locale("en-US");
  FormatSettings.ShortDateFormat = "dd-MMM-yy";
  FormatSettings.LongMonthNames[0] = "Janvier";
  TkxFormatController controller;
  EXPECT_EQ(controller.ClassicDateMask, "!99\\-lll\\-99;1; ");
  EXPECT_EQ(controller.DateDisplayFormat, "dd\"-\"mmm\"-\"yy");
  EXPECT_EQ(controller.DateEditText, "dd-MMM-yy");
  const std::string months = PlainPartOf(controller.DateRegExprMask);
  EXPECT_NE(months.find("|('Jan'|'Feb'|"), std::string::npos) << months;
  EXPECT_EQ(months.find("Janvier"), std::string::npos);
  EXPECT_NE(months.find("'-'\\d\\d"), std::string::npos) << months;

  FormatSettings.ShortDateFormat = "MMMM d";
  controller.Refresh();
  EXPECT_NE(controller.DateRegExprMask.find("|('Janvier'|'February'|"), std::string::npos);
  EXPECT_EQ(controller.DateEditText, "MMMM dd");
}

TEST(FormatController, DateEditTextDoublesLoneDaysAndMonths) {
  const struct {
    const char* format;
    const char* edit;
  } cases[] = {{"d/M/yyyy", "dd/MM/yyyy"}, {"dd/MM/yy", "dd/MM/yy"}, {"M.d.yy", "MM.dd.yy"},
               {"ddd d MMM", "ddd dd MMM"}, {"yyyy-m-D", "yyyy-m-D"}};
  for (const auto& c : cases) EXPECT_EQ(BuildDateEditText(c.format), c.edit) << c.format;
}

// A listener that counts what it is told.
struct FormatListener : IkxFormatListener {
  void FormatChanged() override { ++formatChanges; }
  int formatChanges = 0;
};
struct FormatAndTimeListener : FormatListener, IkxTimeChangeListener {
  void TimeChanged() override { ++timeChanges; }
  int timeChanges = 0;
};

class FormatControllerListeners : public uitest::UiTest {
 protected:
  void Broadcast(UINT message, const char* section) {
    SendMessageA(HWND_BROADCAST, message, 0, reinterpret_cast<LPARAM>(section));
  }
  ScopedLocale locale_{"en-US"};
};

TEST_F(FormatControllerListeners, IntlTellsEachListenerOnceAndTheMasksFollow) {
  TkxFormatController controller;
  FormatListener plain;
  FormatAndTimeListener timed;
  controller.AddListener(&plain);
  controller.AddListener(&timed);
  controller.AddListener(&plain);   // ignored: already listening
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, "dd-MM-yyyy");

  Broadcast(WM_SETTINGCHANGE, "Intl");   // the section is compared exactly
  EXPECT_EQ(plain.formatChanges + timed.formatChanges, 0);
  EXPECT_EQ(controller.ClassicDateMask, "!99/99/9999;1; ");

  Application->SetUpdateFormatSettings(false);
  Broadcast(WM_SETTINGCHANGE, "intl");
  Application->SetUpdateFormatSettings(true);
  EXPECT_EQ(plain.formatChanges + timed.formatChanges, 0);
  EXPECT_EQ(FormatSettings.ShortDateFormat, "M/d/yyyy");

  Broadcast(WM_SETTINGCHANGE, "intl");
  EXPECT_EQ(plain.formatChanges, 1);
  EXPECT_EQ(timed.formatChanges, 1);
  EXPECT_EQ(timed.timeChanges, 0);
  EXPECT_EQ(FormatSettings.ShortDateFormat, "dd-MM-yyyy");
  EXPECT_EQ(controller.ClassicDateMask, "!99\\-99\\-9999;1; ");
  EXPECT_EQ(controller.DateEditText, "dd-MM-yyyy");
  EXPECT_TRUE(PlainPartOf(controller.DateRegExprMask).starts_with("([012]?[1-9]|[123]0|31)'-'"));
  controller.RemoveListener(&plain);
  controller.RemoveListener(&timed);
}

TEST_F(FormatControllerListeners, TimeChangesReachOnlyTimeChangeListeners) {
  TkxFormatController controller;
  FormatListener plain;
  FormatAndTimeListener timed;
  controller.AddListener(&plain);
  controller.AddListener(&timed);
  Broadcast(WM_TIMECHANGE, nullptr);
  EXPECT_EQ(timed.timeChanges, 1);
  EXPECT_EQ(plain.formatChanges + timed.formatChanges, 0);
  controller.RemoveListener(&timed);
  Broadcast(WM_TIMECHANGE, nullptr);
  EXPECT_EQ(timed.timeChanges, 1);
  controller.RemoveListener(&plain);
}

TEST_F(FormatControllerListeners, AnErrorInAListenerGoesToTheApplicationsHandler) {
  struct Failing : IkxFormatListener {
    void FormatChanged() override { throw EConvertError("no such format"); }
  } failing;
  TkxFormatController controller;
  controller.AddListener(&failing);
  EXPECT_TRUE(Application->UpdateFormatSettings());   // the application's default
  driver_->AnswerNextMessageBox(IDOK);
  Broadcast(WM_SETTINGCHANGE, "intl");
  ASSERT_EQ(driver_->Transcript().size(), 1u);
  EXPECT_EQ(driver_->Transcript().back().Text, "no such format.");
  controller.RemoveListener(&failing);
}

TEST_F(FormatControllerListeners, TheMessageWindowLivesWhileListenersDo) {
  TkxFormatController controller;
  EXPECT_EQ(controller.MessageWindow(), nullptr);
  FormatListener first, second;
  controller.AddListener(&first);
  const HWND window = controller.MessageWindow();
  ASSERT_TRUE(IsWindow(window));
  controller.AddListener(&second);
  EXPECT_EQ(controller.MessageWindow(), window);
  controller.RemoveListener(&first);
  EXPECT_TRUE(IsWindow(window));
  controller.RemoveListener(&first);   // not listening any more: nothing happens
  EXPECT_EQ(controller.Listeners().size(), 1u);
  controller.RemoveListener(&second);
  EXPECT_EQ(controller.MessageWindow(), nullptr);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(FormatControllerListeners, TheSingleControllerIsTheFirstMade) {
  TkxFormatController* single = GetFormatController();
  ASSERT_NE(single, nullptr);
  EXPECT_EQ(GetFormatController(), single);
  TkxFormatController another;
  EXPECT_EQ(GetFormatController(), single);
}

}  // namespace
