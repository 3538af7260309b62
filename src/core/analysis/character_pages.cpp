#include "analysis/character_pages.h"

#include <utility>

#include "analysis/html_page.h"
#include "analysis/templates/templates.h"
#include "refdata/reference_db.h"
#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::analysis {
namespace {

using refdata::StatementGuard;

std::string Fill(std::string page, std::initializer_list<std::pair<const char*, std::string>> values) {
  for (const auto& [placeholder, value] : values) page = text::ReplaceAll(page, text::Gbk(placeholder), value);
  return page;
}

}  // namespace

std::string RenderCharacterPage(refdata::DatabaseClass& db, std::string_view character) {
  static const std::string sql = text::Gbk("select * from HM_CNWord where 汉字=?");
  StatementGuard row(db, db.Query(sql, {std::string(character)}));
  // Strokes are read as text, so a character without a row shows empty cells.
  return Fill(CharacterPageTemplate(), {
                                           {"{汉字}", EscapeHtml(character)},
                                           {"{拼音}", row.Text(refdata::kCharPinyin2)},
                                           {"{简体笔划}", row.Text(refdata::kCharSimplifiedStrokes)},
                                           {"{部首}", row.Text(refdata::kCharRadical)},
                                           {"{繁体笔划}", row.Text(refdata::kCharTraditionalStrokes)},
                                           {"{基本解释}", row.Text(refdata::kCharBasicExplanation)},
                                           {"{详细解释}", row.Text(refdata::kCharDetailedExplanation)},
                                       });
}

Status WriteCharacterPage(refdata::DatabaseClass& db, std::string_view character, int page,
                          const std::filesystem::path& outputFolder) {
  return WriteGbkFile(CharacterPageFile(outputFolder, page), RenderCharacterPage(db, character));
}

std::string RenderSurnamePage(refdata::DatabaseClass& db, std::string_view family) {
  static const std::string sql = text::Gbk("select * from HM_百家姓 where 姓=?");
  std::string origin, regions, people;
  {
    StatementGuard row(db, db.Query(sql, {std::string(family)}));
    origin = row.Text(2);
    regions = row.Text(3);
    people = row.Text(4);
  }
  return Fill(SurnamePageTemplate(), {
                                         {"{姓氏}", EscapeHtml(family)},
                                         {"{姓氏起源}", std::move(origin)},
                                         {"{聚集地}", std::move(regions)},
                                         {"{历史名人}", std::move(people)},
                                     });
}

Status WriteSurnamePage(refdata::DatabaseClass& db, std::string_view family,
                        const std::filesystem::path& outputFolder) {
  return WriteGbkFile(SurnamePageFile(outputFolder), RenderSurnamePage(db, family));
}

}  // namespace babyname::analysis
