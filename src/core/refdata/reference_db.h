// The reference database: the layouts of its nine tables, the load of
// namedata.db into the in-memory working database, and the character row.
//
// Column positions are binding: every reader does "select *" and reads columns
// by 0-based position, and the copy from the file is positional.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "refdata/database.h"

namespace babyname::refdata {

struct TableDefinition {
  std::string name;  // GBK, e.g. "HM_CNWord"
  std::vector<FieldDefinition> fields;
};

// The nine tables in load order: HM_CNWord, HM_三才配置, HM_八一灵动数, HM_EName,
// HM_Poet, HM_全唐诗, HM_育儿百科, HM_算命风水, HM_百家姓. Names are GBK.
const std::vector<TableDefinition>& ReferenceTables();

// The file name of the reference database inside the data folder.
inline constexpr const char* kReferenceFileName = "namedata.db";

// Loads `dataFolder`/namedata.db into `db` as the in-memory working database:
// open ":memory:", create the nine tables, attach the file (never creating it),
// copy every table in one transaction (rolled back on any failure), detach,
// index. On failure `db` is closed and the Status carries the GBK message to
// show: "打开内存数据库失败！", "将磁盘数据库附加到内存数据库失败！" or the engine's
// error text. Safe to run on a thread of its own.
Status LoadReferenceDatabase(DatabaseClass& db, const std::filesystem::path& dataFolder);

// Positions of the HM_CNWord columns.
enum CharColumn : int {
  kCharId = 0, kCharCode, kCharHanzi, kCharSimplified, kCharTraditional, kCharSimplifiedStrokes,
  kCharTraditionalStrokes, kCharPinyin1, kCharPinyin2, kCharInitial, kCharFinal, kCharRadical,
  kCharElement, kCharWubi, kCharBasicExplanation, kCharDetailedExplanation, kCharColumnCount
};

// One HM_CNWord row. Texts are GBK. A character the table does not hold gives
// a record with found == false, empty texts and zero numbers.
struct CharRecord {
  bool found = false;
  int32_t id = 0;
  int32_t code = 0;
  std::string hanzi;
  std::string simplified;
  std::string traditional;
  int32_t simplifiedStrokes = 0;
  int32_t traditionalStrokes = 0;
  std::string pinyin1;
  std::string pinyin2;
  std::string initial;
  std::string final;
  std::string radical;
  std::string element;
  std::string wubi;
  std::string basicExplanation;
  std::string detailedExplanation;
};

// "select * from HM_CNWord where 汉字=?" with the character bound as a value.
CharRecord LookupCharacter(DatabaseClass& db, std::string_view hanzi);

}  // namespace babyname::refdata
