#include "chart/astronomy.h"

#include <cmath>
#include <iterator>

#include "chart/civil_date.h"

namespace babyname::chart {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kArcSecond = kDegree / 3600.0;
constexpr double kJ2000 = 2451545.0;           // Julian day of 2000-01-01 12:00 TT
constexpr double kUnixEpochJd = 2440587.5;     // Julian day of 1970-01-01 00:00 UT
constexpr double kChinaOffsetDays = 8.0 / 24;  // UTC+8
constexpr double kTropicalYear = 365.242189;
constexpr double kSynodicMonth = 29.530588861;

double Wrap360(double degrees) {
  double x = std::fmod(degrees, 360.0);
  return x < 0 ? x + 360.0 : x;
}

// --- time scales -------------------------------------------------------------

double DecimalYearOfJd(double jd) { return 2000.0 + (jd - kJ2000) / 365.25; }

double UniversalJdOfChinaDays(double chinaDays) { return chinaDays + kUnixEpochJd - kChinaOffsetDays; }
double ChinaDaysOfUniversalJd(double jd) { return jd - kUnixEpochJd + kChinaOffsetDays; }

double EphemerisJdOfChinaDays(double chinaDays) {
  const double jd = UniversalJdOfChinaDays(chinaDays);
  return jd + DeltaTSeconds(DecimalYearOfJd(jd)) / 86400.0;
}

double ChinaDaysOfEphemerisJd(double jde) {
  // Delta T changes by well under a second a year, so evaluating it at the TT
  // date instead of the UT date makes no difference.
  return ChinaDaysOfUniversalJd(jde - DeltaTSeconds(DecimalYearOfJd(jde)) / 86400.0);
}

// --- the Sun -----------------------------------------------------------------

struct PeriodicTerm {
  double amplitude;  // in units of 1e-8 (radians or astronomical units)
  double phase;      // radians
  double frequency;  // radians per Julian millennium
};

// Earth's heliocentric longitude and radius vector: the truncated VSOP87 (Bretagnon and
// Francou 1988) series as tabulated in Meeus, Astronomical Algorithms, appendix III.
constexpr PeriodicTerm kL0[] = {
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.07585}, {34894, 4.6261, 12566.1517}, {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231}, {3136, 3.6277, 77713.7715}, {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097}, {1324, 0.7425, 11506.7698}, {1273, 2.0371, 529.691},
    {1199, 1.1096, 1577.3435}, {990, 5.233, 5884.927}, {902, 2.045, 26.298},
    {857, 3.508, 398.149}, {780, 1.179, 5223.694}, {753, 2.533, 5507.553},
    {505, 4.583, 18849.228}, {492, 4.205, 775.523}, {357, 2.92, 0.067},
    {317, 5.849, 11790.629}, {284, 1.899, 796.298}, {271, 0.315, 10977.079},
    {243, 0.345, 5486.778}, {206, 4.806, 2544.314}, {205, 1.869, 5573.143},
    {202, 2.458, 6069.777}, {156, 0.833, 213.299}, {132, 3.411, 2942.463},
    {126, 1.083, 20.775}, {115, 0.645, 0.98}, {103, 0.636, 4694.003},
    {102, 0.976, 15720.839}, {102, 4.267, 7.114}, {99, 6.21, 2146.17},
    {98, 0.68, 155.42}, {86, 5.98, 161000.69}, {85, 1.3, 6275.96},
    {85, 3.67, 71430.7}, {80, 1.81, 17260.15}, {79, 3.04, 12036.46},
    {75, 1.76, 5088.63}, {74, 3.5, 3154.69}, {74, 4.68, 801.82},
    {70, 0.83, 9437.76}, {62, 3.98, 8827.39}, {61, 1.82, 7084.9},
    {57, 2.78, 6286.6}, {56, 4.39, 14143.5}, {56, 3.47, 6279.55},
    {52, 0.19, 12139.55}, {52, 1.33, 1748.02}, {51, 0.28, 5856.48},
    {49, 0.49, 1194.45}, {41, 5.37, 8429.24}, {41, 2.4, 19651.05},
    {39, 6.17, 10447.39}, {37, 6.04, 10213.29}, {37, 2.57, 1059.38},
    {36, 1.71, 2352.87}, {36, 1.78, 6812.77}, {33, 0.59, 17789.85},
    {30, 0.44, 83996.85}, {30, 2.74, 1349.87}, {25, 3.16, 4690.48},
};
constexpr PeriodicTerm kL1[] = {
    {628331966747, 0, 0},
    {206059, 2.678235, 6283.07585}, {4303, 2.6351, 12566.1517}, {425, 1.59, 3.523},
    {119, 5.796, 26.298}, {109, 2.966, 1577.344}, {93, 2.59, 18849.23},
    {72, 1.14, 529.69}, {68, 1.87, 398.15}, {67, 4.41, 5507.55},
    {59, 2.89, 5223.69}, {56, 2.17, 155.42}, {45, 0.4, 796.3},
    {36, 0.47, 775.52}, {29, 2.65, 7.11}, {21, 5.34, 0.98},
    {19, 1.85, 5486.78}, {19, 4.97, 213.3}, {17, 2.99, 6275.96},
    {16, 0.03, 2544.31}, {16, 1.43, 2146.17}, {15, 1.21, 10977.08},
    {12, 2.83, 1748.02}, {12, 3.26, 5088.63}, {12, 5.27, 1194.45},
    {12, 2.08, 4694}, {11, 0.77, 553.57}, {10, 1.3, 6286.6},
    {10, 4.24, 1349.87}, {9, 2.7, 242.73}, {9, 5.64, 951.72},
    {8, 5.3, 2352.87}, {6, 2.65, 9437.76}, {6, 4.67, 4690.48},
};
constexpr PeriodicTerm kL2[] = {
    {52919, 0, 0}, {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.3}, {16, 3.68, 155.42}, {10, 0.76, 18849.23}, {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34}, {4, 1.03, 7.11}, {4, 3.44, 5573.14},
    {3, 5.14, 796.3}, {3, 6.05, 5507.55}, {3, 1.19, 242.73}, {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57}, {2, 4.38, 5223.69}, {2, 3.75, 0.98},
};
constexpr PeriodicTerm kL3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0}, {17, 5.49, 12566.15}, {3, 5.2, 155.42},
    {1, 4.72, 3.52}, {1, 5.3, 18849.23}, {1, 5.97, 242.73},
};
constexpr PeriodicTerm kL4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
constexpr PeriodicTerm kL5[] = {{1, 3.14, 0}};

constexpr PeriodicTerm kR0[] = {
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.07585}, {13956, 3.05525, 12566.1517}, {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849}, {1576, 2.8469, 7860.4194}, {925, 5.453, 11506.77},
    {542, 4.564, 3930.21}, {472, 3.661, 5884.927}, {346, 0.964, 5507.553},
    {329, 5.9, 5223.694}, {307, 0.299, 5573.143}, {243, 4.273, 11790.629},
    {212, 5.847, 1577.344}, {186, 5.022, 10977.079}, {175, 3.012, 18849.228},
    {110, 5.055, 5486.778}, {98, 0.89, 6069.78}, {86, 5.69, 15720.84},
    {86, 1.27, 161000.69}, {65, 0.27, 17260.15}, {63, 0.92, 529.69},
    {57, 2.01, 83996.85}, {56, 5.24, 71430.7}, {49, 3.25, 2544.31},
    {47, 2.58, 775.52}, {45, 5.54, 9437.76}, {43, 6.01, 6275.96},
    {39, 5.36, 4694}, {38, 2.39, 8827.39}, {37, 0.83, 19651.05},
    {37, 4.9, 12139.55}, {36, 1.67, 12036.46}, {35, 1.84, 2942.46},
    {33, 0.24, 7084.9}, {32, 0.18, 5088.63}, {32, 1.78, 398.15},
    {28, 1.21, 6286.6}, {28, 1.9, 6279.55}, {26, 4.59, 10447.39},
};
constexpr PeriodicTerm kR1[] = {
    {103019, 1.10749, 6283.07585}, {1721, 1.0644, 12566.1517}, {702, 3.142, 0},
    {32, 1.02, 18849.23}, {31, 2.84, 5507.55}, {25, 1.32, 5223.69},
    {18, 1.42, 1577.34}, {10, 5.91, 10977.08}, {9, 1.42, 6275.96}, {9, 0.27, 5486.78},
};
constexpr PeriodicTerm kR2[] = {
    {4359, 5.7846, 6283.0758}, {124, 5.579, 12566.152}, {12, 3.14, 0},
    {9, 3.63, 77713.77}, {6, 1.87, 5573.14}, {3, 5.47, 18849.23},
};
constexpr PeriodicTerm kR3[] = {{145, 4.273, 6283.076}, {7, 3.92, 12566.15}};
constexpr PeriodicTerm kR4[] = {{4, 2.56, 6283.08}};

template <size_t N>
double SumSeries(const PeriodicTerm (&terms)[N], double millennia) {
  double sum = 0;
  for (const PeriodicTerm& t : terms) sum += t.amplitude * std::cos(t.phase + t.frequency * millennia);
  return sum;
}

// Nutation in longitude: the IAU 1980 theory (Meeus, table 22.A). Multipliers of
// D, M, M', F, Omega and the coefficient in 0.0001 arc seconds (constant, per century).
struct NutationTerm {
  signed char d, m, mPrime, f, omega;
  double sine, sinePerCentury;
};
constexpr NutationTerm kNutation[] = {
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},          {0, 0, -2, 2, 1, 46, 0},        {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},          {0, 0, 2, 0, 0, 29, 0},         {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},           {-2, 0, 0, 2, 0, -22, 0},       {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},        {2, 0, -1, 0, 1, 16, 0},        {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},          {-2, 0, 1, 0, 1, -13, 0},       {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},          {2, 0, -1, 2, 1, -10, 0},       {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},            {-2, 1, 1, 0, 0, -7, 0},        {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},           {2, 0, 1, 0, 0, 6, 0},          {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},           {2, 0, -2, 0, 1, -6, 0},        {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},           {-2, -1, 0, 2, 1, -5, 0},       {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},           {-2, 0, 2, 0, 1, 4, 0},         {-2, 1, 0, 2, 1, 4, 0},
    {0, 0, 1, -2, 0, 4, 0},           {-1, 0, 1, 0, 0, -4, 0},        {-2, 1, 0, 0, 0, -4, 0},
    {1, 0, 0, 0, 0, -4, 0},           {0, 0, 1, 2, 0, 3, 0},          {0, 0, -2, 2, 2, -3, 0},
    {-1, -1, 1, 0, 0, -3, 0},         {0, 1, 1, 0, 0, -3, 0},         {0, -1, 1, 2, 2, -3, 0},
    {2, -1, -1, 2, 2, -3, 0},         {0, 0, 3, 2, 2, -3, 0},         {2, -1, 0, 2, 2, -3, 0},
};

// Nutation in longitude, radians, for Julian centuries from J2000 (TT).
double NutationInLongitude(double centuries) {
  const double t = centuries;
  const double d = (297.85036 + t * (445267.111480 + t * (-0.0019142 + t / 189474))) * kDegree;
  const double m = (357.52772 + t * (35999.050340 + t * (-0.0001603 - t / 300000))) * kDegree;
  const double mPrime = (134.96298 + t * (477198.867398 + t * (0.0086972 + t / 56250))) * kDegree;
  const double f = (93.27191 + t * (483202.017538 + t * (-0.0036825 + t / 327270))) * kDegree;
  const double omega = (125.04452 + t * (-1934.136261 + t * (0.0020708 + t / 450000))) * kDegree;
  double sum = 0;
  for (const NutationTerm& n : kNutation) {
    const double argument = n.d * d + n.m * m + n.mPrime * mPrime + n.f * f + n.omega * omega;
    sum += (n.sine + n.sinePerCentury * t) * std::sin(argument);
  }
  return sum * 0.0001 * kArcSecond;
}

// Apparent longitude of the Sun in degrees, for a Julian ephemeris day.
double ApparentSolarLongitudeAtJde(double jde) {
  const double millennia = (jde - kJ2000) / 365250.0;
  const double tau = millennia;
  const double l = (SumSeries(kL0, tau) +
                    tau * (SumSeries(kL1, tau) +
                           tau * (SumSeries(kL2, tau) +
                                  tau * (SumSeries(kL3, tau) + tau * (SumSeries(kL4, tau) + tau * SumSeries(kL5, tau)))))) /
                   1e8;
  const double r = (SumSeries(kR0, tau) +
                    tau * (SumSeries(kR1, tau) +
                           tau * (SumSeries(kR2, tau) + tau * (SumSeries(kR3, tau) + tau * SumSeries(kR4, tau))))) /
                   1e8;
  const double geometric = l + kPi;                     // geocentric, mean equinox of date
  const double fk5 = -0.09033 * kArcSecond;             // to the FK5 frame
  const double nutation = NutationInLongitude(millennia * 10);
  const double aberration = -20.4898 * kArcSecond / r;
  return Wrap360((geometric + fk5 + nutation + aberration) / kDegree);
}

// --- the Moon ----------------------------------------------------------------

// Moment of a new moon as a Julian ephemeris day: the mean phase and the periodic
// terms of Meeus, Astronomical Algorithms, chapter 49 (k = 0 is 2000-01-06).
double NewMoonJde(int lunation) {
  const double k = lunation;
  const double t = k / 1236.85;
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  double jde = 2451550.09766 + kSynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;

  const double e = 1 - 0.002516 * t - 0.0000074 * t2;
  const double m = (2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3) * kDegree;
  const double mp = (201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4) * kDegree;
  const double f = (160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4) * kDegree;
  const double omega = (124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3) * kDegree;

  jde += -0.40720 * std::sin(mp) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mp) +
         0.01039 * std::sin(2 * f) + 0.00739 * e * std::sin(mp - m) - 0.00514 * e * std::sin(mp + m) +
         0.00208 * e * e * std::sin(2 * m) - 0.00111 * std::sin(mp - 2 * f) - 0.00057 * std::sin(mp + 2 * f) +
         0.00056 * e * std::sin(2 * mp + m) - 0.00042 * std::sin(3 * mp) + 0.00042 * e * std::sin(m + 2 * f) +
         0.00038 * e * std::sin(m - 2 * f) - 0.00024 * e * std::sin(2 * mp - m) - 0.00017 * std::sin(omega) -
         0.00007 * std::sin(mp + 2 * m) + 0.00004 * std::sin(2 * mp - 2 * f) + 0.00004 * std::sin(3 * m) +
         0.00003 * std::sin(mp + m - 2 * f) + 0.00003 * std::sin(2 * mp + 2 * f) -
         0.00003 * std::sin(mp + m + 2 * f) + 0.00003 * std::sin(mp - m + 2 * f) -
         0.00002 * std::sin(mp - m - 2 * f) - 0.00002 * std::sin(3 * mp + m) + 0.00002 * std::sin(4 * mp);

  // Planetary arguments: {constant, per lunation, coefficient in days}.
  struct Planetary {
    double base, perLunation, coefficient;
  };
  static constexpr Planetary kPlanetary[] = {
      {299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165}, {251.83, 26.651886, 0.000164},
      {349.42, 36.412478, 0.000126}, {84.66, 18.206239, 0.000110}, {141.74, 53.303771, 0.000062},
      {207.14, 2.453732, 0.000060},  {154.84, 7.306860, 0.000056}, {34.52, 27.261239, 0.000047},
      {207.19, 0.121824, 0.000042},  {291.34, 1.844379, 0.000040}, {161.72, 24.198154, 0.000037},
      {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023},
  };
  for (size_t i = 0; i < std::size(kPlanetary); ++i) {
    double argument = kPlanetary[i].base + kPlanetary[i].perLunation * k;
    if (i == 0) argument -= 0.009173 * t2;
    jde += kPlanetary[i].coefficient * std::sin(argument * kDegree);
  }
  return jde;
}

// China day count of the first moment of lunation 0 (approximate, for estimates).
constexpr double kFirstNewMoonChinaDays = 2451550.09766 - kUnixEpochJd + kChinaOffsetDays;

}  // namespace

double SolarTermLongitude(SolarTerm term) { return Wrap360(285.0 + 15.0 * static_cast<int>(term)); }

double ApparentSolarLongitude(double chinaDays) {
  return ApparentSolarLongitudeAtJde(EphemerisJdOfChinaDays(chinaDays));
}

double SolarTermMoment(int year, SolarTerm term) {
  const double target = SolarTermLongitude(term);
  // 小寒 falls near January 5th; the terms follow about 15.2 days apart.
  double jde = UniversalJdOfChinaDays(DaysFromCivil({year, 1, 1})) + 4.5 + 15.2184 * static_cast<int>(term);
  for (int i = 0; i < 20; ++i) {
    double behind = target - ApparentSolarLongitudeAtJde(jde);
    behind -= 360.0 * std::floor((behind + 180.0) / 360.0);  // to [-180, 180)
    const double step = behind * kTropicalYear / 360.0;
    jde += step;
    if (std::fabs(step) < 1e-7) break;  // under 0.01 s
  }
  return ChinaDaysOfEphemerisJd(jde);
}

double NewMoonMoment(int lunation) { return ChinaDaysOfEphemerisJd(NewMoonJde(lunation)); }

int LunationStartingOnOrBefore(int dayNumber) {
  int k = static_cast<int>(std::floor((dayNumber + 1 - kFirstNewMoonChinaDays) / kSynodicMonth));
  while (std::floor(NewMoonMoment(k + 1)) <= dayNumber) ++k;
  while (std::floor(NewMoonMoment(k)) > dayNumber) --k;
  return k;
}

double DeltaTSeconds(double y) {
  // Espenak and Meeus, Five Millennium Canon of Solar Eclipses (NASA 2006).
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + t * (0.407 + t * (-1.0 / 233 + t / 2547));
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + t * (1.067 + t * (-1.0 / 260 - t / 718));
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + t * (0.32217 + t * 0.005589);
  }
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

}  // namespace babyname::chart
