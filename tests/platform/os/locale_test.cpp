#include "platform/os/locale.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"

namespace {

TEST(Locale, ItemsOfTheSelectedAndOfANamedLocale) {
  ScopedLocale english("en-US");
  struct Case { LCID locale; LCTYPE type; std::string_view expected; };
  const Case cases[] = {
      {LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, "M/d/yyyy"},
      {LOCALE_SYSTEM_DEFAULT, LOCALE_IDATE, "0"},
      {LOCALE_TH_TH, LOCALE_SSHORTDATE, "d/M/yyyy"},
      {LOCALE_TH_TH, LOCALE_IDATE, "1"},
      {LOCALE_TH_TH, LOCALE_SDATE, "/"},
      {LOCALE_TH_TH, LOCALE_STIME, ":"},
      {LOCALE_TH_TH, LOCALE_SDECIMAL, "."},
      {LOCALE_TH_TH, LOCALE_STHOUSAND, ","},
      {LOCALE_TH_TH, LOCALE_SCURRENCY, "฿"_cp874},
      {LOCALE_TH_TH, LOCALE_SMONTHNAME1 + 11, "ธันวาคม"_cp874},
      {LOCALE_TH_TH, LOCALE_SDAYNAME1 + 6, "อาทิตย์"_cp874},   // the seventh day item is Sunday
      {LOCALE_TH_TH | LOCALE_NOUSEROVERRIDE, LOCALE_SNAME, "th-TH"},
      {LOCALE_EN_US, LOCALE_IDEFAULTANSICODEPAGE, "874"},
  };
  for (const Case& c : cases) {
    // The flag is part of the item type, not of the locale.
    const LCID locale = c.locale & ~LOCALE_NOUSEROVERRIDE;
    const LCTYPE type = c.type | (c.locale & LOCALE_NOUSEROVERRIDE);
    EXPECT_EQ(GetLocaleInfo(locale, type), std::string(c.expected)) << c.locale << " " << c.type;
  }
  EXPECT_FALSE(GetLocaleInfo(0x0411, LOCALE_SSHORTDATE));   // a locale the program has no table for
  EXPECT_FALSE(GetLocaleInfo(LOCALE_USER_DEFAULT, 0x7777));
}

TEST(Locale, BufferFormAnswersSizesAndRefusesShortBuffers) {
  ScopedLocale thai("th-TH");
  char buffer[16];
  std::fill(std::begin(buffer), std::end(buffer), 'x');
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, nullptr, 0), 9);
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buffer, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(buffer[0], 'x');
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buffer, 9), 9);
  EXPECT_STREQ(buffer, "d/M/yyyy");
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, 0x7777, buffer, 16), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, nullptr, 16), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(GetLocaleInfoA(0x0411, LOCALE_SDATE, buffer, 16), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(Locale, FormatSettingsFollowTheTable) {
  ScopedLocale thai("th-TH");
  const TFormatSettings& fs = FormatSettings;
  EXPECT_EQ(fs.ShortDateFormat, "d/M/yyyy");
  EXPECT_EQ(fs.LongDateFormat, "d MMMM yyyy");
  EXPECT_EQ(fs.EraYearOffset, 543);
  EXPECT_EQ(fs.CurrencyString, "฿"_cp874);
  EXPECT_EQ(fs.NegCurrFormat, 1);
  EXPECT_EQ(fs.LongTimeFormat, "h:mm:ss");   // 24-hour clock: no AM/PM part
  EXPECT_EQ(fs.ShortTimeFormat, "h:mm");
  EXPECT_EQ(fs.LongDayNames[0], "อาทิตย์"_cp874);   // the class library's week starts on Sunday
  EXPECT_EQ(fs.ShortDayNames[1], "จ."_cp874);
  EXPECT_EQ(fs.LongMonthNames[0], "มกราคม"_cp874);
  EXPECT_EQ(fs.ShortMonthNames[11], "ธ.ค."_cp874);
  for (char separator : {fs.DateSeparator, fs.TimeSeparator, fs.DecimalSeparator, fs.ThousandSeparator})
    EXPECT_NE(separator, '\0');
}

// The class library's neutral settings are the en-US ones: the en-US table must give them back.
TEST(Locale, EnglishTableGivesTheNeutralSettings) {
  TFormatSettings fs;
  fs.EraYearOffset = 99;
  fs.ShortDateFormat = "junk";
  GetLocaleFormatSettings(LOCALE_EN_US, fs);
  const TFormatSettings neutral;
  EXPECT_EQ(fs.ShortDateFormat, neutral.ShortDateFormat);
  EXPECT_EQ(fs.LongDateFormat, neutral.LongDateFormat);
  EXPECT_EQ(fs.ShortTimeFormat, neutral.ShortTimeFormat);
  EXPECT_EQ(fs.LongTimeFormat, neutral.LongTimeFormat);
  EXPECT_EQ(fs.LongDayNames, neutral.LongDayNames);
  EXPECT_EQ(fs.ShortDayNames, neutral.ShortDayNames);
  EXPECT_EQ(fs.LongMonthNames, neutral.LongMonthNames);
  EXPECT_EQ(fs.CurrencyString, neutral.CurrencyString);
  EXPECT_EQ(fs.EraYearOffset, 0);
}

TEST(Locale, OverridesBelongToTheSelectedLocaleOnly) {
  ScopedLocale thai("th-TH");
  EXPECT_TRUE(SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ","));
  EXPECT_TRUE(SetLocaleInfo(LOCALE_TH_TH, LOCALE_SSHORTDATE, "dd/MM/yyyy"));
  EXPECT_FALSE(SetLocaleInfo(LOCALE_EN_US, LOCALE_SDECIMAL, ","));
  EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL), ",");
  EXPECT_EQ(GetLocaleInfo(LOCALE_TH_TH, LOCALE_SSHORTDATE), "dd/MM/yyyy");
  EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL | LOCALE_NOUSEROVERRIDE), ".");
  EXPECT_EQ(GetLocaleInfo(LOCALE_EN_US, LOCALE_SDECIMAL), ".");
  EXPECT_EQ(FormatSettings.DecimalSeparator, '.');   // until the settings are read again
  GetFormatSettings();
  EXPECT_EQ(FormatSettings.DecimalSeparator, ',');
  EXPECT_EQ(FormatSettings.ShortDateFormat, "dd/MM/yyyy");
  ASSERT_TRUE(SetLocale("en-US"));
  ASSERT_TRUE(SetLocale("th-TH"));
  EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL), ".");
}

TEST(Locale, SelectionByNameAndScopedRestore) {
  ASSERT_TRUE(SetLocale("th-TH"));
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SLIST, ";");
  FormatSettings.ListSeparator = '|';
  {
    ScopedLocale english("EN_us");   // case and '_' do not matter
    EXPECT_EQ(LocaleName(), "en-US");
    EXPECT_EQ(GetUserDefaultLCID(), LOCALE_EN_US);
    EXPECT_EQ(GetThreadLocale(), LOCALE_EN_US);
    EXPECT_EQ(FormatSettings.ShortDateFormat, "M/d/yyyy");
    EXPECT_FALSE(SetLocale("fr-FR"));   // nothing changes
    EXPECT_EQ(LocaleName(), "en-US");
    EXPECT_THROW(ScopedLocale("xx-XX"), std::invalid_argument);
  }
  EXPECT_EQ(LocaleName(), "th-TH");
  EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SLIST), ";");
  EXPECT_EQ(FormatSettings.ListSeparator, '|');
  ASSERT_TRUE(SetLocale("th-TH"));
}

TEST(Locale, UnitSelectsTheThaiDefault) {
  ASSERT_TRUE(SetLocale("en-US"));
  InitializeUnits({LocaleUnit});
  EXPECT_EQ(LocaleName(), "th-TH");
  EXPECT_EQ(FormatSettings.EraYearOffset, 543);
  FinalizeUnits();
}

}  // namespace
