// babyname-cli validate: loads the reference database the way the program
// does and checks it. Prints one line per table (name, column count, row
// count), then the results of the checks:
//   name-pool characters <TAB> checked <TAB> unusable
//   texts without a GBK form <TAB> count
// Exit 1 when a table is empty, a pool character is unusable (no row, no
// element of the five, or 0 strokes), a stored text has no GBK form, or the
// 81 numbers or the 125 three-talent keys are incomplete or carry a verdict
// that does not score.
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "generation/pools.h"
#include "refdata/reference_db.h"
#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::cli {

namespace {

constexpr size_t kShownProblems = 10;

bool IsElement(const std::string& gbk) {
  static const std::set<std::string> elements = {text::Gbk("金"), text::Gbk("木"), text::Gbk("水"), text::Gbk("火"),
                                                 text::Gbk("土")};
  return elements.count(gbk) != 0;
}

bool IsVerdict(const std::string& gbk) {
  static const std::set<std::string> verdicts = {text::Gbk("大吉"), text::Gbk("吉"), text::Gbk("中"), text::Gbk("凶"),
                                                 text::Gbk("大凶")};
  return verdicts.count(gbk) != 0;
}

// Every character of the built-in pools and the classic lists: it has a row,
// an element of the five, and non-zero strokes (otherwise the generators
// skip it). Returns the number of unusable characters.
int CheckPoolCharacters(refdata::DatabaseClass& db, int& checked) {
  std::string all = generation::BoysPool() + generation::GirlsPool() + generation::ClassicBoysOnePool() +
                    generation::ClassicGirlsOnePool() + generation::ClassicBoysTwoList() +
                    generation::ClassicGirlsTwoList();
  std::set<std::string> seen;
  int unusable = 0;
  for (const std::string& c : text::SplitCharacters(all)) {
    if (c.size() != 2 || !seen.insert(c).second) continue;
    ++checked;
    const refdata::CharRecord r = refdata::LookupCharacter(db, c);
    std::string why;
    if (!r.found) why = "no row";
    else if (!IsElement(r.element)) why = "no element";
    else if (r.simplifiedStrokes <= 0) why = "0 simplified strokes";
    else if (r.traditionalStrokes <= 0) why = "0 traditional strokes";
    if (why.empty()) continue;
    if (++unusable <= static_cast<int>(kShownProblems)) {
      PrintGbkError(text::Gbk("名字池字符不可用：") + c + " (" + why + ")");
    }
  }
  return unusable;
}

// Texts stored in the file that have no GBK form read back empty through the
// access object; SQL's own length tells them apart from texts that are empty.
long CheckGbkTexts(refdata::DatabaseClass& db) {
  long bad = 0;
  for (const refdata::TableDefinition& table : refdata::ReferenceTables()) {
    for (const refdata::FieldDefinition& field : table.fields) {
      if (field.type != refdata::kVarChar) continue;
      refdata::StatementGuard rows(
          db, db.Query("select " + field.name + ", length(" + field.name + ") from " + table.name));
      if (!rows.get()) continue;
      bool current = db.ColumnCount(rows.get()) > 0 && rows.Int(1) >= 0;
      for (; current; current = rows.Next()) {
        if (rows.Int(1) > 0 && rows.Text(0).empty()) {
          if (++bad <= static_cast<long>(kShownProblems)) {
            PrintGbkError(table.name + "." + field.name + text::Gbk("：有无法用GBK表示的文字"));
          }
        }
      }
    }
  }
  return bad;
}

// The 81 numbers and the 125 three-talent keys, each present once with a verdict that scores.
bool CheckVerdictTables(refdata::DatabaseClass& db) {
  bool ok = true;
  std::set<int> numbers;
  refdata::StatementGuard n(db, db.Query(text::Gbk("select Id, 吉凶 from HM_八一灵动数")));
  for (bool row = !n.Text(1).empty() || n.Int(0) != 0; row; row = n.Next()) {
    if (!IsVerdict(n.Text(1))) {
      std::cerr << "HM_八一灵动数: number " << n.Int(0) << " has a verdict that does not score\n";
      ok = false;
    }
    numbers.insert(n.Int(0));
  }
  for (int i = 1; i <= 81; ++i) {
    if (!numbers.count(i)) {
      std::cerr << "HM_八一灵动数: number " << i << " missing\n";
      ok = false;
    }
  }

  const char* elements[] = {"金", "木", "水", "火", "土"};
  std::set<std::string> keys;
  refdata::StatementGuard t(db, db.Query(text::Gbk("select 三才, 吉凶 from HM_三才配置")));
  for (bool row = !t.Text(0).empty(); row; row = t.Next()) {
    if (!IsVerdict(t.Text(1))) {
      PrintGbkError(t.Text(0) + text::Gbk("：三才吉凶不在 大吉 吉 中 凶 大凶 之中"));
      ok = false;
    }
    keys.insert(t.Text(0));
  }
  for (const char* a : elements)
    for (const char* b : elements)
      for (const char* c : elements) {
        const std::string key = text::Gbk(std::string(a) + b + c);
        if (!keys.count(key)) {
          PrintGbkError(text::Gbk("HM_三才配置缺少：") + key);
          ok = false;
        }
      }
  return ok;
}

int RunValidate(const CliContext& context, const Arguments& args) {
  if (!args.empty()) {
    PrintError("usage: babyname-cli validate");
    return kExitUsage;
  }
  refdata::DatabaseClass db;
  if (!LoadReference(context, db)) return kExitFailure;

  bool ok = true;
  for (const refdata::TableDefinition& table : refdata::ReferenceTables()) {
    refdata::StatementGuard all(db, db.Query("select * from " + table.name + " limit 1"));
    refdata::StatementGuard count(db, db.Query("select count(*) from " + table.name));
    const int rows = count.Int(0);
    PrintGbk(table.name);
    std::cout << '\t' << db.ColumnCount(all.get()) << '\t' << rows << '\n';
    if (rows == 0) {
      PrintGbkError(table.name + " is empty");
      ok = false;
    }
  }

  int checked = 0;
  const int unusable = CheckPoolCharacters(db, checked);
  std::cout << "name-pool characters\t" << checked << '\t' << unusable << '\n';
  const long badTexts = CheckGbkTexts(db);
  std::cout << "texts without a GBK form\t" << badTexts << '\n';
  const bool verdictsOk = CheckVerdictTables(db);

  ok = ok && unusable == 0 && badTexts == 0 && verdictsOk;
  if (!ok) PrintError("the reference database has problems");
  return ok ? kExitOk : kExitFailure;
}

const CommandRegistration kRegistration{"validate", RunValidate, "validate           load the reference database and check it"};

}  // namespace
}  // namespace babyname::cli
