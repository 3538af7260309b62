// The astronomy behind our lunar calendar: the apparent longitude of the Sun,
// the moments of the 24 solar terms and of the new moons.
//
// Moments are given as China Standard Time (UTC+8) in days since
// 1970-01-01 00:00 CST (a "China day count"); the whole part is the civil day
// number used by civil_date.h. Internally the theories run in Terrestrial Time
// and are brought to UT with a model of Delta T.
//
// Accuracy over 1900-2100: the Sun by the truncated VSOP87 series (about one
// arc second) with nutation and aberration, the new moons by the periodic terms
// of the lunar-phase theory (seconds); Delta T adds its own uncertainty, up to
// about half a minute towards 2050. Pure functions, safe from any thread.
#pragma once

namespace babyname::chart {

// The 24 solar terms in the order they fall in a Gregorian year, starting with
// 小寒 (285 degrees of solar longitude) and advancing 15 degrees each.
// Even positions are the 节 (month boundaries), odd ones the 中气 (major terms).
enum class SolarTerm {
  kMinorCold, kMajorCold, kStartOfSpring, kRainWater, kAwakeningOfInsects, kSpringEquinox,
  kPureBrightness, kGrainRain, kStartOfSummer, kGrainBuds, kGrainInEar, kSummerSolstice,
  kMinorHeat, kMajorHeat, kStartOfAutumn, kEndOfHeat, kWhiteDew, kAutumnEquinox,
  kColdDew, kFrostsDescent, kStartOfWinter, kMinorSnow, kMajorSnow, kWinterSolstice,
};
inline constexpr int kSolarTermCount = 24;

// Solar longitude in degrees (0 <= x < 360) at which the term begins.
double SolarTermLongitude(SolarTerm term);

// Apparent geocentric ecliptic longitude of the Sun, degrees in [0, 360), at a
// moment given as a China day count.
double ApparentSolarLongitude(double chinaDays);

// The moment (China day count) of `term` in Gregorian year `year`.
double SolarTermMoment(int year, SolarTerm term);

// New moons are numbered by lunation: lunation 0 is the new moon of
// 2000-01-06. NewMoonMoment gives its moment as a China day count.
double NewMoonMoment(int lunation);
// The lunation whose new moon falls on civil day `dayNumber` (CST) or is the
// last one before it.
int LunationStartingOnOrBefore(int dayNumber);

// Delta T = TT - UT in seconds for a decimal year (polynomial fits of the
// observed values before 2005, the usual extrapolation afterwards).
double DeltaTSeconds(double decimalYear);

}  // namespace babyname::chart
