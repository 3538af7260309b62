#include "chart/lunar_calendar.h"

#include <cmath>
#include <vector>

#include "chart/astronomy.h"
#include "text/gbk.h"

namespace babyname::chart {

namespace {

// 1901-01-01 is 己卯, index 15 of the cycle.
constexpr int kDayIndexOf1901 = 15;
// 1984 (from its 立春) is 甲子.
constexpr int kYearOfJiaZi = 1984;

int YearIndex(int year) { return year - kYearOfJiaZi; }  // GanZhi::FromIndex reduces it

Status CheckSupported(const CivilDate& date) {
  if (!IsValidDate(date)) {
    static const std::string message = text::Gbk("该日期不存在");
    return Status::Error(message);
  }
  const int day = DaysFromCivil(date);
  if (day < DaysFromCivil(kFirstSupportedDate) || day > DaysFromCivil(kLastSupportedDate)) {
    static const std::string message = text::Gbk("该日期不在可查询的范围内（1901年1月1日至2100年12月31日）");
    return Status::Error(message);
  }
  return Status::Ok();
}

struct LunarMonth {
  int startDay = 0;  // civil day number of its first day
  int number = 0;    // 1 ... 12
  bool leap = false;
  int lunarYear = 0;
};

// The lunar months from the 十一月 that holds the winter solstice of year - 1
// up to and including the 十一月 that holds the winter solstice of `year`
// (13 or 14 entries; the last one only marks where the span ends).
std::vector<LunarMonth> MonthsOfSolsticeYear(int year) {
  const int firstSolstice = static_cast<int>(std::floor(SolarTermMoment(year - 1, SolarTerm::kWinterSolstice)));
  const int lastSolstice = static_cast<int>(std::floor(SolarTermMoment(year, SolarTerm::kWinterSolstice)));
  const int firstLunation = LunationStartingOnOrBefore(firstSolstice);
  const int count = LunationStartingOnOrBefore(lastSolstice) - firstLunation;  // 12 or 13

  std::vector<LunarMonth> months(count + 1);
  for (int i = 0; i <= count; ++i) {
    months[i].startDay = static_cast<int>(std::floor(NewMoonMoment(firstLunation + i)));
  }

  int leapIndex = -1;
  if (count == 13) {
    // The major terms between the two solstices: 大寒, 雨水 … 小雪 of `year`, then its winter solstice.
    std::vector<int> majorTermDays;
    for (int term = static_cast<int>(SolarTerm::kMajorCold); term < kSolarTermCount; term += 2) {
      majorTermDays.push_back(static_cast<int>(std::floor(SolarTermMoment(year, static_cast<SolarTerm>(term)))));
    }
    for (int i = 1; i < count && leapIndex < 0; ++i) {
      bool hasMajorTerm = false;
      for (int day : majorTermDays) hasMajorTerm |= day >= months[i].startDay && day < months[i + 1].startDay;
      if (!hasMajorTerm) leapIndex = i;
    }
  }

  int number = 11;
  int lunarYear = year - 1;
  for (int i = 0; i <= count; ++i) {
    if (i > 0 && i != leapIndex) {
      number = number % 12 + 1;
      if (number == 1) lunarYear = year;
    }
    months[i].number = number;
    months[i].leap = i == leapIndex;
    months[i].lunarYear = lunarYear;
  }
  return months;
}

}  // namespace

Result<Pillars> FourPillars(const DateTime& moment) {
  if (Status s = CheckSupported(moment.date); !s.ok()) return s;
  if (moment.hour < 0 || moment.hour > 23) {
    static const std::string message = text::Gbk("时辰应在0时至23时之间");
    return Status::Error(message);
  }
  const int dayNumber = DaysFromCivil(moment.date);
  const double longitude = ApparentSolarLongitude(dayNumber + moment.hour / 24.0);

  // 立春 falls in early February: in January and February the moment belongs to
  // the previous year until the Sun reaches 315 degrees (in those months it
  // stays between about 279 and 341 degrees).
  int year = moment.date.year;
  if (moment.date.month <= 2 && longitude < 315.0) --year;
  const GanZhi yearPillar = GanZhi::FromIndex(YearIndex(year));

  // Whole months since the last 立春, each 节 adding 30 degrees.
  const int monthsSinceSpring = static_cast<int>(std::floor(std::fmod(longitude - 315.0 + 720.0, 360.0) / 30.0));
  const int firstMonthStem = (static_cast<int>(yearPillar.stem()) % 5) * 2 + 2;  // stem of the 寅 month
  const int monthStem = (firstMonthStem + monthsSinceSpring) % 10;
  const int monthBranch = (static_cast<int>(Branch::kYin) + monthsSinceSpring) % 12;
  const GanZhi monthPillar = *MakeGanZhi(static_cast<Stem>(monthStem), static_cast<Branch>(monthBranch));

  const int daysSince1901 = dayNumber - DaysFromCivil({1901, 1, 1}) + (moment.hour >= 23 ? 1 : 0);
  const GanZhi dayPillar = GanZhi::FromIndex(kDayIndexOf1901 + daysSince1901);

  const int hourBranch = ((moment.hour + 1) / 2) % 12;
  const int hourStem = ((static_cast<int>(dayPillar.stem()) % 5) * 2 + hourBranch) % 10;
  const GanZhi hourPillar = *MakeGanZhi(static_cast<Stem>(hourStem), static_cast<Branch>(hourBranch));

  return Pillars{yearPillar, monthPillar, dayPillar, hourPillar};
}

Result<LunarDate> LunarDateOf(const CivilDate& date) {
  if (Status s = CheckSupported(date); !s.ok()) return s;
  const int dayNumber = DaysFromCivil(date);
  std::vector<LunarMonth> months = MonthsOfSolsticeYear(date.year);
  // Days after the 十一月 that holds this year's winter solstice belong to the next span.
  if (dayNumber >= months.back().startDay) months = MonthsOfSolsticeYear(date.year + 1);
  size_t i = months.size() - 2;
  while (months[i].startDay > dayNumber) --i;
  const LunarMonth& month = months[i];
  return LunarDate{month.lunarYear, GanZhi::FromIndex(YearIndex(month.lunarYear)), month.number, month.leap,
                   dayNumber - month.startDay + 1};
}

std::string LunarMonthName(int month, bool leap) {
  static const std::string kLeap = text::Gbk("闰");
  static const std::string kNames[] = {
      text::Gbk("正月"), text::Gbk("二月"), text::Gbk("三月"), text::Gbk("四月"),
      text::Gbk("五月"), text::Gbk("六月"), text::Gbk("七月"), text::Gbk("八月"),
      text::Gbk("九月"), text::Gbk("十月"), text::Gbk("冬月"), text::Gbk("腊月"),
  };
  if (month < 1 || month > 12) return {};
  return (leap ? kLeap : std::string()) + kNames[month - 1];
}

std::string LunarDayName(int day) {
  static const std::string kDigits[] = {
      "", text::Gbk("一"), text::Gbk("二"), text::Gbk("三"), text::Gbk("四"),
      text::Gbk("五"), text::Gbk("六"), text::Gbk("七"), text::Gbk("八"), text::Gbk("九"),
  };
  static const std::string kFirst = text::Gbk("初"), kTen = text::Gbk("十"), kTwenty = text::Gbk("二十"),
                           kTwentyPrefix = text::Gbk("廿"), kThirty = text::Gbk("三十");
  if (day < 1 || day > 30) return {};
  if (day < 10) return kFirst + kDigits[day];
  if (day == 10) return kFirst + kTen;
  if (day < 20) return kTen + kDigits[day - 10];
  if (day == 20) return kTwenty;
  if (day < 30) return kTwentyPrefix + kDigits[day - 20];
  return kThirty;
}

std::string FormatLunarDate(const DateTime& moment, std::string_view format) {
  const Result<LunarDate> lunar = LunarDateOf(moment.date);
  if (!lunar.ok()) return {};
  static const std::string kDefaultFormat = text::Gbk("%Y年(%S)%M%D %y-%m-%d");
  if (format.empty()) format = kDefaultFormat;

  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(format[i]);
    if (c >= 0x81 && i + 1 < format.size()) {  // a two-byte GBK character: copy it whole
      out.append(format.substr(i, 2));
      ++i;
      continue;
    }
    if (c != '%' || i + 1 == format.size()) {
      out.push_back(format[i]);
      continue;
    }
    switch (format[i + 1]) {
      case 'Y': out += GanZhiText(lunar->yearGanZhi); break;
      case 'S': out += ZodiacAnimalText(lunar->yearGanZhi.branch()); break;
      case 'M': out += LunarMonthName(lunar->month, lunar->leap); break;
      case 'D': out += LunarDayName(lunar->day); break;
      case 'y': out += std::to_string(moment.date.year); break;
      case 'm': out += std::to_string(moment.date.month); break;
      case 'd': out += std::to_string(moment.date.day); break;
      default: out.append(format.substr(i, 2)); break;
    }
    ++i;
  }
  return out;
}

}  // namespace babyname::chart
