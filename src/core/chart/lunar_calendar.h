// Our lunar calendar: the four pillars of a birth moment and the Chinese lunar
// date of a day, computed from the solar terms and new moons of astronomy.h.
//
// Conventions (all times China Standard Time, UTC+8):
// - the year pillar changes at the exact moment of 立春; 1901 from its 立春 on is 辛丑;
// - the month branch changes at the exact moment of each 节 (立春 starts 寅,
//   惊蛰 卯 … 大雪 子, 小寒 丑); its stem follows from the year stem
//   (甲/己 years: 丙寅; 乙/庚: 戊寅; 丙/辛: 庚寅; 丁/壬: 壬寅; 戊/癸: 甲寅);
// - the day pillar is the continuous cycle of days, 1901-01-01 being 己卯; from
//   23:00 on it is already that of the next day;
// - the hour branch is 子 for 23:00-00:59, 丑 for 01:00-02:59 … 亥 for
//   21:00-22:59; its stem follows from the (possibly advanced) day stem
//   (甲/己 days: 甲子; 乙/庚: 丙子; 丙/辛: 戊子; 丁/壬: 庚子; 戊/癸: 壬子);
// - a lunar month starts on the day of its new moon; the month holding the
//   winter solstice is 十一月; in a span of 13 months from one such month to
//   the next, the first month without a major term (中气) is the leap month and
//   repeats the number of the month before it.
// Supported: every date from kFirstSupportedDate to kLastSupportedDate. All
// functions are pure and safe from any thread; one call takes well under a
// millisecond.
#pragma once

#include <string>
#include <string_view>

#include "base/status.h"
#include "chart/civil_date.h"
#include "chart/ganzhi.h"

namespace babyname::chart {

inline constexpr CivilDate kFirstSupportedDate{1901, 1, 1};
inline constexpr CivilDate kLastSupportedDate{2100, 12, 31};

struct Pillars {
  GanZhi year, month, day, hour;
};

// The four pillars of a moment. Fails (with a GBK message fit to show) for a
// date that does not exist, an hour outside 0 ... 23, or a date outside the
// supported range.
Result<Pillars> FourPillars(const DateTime& moment);

struct LunarDate {
  int year = 0;       // the Gregorian year in which this lunar year's 正月 begins
  GanZhi yearGanZhi;  // the cycle name of that lunar year
  int month = 0;      // 1 (正月) ... 12 (腊月)
  bool leap = false;  // a leap month, named 闰 + the month it repeats
  int day = 0;        // 1 ... 30
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The lunar date of a civil day (the day runs from 00:00 to 24:00). Fails as
// FourPillars does.
Result<LunarDate> LunarDateOf(const CivilDate& date);

// GBK names: 正月 二月 … 十月 冬月 腊月, with 闰 before a leap month; 初一 … 初十,
// 十一 … 十九, 二十, 廿一 … 廿九, 三十.
std::string LunarMonthName(int month, bool leap);
std::string LunarDayName(int day);

// The GBK `format` with its placeholders replaced: %Y the cycle name of the
// lunar year (甲午), %S its zodiac animal, %M the lunar month name, %D the lunar
// day name, %y %m %d the Gregorian year, month and day as plain numbers; any
// other character is copied. An empty format stands for "%Y年(%S)%M%D %y-%m-%d".
// The empty text when the moment is not supported.
//
// %Y and %S name the lunar year, which starts at 正月初一, not the year pillar,
// which starts at 立春: between the two the lunar date would otherwise name a
// day a year away (2014-01-31 is 甲午年正月初一, though its year pillar is 癸巳).
std::string FormatLunarDate(const DateTime& moment, std::string_view format);

}  // namespace babyname::chart
