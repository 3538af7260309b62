#include "chart/ganzhi.h"

#include <gtest/gtest.h>

#include "support/gbk_literal.h"

namespace babyname::chart {
namespace {

using babyname::testing::G;
using babyname::testing::U;

TEST(GanZhi, CyclePositionsAndTexts) {
  struct Case {
    int position;
    const char* text;
  };
  const Case cases[] = {{1, "甲子"}, {2, "乙丑"}, {11, "甲戌"}, {16, "己卯"}, {29, "壬辰"}, {60, "癸亥"}};
  for (const Case& c : cases) {
    EXPECT_EQ(U(GanZhiText(c.position)), c.text);
    const auto parsed = ParseGanZhi(G(c.text));
    ASSERT_TRUE(parsed.has_value()) << c.text;
    EXPECT_EQ(parsed->position(), c.position);
  }
  for (int outside : {0, -1, 61, 120}) EXPECT_EQ(GanZhiText(outside), "") << outside;
  EXPECT_FALSE(ParseGanZhi(G("甲丑")).has_value());
  EXPECT_FALSE(ParseGanZhi("").has_value());
}

TEST(GanZhi, StemAndBranchMakeOnePositionWhenTheirParityAgrees) {
  for (int i = 0; i < 60; ++i) {
    const GanZhi g = GanZhi::FromIndex(i);
    EXPECT_EQ(MakeGanZhi(g.stem(), g.branch()), g);
  }
  EXPECT_FALSE(MakeGanZhi(Stem::kJia, Branch::kChou).has_value());
  EXPECT_EQ(GanZhi::FromIndex(-1), GanZhi::FromIndex(59));
}

TEST(GanZhi, ElementsOfStemsAndBranches) {
  const char* stems = "木木火火土土金金水水";
  const char* branches = "水土木木土火火土金金土水";
  const std::string s = G(stems), b = G(branches);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(ElementText(ElementOf(static_cast<Stem>(i))), s.substr(2 * i, 2)) << i;
  for (int i = 0; i < 12; ++i) EXPECT_EQ(ElementText(ElementOf(static_cast<Branch>(i))), b.substr(2 * i, 2)) << i;
}

}  // namespace
}  // namespace babyname::chart
