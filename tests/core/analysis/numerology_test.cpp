#include "analysis/numerology.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/fixture_db.h"
#include "support/gbk_literal.h"
#include "text/characters.h"

namespace babyname::analysis {
namespace {

using babyname::testing::FixtureDb;
using babyname::testing::G;
using babyname::testing::TempFolder;
using babyname::testing::U;

// Characters with chosen traditional strokes (simplified = traditional - 1,
// element by the stroke count's last digit so the element text is predictable).
CharInfoTable TableOf(const std::vector<std::pair<const char*, int>>& strokes) {
  CharInfoTable table;
  for (const auto& [hanzi, t] : strokes) table.Append({G(hanzi), t - 1, t, ElementOfNumber(t % 10)});
  return table;
}

TEST(ElementOfNumber, LastDigitGivesTheElement) {
  const std::pair<int, const char*> cases[] = {
      {10 % 10, "水"}, {21 % 10, "木"}, {13 % 10, "火"}, {7, "金"}, {16 % 10, "土"}, {1, "木"}, {2, "木"},
      {3, "火"},       {4, "火"},       {5, "土"},       {6, "土"}, {8, "金"},       {9, "水"}, {0, "水"},
      {10, ""},        {-1, ""},        {81, ""},
  };
  for (const auto& [n, element] : cases) EXPECT_EQ(ElementOfNumber(n), G(element)) << n;
}

TEST(VerdictFactor, OnlyTheFiveVerdictsScore) {
  const std::pair<const char*, double> cases[] = {
      {"大吉", 1.0}, {"吉", 1.0}, {"中", 0.85}, {"凶", 0.6}, {"大凶", 0.3},
      {"半吉", 0.0}, {"", 0.0},   {"吉 ", 0.0}, {"大", 0.0},
  };
  for (const auto& [verdict, factor] : cases) EXPECT_DOUBLE_EQ(VerdictFactor(G(verdict)), factor) << verdict;
}

struct GridCase {
  const char* family;
  const char* given;
  int heaven, person, earth, total, outer;
  const char* gridText;
};

TEST(ScoreName, GridsFollowTheCharacterCounts) {
  // 张 11, 文 4, 光 6; 欧 9, 阳 12, 明 8, 玉 5; 龘 is not in the table.
  const CharInfoTable table =
      TableOf({{"张", 11}, {"文", 4}, {"光", 6}, {"欧", 9}, {"阳", 12}, {"明", 8}, {"玉", 5}, {"司", 5}});
  const VerdictTable none;
  const GridCase cases[] = {
      {"张", "文光", 12, 15, 10, 21, 7, "12,15,10,21,7"},   // 1 + 2: 总格 - 人格 + 1
      {"欧阳", "明", 21, 20, 9, 29, 10, "21,20,9,29,10"},   // 2 + 1: 总格 - 人格 + 1
      {"欧阳", "明玉", 21, 20, 13, 34, 14, "21,20,13,34,14"},  // 2 + 2: first family + second given
      {"张", "文", 12, 15, 5, 15, 2, "12,15,5,15,2"},       // 1 + 1: always 2
      {"龘", "明玉", 1, 8, 13, 13, 6, "1,8,13,13,6"},       // unknown family character
      // More than two characters per part: the first two count, 外格 as for two.
      {"欧阳司", "明玉光", 21, 20, 13, 34, 14, "21,20,13,34,14"},
      {"张", "文光明", 12, 15, 10, 21, 7, "12,15,10,21,7"},
      {"欧阳司", "明", 21, 20, 9, 29, 10, "21,20,9,29,10"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.family) + c.given);
    const FiveGrid grid = ScoreName(G(c.family), G(c.given), table, none);
    EXPECT_EQ(grid.heaven, c.heaven);
    EXPECT_EQ(grid.person, c.person);
    EXPECT_EQ(grid.earth, c.earth);
    EXPECT_EQ(grid.total, c.total);
    EXPECT_EQ(grid.outer, c.outer);
    EXPECT_EQ(GridText(grid), c.gridText);
  }
}

TEST(ScoreName, FillsPositionsTotalsAndTheTalentKey) {
  CharInfoTable table;
  table.Append({G("张"), 7, 11, G("火")});
  table.Append({G("文"), 4, 4, G("水")});
  table.Append({G("光"), 6, 6, G("火")});
  const FiveGrid grid = ScoreName(G("张"), G("文光"), table, VerdictTable());
  EXPECT_EQ(grid.familyCharacters, G(std::vector<std::string>{"张"}));
  EXPECT_EQ(grid.givenCharacters, G(std::vector<std::string>{"文", "光"}));
  EXPECT_EQ(grid.simplifiedStrokes, (std::array<int32_t, 4>{7, 0, 4, 6}));
  EXPECT_EQ(grid.traditionalStrokes, (std::array<int32_t, 4>{11, 0, 4, 6}));
  EXPECT_EQ(grid.simplifiedTotal, 17);
  EXPECT_EQ(grid.elementText, G("火水火"));
  EXPECT_EQ(grid.talentKey, G("木土水"));
  for (const auto& verdict : grid.verdicts) EXPECT_EQ(verdict, "");
  EXPECT_EQ(grid.scoreValue, 0);
}

TEST(ScoreName, ReusedRecordKeepsNothingOfTheLastName) {
  const CharInfoTable table = TableOf({{"欧", 9}, {"阳", 12}, {"明", 8}, {"玉", 5}, {"张", 11}});
  VerdictTable verdicts;
  verdicts.AddNumber(21, G("吉"));
  FiveGrid grid;
  ScoreName(G("欧阳"), G("明玉"), table, verdicts, grid);
  EXPECT_EQ(grid.verdicts[kVerdictHeaven], G("吉"));
  ScoreName(G("张"), G("龘"), table, verdicts, grid);
  const FiveGrid fresh = ScoreName(G("张"), G("龘"), table, verdicts);
  EXPECT_EQ(grid.familyCharacters, fresh.familyCharacters);
  EXPECT_EQ(grid.givenCharacters, fresh.givenCharacters);
  EXPECT_EQ(grid.traditionalStrokes, (std::array<int32_t, 4>{11, 0, 0, 0}));
  EXPECT_EQ(grid.elements, fresh.elements);
  EXPECT_EQ(grid.elementText, fresh.elementText);
  EXPECT_EQ(grid.talentKey, fresh.talentKey);
  EXPECT_EQ(grid.verdicts, fresh.verdicts);
  EXPECT_EQ(GridText(grid), GridText(fresh));
  EXPECT_EQ(grid.score, fresh.score);
}

TEST(ScoreName, SplitsLikeSplitCharacters) {
  const CharInfoTable table;
  const VerdictTable none;
  const std::string inputs[] = {G("欧阳"), G("张 三"), "   ", "", "Li", "{a|b}~", "a\xB0", G("张") + "\xC8"};
  for (const auto& input : inputs) {
    const FiveGrid grid = ScoreName(input, input, table, none);
    EXPECT_EQ(grid.familyCharacters, text::SplitCharacters(input)) << U(input);
    EXPECT_EQ(grid.givenCharacters, text::SplitCharacters(input)) << U(input);
  }
}

struct ScoreCase {
  const char* label;
  // Verdicts of 天格, 人格, 地格, 总格, 外格, 三才.
  std::array<const char*, 6> verdicts;
  float score;
  int value;
};

TEST(ScoreName, ScoreWeighsTheSixVerdicts) {
  const ScoreCase cases[] = {
      {"all great", {"大吉", "大吉", "大吉", "大吉", "大吉", "大吉"}, 100.0f, 100},
      {"great and good", {"吉", "大吉", "吉", "大吉", "吉", "吉"}, 100.0f, 100},
      {"all middle", {"中", "中", "中", "中", "中", "中"}, 85.0f, 85},
      {"all bad", {"凶", "凶", "凶", "凶", "凶", "凶"}, 60.0f, 60},
      {"all worst", {"大凶", "大凶", "大凶", "大凶", "大凶", "大凶"}, 30.0f, 30},
      {"all empty", {"", "", "", "", "", ""}, 0.0f, 0},
      {"heaven worst", {"大凶", "大吉", "大吉", "大吉", "大吉", "大吉"}, 96.5f, 96},
      {"talent middle", {"大吉", "大吉", "大吉", "大吉", "大吉", "中"}, 97.75f, 97},
      {"mixed", {"大吉", "凶", "凶", "吉", "吉", "中"}, 77.75f, 77},
      {"talent worst", {"大吉", "大吉", "大吉", "大吉", "大吉", "大凶"}, 89.5f, 89},
      {"exactly ninety", {"大吉", "大吉", "中", "中", "凶", "大吉"}, 90.0f, 90},
      {"heaven worst, rest bad", {"大凶", "凶", "凶", "凶", "凶", "凶"}, 58.5f, 58},
      {"half good scores nothing", {"半吉", "大吉", "大吉", "大吉", "大吉", "大吉"}, 95.0f, 95},
  };
  // 张文光: grids 12, 15, 10, 21, 7 and key 木土水, all different.
  const CharInfoTable table = TableOf({{"张", 11}, {"文", 4}, {"光", 6}});
  const int numbers[] = {12, 15, 10, 21, 7};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    VerdictTable verdicts;
    for (int v = 0; v < 5; ++v) verdicts.AddNumber(numbers[v], G(c.verdicts[v]));
    verdicts.AddTalent(G("木土水"), G(c.verdicts[5]));
    const FiveGrid grid = ScoreName(G("张"), G("文光"), table, verdicts);
    for (int v = 0; v < 6; ++v) EXPECT_EQ(grid.verdicts[v], G(c.verdicts[v])) << v;
    EXPECT_EQ(grid.score, c.score);
    EXPECT_EQ(grid.scoreValue, c.value);
  }
}

TEST(ScoreName, EveryMixOfFactorsTruncatesToTheExactSum) {
  // Exact decimal sums in hundredths, compared with the truncated single-precision score.
  const char* verdicts[] = {"大吉", "中", "凶", "大凶", ""};
  const int hundredths[] = {100, 85, 60, 30, 0};
  const CharInfoTable table = TableOf({{"张", 11}, {"文", 4}, {"光", 6}});
  const int numbers[] = {12, 15, 10, 21, 7};
  int combination[6] = {};
  for (int n = 0; n < 15625; ++n) {  // 5^6
    int rest = n;
    VerdictTable source;
    int exact = 0;
    for (int v = 0; v < 6; ++v) {
      combination[v] = rest % 5;
      rest /= 5;
      exact += kVerdictWeights[v] * hundredths[combination[v]];
      if (v < 5) source.AddNumber(numbers[v], G(verdicts[combination[v]]));
    }
    source.AddTalent(G("木土水"), G(verdicts[combination[5]]));
    const FiveGrid grid = ScoreName(G("张"), G("文光"), table, source);
    ASSERT_EQ(grid.scoreValue, exact / 100) << n;
    ASSERT_EQ(grid.score, static_cast<float>(exact) / 100.0f) << n;
  }
}

TEST(CharInfoTable, FindsTheFirstRecordOfACharacter) {
  CharInfoTable table(4);
  EXPECT_EQ(table.Find(""), nullptr);  // blank records are never found
  table.Set(2, {G("明"), 8, 8, G("火")});
  table.Set(1, {G("明"), 1, 1, G("木")});
  table.Set(3, {G("玉"), 5, 5, G("木")});
  ASSERT_NE(table.Find(G("明")), nullptr);
  EXPECT_EQ(table.Find(G("明"))->traditionalStrokes, 1);  // position 1 comes before 2
  table.Set(1, {G("玉"), 9, 9, G("金")});                  // replacing the first 明 uncovers the second
  EXPECT_EQ(table.Find(G("明"))->traditionalStrokes, 8);
  EXPECT_EQ(table.Find(G("玉"))->traditionalStrokes, 9);
  table.Append({G("光"), 6, 6, G("火")});
  table.Append({G("光"), 7, 7, G("火")});
  EXPECT_EQ(table.Find(G("光"))->traditionalStrokes, 6);
  EXPECT_EQ(table.Find(G("张")), nullptr);
  table.Reset(1);
  EXPECT_EQ(table.Find(G("明")), nullptr);
  EXPECT_EQ(table.size(), 1u);
}

TEST(SurnameSkyVerdict, JudgesTheFamilyNameAlone) {
  const CharInfoTable table = TableOf({{"张", 11}, {"欧", 9}, {"阳", 12}});
  VerdictTable verdicts;
  verdicts.AddNumber(12, G("凶"));
  verdicts.AddNumber(21, G("大吉"));
  verdicts.AddNumber(1, G("中"));
  EXPECT_EQ(SurnameSkyVerdict(G("张"), table, verdicts), G("凶"));
  EXPECT_EQ(SurnameSkyVerdict(G("欧阳"), table, verdicts), G("大吉"));
  EXPECT_EQ(SurnameSkyVerdict(G("龘"), table, verdicts), G("中"));  // not loaded: 0 + 1
}

// A reference database with chosen verdicts, loaded the way the program loads it.
class VerdictDb : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      FixtureDb fixture(folder_.path());
      fixture.AddNumber(12, "吉");
      fixture.AddNumber(15, "大吉");
      fixture.AddNumber(15, "凶");  // a second row for 15: the first wins
      fixture.AddNumber(81, "大吉");
      fixture.AddNumber(82, "半吉");  // beyond 81, looked up unchanged
      fixture.AddNumber(300, "中");
      fixture.AddNumber(-3, "凶");
      fixture.AddTalent("木土水", "中");
      fixture.AddTalent("木土水", "大凶");
      fixture.AddTalent("金金金", "");
      fixture.AddCharacter("张", 7, 11, "火");
      fixture.AddCharacter("文", 4, 4, "水");
      fixture.AddCharacter("光", 6, 6, "火");
      fixture.AddCharacter("于", 3, 4, "土");
      fixture.AddCharacter("无", 4, 12, "");  // no element: not a valid source
      fixture.AddCharacter("零", 0, 13, "水");  // no simplified strokes: not valid
      fixture.FillEmptyTables();
    }
    ASSERT_TRUE(refdata::LoadReferenceDatabase(db_, folder_.path()).ok());
  }

  TempFolder folder_;
  refdata::DatabaseClass db_;
};

TEST_F(VerdictDb, PreloadedTableAnswersAsTheDatabase) {
  const DatabaseVerdicts direct(db_);
  const VerdictTable table = VerdictTable::Load(db_);
  for (int n = -10; n <= 400; ++n) EXPECT_EQ(table.NumberVerdict(n), direct.NumberVerdict(n)) << n;
  for (const char* key : {"木土水", "金金金", "水水水", "", "木土"})
    EXPECT_EQ(table.TalentVerdict(G(key)), direct.TalentVerdict(G(key))) << key;

  EXPECT_EQ(direct.NumberVerdict(15), G("大吉"));
  EXPECT_EQ(direct.NumberVerdict(82), G("半吉"));
  EXPECT_EQ(direct.NumberVerdict(83), "");
  EXPECT_EQ(direct.NumberVerdict(300), G("中"));  // no reduction above 81
  EXPECT_EQ(direct.TalentVerdict(G("木土水")), G("中"));
  EXPECT_EQ(NumberVerdict(db_, 82), G("半吉"));
  EXPECT_EQ(TalentVerdict(db_, G("\"木土水\"")), "");  // quotes in a key are just text
}

TEST_F(VerdictDb, ClosedDatabaseGivesEmptyVerdicts) {
  refdata::DatabaseClass closed;
  const VerdictTable table = VerdictTable::Load(closed);
  EXPECT_EQ(table.NumberVerdict(15), "");
  EXPECT_EQ(DatabaseVerdicts(closed).NumberVerdict(15), "");
  EXPECT_EQ(DatabaseVerdicts(closed).TalentVerdict(G("木土水")), "");
  const FiveGrid grid = ComputeReportGrid(closed, G("张"), G("文光"), table);
  EXPECT_EQ(GridText(grid), "1,0,0,0,1");
  EXPECT_EQ(grid.scoreValue, 0);
}

TEST_F(VerdictDb, ReportGridMatchesScoreNameSourcesAndCountsYuBySimplifiedStrokes) {
  const DatabaseVerdicts verdicts(db_);
  CharInfoTable table;
  for (const char* hanzi : {"张", "文", "光", "于"}) {
    const StrokeSource source = LookupStrokeSource(db_, G(hanzi));
    ASSERT_TRUE(source.valid) << hanzi;
    table.Append({G(hanzi), source.simplifiedStrokes, source.traditionalStrokes, source.element});
  }
  const FiveGrid report = ComputeReportGrid(db_, G("张"), G("文光"), verdicts);
  const FiveGrid fast = ScoreName(G("张"), G("文光"), table, verdicts);
  EXPECT_EQ(GridText(report), "12,15,10,21,7");
  EXPECT_EQ(GridText(report), GridText(fast));
  EXPECT_EQ(report.verdicts, fast.verdicts);
  EXPECT_EQ(report.verdicts[kVerdictHeaven], G("吉"));
  EXPECT_EQ(report.verdicts[kVerdictPerson], G("大吉"));
  EXPECT_EQ(report.verdicts[kVerdictTalent], G("中"));
  EXPECT_EQ(report.score, fast.score);

  // 于 (3 simplified, 4 traditional): the report counts 3, ScoreName 4.
  const FiveGrid yuReport = ComputeReportGrid(db_, G("于"), G("文光"), verdicts);
  const FiveGrid yuFast = ScoreName(G("于"), G("文光"), table, verdicts);
  EXPECT_EQ(GridText(yuReport), "4,7,10,13,7");
  EXPECT_EQ(GridText(yuFast), "5,8,10,14,7");
  // Only the whole family name 于 has the rule.
  const FiveGrid yuTwo = ComputeReportGrid(db_, G("于张"), G("文"), verdicts);
  EXPECT_EQ(yuTwo.traditionalStrokes[kFamily1], 4);
  const FiveGrid yuGiven = ComputeReportGrid(db_, G("张"), G("于"), verdicts);
  EXPECT_EQ(yuGiven.traditionalStrokes[kGiven1], 4);
}

TEST_F(VerdictDb, StrokeSourceNeedsAnElementAndSimplifiedStrokes) {
  const std::pair<const char*, bool> cases[] = {{"张", true}, {"无", false}, {"零", false}, {"龘", false}};
  for (const auto& [hanzi, valid] : cases) {
    const StrokeSource source = LookupStrokeSource(db_, G(hanzi));
    EXPECT_EQ(source.valid, valid) << hanzi;
    if (!valid) {
      EXPECT_EQ(source.traditionalStrokes, 0) << hanzi;
      EXPECT_EQ(source.element, "") << hanzi;
    }
  }
  EXPECT_TRUE(LookupStrokeSource(db_, G("无")).record.found);  // the row is still there for the report
  const FiveGrid grid = ComputeReportGrid(db_, G("无"), G("文"), DatabaseVerdicts(db_));
  EXPECT_EQ(GridText(grid), "1,4,5,4,2");
}

// Not a check: prints what one ScoreName costs with the preloaded verdicts.
TEST(ScoreNameTiming, PreloadedVerdicts) {
  CharInfoTable table;
  const char* pool[] = {"张", "文", "光", "明", "玉", "华", "国", "建", "伟", "芳"};
  for (int i = 0; i < 400; ++i) table.Append({G(pool[i % 10]) + (i < 10 ? "" : std::to_string(i)), i % 20, i % 25, G("木")});
  VerdictTable verdicts;
  for (int n = 0; n <= 81; ++n) verdicts.AddNumber(n, G(n % 3 ? "吉" : "凶"));
  verdicts.AddTalent(G("木土水"), G("中"));
  const std::string family = G("张"), given1 = G("文光"), given2 = G("明玉");
  FiveGrid grid;
  const int rounds = 200000;
  long long sum = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) {
    ScoreName(family, i % 2 ? given1 : given2, table, verdicts, grid);
    sum += grid.scoreValue;
  }
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_GT(sum, 0);
  std::printf("ScoreName: %.0f ns per call\n", static_cast<double>(ns.count()) / rounds);
}

}  // namespace
}  // namespace babyname::analysis
