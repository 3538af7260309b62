// Runs babyname-cli as a process against fixture databases.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_runner.h"
#include "support/fixture_db.h"

namespace {

using babyname::testing::FixtureDb;
using babyname::testing::TempFolder;

using babyname::testing::RunCli;

TEST(CliValidate, PrintsOneLinePerTable) {
  TempFolder data;
  {
    FixtureDb fixture(data.path());
    fixture.FillEmptyTables();
  }
  const auto r = RunCli("--data " + data.path().string() + " validate");
  // One row per table lacks the pool characters, so the further checks fail (validate_test.cpp).
  EXPECT_EQ(r.exitCode, 1) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find("name-pool")),
            "HM_CNWord\t16\t1\nHM_三才配置\t21\t1\nHM_八一灵动数\t10\t1\nHM_EName\t10\t1\nHM_Poet\t4\t1\n"
            "HM_全唐诗\t6\t1\nHM_育儿百科\t5\t1\nHM_算命风水\t5\t1\nHM_百家姓\t5\t1\n");
}

TEST(CliValidate, MissingFileExitsOneWithTheLoadMessage) {
  TempFolder data;
  const auto r = RunCli("--data " + data.path().string() + " validate");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "将磁盘数据库附加到内存数据库失败！\n");
  EXPECT_FALSE(std::filesystem::exists(data.path() / "namedata.db"));
}

TEST(CliChar, PrintsTheRowOrNotFound) {
  TempFolder data;
  {
    FixtureDb fixture(data.path());
    fixture.FillEmptyTables();
  }
  const std::string dataArg = "--data " + data.path().string();
  auto r = RunCli(dataArg + " char 一");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "1\t1\t一\t一\t一\t1\t1\tyi\tyī\ty\ti\t一\t土\tggll\t基本\t详细\n");

  r = RunCli(dataArg + " char 龘");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "not found\n");

  r = RunCli(dataArg + " char");
  EXPECT_EQ(r.exitCode, 2);
  r = RunCli(dataArg + " char 😀");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("U+1F600"), std::string::npos) << r.err;
}

TEST(Cli, UsageErrorsExitTwo) {
  EXPECT_EQ(RunCli("").exitCode, 2);
  EXPECT_EQ(RunCli("no-such-command").exitCode, 2);
  EXPECT_EQ(RunCli("--data").exitCode, 2);
  EXPECT_EQ(RunCli("--help").exitCode, 0);
}

}  // namespace
