// babyname-cli generate, run as a process against a fixture database.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/fixture_db.h"

namespace {

using babyname::testing::FixtureDb;
using babyname::testing::TempFolder;

using babyname::testing::CliOutcome;
using babyname::testing::RunCli;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class GenerateCli : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    data_ = new TempFolder;
    FixtureDb f(data_->path());
    f.Exec("begin");
    f.AddCharacter("李", 7, 7, "木", "li");
    f.AddCharacter("圣", 5, 5, "金", "sheng");
    f.AddCharacter("诚", 8, 8, "金", "cheng");
    f.AddCharacter("杰", 8, 12, "木", "jie");
    f.AddCharacter("乐", 5, 15, "火", "le");
    f.AddCharacter("家", 10, 10, "木", "jia");
    for (int n = 1; n <= 100; ++n) f.AddNumber(n, n == 13 ? "凶" : "大吉");
    const char* elements[] = {"金", "木", "水", "火", "土"};
    for (const char* a : elements)
      for (const char* b : elements)
        for (const char* c : elements) f.AddTalent(std::string(a) + b + c, "大吉");
    f.Exec("insert into HM_EName values (1,'g','','Gary','4',1,'加里','','英语','强壮')");
    f.Exec("insert into HM_EName values (2,'g','','Grace','5',2,'格雷丝','','英语','优雅')");
    f.FillEmptyTables();
    f.Exec("commit");
  }
  static void TearDownTestSuite() {
    delete data_;
    data_ = nullptr;
  }

  static CliOutcome Generate(const std::string& arguments) {
    return RunCli("--data " + data_->path().string() + " generate " + arguments);
  }


  static TempFolder* data_;
};

TempFolder* GenerateCli::data_ = nullptr;

TEST_F(GenerateCli, CombinationPrintsTheSortedListWithItsColumns) {
  const CliOutcome r = Generate("--mode combine --surname 李 --chars 圣诚杰");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 9u);
  // 编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分
  EXPECT_EQ(lines[0], "1\t李圣圣\t17\t17\t木金金\t8,12,10,17,6\t金木水\t100");
  EXPECT_EQ(lines[8], "9\t李诚圣\t20\t20\t木金金\t8,15,13,20,6\t金土火\t92");
  EXPECT_EQ(r.err, "");
}

TEST_F(GenerateCli, ModesAndTheirOutput) {
  struct Case {
    const char* arguments;
    size_t lines;
    const char* firstLine;  // nullptr: not checked
    const char* err;        // expected stderr
  } cases[] = {
      {"--mode poem --surname 李 --poem-chars 圣杰圣", 4, "1\t李圣圣\t17\t17\t木金金\t8,12,10,17,6\t金木水\t100", ""},
      {"--mode combine --surname 李 --chars 圣诚 --count 1", 2, "1\t李圣\t12\t12\t木金\t8,12,6,12,2\t金木土\t100",
       "一字名数理得分较低,所以软件自动降低评分标准!\n"},
      {"--mode combine --surname 李 --chars 杰 --generation second:圣", 1,
       "1\t李圣杰\t20\t24\t木金木\t8,12,17,24,13\t金木金\t96", ""},
      // 李 圣 诚 杰 乐 家 in the boys' half, all but 李 again in the girls' half.
      {"--mode nickname --surname 张 --pattern AA", 11, nullptr, ""},
      {"--mode english --surname 李 --given 家明 --style 男性化", 1, "1\tGary\t加里\t强壮", ""},
      {"--mode combine --surname '' --chars 圣", 0, nullptr, "请输入姓氏\n"},
  };
  for (const Case& c : cases) {
    const CliOutcome r = Generate(c.arguments);
    EXPECT_EQ(r.exitCode, 0) << c.arguments << r.err;
    const auto lines = Lines(r.out);
    EXPECT_EQ(lines.size(), c.lines) << c.arguments << "\n" << r.out;
    if (c.firstLine && !lines.empty()) {
      EXPECT_EQ(lines[0], c.firstLine) << c.arguments;
    }
    EXPECT_EQ(r.err, c.err) << c.arguments;
  }
}

TEST_F(GenerateCli, ClassicPrintsItsText) {
  const CliOutcome r = Generate("--mode classic --surname 李 --sex 女 --count 1 --seed 3");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const auto lines = Lines(r.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].size(), 16 * (3 + 3 + 3) + 1);  // 16 names of two UTF-8 characters and three spaces, \r
  EXPECT_EQ(Generate("--mode classic --surname 李 --sex 女 --count 1 --seed 3").out, r.out);
}

TEST_F(GenerateCli, ExpertAndStats) {
  const CliOutcome r = Generate("--mode expert --surname 李 --must '' --seed 1 --stats");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // The boys' pool holds 李 圣 诚 杰 乐 家 of the fixture; the 天格 8 is 大吉: only 100s.
  for (const auto& line : Lines(r.out)) EXPECT_EQ(line.substr(line.rfind('\t') + 1), "100") << line;
  const auto err = Lines(r.err);
  ASSERT_EQ(err.size(), 5u) << r.err;
  EXPECT_EQ(err[0], "candidates built: 49");  // 6 pool characters and the family-name entry, squared
  EXPECT_EQ(err[1].rfind("candidates scored: ", 0), 0u);
  EXPECT_EQ(err[2], "rows: " + std::to_string(Lines(r.out).size()));
  EXPECT_EQ(err[3].rfind("engine ms: ", 0), 0u);
  EXPECT_EQ(err[4].rfind("peak memory MB: ", 0), 0u);
}

TEST_F(GenerateCli, UsageErrors) {
  const char* cases[] = {
      "--mode fancy --surname 李",
      "--surname 李",
      "--mode high",
      "--mode nickname --surname 李 --pattern AB",
      "--mode english --surname 李 --given 家 --style 很男",
      "--mode expert --surname 李 --must 金X",
      "--mode combine --surname 李 --generation fourth:志",
      "--mode combine --surname 李 --generation second:",
      "--mode high --surname 李 --count 3",
      "--mode high --surname 李 --seed x",
      "--mode high --surname 李 --chars",
      "--mode high --surname 李 --colour red",
  };
  for (const char* arguments : cases) {
    const CliOutcome r = Generate(arguments);
    EXPECT_EQ(r.exitCode, 2) << arguments;
    EXPECT_EQ(r.out, "") << arguments;
    EXPECT_NE(r.err.find("usage: babyname-cli generate"), std::string::npos) << arguments;
  }
}

}  // namespace
