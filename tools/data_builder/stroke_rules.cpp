#include "stroke_rules.h"

#include <charconv>

#include "utf8.h"

namespace babyname::builder {
namespace {

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

// One character in a field, or an error naming the field.
char32_t OneCharacter(const TsvFile& file, const TsvRow& row, size_t column, const char* name, Problems& problems) {
  const char32_t c = SingleCodePoint(row.fields[column]);
  if (c == 0) problems.Error(file.Where(row), std::string(name) + " must be exactly one character");
  return c;
}

}  // namespace

StrokeRules StrokeRules::Load(const std::filesystem::path& root, Problems& problems) {
  StrokeRules rules;

  const TsvFile radicals = ReadTsv(root, "strokes/radicals.tsv", {"部首号", "部首", "笔画"}, {}, problems);
  for (const TsvRow& row : radicals.rows) {
    int number = 0, strokes = 0;
    if (!ParseInt(row.fields[0], number) || number < 1 || number > 214) {
      problems.Error(radicals.Where(row), "部首号 must be 1 to 214");
      continue;
    }
    if (!ParseInt(row.fields[2], strokes) || strokes < 1) {
      problems.Error(radicals.Where(row), "笔画 must be a positive number");
      continue;
    }
    rules.radicalStrokes_[number] = strokes;
    rules.radicalGlyphs_[number] = row.fields[1];
  }
  if (radicals.present) {
    for (int n = 1; n <= 214; ++n) {
      if (rules.radicalStrokes_[n] == 0) problems.Error(radicals.label, "radical " + std::to_string(n) + " missing");
    }
  } else {
    problems.Error(radicals.label, "the radical table is required");
  }

  const TsvFile keep = ReadTsv(root, "strokes/keep.tsv", {"汉字", "备注"}, {"备注"}, problems);
  for (const TsvRow& row : keep.rows) {
    if (const char32_t c = OneCharacter(keep, row, 0, "汉字", problems)) rules.keep_.insert(c);
  }

  const TsvFile choice = ReadTsv(root, "strokes/choice.tsv", {"汉字", "繁体", "备注"}, {"备注"}, problems);
  for (const TsvRow& row : choice.rows) {
    const char32_t c = OneCharacter(choice, row, 0, "汉字", problems);
    const char32_t t = OneCharacter(choice, row, 1, "繁体", problems);
    if (c && t) rules.choice_[c] = t;
  }

  const TsvFile overrides = ReadTsv(root, "strokes/overrides.tsv", {"汉字", "笔画", "备注"}, {"备注"}, problems);
  for (const TsvRow& row : overrides.rows) {
    const char32_t c = OneCharacter(overrides, row, 0, "汉字", problems);
    int strokes = 0;
    if (!ParseInt(row.fields[1], strokes) || strokes < 1 || strokes > 64) {
      problems.Error(overrides.Where(row), "笔画 must be a number from 1 to 64");
      continue;
    }
    if (c && !rules.overrides_.emplace(c, strokes).second) problems.Error(overrides.Where(row), "repeated character");
  }
  return rules;
}

char32_t StrokeRules::TraditionalForm(char32_t c, const Unihan& unihan, const GbkTest& hasGbkForm) const {
  if (keep_.count(c)) return c;
  if (const auto it = choice_.find(c); it != choice_.end()) return it->second;
  const UnihanEntry* entry = unihan.Find(c);
  if (!entry) return c;
  // Unihan often lists a character among its own traditional variants
  // (刘 -> "刘 劉"); that entry says nothing about the traditional form.
  for (char32_t t : ParseCodePoints(entry->traditional)) {
    if (t != c && hasGbkForm(t)) return t;
  }
  return c;
}

int StrokeRules::RuleStrokes(char32_t form, const Unihan& unihan) const {
  const UnihanEntry* entry = unihan.Find(form);
  if (!entry) return 0;
  // kRSKangXi places characters as the Kangxi dictionary does; kRSUnicode
  // differs for some (彪 戴 萬) and is the fallback only.
  RadicalStroke rs = ParseRadicalStroke(entry->rsKangXi);
  if (rs.radical == 0) rs = ParseRadicalStroke(entry->rsUnicode);
  if (rs.radical < 1 || rs.radical > 214) return ParseTotalStrokes(entry->totalStrokes);
  const int count = radicalStrokes_[rs.radical] + rs.residual;
  return count > 0 ? count : ParseTotalStrokes(entry->totalStrokes);
}

int StrokeRules::KangxiStrokes(char32_t c, const Unihan& unihan, const GbkTest& hasGbkForm) const {
  if (const auto it = overrides_.find(c); it != overrides_.end()) return it->second;
  const char32_t form = TraditionalForm(c, unihan, hasGbkForm);
  if (const auto it = overrides_.find(form); it != overrides_.end()) return it->second;
  return RuleStrokes(form, unihan);
}

int StrokeRules::RadicalNumber(char32_t c, const Unihan& unihan) {
  const UnihanEntry* entry = unihan.Find(c);
  if (!entry) return 0;
  RadicalStroke rs = ParseRadicalStroke(entry->rsKangXi);
  if (rs.radical == 0) rs = ParseRadicalStroke(entry->rsUnicode);
  return rs.radical >= 1 && rs.radical <= 214 ? rs.radical : 0;
}

std::string StrokeRules::RadicalGlyph(int radical) const {
  return radical >= 1 && radical <= 214 ? radicalGlyphs_[radical] : std::string();
}

int StrokeRules::RadicalOfGlyph(const std::string& glyph) const {
  for (int n = 1; n <= 214; ++n) {
    if (radicalGlyphs_[n] == glyph) return n;
  }
  return 0;
}

}  // namespace babyname::builder
