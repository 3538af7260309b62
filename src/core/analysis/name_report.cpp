#include "analysis/name_report.h"

#include <utility>
#include <vector>

#include "analysis/html_page.h"
#include "analysis/templates/templates.h"
#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::analysis {
namespace {

using refdata::DatabaseClass;
using refdata::StatementGuard;

// Columns of HM_八一灵动数 as read below: shifted by one behind the leading
// "1" that tells a row from no row.
constexpr int kNumberVerdict = 2, kNumberFirst = 3, kNumberSecond = 4, kNumberThird = 5, kNumberFoundation = 6,
              kNumberFamily = 7, kNumberHealth = 8, kNumberMeaning = 9, kNumberHints = 10;

GridReport ReadGridReport(DatabaseClass& db, int32_t number) {
  static const std::string sql = text::Gbk("select 1, * from HM_八一灵动数 where Id=?");
  GridReport report;
  report.element = ElementOfNumber(number % 10);
  StatementGuard row(db, db.Query(sql, {int64_t{number}}));
  if (row.Int(0) != 1) return report;
  static const std::string open = "(", close = ")";
  static const std::string foundation = text::Gbk("<BR>基业:"), family = text::Gbk("<BR>家庭:"),
                           health = text::Gbk("<BR>健康:"), meaning = text::Gbk("<BR>含义:");
  report.verdict = row.Text(kNumberVerdict);
  report.summary = row.Text(kNumberFirst) + open + row.Text(kNumberThird) + close;
  // The labels 健康 and 含义 pair crosswise with the columns of those names.
  report.explanation = row.Text(kNumberSecond) + foundation + row.Text(kNumberFoundation) + family +
                       row.Text(kNumberFamily) + health + row.Text(kNumberMeaning) + meaning +
                       row.Text(kNumberHealth);
  report.hints = text::ReplaceAll(row.Text(kNumberHints), "|", "<BR>");
  return report;
}

void ReadTalentReport(DatabaseClass& db, std::string_view key, ReportData& data) {
  static const std::string sql = text::Gbk("select 1, * from HM_三才配置 where 三才=?");
  StatementGuard row(db, db.Query(sql, {std::string(key)}));
  if (row.Int(0) != 1) return;
  // Table positions + 1 for the leading "1".
  data.talentVerdict = row.Text(2 + 1);
  data.talentSummary = row.Text(3 + 1);
  static const char* const kAspectLabels[12] = {
      "1、总论:",       "<BR>2、性格:",   "<BR>3、意志:",  "<BR>4、事业:",
      "<BR>5、家庭:",   "<BR>6、婚姻:",   "<BR>7、子女:",  "<BR>8、社交:",
      "<BR>9、精神:",   "<BR>10、财运:",  "<BR>11、健康:", "<BR>12、老运:",
  };
  for (int i = 0; i < 12; ++i) data.talentAspects += text::Gbk(kAspectLabels[i]) + row.Text(5 + i + 1);
  data.basicLuck = row.Text(17 + 1);
  data.successLuck = row.Text(18 + 1);
  data.relationsLuck = row.Text(19 + 1);
  data.characterLuck = row.Text(20 + 1);
}

}  // namespace

const std::string& ScoreAdvice(float score) {
  static const std::array<std::pair<double, std::string>, 4> kBands = {{
      {90, text::Gbk("你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。")},
      {80, text::Gbk("你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！")},
      {70, text::Gbk("你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。")},
      {60, text::Gbk("你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。")},
  }};
  static const std::string kLowest = text::Gbk("你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。");
  for (const auto& [bound, advice] : kBands)
    if (static_cast<double>(score) - bound >= -0.0000001) return advice;
  return kLowest;
}

ReportData ComputeReportData(DatabaseClass& db, std::string_view family, std::string_view given) {
  ReportData data;
  std::array<StrokeSource, kPositionCount> sources;
  data.grid = ComputeReportGrid(db, family, given, DatabaseVerdicts(db), &sources);
  for (int p = 0; p < kPositionCount; ++p) {
    if (!sources[p].valid) continue;
    data.traditionalForms[p] = sources[p].record.traditional;
    data.pinyin[p] = sources[p].record.pinyin2;
  }
  const FiveGrid& g = data.grid;
  const int32_t numbers[5] = {g.heaven, g.person, g.earth, g.total, g.outer};
  for (int k = 0; k < 5; ++k) data.grids[k] = ReadGridReport(db, numbers[k]);
  ReadTalentReport(db, g.talentKey, data);
  data.advice = ScoreAdvice(g.score);
  return data;
}

std::string FillReportTemplate(std::string_view pageTemplate, const ReportData& data) {
  const FiveGrid& g = data.grid;
  std::vector<std::pair<std::string, std::string>> values;
  values.reserve(64);
  const auto put = [&values](const char* placeholder, std::string value) {
    values.emplace_back(text::Gbk(placeholder), std::move(value));
  };

  // The character rows. A position beyond the part's characters is absent and
  // shows nothing; a present position that was not found shows 0 strokes.
  struct PositionNames {
    const char* typed;
    const char* traditional;
    const char* simplifiedStrokes;
    const char* traditionalStrokes;
    const char* element;
    const char* pinyin;
  };
  static const PositionNames kNames[kPositionCount] = {
      {"{简体姓氏1}", "{繁体姓氏1}", "{简体姓氏1笔划}", "{繁体姓氏1笔划}", "{姓氏1五行}", "{姓氏1拼音}"},
      {"{简体姓氏2}", "{繁体姓氏2}", "{简体姓氏2笔划}", "{繁体姓氏2笔划}", "{姓氏2五行}", "{姓氏2拼音}"},
      {"{简体名字1}", "{繁体名字1}", "{简体名字1笔划}", "{繁体名字1笔划}", "{名字1五行}", "{名字1拼音}"},
      {"{简体名字2}", "{繁体名字2}", "{简体名字2笔划}", "{繁体名字2笔划}", "{名字2五行}", "{名字2拼音}"},
  };
  for (int p = 0; p < kPositionCount; ++p) {
    const auto& characters = p < kGiven1 ? g.familyCharacters : g.givenCharacters;
    const size_t index = static_cast<size_t>(p % 2);
    const bool present = index < characters.size();
    const auto number = [present](int32_t n) { return present ? std::to_string(n) : std::string(); };
    put(kNames[p].typed, present ? EscapeHtml(characters[index]) : std::string());
    put(kNames[p].traditional, present ? data.traditionalForms[p] : std::string());
    put(kNames[p].simplifiedStrokes, number(g.simplifiedStrokes[p]));
    put(kNames[p].traditionalStrokes, number(g.traditionalStrokes[p]));
    put(kNames[p].element, present ? g.elements[p] : std::string());
    put(kNames[p].pinyin, present ? data.pinyin[p] : std::string());
  }

  // The grids, each row of placeholders in the order 人格, 天格, 地格, 总格, 外格.
  const int order[5] = {kVerdictPerson, kVerdictHeaven, kVerdictEarth, kVerdictTotal, kVerdictOuter};
  static const char* const kGridNames[5] = {"天格", "人格", "地格", "总格", "外格"};
  const int32_t numbers[5] = {g.heaven, g.person, g.earth, g.total, g.outer};
  const auto placeholder = [](int k, const char* suffix) { return std::string("{") + kGridNames[k] + suffix + "}"; };
  for (int k : order) put(placeholder(k, "").c_str(), std::to_string(numbers[k]));
  for (int k : order) put(placeholder(k, "五行").c_str(), data.grids[k].element);
  for (int k : order) put(placeholder(k, "吉凶").c_str(), g.verdicts[k]);
  for (int k : order) put(placeholder(k, "释义").c_str(), data.grids[k].explanation);
  for (int k : order) put(placeholder(k, "总论").c_str(), data.grids[k].summary);
  for (int k : order) put(placeholder(k, "数理暗示").c_str(), data.grids[k].hints);

  put("{三才}", g.talentKey);
  put("{三才吉凶}", data.talentVerdict);
  put("{三才总论}", data.talentSummary);
  put("{三才释义}", data.talentAspects);
  put("{基础运}", data.basicLuck);
  put("{成功运}", data.successLuck);
  put("{人际关系}", data.relationsLuck);
  put("{性格}", data.characterLuck);
  put("{总分建议}", data.advice);
  put("{评分总分}", std::to_string(g.scoreValue));

  std::string page(pageTemplate);
  for (const auto& [name, value] : values) page = text::ReplaceAll(page, name, value);
  return page;
}

NameReport BuildNameReport(DatabaseClass& db, std::string_view family, std::string_view given,
                           const std::filesystem::path& outputFolder) {
  NameReport report;
  report.data = ComputeReportData(db, family, given);
  report.written = WriteGbkFile(ReportFile(outputFolder), FillReportTemplate(ReportTemplate(), report.data));
  return report;
}

}  // namespace babyname::analysis
