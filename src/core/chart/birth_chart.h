// The birth chart (生辰八字): the four pillars of a birth date and hour, the
// elements of their eight characters and the missing ones, the nayin of each
// pillar, the naming advice for the zodiac animal and the report text the chart
// page shows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ganzhi.h"
#include "chart/lunar_calendar.h"

namespace babyname::chart {

struct BirthChart {
  // False for a date that does not exist or lies outside the supported range;
  // then only `report` is filled (the Gregorian line and the line saying why).
  bool valid = false;
  Pillars pillars;                      // year, month, day, hour
  LunarDate lunarDate;                  // of the civil day (changes at 00:00)
  std::array<Element, 8> elements{};    // stem and branch element of each pillar, year first
  std::vector<Element> missing;         // in the order 金 木 水 火 土
  std::array<std::string, 4> nayin;     // GBK nayin names, year first
  Branch zodiac = Branch::kZi;          // the year pillar's branch; names the animal
  // The whole report, GBK, lines ended by CR LF pairs, ending with the zodiac
  // advice and no line break.
  std::string report;
};

// Casts the chart of a birth moment given as the texts of the four date
// selectors (plain decimal numbers such as "2013", "1", "1", "0"; GBK or ASCII).
// The Gregorian line repeats the texts unchanged. A text that is no number, or
// a date that does not exist (2月30日) or is unsupported, gives a chart with
// valid == false. Never reads anything but its arguments.
BirthChart CastBirthChart(std::string_view year, std::string_view month, std::string_view day,
                          std::string_view hour);

// "木,水," for 甲子: the stem's element, a comma, the branch's element, a comma.
std::string ElementPairText(GanZhi pillar);
// The nayin name of a cycle position (海中金 for 甲子 and 乙丑).
const std::string& NayinText(GanZhi pillar);
// "五行不缺" when nothing is missing, else "五行缺：" and the missing elements
// without separators (五行缺：金土).
std::string MissingElementsText(const std::vector<Element>& missing);
// The naming advice for the animal of a year branch, as the page shows it.
const std::string& ZodiacAdviceText(Branch branch);

}  // namespace babyname::chart
