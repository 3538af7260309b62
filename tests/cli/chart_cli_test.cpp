// babyname-cli chart: the report as the chart page shows it, without the
// reference database.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "chart/birth_chart.h"
#include "support/cli_runner.h"
#include "support/fixture_db.h"
#include "support/gbk_literal.h"

namespace {

using babyname::testing::CliOutcome;
using babyname::testing::TempFolder;
using babyname::testing::U;

// Runs the CLI against an empty data folder: the chart must not need namedata.db.
CliOutcome RunChart(const TempFolder& data, const std::string& arguments) {
  return babyname::testing::RunCli("--data " + data.path().string() + " chart " + arguments);
}

TEST(CliChart, PrintsTheReportOfTheDefaultDateWithoutTheDatabase) {
  TempFolder data;
  const CliOutcome r = RunChart(data, "2013 1 1 0");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // The known answer itself is checked in the core's tests; here the command
  // must print the page's text unchanged, as UTF-8 with its CR LF pairs.
  EXPECT_EQ(r.out, U(babyname::chart::CastBirthChart("2013", "1", "1", "0").report));
  EXPECT_EQ(r.err, "");
  EXPECT_FALSE(std::filesystem::exists(data.path() / "namedata.db"));
}

TEST(CliChart, InvalidDatesAndWrongArguments) {
  TempFolder data;
  CliOutcome r = RunChart(data, "2013 2 30 0");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "公历日期：2013年2月30日0时\r\n\r\n日期无效：该日期不存在。");

  r = RunChart(data, "2013 1 1");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("usage"), std::string::npos);
}

}  // namespace
