#include "generation/english.h"

#include <array>
#include <utility>

#include "refdata/reference_db.h"
#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::generation {
namespace {

// HM_EName columns, shifted by the leading 1 of the query below.
constexpr int kENameIndex = 1 + 1;
constexpr int kENameIndex2 = 2 + 1;
constexpr int kENameName = 3 + 1;
constexpr int kENameSex = 5 + 1;
constexpr int kENameReading = 6 + 1;
constexpr int kENameMeaning = 9 + 1;

}  // namespace

std::string EnglishIndexOfInitial(std::string_view initial) {
  // English initials that sound closest to each pinyin initial.
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kMap = {{
      {"a", "i"},
      {"c", "s"},
      {"j", "g"},
      {"k", "ch"},
      {"o", "a"},
      {"q", "ch"},
      {"x", "sh"},
      {"y", "e"},
      {"z", "th"},
  }};
  for (const auto& [pinyin, english] : kMap)
    if (initial == pinyin) return std::string(english);
  return std::string(initial);
}

std::string PinyinInitial(refdata::DatabaseClass& db, const std::string& character) {
  static const std::string sql = text::Gbk("select * from HM_CNWord where 汉字=?");
  refdata::StatementGuard row(db, db.Query(sql, {character}));
  std::string initial = row.Text(refdata::kCharInitial);
  for (char& c : initial)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (initial.empty()) {
    const std::string pinyin = row.Text(refdata::kCharPinyin1);
    if (!pinyin.empty()) initial = pinyin.substr(0, 1);
  }
  return initial;
}

bool ListEnglishNames(refdata::DatabaseClass& db, std::string_view given, EnglishStyle style, RunObserver& observer,
                      RunControl& control, std::vector<EnglishNameRow>& rows) {
  const std::vector<std::string> characters = text::SplitCharacters(given);
  if (characters.empty()) {
    observer.OnMessage({text::Gbk("请输入名字"), MessageIcon::kNone});
    return true;
  }
  const std::string index = EnglishIndexOfInitial(PinyinInitial(db, characters.front()));
  const int32_t sex = static_cast<int32_t>(style);

  // The leading 1 tells a row from the end of the result, so that an empty
  // table lists nothing (its reads would otherwise match an empty index).
  static const std::string sql = text::Gbk("select 1, * from HM_EName");
  refdata::StatementGuard row(db, db.Query(sql));
  for (bool more = row.Int(0) == 1; more; more = row.Next()) {
    if (!control.Checkpoint()) return false;
    std::string key = row.Text(kENameIndex2);
    if (key.empty()) key = row.Text(kENameIndex);
    if (key != index || row.Int(kENameSex) != sex) continue;
    EnglishNameRow english{static_cast<int32_t>(rows.size() + 1), row.Text(kENameName), row.Text(kENameReading),
                           row.Text(kENameMeaning)};
    rows.push_back(english);
    observer.OnEnglishRow(rows.back());
  }
  return true;
}

}  // namespace babyname::generation
