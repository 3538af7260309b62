#include "analysis/numerology.h"

#include <utility>

#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::analysis {
namespace {

using refdata::DatabaseClass;
using refdata::StatementGuard;

// The same walk as text::SplitCharacters, into a list whose storage is reused:
// characters of one or two bytes fit the strings' own buffers, so a reused
// list costs no allocation.
void SplitInto(std::string_view gbk, std::vector<std::string>& out) {
  size_t count = 0;
  if (!text::IsBlank(gbk)) {
    for (size_t i = 0; i < gbk.size(); ++count) i += static_cast<unsigned char>(gbk[i]) > 122 ? 2 : 1;
  }
  out.resize(count);
  size_t i = 0;
  for (std::string& character : out) {
    size_t len = static_cast<unsigned char>(gbk[i]) > 122 ? 2 : 1;
    if (i + len > gbk.size()) len = gbk.size() - i;  // a lead byte at the very end stands alone
    character.assign(gbk.data() + i, len);
    i += len;
  }
}

void FillFromTable(FiveGrid& grid, NamePosition position, const std::string& character,
                   const CharInfoTable& table) {
  if (const CharInfo* info = table.Find(character)) {
    grid.simplifiedStrokes[position] = info->simplifiedStrokes;
    grid.traditionalStrokes[position] = info->traditionalStrokes;
    grid.elements[position] = info->element;
  }
}

void ClearPositions(FiveGrid& grid) {
  grid.simplifiedStrokes.fill(0);
  grid.traditionalStrokes.fill(0);
  for (auto& element : grid.elements) element.clear();
}

// 1 for a one-character part, 2 otherwise: the grid rules know only these two
// shapes (longer parts use their first two characters).
int PartShape(size_t characters) { return characters == 1 ? 1 : 2; }

int32_t HeavenOf(int familyShape, const std::array<int32_t, kPositionCount>& t) {
  return familyShape == 1 ? t[kFamily1] + 1 : t[kFamily1] + t[kFamily2];
}

}  // namespace

std::string GridText(const FiveGrid& grid) {
  std::string out;
  out.reserve(24);
  for (int32_t n : {grid.heaven, grid.person, grid.earth, grid.total, grid.outer}) {
    if (!out.empty()) out.push_back(',');
    out += std::to_string(n);
  }
  return out;
}

const std::string& ElementOfNumber(int32_t digit) {
  // The five elements by the last digit of a number: 1,2 wood; 3,4 fire;
  // 5,6 earth; 7,8 metal; 9,0 water.
  static const std::array<std::string, 10> kByDigit = {
      text::Gbk("水"), text::Gbk("木"), text::Gbk("木"), text::Gbk("火"), text::Gbk("火"),
      text::Gbk("土"), text::Gbk("土"), text::Gbk("金"), text::Gbk("金"), text::Gbk("水")};
  static const std::string kNone;
  if (digit < 0 || digit > 9) return kNone;
  return kByDigit[static_cast<size_t>(digit)];
}

double VerdictFactor(std::string_view verdict) {
  // GBK bytes of 大吉, 吉, 中, 凶 and 大凶, spelt out so that the scoring loop
  // compares against constants.
  constexpr std::string_view kGreat = "\xB4\xF3\xBC\xAA";
  constexpr std::string_view kGood = "\xBC\xAA";
  constexpr std::string_view kMiddle = "\xD6\xD0";
  constexpr std::string_view kBad = "\xD0\xD7";
  constexpr std::string_view kWorst = "\xB4\xF3\xD0\xD7";
  if (verdict == kGreat || verdict == kGood) return 1.0;
  if (verdict == kMiddle) return 0.85;
  if (verdict == kBad) return 0.6;
  if (verdict == kWorst) return 0.3;
  return 0.0;
}

std::string NumberVerdict(DatabaseClass& db, int32_t number) {
  static const std::string sql = text::Gbk("select * from HM_八一灵动数 where Id=?");
  StatementGuard row(db, db.Query(sql, {int64_t{number}}));
  return row.Text(1);
}

std::string TalentVerdict(DatabaseClass& db, std::string_view key) {
  static const std::string sql = text::Gbk("select * from HM_三才配置 where 三才=?");
  StatementGuard row(db, db.Query(sql, {std::string(key)}));
  return row.Text(2);
}

void DatabaseVerdicts::LookUpNumber(int32_t number, std::string& verdict) const {
  verdict = analysis::NumberVerdict(db_, number);
}

void DatabaseVerdicts::LookUpTalent(std::string_view key, std::string& verdict) const {
  verdict = analysis::TalentVerdict(db_, key);
}

VerdictTable VerdictTable::Load(DatabaseClass& db) {
  VerdictTable table;
  // The leading 1 tells a row from the end of the result. Only rows that a
  // single-row query by an int32 number could find are taken, in table order.
  static const std::string numbersSql = text::Gbk(
      "select 1, Id, 吉凶 from HM_八一灵动数 where typeof(Id)='integer' and Id between -2147483648 and "
      "2147483647 order by rowid");
  {
    StatementGuard row(db, db.Query(numbersSql));
    for (bool more = row.Int(0) == 1; more; more = row.Next()) table.AddNumber(row.Int(1), row.Text(2));
  }
  static const std::string talentsSql =
      text::Gbk("select 1, 三才, 吉凶 from HM_三才配置 where 三才 is not null order by rowid");
  {
    StatementGuard row(db, db.Query(talentsSql));
    for (bool more = row.Int(0) == 1; more; more = row.Next()) table.AddTalent(row.Text(1), row.Text(2));
  }
  return table;
}

void VerdictTable::AddNumber(int32_t number, std::string verdict) {
  if (number >= 0 && number < kDenseNumbers) {
    const auto i = static_cast<size_t>(number);
    if (densePresent_[i]) return;
    densePresent_[i] = true;
    dense_[i] = std::move(verdict);
    return;
  }
  sparse_.try_emplace(number, std::move(verdict));
}

void VerdictTable::AddTalent(std::string key, std::string verdict) {
  talents_.try_emplace(std::move(key), std::move(verdict));
}

void VerdictTable::LookUpNumber(int32_t number, std::string& verdict) const {
  if (number >= 0 && number < kDenseNumbers) {
    verdict = dense_[static_cast<size_t>(number)];
    return;
  }
  const auto it = sparse_.find(number);
  if (it == sparse_.end()) {
    verdict.clear();
  } else {
    verdict = it->second;
  }
}

void VerdictTable::LookUpTalent(std::string_view key, std::string& verdict) const {
  const auto it = talents_.find(key);
  if (it == talents_.end()) {
    verdict.clear();
  } else {
    verdict = it->second;
  }
}

void CharInfoTable::Reset(size_t count) {
  records_.assign(count, CharInfo{});
  firstIndex_.clear();
}

void CharInfoTable::Set(size_t position, CharInfo info) {
  CharInfo& slot = records_.at(position);
  const bool replacesIndexed = !slot.character.empty() && slot.character != info.character;
  slot = std::move(info);
  if (replacesIndexed) {
    RebuildIndex();  // the old character may now be first elsewhere
    return;
  }
  if (slot.character.empty()) return;
  auto [it, inserted] = firstIndex_.try_emplace(slot.character, position);
  if (!inserted && it->second > position) it->second = position;
}

void CharInfoTable::Append(CharInfo info) {
  records_.push_back(std::move(info));
  const CharInfo& added = records_.back();
  if (!added.character.empty()) firstIndex_.try_emplace(added.character, records_.size() - 1);
}

const CharInfo* CharInfoTable::Find(std::string_view character) const {
  const auto it = firstIndex_.find(character);
  return it == firstIndex_.end() ? nullptr : &records_[it->second];
}

void CharInfoTable::RebuildIndex() {
  firstIndex_.clear();
  for (size_t i = 0; i < records_.size(); ++i)
    if (!records_[i].character.empty()) firstIndex_.try_emplace(records_[i].character, i);
}

void ComputeGrids(FiveGrid& grid, const VerdictSource& verdicts) {
  const auto& t = grid.traditionalStrokes;
  const int familyShape = PartShape(grid.familyCharacters.size());
  const int givenShape = PartShape(grid.givenCharacters.size());

  grid.heaven = HeavenOf(familyShape, t);
  const int32_t personBase = familyShape == 1 ? t[kFamily1] : t[kFamily2];
  grid.person = personBase + t[kGiven1];
  grid.earth = givenShape == 1 ? t[kGiven1] + 1 : t[kGiven1] + t[kGiven2];
  grid.total = t[kFamily1] + t[kFamily2] + t[kGiven1] + t[kGiven2];
  grid.simplifiedTotal = 0;
  grid.elementText.clear();
  for (int p = 0; p < kPositionCount; ++p) {
    grid.simplifiedTotal += grid.simplifiedStrokes[p];
    if (!grid.elements[p].empty()) grid.elementText += grid.elements[p];
  }
  if (familyShape == 1 && givenShape == 1) {
    grid.outer = 2;
  } else if (familyShape == 2 && givenShape == 2) {
    grid.outer = grid.total - grid.person;
  } else {
    grid.outer = grid.total - grid.person + 1;
  }

  const std::string& e1 = ElementOfNumber(grid.heaven % 10);
  const std::string& e2 = ElementOfNumber(grid.person % 10);
  const std::string& e3 = ElementOfNumber(grid.earth % 10);
  grid.talentKey.assign(e1).append(e2).append(e3);

  verdicts.LookUpNumber(grid.heaven, grid.verdicts[kVerdictHeaven]);
  verdicts.LookUpNumber(grid.person, grid.verdicts[kVerdictPerson]);
  verdicts.LookUpNumber(grid.earth, grid.verdicts[kVerdictEarth]);
  verdicts.LookUpNumber(grid.total, grid.verdicts[kVerdictTotal]);
  verdicts.LookUpNumber(grid.outer, grid.verdicts[kVerdictOuter]);
  verdicts.LookUpTalent(grid.talentKey, grid.verdicts[kVerdictTalent]);

  // Each product in double precision, each partial sum rounded to single: for
  // every mix of the five factors this gives the exact decimal sum.
  float score = 0;
  for (int v = 0; v < kVerdictCount; ++v)
    score = static_cast<float>(static_cast<double>(score) + kVerdictWeights[v] * VerdictFactor(grid.verdicts[v]));
  grid.score = score;
  grid.scoreValue = static_cast<int32_t>(score);
}

void ScoreName(std::string_view family, std::string_view given, const CharInfoTable& table,
               const VerdictSource& verdicts, FiveGrid& grid) {
  SplitInto(family, grid.familyCharacters);
  SplitInto(given, grid.givenCharacters);
  ClearPositions(grid);
  const auto& s = grid.familyCharacters;
  const auto& g = grid.givenCharacters;
  if (!s.empty()) FillFromTable(grid, kFamily1, s[0], table);
  if (s.size() >= 2) FillFromTable(grid, kFamily2, s[1], table);
  if (!g.empty()) FillFromTable(grid, kGiven1, g[0], table);
  if (g.size() >= 2) FillFromTable(grid, kGiven2, g[1], table);
  ComputeGrids(grid, verdicts);
}

FiveGrid ScoreName(std::string_view family, std::string_view given, const CharInfoTable& table,
                   const VerdictSource& verdicts) {
  FiveGrid grid;
  ScoreName(family, given, table, verdicts, grid);
  return grid;
}

std::string SurnameSkyVerdict(std::string_view family, const CharInfoTable& table, const VerdictSource& verdicts) {
  FiveGrid grid;
  SplitInto(family, grid.familyCharacters);
  const auto& s = grid.familyCharacters;
  if (!s.empty()) FillFromTable(grid, kFamily1, s[0], table);
  if (s.size() >= 2) FillFromTable(grid, kFamily2, s[1], table);
  return verdicts.NumberVerdict(HeavenOf(PartShape(s.size()), grid.traditionalStrokes));
}

StrokeSource LookupStrokeSource(DatabaseClass& db, std::string_view character) {
  StrokeSource source;
  source.record = refdata::LookupCharacter(db, character);
  const auto& r = source.record;
  source.valid = r.found && !r.element.empty() && r.simplifiedStrokes != 0;
  if (source.valid) {
    source.simplifiedStrokes = r.simplifiedStrokes;
    source.traditionalStrokes = r.traditionalStrokes;
    source.element = r.element;
  }
  return source;
}

FiveGrid ComputeReportGrid(DatabaseClass& db, std::string_view family, std::string_view given,
                           const VerdictSource& verdicts, std::array<StrokeSource, kPositionCount>* sources) {
  FiveGrid grid;
  grid.familyCharacters = text::SplitCharacters(family);
  grid.givenCharacters = text::SplitCharacters(given);
  const auto fill = [&](NamePosition position, const std::string& character) {
    StrokeSource source = LookupStrokeSource(db, character);
    grid.simplifiedStrokes[position] = source.simplifiedStrokes;
    grid.traditionalStrokes[position] = source.traditionalStrokes;
    grid.elements[position] = source.element;
    if (sources) (*sources)[position] = std::move(source);
  };
  const auto& s = grid.familyCharacters;
  const auto& g = grid.givenCharacters;
  if (!s.empty()) fill(kFamily1, s[0]);
  if (s.size() >= 2) fill(kFamily2, s[1]);
  if (!g.empty()) fill(kGiven1, g[0]);
  if (g.size() >= 2) fill(kGiven2, g[1]);
  // The report counts the family name 于 by its simplified strokes.
  static const std::string kYu = text::Gbk("于");
  if (family == kYu) grid.traditionalStrokes[kFamily1] = grid.simplifiedStrokes[kFamily1];
  ComputeGrids(grid, verdicts);
  return grid;
}

}  // namespace babyname::analysis
