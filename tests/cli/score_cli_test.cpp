// babyname-cli score and page, run as a process against a fixture database.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/cli_runner.h"
#include "support/fixture_db.h"
#include "support/gbk_literal.h"

namespace {

using babyname::testing::FixtureDb;
using babyname::testing::G;
using babyname::testing::TempFolder;

using babyname::testing::CliOutcome;
using babyname::testing::ReadWholeFile;

class ScoreCli : public ::testing::Test {
 protected:
  void SetUp() override {
    FixtureDb fixture(data_.path());
    fixture.AddCharacter("张", 7, 11, "火", "zhāng");
    fixture.AddCharacter("文", 4, 4, "水", "wén");
    fixture.AddCharacter("光", 6, 6, "火", "guāng");
    fixture.AddCharacter("于", 3, 4, "土", "yú");
    fixture.AddCharacter("欧", 8, 15, "土", "ōu");
    fixture.AddCharacter("阳", 6, 17, "土", "yáng");
    for (int n : {12, 15, 10, 21}) fixture.AddNumber(n, "吉");
    fixture.AddNumber(7, "凶");
    fixture.AddTalent("木土水", "中");
    fixture.Exec("insert into HM_百家姓 values (1,'欧阳','源于越王','江西','欧阳修')");
    fixture.FillEmptyTables();
  }

  // Runs the CLI on the fixture with a shell-quoted argument string.
  CliOutcome Run(const std::string& arguments, const std::string& input = "") {
    return babyname::testing::RunCli("--data " + data_.path().string() + " " + arguments, input);
  }


  TempFolder data_;
  TempFolder io_;
};

TEST_F(ScoreCli, PrintsTheScoringRow) {
  // 5 + 30 + 20 + 20 + 10 × 0.6 + 15 × 0.85 = 93.75.
  const struct {
    const char* arguments;
    const char* row;
  } cases[] = {
      {"score 张 文光", "张文光\t17\t21\t火水火\t12,15,10,21,7\t木土水\t93\n"},
      {"score 于 文", "于文\t7\t7\t土水\t4,7,5,7,2\t火金土\t30\n"},  // 于 counts its simplified strokes
      {"score 欧阳 文", "欧阳文\t18\t36\t土土水\t32,21,5,36,16\t木木土\t30\n"},
      {"score 龘 文光", "龘文光\t10\t10\t水火\t1,4,10,10,7\t木火水\t46\n"},  // unknown family character
  };
  for (const auto& c : cases) {
    const CliOutcome r = Run(c.arguments);
    EXPECT_EQ(r.exitCode, 0) << c.arguments << r.err;
    EXPECT_EQ(r.out, c.row) << c.arguments;
  }
}

TEST_F(ScoreCli, RefusesEmptyOrBlankParts) {
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"score '' 文光", "请输入姓氏\n"},
      {"score '  ' ''", "请输入姓氏\n"},
      {"score 张 ''", "请输入名字\n"},
      {"score 张 '   '", "请输入名字\n"},
  };
  for (const auto& c : cases) {
    const CliOutcome r = Run(c.arguments);
    EXPECT_EQ(r.exitCode, 2) << c.arguments;
    EXPECT_EQ(r.err, c.message) << c.arguments;
    EXPECT_EQ(r.out, "") << c.arguments;
  }
  EXPECT_EQ(Run("score 张").exitCode, 2);
  EXPECT_EQ(Run("score --batch 张 文").exitCode, 2);
}

TEST_F(ScoreCli, WritesTheReportWhenAsked) {
  const auto file = io_.path() / "report.html";
  const CliOutcome r = Run("score 张 文光 --report " + file.string());
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "张文光\t17\t21\t火水火\t12,15,10,21,7\t木土水\t93\n");
  const std::string page = ReadWholeFile(file);
  EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
  EXPECT_NE(page.find(G("<b>93</b> 分")), std::string::npos);
  EXPECT_NE(page.find(G("外格-&gt; 7(金)")), std::string::npos);
  EXPECT_EQ(page.find(G("{天格")), std::string::npos);

  const CliOutcome failed = Run("score 张 文光 --report " + (io_.path() / "missing" / "report.html").string());
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_EQ(failed.err.rfind("无法写入文件：", 0), 0u) << failed.err;
}

TEST_F(ScoreCli, BatchScoresEveryLineInOrder) {
  const CliOutcome r = Run("score --batch", "张\t文光\n于\t文\r\n\t文\n欧阳\t文\n张\n张\t文光\n");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out,
            "张文光\t17\t21\t火水火\t12,15,10,21,7\t木土水\t93\n"
            "于文\t7\t7\t土水\t4,7,5,7,2\t火金土\t30\n"
            "欧阳文\t18\t36\t土土水\t32,21,5,36,16\t木木土\t30\n"
            "张文光\t17\t21\t火水火\t12,15,10,21,7\t木土水\t93\n");
  EXPECT_EQ(r.err, "line 3: 请输入姓氏\nline 5: 请输入名字\n");

  const CliOutcome clean = Run("score --batch", "张\t文光\n");
  EXPECT_EQ(clean.exitCode, 0) << clean.err;
}

TEST_F(ScoreCli, WritesCharacterAndFamilyNamePages) {
  const auto charFile = io_.path() / "char.html", surnameFile = io_.path() / "surname.html";
  CliOutcome r = Run("page char 张 " + charFile.string());
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(ReadWholeFile(charFile).find(G("<title>张</title>")), std::string::npos);
  EXPECT_NE(ReadWholeFile(charFile).find(G("zhāng")), std::string::npos);

  r = Run("page surname 欧阳 " + surnameFile.string());
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(ReadWholeFile(surnameFile).find(G("<title>百家姓_欧阳</title>")), std::string::npos);
  EXPECT_NE(ReadWholeFile(surnameFile).find(G("欧阳修")), std::string::npos);

  EXPECT_EQ(Run("page char 张 " + (io_.path() / "missing" / "x.html").string()).exitCode, 1);
  EXPECT_EQ(Run("page word 张 " + charFile.string()).exitCode, 2);
  EXPECT_EQ(Run("page surname '' " + charFile.string()).exitCode, 2);
}

}  // namespace
