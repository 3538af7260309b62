#include "refdata/reference_db.h"

#include <gtest/gtest.h>

#include "support/fixture_db.h"
#include "support/gbk_literal.h"

namespace babyname::refdata {
namespace {

using babyname::testing::FixtureDb;
using babyname::testing::G;
using babyname::testing::TempFolder;
using babyname::testing::U;

int RowCount(DatabaseClass& db, const std::string& table) {
  StatementGuard count(db, db.Query("select count(*) from " + table));
  return count.Int(0);
}

TEST(ReferenceTables, LayoutsHaveTheBindingColumnCounts) {
  const auto& tables = ReferenceTables();
  ASSERT_EQ(tables.size(), 9u);
  const std::pair<const char*, size_t> expected[] = {
      {"HM_CNWord", 16}, {"HM_三才配置", 21}, {"HM_八一灵动数", 10}, {"HM_EName", 10}, {"HM_Poet", 4},
      {"HM_全唐诗", 6},  {"HM_育儿百科", 5},  {"HM_算命风水", 5},   {"HM_百家姓", 5},
  };
  for (size_t i = 0; i < 9; ++i) {
    EXPECT_EQ(tables[i].name, G(expected[i].first));
    EXPECT_EQ(tables[i].fields.size(), expected[i].second) << expected[i].first;
  }
  EXPECT_EQ(CreateTableSql(tables[8].name, tables[8].fields),
            G("create table HM_百家姓 (Id Integer(10),姓 VarChar(8),姓氏起源 VarChar(1000),"
              "聚集地 VarChar(1000),历史名人 VarChar(1000))"));
}

TEST(LoadReferenceDatabase, CopiesEveryTableAndLooksUpCharacters) {
  TempFolder folder;
  {
    FixtureDb fixture(folder.path());
    fixture.AddCharacter("张", 7, 11, "火", "zhang");
    fixture.FillEmptyTables();
  }
  DatabaseClass db;
  ASSERT_TRUE(LoadReferenceDatabase(db, folder.path()).ok());
  for (const auto& table : ReferenceTables()) EXPECT_GE(RowCount(db, table.name), 1) << U(table.name);

  const CharRecord zhang = LookupCharacter(db, G("张"));
  EXPECT_TRUE(zhang.found);
  EXPECT_EQ(zhang.simplifiedStrokes, 7);
  EXPECT_EQ(zhang.traditionalStrokes, 11);
  EXPECT_EQ(zhang.element, G("火"));
  EXPECT_EQ(zhang.pinyin1, "zhang");

  const CharRecord missing = LookupCharacter(db, G("龘"));
  EXPECT_FALSE(missing.found);
  EXPECT_EQ(missing.traditionalStrokes, 0);
  EXPECT_EQ(missing.element, "");
  EXPECT_FALSE(LookupCharacter(db, "\"").found);
}

TEST(LoadReferenceDatabase, MissingFileFailsAndCreatesNothing) {
  TempFolder folder;
  DatabaseClass db;
  const Status status = LoadReferenceDatabase(db, folder.path());
  EXPECT_FALSE(status.ok());
  EXPECT_EQ(U(status.message()), "将磁盘数据库附加到内存数据库失败！");
  EXPECT_FALSE(db.IsOpen());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "namedata.db"));
}

TEST(LoadReferenceDatabase, MissingTableRollsBackEveryCopy) {
  TempFolder folder;
  {
    FixtureDb fixture(folder.path());
    fixture.FillEmptyTables();
    fixture.Exec("drop table HM_百家姓");
  }
  DatabaseClass db;
  const Status status = LoadReferenceDatabase(db, folder.path());
  ASSERT_FALSE(status.ok());
  EXPECT_NE(U(status.message()).find("HM_百家姓"), std::string::npos) << U(status.message());
  EXPECT_FALSE(db.IsOpen());
}

TEST(LoadReferenceDatabase, ColumnCountMismatchFailsOnTheFirstCopy) {
  TempFolder folder;
  {
    FixtureDb fixture(folder.path());
    fixture.FillEmptyTables();
    fixture.Exec("alter table HM_CNWord add column extra");
  }
  DatabaseClass db;
  const Status status = LoadReferenceDatabase(db, folder.path());
  ASSERT_FALSE(status.ok());
  EXPECT_NE(U(status.message()).find("17"), std::string::npos) << U(status.message());
  EXPECT_FALSE(db.IsOpen());
}

}  // namespace
}  // namespace babyname::refdata
