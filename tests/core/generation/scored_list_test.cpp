// FillScoredList and the list utilities on hand-made run states.
#include "generation/scored_list.h"

#include <gtest/gtest.h>

#include "generation/candidates.h"
#include "generation/shuffle.h"
#include "generation_fixture.h"
#include "text/characters.h"

namespace babyname::generation {
namespace {

using testing::FillPoolCharacters;
using testing::FixtureDb;
using testing::G;
using testing::LoadedFixture;
using testing::Names;
using testing::RecordingObserver;
using testing::U;

// A run state over `characters` (UTF-8) with the pair rule of count 2.
RunState PairState(refdata::DatabaseClass& db, const std::vector<std::string>& characters,
                   const GenerationCharacterSetting& generation = {}) {
  RunState state;
  state.Reset(G(characters));
  CharacterLoader loader(db);
  RecordingObserver observer;
  RunControl control;
  EXPECT_TRUE(BuildPairCandidates(state, loader, 2, generation, observer, control));
  if (generation.SecondInForce()) AddScoringLookup(state, loader, generation.secondCharacter);
  return state;
}

TEST(FillScoredList, ListEqualsFullScoresOfEveryCandidate) {
  LoadedFixture data([](FixtureDb& f) { FillPoolCharacters(f); });
  const auto verdicts = analysis::VerdictTable::Load(data.db());
  // Whole characters (whose scores are remembered), an unknown character, and
  // a generation character of two characters (scored in full every time).
  GenerationCharacterSetting twoCharacters;
  ASSERT_TRUE(ApplyOk(twoCharacters, GenerationChoice::kSecond, G("志强"), "").ok());
  std::vector<std::string> characters = {"李", "湛", "子", "会", "奥", "电", "湖", "琢", "当", "大", "极",
                                         "川", "傲", "杨", "贾", "照", "煦", "涌", "山", "士", "琦", "丂"};
  const std::string family = G("李");
  for (const auto& generation : {GenerationCharacterSetting{}, twoCharacters}) {
    const RunState state = PairState(data.db(), characters, generation);
    // The list as a plain walk over the candidate texts would make it.
    std::vector<NameResultRow> all;
    for (const std::string& given : state.candidates.Texts()) {
      if (text::OccursIn(family, given)) continue;
      all.push_back(MakeNameResultRow(0, family + given, analysis::ScoreName(family, given, state.table, verdicts)));
    }
    std::set<int> scores;
    for (const auto& row : all) scores.insert(row.score);
    if (!generation.inForce) {
      EXPECT_GT(scores.size(), 3u);  // the fixture spreads the scores
    }
    for (int32_t threshold : {0, 80, 90, 95, 100}) {
      std::vector<NameResultRow> expected;
      for (const auto& row : all)
        if (row.score >= threshold) expected.push_back(row);
      SortListDescending(expected);
      Renumber(expected);
      RecordingObserver observer;
      RunControl control;
      const ScoredListOutcome outcome =
          FillScoredList(state, family, threshold, std::nullopt, verdicts, observer, control);
      ASSERT_EQ(outcome.rows.size(), expected.size()) << threshold;
      for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(outcome.rows[i].Cells(), expected[i].Cells()) << threshold << " " << U(expected[i].name);
      EXPECT_EQ(outcome.scored, all.size());
    }
  }
}

TEST(FillScoredList, CapacityEndsTheScoring) {
  LoadedFixture data([](FixtureDb& f) { FillPoolCharacters(f); });
  const auto verdicts = analysis::VerdictTable::Load(data.db());
  const RunState state = PairState(data.db(), {"湛", "子", "会", "奥", "电"});
  RecordingObserver observer;
  RunControl control;
  const ScoredListOutcome outcome = FillScoredList(state, G("李"), 0, 3, verdicts, observer, control);
  EXPECT_EQ(outcome.rows.size(), 3u);
  EXPECT_EQ(outcome.scored, 3u);  // the rest is not scored
  EXPECT_EQ(observer.firstRow, 1);
  EXPECT_EQ(observer.accepted.size(), 3u);
}

TEST(FillScoredList, ThresholdKeepsOnlyHighScores) {
  LoadedFixture data([](FixtureDb& f) { FillPoolCharacters(f); });
  const auto verdicts = analysis::VerdictTable::Load(data.db());
  const RunState state = PairState(data.db(), {"湛", "子", "会", "奥", "电", "湖", "琢", "当"});
  RecordingObserver all, high;
  RunControl control;
  const auto every = FillScoredList(state, G("李"), 0, std::nullopt, verdicts, all, control);
  const auto kept = FillScoredList(state, G("李"), 90, std::nullopt, verdicts, high, control);
  size_t expected = 0;
  for (const auto& row : every.rows) expected += row.score >= 90;
  EXPECT_EQ(kept.rows.size(), expected);
  EXPECT_LT(kept.rows.size(), every.rows.size());
  EXPECT_EQ(kept.scored, every.scored);  // every candidate is scored, only the list differs
}

TEST(SortListDescending, EqualScoresKeepTheirOrder) {
  std::vector<NameResultRow> rows;
  const int scores[] = {80, 95, 80, 100, 95, 80};
  for (int i = 0; i < 6; ++i) {
    NameResultRow row;
    row.number = i + 1;
    row.score = scores[i];
    rows.push_back(row);
  }
  SortListDescending(rows);
  Renumber(rows);
  std::vector<std::pair<int, int>> got;
  for (const auto& row : rows) got.emplace_back(row.score, row.number);
  EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{100, 1}, {95, 2}, {95, 3}, {80, 4}, {80, 5}, {80, 6}}));
  // Which row went where: the original numbers in the new order.
  rows.clear();
  for (int i = 0; i < 6; ++i) {
    NameResultRow row;
    row.name = std::to_string(i + 1);
    row.score = scores[i];
    rows.push_back(row);
  }
  SortListDescending(rows);
  std::string order;
  for (const auto& row : rows) order += row.name;
  EXPECT_EQ(order, "425136");
}

TEST(ShuffleTexts, PermutesRepeatablyBySeed) {
  std::vector<std::string> texts;
  for (int i = 0; i < 50; ++i) texts.push_back(std::to_string(i));
  auto a = texts, b = texts, c = texts;
  ShuffleTexts(a, 1);
  ShuffleTexts(b, 1);
  ShuffleTexts(c, 2);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  EXPECT_NE(a, texts);
  std::sort(a.begin(), a.end());
  auto sorted = texts;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(a, sorted);

  std::vector<std::string> one = {"x"}, none;
  ShuffleTexts(one);
  ShuffleTexts(none);
  EXPECT_EQ(one, std::vector<std::string>{"x"});
  EXPECT_TRUE(none.empty());
}

TEST(ShuffleTexts, ClockSeededRunsDiffer) {
  std::vector<std::string> texts;
  for (int i = 0; i < 50; ++i) texts.push_back(std::to_string(i));
  auto a = texts, b = texts;
  ShuffleTexts(a);
  ShuffleTexts(b);
  EXPECT_NE(a, b);
}

TEST(CandidateList, ProductsAndSequencesKeepTheirOrder) {
  CandidateList list;
  list.SetUnits({"a", "b", "c"});
  const uint32_t x = list.AddUnit("x");
  list.AddProduct({0, 1}, {2, x});
  list.AddSequence({2, 0}, {2, 0});
  list.AddSequence({1});
  list.AddProduct({}, {0});  // nothing
  EXPECT_EQ(list.size(), 7u);
  EXPECT_EQ(list.Texts(), (std::vector<std::string>{"ac", "ax", "bc", "bx", "cc", "aa", "b"}));
}

}  // namespace
}  // namespace babyname::generation

namespace babyname::generation {
namespace {

TEST(CharacterLoader, BatchAndSingleReadsAgree) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("明", 8, 8, "火");
    f.AddCharacter("明", 9, 9, "水");  // a second row: the first one counts
    f.AddCharacter("空", 8, 8, "");
  });
  const std::vector<std::string> characters = G(std::vector<std::string>{"明", "空", "无", "欧阳", "明"});
  CharacterLoader batch(data.db()), single(data.db());
  batch.Preload(characters);
  for (const std::string& c : characters) {
    const analysis::CharInfo a = batch.Load(c), b = single.Load(c);
    EXPECT_EQ(a.character, c);
    EXPECT_EQ(a.character, b.character);
    EXPECT_EQ(a.simplifiedStrokes, b.simplifiedStrokes) << U(c);
    EXPECT_EQ(a.traditionalStrokes, b.traditionalStrokes) << U(c);
    EXPECT_EQ(a.element, b.element) << U(c);
  }
  EXPECT_EQ(batch.Load(G("明")).traditionalStrokes, 8);
  EXPECT_TRUE(IsUsable(batch.Load(G("明"))));
  EXPECT_FALSE(IsUsable(batch.Load(G("空"))));
  EXPECT_FALSE(IsUsable(batch.Load(G("欧阳"))));
}

}  // namespace
}  // namespace babyname::generation
