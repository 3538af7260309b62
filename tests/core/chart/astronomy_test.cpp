// The solar terms and new moons against published almanac moments (China
// Standard Time for the terms as printed in Chinese almanacs; new moons as
// published in UTC). Published moments are rounded to the minute, so a
// computed moment may differ by up to a minute.
#include "chart/astronomy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "chart/civil_date.h"

namespace babyname::chart {
namespace {

struct Minute {
  int year, month, day, hour, minute;
};

double ChinaDays(const Minute& m) { return DaysFromCivil({m.year, m.month, m.day}) + (m.hour * 60 + m.minute) / 1440.0; }

std::string Describe(double chinaDays) {
  const int day = static_cast<int>(std::floor(chinaDays));
  const CivilDate d = CivilFromDays(day);
  const int seconds = static_cast<int>(std::lround((chinaDays - day) * 86400));
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, seconds / 3600,
                seconds / 60 % 60, seconds % 60);
  return text;
}

constexpr double kMinute = 1.0 / 1440;

TEST(SolarTerm, MomentsAgreeWithTheAlmanacToTheMinute) {
  struct Case {
    int year;
    SolarTerm term;
    Minute publishedCst;
  };
  const Case cases[] = {
      {2014, SolarTerm::kStartOfSpring, {2014, 2, 4, 6, 3}},
      {2000, SolarTerm::kStartOfSpring, {2000, 2, 4, 20, 40}},
      {2021, SolarTerm::kStartOfSpring, {2021, 2, 3, 22, 59}},
      {2023, SolarTerm::kStartOfSpring, {2023, 2, 4, 10, 42}},
      {2024, SolarTerm::kStartOfSpring, {2024, 2, 4, 16, 27}},
      {2020, SolarTerm::kAwakeningOfInsects, {2020, 3, 5, 10, 57}},
      {2020, SolarTerm::kSpringEquinox, {2020, 3, 20, 11, 49}},
      {2021, SolarTerm::kSummerSolstice, {2021, 6, 21, 11, 32}},
      {2022, SolarTerm::kSummerSolstice, {2022, 6, 21, 17, 13}},
      {2023, SolarTerm::kAutumnEquinox, {2023, 9, 23, 14, 50}},
      {2019, SolarTerm::kWinterSolstice, {2019, 12, 22, 12, 19}},
      {2020, SolarTerm::kWinterSolstice, {2020, 12, 21, 18, 2}},
      {2021, SolarTerm::kWinterSolstice, {2021, 12, 21, 23, 59}},  // 50 s before midnight
      // Equinoxes and solstices published in UTC, here plus eight hours.
      {1999, SolarTerm::kWinterSolstice, {1999, 12, 22, 15, 44}},
      {2000, SolarTerm::kSpringEquinox, {2000, 3, 20, 15, 35}},
      {2001, SolarTerm::kSummerSolstice, {2001, 6, 21, 15, 38}},
      {2010, SolarTerm::kSummerSolstice, {2010, 6, 21, 19, 28}},
      {2012, SolarTerm::kWinterSolstice, {2012, 12, 21, 19, 12}},
      {2016, SolarTerm::kSpringEquinox, {2016, 3, 20, 12, 30}},
  };
  for (const Case& c : cases) {
    const double computed = SolarTermMoment(c.year, c.term);
    EXPECT_NEAR(computed, ChinaDays(c.publishedCst), kMinute)
        << c.year << " term " << static_cast<int>(c.term) << ": " << Describe(computed);
  }
}

// The day of each term in the Gregorian-Lunar conversion tables of the Hong Kong
// Observatory: whole years, and the first months of some others.
TEST(SolarTerm, DaysAgreeWithThePublishedConversionTables) {
  struct Year {
    int year;
    std::vector<int> days;  // day of month of 小寒, 大寒, 立春 … in order
  };
  const Year years[] = {
      {1923, {6, 21, 5, 19, 6}},
      {1932, {6, 21}},
      {1966, {6}},
      {1976, {6, 21, 5, 19, 5, 20, 4, 20, 5, 21, 5, 21, 7, 23, 7, 23, 7, 23, 8, 23, 7, 22, 7, 22}},
      {1978, {6, 20, 4, 19, 6}},
      {1988, {6, 21, 4, 19, 5}},
      {2009, {5, 20, 4, 18, 5, 20}},
      {2014, {5, 20, 4, 19, 6, 21, 5, 20, 5, 21, 6, 21, 7, 23, 7, 23, 8, 23, 8, 23, 7, 22, 7, 22}},
      {2020, {6, 20, 4, 19, 5, 20, 4, 19, 5, 20, 5, 21, 6, 22, 7, 22, 7, 22, 8, 23, 7, 22, 7, 21}},
  };
  for (const Year& y : years) {
    for (size_t t = 0; t < y.days.size(); ++t) {
      const double moment = SolarTermMoment(y.year, static_cast<SolarTerm>(t));
      const CivilDate published{y.year, static_cast<int>(t) / 2 + 1, y.days[t]};
      EXPECT_EQ(CivilFromDays(static_cast<int>(std::floor(moment))), published)
          << y.year << " term " << t << ": " << Describe(moment);
    }
  }
}

TEST(SolarTerm, TheSunStandsAtTheTermLongitudeAtTheMoment) {
  for (int year : {1901, 1950, 2048, 2100}) {
    for (int t = 0; t < kSolarTermCount; ++t) {
      const auto term = static_cast<SolarTerm>(t);
      const double moment = SolarTermMoment(year, term);
      EXPECT_EQ(CivilFromDays(static_cast<int>(std::floor(moment))).year, year) << year << " term " << t;
      double off = ApparentSolarLongitude(moment) - SolarTermLongitude(term);
      off -= 360.0 * std::round(off / 360.0);
      EXPECT_NEAR(off, 0.0, 1e-5) << year << " term " << t;
    }
  }
}

TEST(NewMoon, MomentsAgreeWithPublishedTimesToTheMinute) {
  const Minute publishedUtc[] = {
      {1991, 7, 11, 19, 6}, {1999, 8, 11, 11, 8},  {2000, 1, 6, 18, 14}, {2009, 7, 22, 2, 35},
      {2017, 8, 21, 18, 30}, {2018, 11, 7, 16, 2}, {2020, 1, 24, 21, 42}, {2020, 5, 22, 17, 39},
      {2023, 1, 21, 20, 53}, {2023, 3, 21, 17, 23}, {2024, 2, 9, 22, 59},
  };
  for (const Minute& m : publishedUtc) {
    const double published = ChinaDays(m) + 8.0 / 24;
    const int lunation = LunationStartingOnOrBefore(static_cast<int>(std::floor(published)));
    const double computed = NewMoonMoment(lunation);
    EXPECT_NEAR(computed, published, kMinute) << m.year << "-" << m.month << "-" << m.day << ": " << Describe(computed);
  }
}

TEST(NewMoon, LunationZeroIsTheNewMoonOfJanuary2000AndLunationsFollowInOrder) {
  EXPECT_EQ(static_cast<int>(std::floor(NewMoonMoment(0))), DaysFromCivil({2000, 1, 7}));  // 02:14 CST
  for (int k = -1230; k < 620; k += 37) {
    const double length = NewMoonMoment(k + 1) - NewMoonMoment(k);
    EXPECT_GT(length, 29.2) << k;
    EXPECT_LT(length, 29.9) << k;
    EXPECT_EQ(LunationStartingOnOrBefore(static_cast<int>(std::floor(NewMoonMoment(k)))), k);
    EXPECT_EQ(LunationStartingOnOrBefore(static_cast<int>(std::floor(NewMoonMoment(k))) - 1), k - 1);
  }
}

TEST(DeltaT, FollowsTheObservedValues) {
  // Observed values, seconds (rounded): 1900 -2.7, 1950 29.2, 1990 56.9, 2000 63.8, 2020 69.4.
  EXPECT_NEAR(DeltaTSeconds(1900), -2.7, 1);
  EXPECT_NEAR(DeltaTSeconds(1950), 29.2, 1);
  EXPECT_NEAR(DeltaTSeconds(1990), 56.9, 1);
  EXPECT_NEAR(DeltaTSeconds(2000), 63.8, 1);
  EXPECT_NEAR(DeltaTSeconds(2020), 69.4, 3);
}

}  // namespace
}  // namespace babyname::chart
