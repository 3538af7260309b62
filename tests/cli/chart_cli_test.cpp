// babyname-cli chart: the report as the chart page shows it, without the
// reference database.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/cli_runner.h"
#include "support/fixture_db.h"

namespace {

using babyname::testing::TempFolder;

using babyname::testing::CliOutcome;

// Runs the CLI against an empty data folder: the chart must not need namedata.db.
CliOutcome RunChart(const TempFolder& data, const std::string& arguments) {
  return babyname::testing::RunCli("--data " + data.path().string() + " chart " + arguments);
}

TEST(CliChart, PrintsTheReportOfTheDefaultDateWithoutTheDatabase) {
  TempFolder data;
  const CliOutcome r = RunChart(data, "2013 1 1 0");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "公历日期：2013年1月1日0时\r\n\r\n"
            "农历日期：壬辰年    冬月  二十日  庚子时\r\n\r\n"
            "八字四柱：壬辰年  壬子月  丁卯日  庚子时\r\n\r\n"
            "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) \r\n\r\n"
            "五行纳音：长流水  桑柘木  炉中火  壁上土\r\n\r\n"
            "生肖属相：龙。\r\n\r\n"
            "龙年出生的人取名偏旁部首：\r\n\r\n"
            "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
            "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。");
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
