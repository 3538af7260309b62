#include "chart/birth_chart.h"

#include <gtest/gtest.h>

#include "support/gbk_literal.h"

namespace babyname::chart {
namespace {

using babyname::testing::G;
using babyname::testing::U;

BirthChart Cast(const char* year, const char* month, const char* day, const char* hour) {
  return CastBirthChart(year, month, day, hour);
}

TEST(BirthChart, TheDefaultDateGivesTheWholeReport) {
  const BirthChart chart = Cast("2013", "1", "1", "0");
  ASSERT_TRUE(chart.valid);
  EXPECT_EQ(U(chart.report),
            "公历日期：2013年1月1日0时\r\n\r\n"
            "农历日期：壬辰年    冬月  二十日  庚子时\r\n\r\n"
            "八字四柱：壬辰年  壬子月  丁卯日  庚子时\r\n\r\n"
            "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) \r\n\r\n"
            "五行纳音：长流水  桑柘木  炉中火  壁上土\r\n\r\n"
            "生肖属相：龙。\r\n\r\n"
            "龙年出生的人取名偏旁部首：\r\n\r\n"
            "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
            "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。");
  EXPECT_EQ(chart.zodiac, Branch::kChen);
  EXPECT_TRUE(chart.missing.empty());
  EXPECT_EQ(chart.lunarDate, (LunarDate{2012, GanZhi::FromIndex(28), 11, false, 20}));
  EXPECT_EQ(U(chart.nayin[3]), "壁上土");
}

TEST(BirthChart, Hour23BelongsToTheNextDay) {
  const BirthChart chart = Cast("2013", "1", "1", "23");
  ASSERT_TRUE(chart.valid);
  EXPECT_EQ(U(GanZhiText(chart.pillars.day)), "戊辰");
  EXPECT_EQ(U(GanZhiText(chart.pillars.hour)), "壬子");
  // The lunar date stays that of the civil day.
  EXPECT_NE(U(chart.report).find("农历日期：壬辰年    冬月  二十日  壬子时\r\n"), std::string::npos);
}

TEST(BirthChart, BeforeStartOfSpringTheAdviceIsThatOfThePreviousYear) {
  const BirthChart chart = Cast("2014", "1", "10", "8");
  ASSERT_TRUE(chart.valid);
  EXPECT_EQ(U(GanZhiText(chart.pillars.year)), "癸巳");
  EXPECT_EQ(chart.zodiac, Branch::kSi);
  const std::string report = U(chart.report);
  EXPECT_NE(report.find("\r\n\r\n生肖属相：蛇。\r\n\r\n"), std::string::npos);
  EXPECT_TRUE(report.ends_with("父、纟等部首。 "));  // the text of 蛇 ends with a blank
}

TEST(BirthChart, MissingElementsAreListedInTheFixedOrder) {
  EXPECT_EQ(U(MissingElementsText({})), "五行不缺");
  EXPECT_EQ(U(MissingElementsText({Element::kMetal, Element::kEarth})), "五行缺：金土");
  // 2013-06-01 12:00 has neither 金 nor 木.
  const BirthChart chart = Cast("2013", "6", "1", "12");
  ASSERT_TRUE(chart.valid);
  std::string pillars;
  for (GanZhi g : {chart.pillars.year, chart.pillars.month, chart.pillars.day, chart.pillars.hour})
    pillars += U(GanZhiText(g));
  EXPECT_EQ(pillars, "癸巳丁巳戊戌戊午");
  EXPECT_EQ(chart.missing, (std::vector<Element>{Element::kMetal, Element::kWood}));
  EXPECT_NE(U(chart.report).find("八字五行：水,火,火,火,土,土,土,火, ( 五行缺：金木 ) \r\n\r\n"),
            std::string::npos);
}

TEST(BirthChart, ElementPairsAndNayin) {
  EXPECT_EQ(U(ElementPairText(GanZhi::FromIndex(0))), "木,水,");
  struct Case {
    int index;
    const char* nayin;
  };
  const Case cases[] = {{0, "海中金"}, {1, "海中金"}, {30, "砂石金"}, {40, "灯头火"}, {41, "灯头火"}, {59, "大海水"}};
  for (const Case& c : cases) EXPECT_EQ(U(NayinText(GanZhi::FromIndex(c.index))), c.nayin) << c.index;
}

TEST(BirthChart, ZodiacAdviceTexts) {
  EXPECT_EQ(U(ZodiacAdviceText(Branch::kZi)),
            "生肖属相：鼠。\r\n\r\n鼠年出生的人取名偏旁部首：\r\n\r\n"
            "宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。\r\n\r\n"
            "忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。");
  EXPECT_EQ(U(ZodiacAdviceText(Branch::kWu)),
            "生肖属相：马。\r\n\r\n马年出生的人取名偏旁部首：\r\n\r\n"
            "宜：艹、金、玉、木、禾、虫、米、人、月、土、才、钅等部首为吉。\r\n\r\n"
            "忌：田、日、火、水、车、石、力、刀、酉、马等部首。 ");
  // Only 蛇 and 马 end with a blank.
  for (int b = 0; b < 12; ++b) {
    const auto branch = static_cast<Branch>(b);
    const bool blank = branch == Branch::kSi || branch == Branch::kWu;
    EXPECT_EQ(ZodiacAdviceText(branch).ends_with(G("等部首。 ")), blank) << b;
    EXPECT_TRUE(ZodiacAdviceText(branch).starts_with(G("生肖属相：") + ZodiacAnimalText(branch))) << b;
  }
}

TEST(BirthChart, DatesThatCannotBeChartedSaySoUnderTheGregorianLine) {
  struct Case {
    const char* year;
    const char* month;
    const char* day;
    const char* hour;
    const char* expected;
  };
  const Case cases[] = {
      {"2013", "2", "30", "0", "公历日期：2013年2月30日0时\r\n\r\n日期无效：该日期不存在。"},
      {"2013", "", "1", "0", "公历日期：2013年月1日0时\r\n\r\n日期无效：该日期不存在。"},
      {"2013", "1x", "1", "0", "公历日期：2013年1x月1日0时\r\n\r\n日期无效：该日期不存在。"},
      {"1900", "6", "1", "0",
       "公历日期：1900年6月1日0时\r\n\r\n日期无效：该日期不在可查询的范围内（1901年1月1日至2100年12月31日）。"},
      {"2013", "1", "1", "24", "公历日期：2013年1月1日24时\r\n\r\n日期无效：时辰应在0时至23时之间。"},
  };
  for (const Case& c : cases) {
    const BirthChart chart = Cast(c.year, c.month, c.day, c.hour);
    EXPECT_FALSE(chart.valid) << c.expected;
    EXPECT_EQ(U(chart.report), c.expected);
  }
}

TEST(BirthChart, RangeEdges) {
  for (const auto& date : {std::array<const char*, 3>{"1901", "2", "19"}, {"2048", "12", "31"}}) {
    const BirthChart chart = Cast(date[0], date[1], date[2], "12");
    EXPECT_TRUE(chart.valid) << date[0];
  }
  EXPECT_NE(U(Cast("1901", "2", "19", "0").report).find("农历日期：辛丑年    正月  初一日  壬子时"), std::string::npos);
  EXPECT_NE(U(Cast("2048", "12", "31", "12").report).find("八字四柱：戊辰年  甲子月  乙亥日  壬午时"),
            std::string::npos);
}

}  // namespace
}  // namespace babyname::chart
