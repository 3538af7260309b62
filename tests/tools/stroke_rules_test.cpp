// The naming stroke rule on the real Unihan data and our content/strokes tables.
#include "stroke_rules.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "gbk_fit.h"
#include "support/fixture_db.h"
#include "unihan.h"
#include "utf8.h"

namespace babyname::builder {
namespace {

struct Data {
  Unihan unihan;
  GbkCatalog catalog;
  StrokeRules rules;
  Problems problems;
};

const Data& Loaded() {
  static const Data* data = [] {
    auto* d = new Data;
    auto unihan = Unihan::Load("/usr/share/unicode");
    if (unihan.ok()) d->unihan = std::move(unihan).value();
    d->rules = StrokeRules::Load(babyname::testing::SourceDir(), d->problems);
    return d;
  }();
  return *data;
}

int Strokes(const char* hanzi) {
  const Data& d = Loaded();
  return d.rules.KangxiStrokes(SingleCodePoint(hanzi), d.unihan, [&](char32_t c) { return d.catalog.Has(c); });
}

std::string Traditional(const char* hanzi) {
  const Data& d = Loaded();
  return EncodeUtf8(
      d.rules.TraditionalForm(SingleCodePoint(hanzi), d.unihan, [&](char32_t c) { return d.catalog.Has(c); }));
}

TEST(StrokeRules, TablesLoadWithoutProblems) {
  ASSERT_GT(Loaded().unihan.size(), 90000u) << "Unihan files missing (install unicode-data)";
  EXPECT_TRUE(Loaded().problems.errors.empty()) << Loaded().problems.errors.front();
}

TEST(StrokeRules, NamingCountsOfKnownCharacters) {
  // Counts that naming references agree on: the radical at its full form
  // (氵 4, 扌 4, 艹 6, 王-side 5, 月(肉) 6, 阝 8 / 7, 辶 7), the numerals by value.
  const struct {
    const char* hanzi;
    int strokes;
  } cases[] = {
      {"张", 11}, {"王", 4},  {"李", 7},  {"刘", 15}, {"陈", 16}, {"海", 11}, {"玲", 10}, {"郭", 15},
      {"罗", 20}, {"明", 8},  {"五", 5},  {"极", 13}, {"傲", 13}, {"渠", 13}, {"胤", 11}, {"厦", 13},
      {"熙", 13}, {"璐", 18}, {"一", 1},  {"四", 4},  {"六", 6},  {"七", 7},  {"八", 8},  {"九", 9},
      {"十", 10}, {"于", 3},  {"杨", 13}, {"黄", 12}, {"赵", 14}, {"周", 8},  {"吴", 7},  {"孙", 10},
      {"芳", 10}, {"打", 6},  {"思", 9},  {"那", 11}, {"阳", 17}, {"远", 17}, {"林", 8},  {"华", 14},
      {"国", 11}, {"伟", 11}, {"丽", 19}, {"建", 9},  {"涵", 12}, {"瑶", 15}, {"琪", 13}, {"慧", 15},
      {"德", 15}, {"鑫", 24}, {"鹏", 19}, {"龙", 16}, {"飞", 9},  {"宇", 6},  {"轩", 10}, {"梓", 11},
      // kept as written, counted by the same rule
      {"余", 7},  {"胡", 11}, {"朱", 6},  {"沈", 8},  {"姜", 9},  {"范", 11}, {"千", 3},  {"秋", 9},
      {"向", 6},  {"御", 11}, {"芸", 10}, {"才", 4},
      // chosen among several traditional forms
      {"当", 13}, {"钟", 17},
      // counted as written where the dictionary's section differs
      {"斌", 12}, {"紫", 12}, {"政", 9}, {"毓", 14}, {"柴", 10}, {"致", 10}, {"露", 21}, {"兴", 16},
  };
  for (const auto& c : cases) EXPECT_EQ(Strokes(c.hanzi), c.strokes) << c.hanzi;
}

TEST(StrokeRules, TraditionalForms) {
  const struct {
    const char* hanzi;
    const char* traditional;
  } cases[] = {
      {"刘", "劉"}, {"厦", "廈"},  // Unihan lists the character itself too; that entry is dropped
      {"张", "張"}, {"罗", "羅"},
      {"于", "于"}, {"胡", "胡"}, {"范", "范"}, {"家", "家"},  // kept as written
      {"当", "當"}, {"钟", "鍾"}, {"发", "發"},                // chosen among several
      {"明", "明"}, {"張", "張"},                              // no other form
  };
  for (const auto& c : cases) EXPECT_EQ(Traditional(c.hanzi), c.traditional) << c.hanzi;
}

TEST(RadicalStroke, ParsesPlacements) {
  const struct {
    const char* field;
    int radical;
    bool simplified;
    int residual;
  } cases[] = {
      {"57.8", 57, false, 8}, {"96.-1", 96, false, -1}, {"167'.4", 167, true, 4},
      {"85.7 85.8", 85, false, 7}, {"", 0, false, 0}, {"abc", 0, false, 0},
  };
  for (const auto& c : cases) {
    const RadicalStroke rs = ParseRadicalStroke(c.field);
    EXPECT_EQ(rs.radical, c.radical) << c.field;
    EXPECT_EQ(rs.simplifiedRadical, c.simplified) << c.field;
    EXPECT_EQ(rs.residual, c.residual) << c.field;
  }
}

}  // namespace
}  // namespace babyname::builder
