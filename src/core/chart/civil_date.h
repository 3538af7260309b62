// Gregorian dates and the continuous day number the calendar works with.
#pragma once

namespace babyname::chart {

struct CivilDate {
  int year = 0;
  int month = 0;  // 1 ... 12
  int day = 0;    // 1 ... 31
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// A birth moment in China Standard Time: a civil date and a whole hour 0 ... 23
// (minutes and seconds are zero).
struct DateTime {
  CivilDate date;
  int hour = 0;
};

// Whether the date exists in the proleptic Gregorian calendar (2月30日 does not).
bool IsValidDate(const CivilDate& date);
bool IsValidDateTime(const DateTime& moment);

// Days since 1970-01-01 (negative before it); the inverse of CivilFromDays.
// Defined for every year from -9999 to 9999; the date must be valid.
int DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(int dayNumber);

}  // namespace babyname::chart
