// The name report: the numerology of one name with the explanations of the
// 81-number table and the three-talent table, filled into the report template
// and written as a GBK page.
//
// Strokes come from HM_CNWord directly (LookupStrokeSource, with the report's
// 于 rule), verdicts and texts by bound single-row queries. Runs on the window
// thread; shares nothing with a generation run but the database connection.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "analysis/numerology.h"
#include "base/status.h"
#include "refdata/database.h"

namespace babyname::analysis {

// The texts of one grid, from its row in HM_八一灵动数; all empty when the
// table has no row for the grid number (the element is set regardless).
struct GridReport {
  std::string element;      // ElementOfNumber of the grid number mod 10
  std::string verdict;      // 吉凶 (position 1), the grid's verdict in the FiveGrid
  std::string summary;      // 总论: position 2 + "(" + position 4 + ")"
  std::string explanation;  // 释义: position 3 and the labelled 基业, 家庭, 健康, 含义 texts
  std::string hints;        // 数理暗示: position 9, each "|" made a line break
};

// Everything the report shows. Every text starts empty, every number at 0.
struct ReportData {
  FiveGrid grid;
  // Per NamePosition, only for a character whose row is valid.
  std::array<std::string, kPositionCount> traditionalForms;  // 繁体
  std::array<std::string, kPositionCount> pinyin;            // 拼音2
  // Per grid, in VerdictKind order 天格, 人格, 地格, 总格, 外格.
  std::array<GridReport, 5> grids;
  // The 三才 row; all empty when the key has no row.
  std::string talentVerdict;   // 三才吉凶
  std::string talentSummary;   // 三才总论 (解释一)
  std::string talentAspects;   // 三才释义: the twelve labelled aspects
  std::string basicLuck;       // 对基础运的影响
  std::string successLuck;     // 对成功运的影响
  std::string relationsLuck;   // 对人际关系的影响
  std::string characterLuck;   // 对性格的影响
  std::string advice;          // ScoreAdvice of the score
};

// The closing advice by score band (at least 90, 80, 70, 60, below 60), taken
// from the unrounded score; a score within 0.0000001 below a bound counts as
// reaching it.
const std::string& ScoreAdvice(float score);

// Computes the report of a name (GBK texts as typed, at least one character
// each).
ReportData ComputeReportData(refdata::DatabaseClass& db, std::string_view family, std::string_view given);

// Replaces the 64 placeholders of `pageTemplate` in their fixed order, each
// everywhere it occurs. Replacement runs over the growing page, so a database
// text holding a placeholder of a later row gets that row's value. The
// characters as typed are HTML-escaped; database texts go in as they are.
std::string FillReportTemplate(std::string_view pageTemplate, const ReportData& data);

// ComputeReportData, FillReportTemplate with the report template, and the
// page written to ReportFile(outputFolder), replacing it. The data is complete
// whether or not the write succeeds; `written` says which.
struct NameReport {
  ReportData data;
  Status written;
  int32_t scoreValue() const { return data.grid.scoreValue; }
};
NameReport BuildNameReport(refdata::DatabaseClass& db, std::string_view family, std::string_view given,
                           const std::filesystem::path& outputFolder);

}  // namespace babyname::analysis
