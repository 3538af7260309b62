#include "chart/lunar_calendar.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/gbk_literal.h"

namespace babyname::chart {
namespace {

using babyname::testing::G;
using babyname::testing::U;

std::string PillarsText(const Pillars& p) {
  return U(GanZhiText(p.year) + " " + GanZhiText(p.month) + " " + GanZhiText(p.day) + " " + GanZhiText(p.hour));
}

TEST(FourPillars, KnownCharts) {
  struct Case {
    DateTime moment;
    const char* expected;  // year month day hour
  };
  const Case cases[] = {
      {{{2013, 1, 1}, 0}, "壬辰 壬子 丁卯 庚子"},
      {{{2013, 1, 1}, 23}, "壬辰 壬子 戊辰 壬子"},  // from 23:00 the next day's pillar
      {{{2013, 1, 1}, 1}, "壬辰 壬子 丁卯 辛丑"},
      {{{2013, 1, 1}, 22}, "壬辰 壬子 丁卯 辛亥"},
      {{{2014, 1, 10}, 0}, "癸巳 乙丑 辛巳 戊子"},  // before 立春: the previous year
      {{{2000, 1, 1}, 12}, "己卯 丙子 戊午 戊午"},
      {{{1949, 10, 1}, 15}, "己丑 癸酉 甲子 壬申"},
      {{{1901, 1, 1}, 0}, "庚子 戊子 己卯 甲子"},
      {{{1901, 2, 19}, 0}, "辛丑 庚寅 戊辰 壬子"},
      {{{2048, 12, 31}, 12}, "戊辰 甲子 乙亥 壬午"},
      {{{2048, 12, 31}, 23}, "戊辰 甲子 丙子 戊子"},
  };
  for (const Case& c : cases) {
    const Result<Pillars> p = FourPillars(c.moment);
    ASSERT_TRUE(p.ok()) << c.expected;
    EXPECT_EQ(PillarsText(*p), c.expected) << c.moment.date.year << "-" << c.moment.date.month << "-"
                                           << c.moment.date.day << " " << c.moment.hour;
  }
}

// The year changes at the moment of 立春 and the month at each 节, to the hour:
// the moment 06:00 is still before a term at 06:03.
TEST(FourPillars, YearAndMonthChangeAtTheTermMoment) {
  struct Case {
    DateTime moment;
    const char* yearAndMonth;
  };
  const Case cases[] = {
      // 立春 2014-02-04 06:03
      {{{2014, 2, 4}, 5}, "癸巳 乙丑"},
      {{{2014, 2, 4}, 6}, "癸巳 乙丑"},
      {{{2014, 2, 4}, 7}, "甲午 丙寅"},
      // 立春 2021-02-03 22:59
      {{{2021, 2, 3}, 22}, "庚子 己丑"},
      {{{2021, 2, 3}, 23}, "辛丑 庚寅"},
      // 惊蛰 2020-03-05 10:57
      {{{2020, 3, 5}, 10}, "庚子 戊寅"},
      {{{2020, 3, 5}, 11}, "庚子 己卯"},
      // 冬至 is no 节: the month stays 子 across 2020-12-21 18:02
      {{{2020, 12, 21}, 17}, "庚子 戊子"},
      {{{2020, 12, 21}, 19}, "庚子 戊子"},
  };
  for (const Case& c : cases) {
    const Result<Pillars> p = FourPillars(c.moment);
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(U(GanZhiText(p->year) + " " + GanZhiText(p->month)), c.yearAndMonth)
        << c.moment.date.year << "-" << c.moment.date.month << "-" << c.moment.date.day << " " << c.moment.hour;
  }
}

TEST(FourPillars, RefusesDatesThatDoNotExistOrAreOutOfRange) {
  const DateTime refused[] = {
      {{2013, 2, 30}, 0}, {{2013, 2, 29}, 0}, {{2013, 13, 1}, 0}, {{2013, 0, 1}, 0}, {{2013, 4, 31}, 0},
      {{2013, 1, 1}, 24}, {{2013, 1, 1}, -1}, {{1900, 12, 31}, 23}, {{1850, 6, 1}, 0}, {{2101, 1, 1}, 0},
  };
  for (const DateTime& m : refused) {
    const Result<Pillars> p = FourPillars(m);
    EXPECT_FALSE(p.ok()) << m.date.year << "-" << m.date.month << "-" << m.date.day << " " << m.hour;
    EXPECT_FALSE(p.status().message().empty());
  }
  EXPECT_TRUE(FourPillars({{2012, 2, 29}, 0}).ok());
  EXPECT_TRUE(FourPillars({{2100, 12, 31}, 23}).ok());
}

std::string Describe(const LunarDate& d) {
  return std::to_string(d.year) + " " + U(GanZhiText(d.yearGanZhi)) + " " + U(LunarMonthName(d.month, d.leap)) +
         U(LunarDayName(d.day));
}

// Published lunar dates (Chinese calendar tables).
TEST(LunarDate, KnownDates) {
  struct Case {
    CivilDate date;
    const char* expected;
  };
  const Case cases[] = {
      {{1901, 2, 19}, "1901 辛丑 正月初一"},
      {{1949, 10, 1}, "1949 己丑 八月初十"},
      {{2000, 1, 1}, "1999 己卯 冬月廿五"},
      {{2013, 1, 1}, "2012 壬辰 冬月二十"},
      {{2014, 1, 30}, "2013 癸巳 腊月三十"},
      {{2014, 1, 31}, "2014 甲午 正月初一"},
      {{2018, 11, 7}, "2018 戊戌 九月三十"},
      {{2018, 11, 8}, "2018 戊戌 十月初一"},  // new moon at 00:02
      {{2020, 5, 22}, "2020 庚子 四月三十"},
      {{2020, 5, 23}, "2020 庚子 闰四月初一"},
      {{2020, 6, 21}, "2020 庚子 五月初一"},
      {{2023, 3, 22}, "2023 癸卯 闰二月初一"},
      {{2023, 4, 20}, "2023 癸卯 三月初一"},
      {{2033, 12, 22}, "2033 癸丑 闰冬月初一"},
      {{2048, 2, 14}, "2048 戊辰 正月初一"},
      // First days of months in the Hong Kong Observatory conversion tables.
      {{1923, 1, 17}, "1922 壬戌 腊月初一"},
      {{1923, 2, 16}, "1923 癸亥 正月初一"},
      {{1923, 3, 17}, "1923 癸亥 二月初一"},
      {{1978, 1, 9}, "1977 丁巳 腊月初一"},
      {{1978, 3, 9}, "1978 戊午 二月初一"},
      {{1988, 1, 19}, "1987 丁卯 腊月初一"},
      {{1988, 2, 17}, "1988 戊辰 正月初一"},
      {{1988, 3, 18}, "1988 戊辰 二月初一"},
      {{2009, 1, 26}, "2009 己丑 正月初一"},
      {{2009, 2, 25}, "2009 己丑 二月初一"},
      {{2020, 2, 23}, "2020 庚子 二月初一"},
      {{2020, 3, 24}, "2020 庚子 三月初一"},
      {{2020, 4, 23}, "2020 庚子 四月初一"},
      {{2048, 12, 31}, "2048 戊辰 冬月廿七"},
  };
  for (const Case& c : cases) {
    const Result<LunarDate> d = LunarDateOf(c.date);
    ASSERT_TRUE(d.ok()) << c.expected;
    EXPECT_EQ(Describe(*d), c.expected);
  }
  EXPECT_FALSE(LunarDateOf({2013, 2, 30}).ok());
  EXPECT_FALSE(LunarDateOf({1900, 12, 31}).ok());
}

// The first day of the lunar year (春节), as published, across the range.
TEST(LunarDate, NewYearsDays) {
  const CivilDate newYears[] = {
      {1901, 2, 19}, {1910, 2, 10}, {1912, 2, 18}, {1920, 2, 20}, {1930, 1, 30}, {1940, 2, 8},
      {1949, 1, 29}, {1950, 2, 17}, {1960, 1, 28}, {1970, 2, 6},  {1980, 2, 16}, {1984, 2, 2},
      {1985, 2, 20}, {1990, 1, 27}, {2000, 2, 5},  {2010, 2, 14}, {2013, 2, 10}, {2014, 1, 31},
      {2020, 1, 25}, {2023, 1, 22}, {2024, 2, 10}, {2030, 2, 3},  {2040, 2, 12}, {2048, 2, 14},
  };
  for (const CivilDate& date : newYears) {
    const Result<LunarDate> d = LunarDateOf(date);
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(*d, (LunarDate{date.year, GanZhi::FromIndex(date.year - 1984), 1, false, 1})) << date.year;
    const Result<LunarDate> eve = LunarDateOf(CivilFromDays(DaysFromCivil(date) - 1));
    EXPECT_EQ(eve->month, 12) << date.year;
    EXPECT_GE(eve->day, 29) << date.year;
  }
}

// Every leap month from 1901 to 2048 as the published tables give it, and no
// leap month in the other years.
TEST(LunarDate, LeapMonths1901To2048) {
  const std::map<int, int> published = {
      {1903, 5},  {1906, 4}, {1909, 2}, {1911, 6}, {1914, 5}, {1917, 2}, {1919, 7}, {1922, 5}, {1925, 4},
      {1928, 2},  {1930, 6}, {1933, 5}, {1936, 3}, {1938, 7}, {1941, 6}, {1944, 4}, {1947, 2}, {1949, 7},
      {1952, 5},  {1955, 3}, {1957, 8}, {1960, 6}, {1963, 4}, {1966, 3}, {1968, 7}, {1971, 5}, {1974, 4},
      {1976, 8},  {1979, 6}, {1982, 4}, {1984, 10}, {1987, 6}, {1990, 5}, {1993, 3}, {1995, 8}, {1998, 5},
      {2001, 4},  {2004, 2}, {2006, 7}, {2009, 5}, {2012, 4}, {2014, 9}, {2017, 6}, {2020, 4}, {2023, 2},
      {2025, 6},  {2028, 5}, {2031, 3}, {2033, 11}, {2036, 6}, {2039, 5}, {2042, 2}, {2044, 7}, {2047, 5},
  };
  std::map<int, int> found;
  // Visit one day of every lunar month: from a day d of a month, d + (31 - day)
  // lies on the first or second day of the next one.
  int day = DaysFromCivil({1901, 2, 19});
  const int last = DaysFromCivil({2048, 12, 31});
  while (day <= last) {
    const Result<LunarDate> d = LunarDateOf(CivilFromDays(day));
    ASSERT_TRUE(d.ok());
    if (d->leap) found[d->year] = d->month;
    day += 31 - d->day;
  }
  EXPECT_EQ(found, published);
}

TEST(LunarDate, MonthsHave29Or30DaysAndDaysFollowEachOther) {
  // Every day of a few years straddling leap months and year ends.
  for (int year : {1914, 2020, 2033}) {
    LunarDate previous = *LunarDateOf({year, 1, 1});
    for (int day = DaysFromCivil({year, 1, 2}); day <= DaysFromCivil({year, 12, 31}); ++day) {
      const LunarDate d = *LunarDateOf(CivilFromDays(day));
      if (d.day == 1) {
        EXPECT_GE(previous.day, 29) << Describe(previous);
        const bool sameNumber = d.month == previous.month;
        EXPECT_EQ(sameNumber, d.leap) << Describe(d);
        if (!sameNumber) {
          EXPECT_EQ(d.month, previous.month % 12 + 1) << Describe(d);
        }
      } else {
        EXPECT_EQ(d.day, previous.day + 1) << Describe(d);
        EXPECT_EQ(d.month, previous.month);
        EXPECT_EQ(d.leap, previous.leap);
      }
      previous = d;
    }
  }
}

TEST(LunarNames, MonthAndDayNames) {
  EXPECT_EQ(U(LunarMonthName(1, false)), "正月");
  EXPECT_EQ(U(LunarMonthName(10, false)), "十月");
  EXPECT_EQ(U(LunarMonthName(11, false)), "冬月");
  EXPECT_EQ(U(LunarMonthName(12, false)), "腊月");
  EXPECT_EQ(U(LunarMonthName(4, true)), "闰四月");
  EXPECT_EQ(LunarMonthName(13, false), "");
  const char* days[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                        "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                        "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  for (int day = 1; day <= 30; ++day) EXPECT_EQ(U(LunarDayName(day)), days[day - 1]);
  EXPECT_EQ(LunarDayName(0), "");
  EXPECT_EQ(LunarDayName(31), "");
}

TEST(FormatLunarDate, ReplacesThePlaceholders) {
  const DateTime moment{{2020, 5, 23}, 8};
  EXPECT_EQ(U(FormatLunarDate(moment, "")), "庚子年(鼠)闰四月初一 2020-5-23");
  EXPECT_EQ(U(FormatLunarDate(moment, G("%Y年    %M  %D日  "))), "庚子年    闰四月  初一日  ");
  EXPECT_EQ(U(FormatLunarDate(moment, G("%y/%m/%d %x 100%"))), "2020/5/23 %x 100%");
  // Between 正月初一 and 立春 the lunar year is already the new one.
  EXPECT_EQ(U(FormatLunarDate({{2014, 1, 31}, 12}, G("%Y %S"))), "甲午 马");
  EXPECT_EQ(FormatLunarDate({{2013, 2, 30}, 0}, ""), "");
}

}  // namespace
}  // namespace babyname::chart
