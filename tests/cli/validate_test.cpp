// babyname-cli validate on fixture databases: a complete one passes, and
// each kind of fault makes it fail and say so.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "generation/pools.h"
#include "support/cli_runner.h"
#include "support/fixture_db.h"
#include "support/gbk_literal.h"
#include "text/characters.h"

namespace {

using babyname::testing::FixtureDb;
using babyname::testing::TempFolder;

using babyname::testing::CliOutcome;

CliOutcome RunValidate(const std::filesystem::path& data) {
  return babyname::testing::RunCli("--data " + data.string() + " validate");
}

// Every pool character with a usable row, the 81 numbers, the 125 keys, one
// row in each other table.
void FillComplete(FixtureDb& db) {
  namespace gen = babyname::generation;
  db.Exec("BEGIN");
  const std::string all = gen::BoysPool() + gen::GirlsPool() + gen::ClassicBoysOnePool() + gen::ClassicGirlsOnePool() +
                          gen::ClassicBoysTwoList() + gen::ClassicGirlsTwoList();
  std::set<std::string> seen;
  for (const std::string& c : babyname::text::SplitCharacters(all)) {
    if (c.size() == 2 && seen.insert(c).second) db.AddCharacter(babyname::testing::U(c), 5, 6, "木");
  }
  for (int n = 1; n <= 81; ++n) db.AddNumber(n, "吉");
  const char* elements[] = {"金", "木", "水", "火", "土"};
  for (const char* a : elements)
    for (const char* b : elements)
      for (const char* c : elements) db.AddTalent(std::string(a) + b + c, "中");
  db.Exec("COMMIT");
  db.FillEmptyTables();
}

TEST(CliValidate, CompleteDatabasePasses) {
  TempFolder data;
  {
    FixtureDb db(data.path());
    FillComplete(db);
  }
  const CliOutcome r = RunValidate(data.path());
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("texts without a GBK form\t0\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("name-pool characters\t"), std::string::npos) << r.out;
}

TEST(CliValidate, EachFaultFailsWithAMessage) {
  struct Case {
    const char* fault;
    const char* sql;        // UTF-8, applied to a complete database
    const char* stdoutHas;  // expected in the output, or ""
    const char* stderrHas;  // expected in the error output
  };
  const Case cases[] = {
      {"pool character without element", "update HM_CNWord set 五行属性='' where 汉字='湛'", "name-pool characters\t",
       "湛 (no element)"},
      {"pool character with 0 strokes", "update HM_CNWord set 简体笔画数=0 where 汉字='子'", "", "子 (0 simplified strokes)"},
      {"pool character missing", "delete from HM_CNWord where 汉字='会'", "", "会 (no row)"},
      {"text without GBK form", "update HM_全唐诗 set 内容='𣲗' ", "texts without a GBK form\t1\n", "HM_全唐诗.内容"},
      {"verdict that does not score", "update HM_八一灵动数 set 吉凶='半吉' where Id=3", "", "number 3 has a verdict"},
      {"number missing", "delete from HM_八一灵动数 where Id=81", "", "number 81 missing"},
      {"three-talent key missing", "delete from HM_三才配置 where 三才='土土土'", "", "土土土"},
      {"empty table", "delete from HM_EName", "HM_EName\t10\t0\n", "HM_EName is empty"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    TempFolder data;
    {
      FixtureDb db(data.path());
      FillComplete(db);
      db.Exec(c.sql);
    }
    const CliOutcome r = RunValidate(data.path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find(c.stdoutHas), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(c.stderrHas), std::string::npos) << r.err;
  }
}

}  // namespace
