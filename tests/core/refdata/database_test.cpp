#include "refdata/database.h"

#include <gtest/gtest.h>

#include <thread>

#include "support/fixture_db.h"
#include "support/gbk_literal.h"

namespace babyname::refdata {
namespace {

using babyname::testing::G;
using babyname::testing::TempFolder;

TEST(CreateTableSql, RendersDefinitions) {
  EXPECT_EQ(CreateTableSql("HM_CNWord", {{"Id", kInteger, 10, 0, ""}, {G("汉字"), kVarChar, 2, 0, ""}}),
            G("create table HM_CNWord (Id Integer(10),汉字 VarChar(2))"));
  EXPECT_EQ(CreateTableSql("T", {{"k", kInteger, 10, kPrimaryKey | kNotNull, ""}}),
            "create table T (k Integer(10) Primary Key Not Null)");
  EXPECT_EQ(CreateTableSql("T", {{"k", kInteger, 0, kPrimaryKey | kAutoIncrement, ""}, {"v", kText, 0, 0, "'x'"}}),
            "create table T (k Integer Primary Key AutoIncrement,v Text Default 'x')");
  EXPECT_EQ(CreateTableSql("T", {}), "create table T");
  EXPECT_EQ(TypeWord(9), "");
  EXPECT_EQ(TypeWord(99), "");
  EXPECT_EQ(AttributeWords(4), " Not Null");
}

TEST(DatabaseClass, OpensInMemoryAndRefusesMissingFileWithoutCreating) {
  DatabaseClass db;
  EXPECT_TRUE(db.Open());
  EXPECT_TRUE(db.Close());
  EXPECT_FALSE(db.Close());

  TempFolder folder;
  const auto missing = folder.path() / "nothing.db";
  EXPECT_FALSE(db.Open(missing));
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_TRUE(db.Open(missing, {}, /*create=*/true));
  EXPECT_TRUE(std::filesystem::exists(missing));
  EXPECT_FALSE(db.Open(std::nullopt, "secret"));  // keys are not supported
}

TEST(DatabaseClass, ReadsOnNoStatementOrNoRowAreEmpty) {
  DatabaseClass db;
  // Closed object: every operation gives its failure value.
  EXPECT_EQ(db.Query("select 1"), nullptr);
  EXPECT_FALSE(db.Exec("select 1"));
  EXPECT_EQ(db.ColumnText(nullptr, 0), "");
  EXPECT_EQ(db.ColumnInt(nullptr, 0), 0);
  EXPECT_FALSE(db.NextRow(nullptr));
  EXPECT_FALSE(db.Finalize(nullptr));

  ASSERT_TRUE(db.Open());
  EXPECT_EQ(db.Query("select from nowhere"), nullptr);
  ASSERT_TRUE(db.Exec("create table t (a Integer, b VarChar(2))"));
  StatementHandle none = db.Query("select * from t");
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(db.ColumnText(none, 1), "");
  EXPECT_EQ(db.ColumnInt(none, 0), 0);
  EXPECT_FALSE(db.NextRow(none));
  EXPECT_TRUE(db.Finalize(none));
}

TEST(DatabaseClass, TextsRoundTripAsGbkAndLongValuesStayWhole) {
  DatabaseClass db;
  ASSERT_TRUE(db.Open());
  ASSERT_TRUE(db.Exec(G("create table t (a Integer(10), 汉字 VarChar(2))")));
  std::string longText;
  for (int i = 0; i < 500; ++i) longText += G("长");
  ASSERT_TRUE(db.Exec(G("insert into t values (1, '张')")));
  ASSERT_TRUE(db.Exec("insert into t values (2, '" + longText + "')"));
  StatementGuard row(db, db.Query("select * from t order by a"));
  EXPECT_EQ(row.Int(0), 1);
  EXPECT_EQ(row.Text(1), G("张"));
  ASSERT_TRUE(row.Next());
  EXPECT_EQ(row.Text(1), longText);
  EXPECT_FALSE(row.Next());
}

TEST(DatabaseClass, BoundValuesWithQuotesFindNothingInsteadOfBreaking) {
  DatabaseClass db;
  ASSERT_TRUE(db.Open());
  ASSERT_TRUE(db.Exec(G("create table t (k VarChar(8), v Integer)")));
  ASSERT_TRUE(db.Exec(G("insert into t values ('张', 7)")));
  StatementGuard found(db, db.Query(G("select * from t where k=?"), {G("张")}));
  EXPECT_EQ(found.Int(1), 7);
  for (const std::string& hostile : {G("张\""), std::string("\" or \"\"=\""), std::string("'; drop table t; --")}) {
    StatementHandle h = db.Query("select * from t where k=?", {hostile});
    ASSERT_NE(h, nullptr) << hostile;
    EXPECT_EQ(db.ColumnText(h, 0), "");
    db.Finalize(h);
  }
  StatementGuard number(db, db.Query("select * from t where v=?", {int64_t{7}}));
  EXPECT_EQ(number.Text(0), G("张"));
}

TEST(DatabaseClass, ExecReportsTheEnginesError) {
  DatabaseClass db;
  ASSERT_TRUE(db.Open());
  std::string error = "stale";
  EXPECT_FALSE(db.Exec("insert into missing values (1)", &error));
  EXPECT_NE(error.find("no such table"), std::string::npos) << error;
  EXPECT_TRUE(db.Exec("select 1", &error));
  EXPECT_EQ(error, "");
}

TEST(DatabaseClass, AttachQuotesItsPath) {
  TempFolder folder;
  const auto odd = folder.path() / "it's here.db";
  {
    DatabaseClass maker;
    ASSERT_TRUE(maker.Open(odd, {}, true));
    ASSERT_TRUE(maker.Exec("create table x (a)"));
  }
  DatabaseClass db;
  ASSERT_TRUE(db.Open());
  std::string error;
  EXPECT_TRUE(db.Attach(odd, "other", &error)) << error;
  EXPECT_TRUE(db.Detach("other"));
}

TEST(DatabaseClass, OneConnectionServesSeveralThreads) {
  DatabaseClass db;
  ASSERT_TRUE(db.Open());
  ASSERT_TRUE(db.Exec("create table t (v Integer)"));
  ASSERT_TRUE(db.Exec("insert into t values (41)"));
  std::vector<std::thread> threads;
  std::atomic<int> good{0};
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 500; ++i) {
        StatementGuard row(db, db.Query("select v + 1 from t"));
        if (row.Int(0) == 42) ++good;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(good.load(), 2000);
}

}  // namespace
}  // namespace babyname::refdata
