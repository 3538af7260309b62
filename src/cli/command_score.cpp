// babyname-cli score 姓 名 [--report FILE]: the row the scoring page shows for
// a name, tab-separated: 姓名, 简体笔划, 繁体笔划, 五行, 五格, 三才, 评分.
// Strokes come from HM_CNWord as in the name report. --report also writes the
// name report to FILE.
// babyname-cli score --batch: the same row for every line 姓<TAB>名 of
// standard input, in order; a line that cannot be scored is reported on
// standard error with its number and gives no row (exit code 2 at the end).
#include <iostream>
#include <optional>
#include <string>

#include "analysis/html_page.h"
#include "analysis/name_report.h"
#include "analysis/numerology.h"
#include "analysis/templates/templates.h"
#include "cli/cli_context.h"
#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::cli {

namespace {

using analysis::FiveGrid;

void PrintRow(std::string_view family, std::string_view given, const FiveGrid& grid) {
  std::string row = std::string(family) + std::string(given);
  for (const std::string& cell : {std::to_string(grid.simplifiedTotal), std::to_string(grid.total), grid.elementText,
                                  analysis::GridText(grid), grid.talentKey, std::to_string(grid.scoreValue)})
    row += "\t" + cell;
  PrintGbk(row + "\n");
}

// The name's two parts in GBK, or the message that refuses them (GBK).
struct NameInput {
  std::string family;
  std::string given;
  std::string refusal;
};

NameInput ToName(std::string_view familyUtf8, std::string_view givenUtf8) {
  NameInput name;
  for (auto [utf8, gbk] : {std::pair{familyUtf8, &name.family}, std::pair{givenUtf8, &name.given}}) {
    auto converted = text::UserTextToGbk(utf8);
    if (!converted.ok()) {
      name.refusal = converted.status().message();
      return name;
    }
    *gbk = converted.value();
  }
  // A part of spaces only has no characters to score.
  if (text::IsBlank(name.family)) {
    name.refusal = text::Gbk("请输入姓氏");
  } else if (text::IsBlank(name.given)) {
    name.refusal = text::Gbk("请输入名字");
  }
  return name;
}

int RunBatch(refdata::DatabaseClass& db) {
  const analysis::VerdictTable verdicts = analysis::VerdictTable::Load(db);
  int exitCode = kExitOk;
  std::string line;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t tab = line.find('\t');
    const std::string_view text(line);
    const NameInput name =
        ToName(text.substr(0, tab), tab == std::string::npos ? std::string_view() : text.substr(tab + 1));
    if (!name.refusal.empty()) {
      std::cerr << "line " << number << ": ";
      PrintGbkError(name.refusal);
      exitCode = kExitUsage;
      continue;
    }
    PrintRow(name.family, name.given, analysis::ComputeReportGrid(db, name.family, name.given, verdicts));
  }
  return exitCode;
}

int RunScore(const CliContext& context, const Arguments& args) {
  static constexpr const char* kUsage = "usage: babyname-cli score 姓 名 [--report FILE] | score --batch";
  bool batch = false;
  std::optional<std::string> reportFile;
  std::vector<std::string> parts;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--batch") {
      batch = true;
    } else if (args[i] == "--report" && i + 1 < args.size()) {
      reportFile = args[++i];
    } else {
      parts.push_back(args[i]);
    }
  }
  if (batch ? (!parts.empty() || reportFile) : parts.size() != 2) {
    PrintError(kUsage);
    return kExitUsage;
  }

  std::optional<NameInput> name;
  if (!batch) {
    name = ToName(parts[0], parts[1]);
    if (!name->refusal.empty()) {
      PrintGbkError(name->refusal);
      return kExitUsage;
    }
  }

  refdata::DatabaseClass db;
  if (!LoadReference(context, db)) return kExitFailure;
  if (batch) return RunBatch(db);

  if (!reportFile) {
    const analysis::DatabaseVerdicts verdicts(db);
    PrintRow(name->family, name->given, analysis::ComputeReportGrid(db, name->family, name->given, verdicts));
    return kExitOk;
  }
  const analysis::ReportData data = analysis::ComputeReportData(db, name->family, name->given);
  PrintRow(name->family, name->given, data.grid);
  const Status written =
      analysis::WriteGbkFile(*reportFile, analysis::FillReportTemplate(analysis::ReportTemplate(), data));
  if (!written.ok()) {
    PrintGbkError(written.message());
    return kExitFailure;
  }
  return kExitOk;
}

const CommandRegistration kRegistration{
    "score", RunScore, "score 姓 名 [--report FILE] | score --batch   the scoring row of a name (and its report)"};

}  // namespace
}  // namespace babyname::cli
