// The scored modes end to end on fixture databases.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <thread>

#include "generation/candidates.h"
#include "generation/engine.h"
#include "generation/pools.h"
#include "generation/super_auspicious.h"
#include "generation_fixture.h"
#include "text/characters.h"

namespace babyname::generation {
namespace {

using testing::AddUniformVerdicts;
using testing::FillPoolCharacters;
using testing::FixtureDb;
using testing::G;
using testing::LoadedFixture;
using testing::Names;
using testing::PoolCharacter;
using testing::RecordingObserver;
using testing::U;

const std::string kOneCharacterMessage = "一字名数理得分较低,所以软件自动降低评分标准!";
const std::string kGenerationMessage = "设定辈份后,产生的名字较少,所以系统将显示全部名字";

RunInput Input(Mode mode, const char* surname, int count = 2) {
  RunInput input;
  input.mode = mode;
  input.surname = G(surname);
  input.count = count;
  input.seed = 7;
  return input;
}

TEST(CombinationMode, PairsEveryTypedCharacterAndSkipsTheFamilyName) {
  // 李 7 strokes, 圣 5, 诚 8, 杰 12: 地格 13 (圣诚, 诚圣) and 外格 13 (X杰) are 凶.
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("李", 7, 7, "木");
    f.AddCharacter("圣", 5, 5, "金");
    f.AddCharacter("诚", 8, 8, "金");
    f.AddCharacter("杰", 8, 12, "木");
    AddUniformVerdicts(f, "大吉", 1, 12);
    f.AddNumber(13, "凶");
    AddUniformVerdicts(f, "大吉", 14, 60);
  });
  RunInput input = Input(Mode::kCombination, "李");
  input.combinationText = G("圣 诚a，杰");
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  // Equal scores keep the order in which the names were formed.
  EXPECT_EQ(Names(result.rows), (std::vector<std::string>{"李圣圣", "李诚诚", "李杰圣", "李杰诚", "李圣杰", "李诚杰",
                                                          "李杰杰", "李圣诚", "李诚圣"}));
  std::vector<int> scores, numbers;
  for (const auto& row : result.rows) {
    scores.push_back(row.score);
    numbers.push_back(row.number);
  }
  EXPECT_EQ(scores, (std::vector<int>{100, 100, 100, 100, 96, 96, 96, 92, 92}));
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(result.stats.candidatesBuilt, 16u);  // 4 usable × 4 entries
  EXPECT_EQ(result.stats.candidatesScored, 9u);
  EXPECT_EQ(observer.candidatesReady, 1);
  EXPECT_EQ(observer.firstRow, 0);  // no capacity, no pause button
  EXPECT_TRUE(observer.messages.empty());
  EXPECT_EQ(observer.finished, 1);
}

TEST(CombinationMode, FamilyNameTypedAlreadyIsNotAddedAgainAndRepeatsStay) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("李", 7, 7, "木");
    f.AddCharacter("明", 8, 8, "火");
    AddUniformVerdicts(f, "大吉");
  });
  struct Case {
    const char* typed;
    std::vector<std::string> names;
    uint64_t built;
  } cases[] = {
      {"明", {"李明明"}, 4},                                  // pool 明 李: 明明 明李 李明 李李
      {"李明", {"李明明"}, 4},                                // 李 typed: not appended a second time
      {"明明", {"李明明", "李明明", "李明明", "李明明"}, 9},  // pool 明 明 李
  };
  for (const Case& c : cases) {
    RunInput input = Input(Mode::kCombination, "李");
    input.combinationText = G(c.typed);
    RecordingObserver observer;
    const RunResult result = testing::Run(data.db(), input, observer);
    EXPECT_EQ(Names(result.rows), c.names) << c.typed;
    EXPECT_EQ(result.stats.candidatesBuilt, c.built) << c.typed;
  }
}

TEST(CombinationMode, UnknownCharactersOnlyStandSecond) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("李", 7, 7, "木");
    f.AddCharacter("明", 8, 8, "火");
    f.AddCharacter("空", 8, 8, "");  // no element: not usable
    AddUniformVerdicts(f, "大吉");
  });
  RunInput input = Input(Mode::kCombination, "李");
  input.combinationText = G("明空");
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  std::set<std::string> names;
  for (const auto& n : Names(result.rows)) names.insert(n);
  EXPECT_EQ(names, (std::set<std::string>{"李明明", "李明空"}));
}

TEST(PoemMode, TickedCharactersAreTakenOnce) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("王", 4, 4, "土");
    f.AddCharacter("春", 9, 9, "木");
    f.AddCharacter("风", 4, 9, "水");
    AddUniformVerdicts(f, "大吉");
  });
  struct Case {
    std::vector<std::string> ticked;
    std::vector<std::string> names;
  } cases[] = {
      {{"春", "风", "春"}, {"王春春", "王春风", "王风春", "王风风"}},
      {{"春", "王"}, {"王春春"}},  // the family name ticked is taken once, its names skipped
      {{}, {}},                    // nothing ticked: only the family name, every name skipped
  };
  for (const Case& c : cases) {
    RunInput input = Input(Mode::kPoem, "王");
    input.poemCharacters = G(c.ticked);
    RecordingObserver observer;
    const RunResult result = testing::Run(data.db(), input, observer);
    EXPECT_EQ(Names(result.rows), c.names) << c.ticked.size();
    EXPECT_EQ(observer.candidatesReady, 1);
  }
}

TEST(PairModes, OneCharacterNamesComeAfterTheMessage) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("王", 4, 4, "土");
    f.AddCharacter("春", 9, 9, "木");
    f.AddCharacter("风", 4, 9, "水");
    AddUniformVerdicts(f, "凶");  // threshold 0: even low scores are listed
  });
  for (Mode mode : {Mode::kCombination, Mode::kPoem}) {
    RunInput input = Input(mode, "王", 1);
    input.combinationText = G("春风");
    input.poemCharacters = G(std::vector<std::string>{"春", "风"});
    input.generation.inForce = true;  // ignored for one-character names
    input.generation.secondPosition = true;
    input.generation.secondCharacter = G("志");
    RecordingObserver observer;
    const RunResult result = testing::Run(data.db(), input, observer);
    EXPECT_EQ(Names(result.rows), (std::vector<std::string>{"王春", "王风"}));
    EXPECT_EQ(observer.messages, std::vector<std::string>{kOneCharacterMessage});
  }
}

TEST(PairModes, GenerationCharacterInEitherPosition) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("李", 7, 7, "木");
    f.AddCharacter("杰", 8, 12, "木");
    f.AddCharacter("明", 8, 8, "火");
    f.AddCharacter("志", 7, 7, "火");
    f.AddCharacter("强", 12, 12, "木");
    AddUniformVerdicts(f, "大吉");
  });
  struct Case {
    bool second;
    const char* character;
    std::vector<std::string> names;
  } cases[] = {
      {true, "志", {"李志杰", "李志明"}},  // 李志李 is skipped
      {false, "强", {"李杰强", "李明强"}},
  };
  for (const Case& c : cases) {
    RunInput input = Input(Mode::kCombination, "李");
    input.combinationText = G("杰明");
    ASSERT_TRUE(ApplyOk(input.generation, c.second ? GenerationChoice::kSecond : GenerationChoice::kThird,
                        G(c.character), G(c.character))
                    .ok());
    RecordingObserver observer;
    const RunResult result = testing::Run(data.db(), input, observer);
    EXPECT_EQ(Names(result.rows), c.names) << c.character;
    // The generation character is looked up for scoring although it is no pool entry.
    ASSERT_FALSE(result.rows.empty());
    EXPECT_EQ(result.rows[0].traditionalTotal, c.second ? 7 + 7 + 12 : 7 + 12 + 12) << c.character;
    EXPECT_TRUE(observer.messages.empty());  // only the high-score mode says so
  }
}

TEST(NicknameMode, EachPatternOverThePoolInOrder) {
  LoadedFixture data([](FixtureDb& f) {
    for (const char* c : {"乐", "小", "儿", "阿", "张"}) f.AddCharacter(c, 3, 3, "木");
    AddUniformVerdicts(f, "大吉");
  });
  // Usable pool entries in pool order: 小 乐 阿 (boys), 乐 儿 小 阿 (girls), 张 (appended).
  struct Case {
    NicknamePattern pattern;
    std::vector<std::string> names;
  } cases[] = {
      {NicknamePattern::kDouble, {"张小小", "张乐乐", "张阿阿", "张乐乐", "张儿儿", "张小小", "张阿阿"}},
      {NicknamePattern::kXiao, {"张小小", "张小乐", "张小阿", "张小乐", "张小儿", "张小小", "张小阿"}},
      {NicknamePattern::kEr, {"张小儿", "张乐儿", "张阿儿", "张乐儿", "张儿儿", "张小儿", "张阿儿"}},
      {NicknamePattern::kAh, {"张阿小", "张阿乐", "张阿阿", "张阿乐", "张阿儿", "张阿小", "张阿阿"}},
      {NicknamePattern::kNone, {}},
  };
  for (const Case& c : cases) {
    RunInput input = Input(Mode::kNickname, "张", 1);  // the count plays no part
    input.nickname = c.pattern;
    RecordingObserver observer;
    const RunResult result = testing::Run(data.db(), input, observer);
    EXPECT_EQ(Names(result.rows), c.names) << static_cast<int>(c.pattern);
    EXPECT_TRUE(observer.messages.empty());
  }
}

TEST(NicknameMode, FamilyNameFromThePoolNeverShowsInsideANickname) {
  LoadedFixture data([](FixtureDb& f) {
    for (const char* c : {"乐", "小"}) f.AddCharacter(c, 3, 3, "木");
    AddUniformVerdicts(f, "大吉");
  });
  RunInput input = Input(Mode::kNickname, "小");
  input.nickname = NicknamePattern::kXiao;
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  EXPECT_TRUE(result.rows.empty());  // every candidate starts with 小
}

TEST(HighScoreMode, SampleOfTheBoysPoolScoredTo90WithinTheCapacity) {
  std::map<std::string, PoolCharacter> characters;
  LoadedFixture data([&](FixtureDb& f) { characters = FillPoolCharacters(f); });
  RunInput input = Input(Mode::kHighScore, "王");
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);

  EXPECT_EQ(result.stats.candidatesBuilt, 401u * 401u);
  EXPECT_EQ(result.rows.size(), kHighScoreCapacity);  // the fixture's verdicts let many names through
  EXPECT_LT(result.stats.candidatesScored, result.stats.candidatesBuilt);
  EXPECT_EQ(observer.firstRow, 1);
  EXPECT_EQ(observer.acceptedBeforeFirstRow, 1u);
  EXPECT_EQ(observer.accepted.size(), kHighScoreCapacity);
  for (size_t i = 0; i < result.rows.size(); ++i) {
    const NameResultRow& row = result.rows[i];
    EXPECT_EQ(row.number, static_cast<int>(i + 1));
    EXPECT_GE(row.score, 90);
    if (i > 0) {
      EXPECT_LE(row.score, result.rows[i - 1].score);
    }
    EXPECT_FALSE(text::OccursIn(G("王"), row.name.substr(2))) << U(row.name);
  }
  // The same seed draws the same sample; another seed another one.
  RecordingObserver again;
  EXPECT_EQ(Names(testing::Run(data.db(), input, again).rows), Names(result.rows));
  input.seed = 8;
  RecordingObserver other;
  EXPECT_NE(Names(testing::Run(data.db(), input, other).rows), Names(result.rows));
}

TEST(HighScoreMode, OneCharacterRunTakesTheWholeGirlsPool) {
  LoadedFixture data([&](FixtureDb& f) { FillPoolCharacters(f); });
  RunInput input = Input(Mode::kHighScore, "王", 1);
  input.sex = Sex::kFemale;
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  EXPECT_EQ(observer.messages, std::vector<std::string>{kOneCharacterMessage});
  EXPECT_EQ(result.stats.candidatesBuilt, 974u);  // 973 characters and the family name, all usable
  EXPECT_EQ(result.rows.size(), 972u);            // 王 is in the pool and is the family name
}

TEST(HighScoreMode, GenerationCharacterListsEveryNameAfterItsMessage) {
  LoadedFixture data([&](FixtureDb& f) { FillPoolCharacters(f); });
  RunInput input = Input(Mode::kHighScore, "王");
  ASSERT_TRUE(ApplyOk(input.generation, GenerationChoice::kThird, "", G("强")).ok());
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  EXPECT_EQ(observer.messages, std::vector<std::string>{kGenerationMessage});
  EXPECT_EQ(result.stats.candidatesBuilt, 401u);  // every usable sample character + 强
  bool low = false;
  for (const auto& row : result.rows) {
    EXPECT_EQ(U(row.name.substr(row.name.size() - 2)), "强");
    low = low || row.score < 90;
  }
  EXPECT_TRUE(low);  // threshold 0
  EXPECT_GE(result.rows.size(), 399u);
}

TEST(SuperAuspiciousMode, ThresholdFollowsTheVerdictOfTheFamilyHeaven) {
  struct Case {
    const char* verdict;
    int32_t threshold;
  } cases[] = {{"大凶", 96}, {"凶", 98}, {"中", 99}, {"吉", 100}, {"大吉", 100}, {"半吉", 0}, {"", 0}};
  for (const Case& c : cases) EXPECT_EQ(SuperAuspiciousThreshold(G(c.verdict)), c.threshold) << c.verdict;
}

TEST(SuperAuspiciousMode, PositionFilterAndThreshold) {
  std::map<std::string, PoolCharacter> characters;
  LoadedFixture data([&](FixtureDb& f) { characters = FillPoolCharacters(f); });
  RunInput input = Input(Mode::kSuperAuspicious, "李", 1);  // the count plays no part
  input.secondCharacter.master = true;
  input.secondCharacter.ticked[kMetal] = input.secondCharacter.ticked[kWood] = true;
  // 天格 of 李 is its strokes + 1; the fixture calls every 9th number 凶 and every 11th 中.
  const int heaven = characters["李"].traditional + 1;
  const int32_t threshold = heaven % 9 == 0 ? 98 : heaven % 11 == 0 ? 99 : 100;
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  ASSERT_FALSE(result.rows.empty());
  std::set<std::string> secondElements;
  for (const auto& row : result.rows) {
    EXPECT_GE(row.score, threshold);
    const auto given = text::SplitCharacters(row.name.substr(2));
    ASSERT_EQ(given.size(), 2u);
    const std::string element = characters[U(given[0])].element;
    EXPECT_TRUE(element == "金" || element == "木") << U(row.name);
    secondElements.insert(characters[U(given[1])].element);
  }
  EXPECT_GT(secondElements.size(), 2u);  // the third character is free
  EXPECT_EQ(observer.firstRow, 1);
  EXPECT_TRUE(observer.messages.empty());
}

TEST(SuperAuspiciousMode, FiltersThatAdmitNothingGiveAnEmptyList) {
  LoadedFixture data([&](FixtureDb& f) { FillPoolCharacters(f); });
  RunInput contradictory = Input(Mode::kSuperAuspicious, "李");
  contradictory.mustHave.master = contradictory.mustNotHave.master = true;
  contradictory.mustHave.ticked[kWater] = contradictory.mustNotHave.ticked[kWater] = true;
  RunInput noMaster = Input(Mode::kSuperAuspicious, "李");
  for (const RunInput& input : {contradictory, noMaster}) {
    RecordingObserver observer;
    const RunResult result = testing::Run(data.db(), input, observer);
    EXPECT_EQ(result.stats.candidatesBuilt, 0u);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(observer.finished, 1);
  }
}

TEST(SuperAuspiciousMode, MustNotHaveExcludesAnElementFromBothCharacters) {
  std::map<std::string, PoolCharacter> characters;
  LoadedFixture data([&](FixtureDb& f) { characters = FillPoolCharacters(f); });
  RunInput input = Input(Mode::kSuperAuspicious, "李");
  input.sex = Sex::kFemale;
  input.mustNotHave.master = true;
  input.mustNotHave.ticked[kFire] = input.mustNotHave.ticked[kEarth] = input.mustNotHave.ticked[kWater] = true;
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  ASSERT_FALSE(result.rows.empty());
  for (const auto& row : result.rows)
    for (const auto& c : text::SplitCharacters(row.name.substr(2))) {
      const std::string element = characters[U(c)].element;
      EXPECT_TRUE(element == "金" || element == "木") << U(row.name);
    }
}

TEST(SuperAuspiciousMode, TwoCharacterFamilyNameScoresWithItsOwnStrokes) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("欧", 8, 15, "土");
    f.AddCharacter("阳", 6, 17, "土");
    f.AddCharacter("子", 3, 3, "水");
    AddUniformVerdicts(f, "大吉");
  });
  RunInput input = Input(Mode::kSuperAuspicious, "欧阳");
  input.mustHave.master = true;
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  // 欧, 阳 and 子 are pool characters: nine pairs, of which 欧阳 is the family name.
  ASSERT_EQ(result.rows.size(), 8u);
  EXPECT_EQ(std::count_if(result.rows.begin(), result.rows.end(),
                          [](const NameResultRow& row) { return U(row.name) == "欧阳欧阳"; }),
            0);
  const auto it = std::find_if(result.rows.begin(), result.rows.end(),
                               [](const NameResultRow& row) { return U(row.name) == "欧阳子子"; });
  ASSERT_NE(it, result.rows.end());
  // 天格 15+17, 人格 17+3, 地格 3+3, 总格 38, 外格 38-20.
  EXPECT_EQ(it->grids, "32,20,6,38,18");
  EXPECT_EQ(U(it->elements), "土土水水");
}

TEST(Runs, EmptyFamilyNameIsReportedAndListsNothing) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("明", 8, 8, "火");
    AddUniformVerdicts(f, "大吉");
  });
  RunInput input = Input(Mode::kCombination, "");
  input.combinationText = G("明");
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  EXPECT_EQ(observer.messages, std::vector<std::string>{"请输入姓氏"});
  EXPECT_TRUE(result.rows.empty());
}

TEST(Runs, DatabaseNotLoadedGivesEmptyLists) {
  refdata::DatabaseClass closed;
  RunInput input = Input(Mode::kHighScore, "王");
  RecordingObserver observer;
  const RunResult result = testing::Run(closed, input, observer);
  EXPECT_TRUE(result.rows.empty());
  EXPECT_EQ(result.stats.candidatesBuilt, 0u);
  EXPECT_EQ(observer.finished, 1);
}

TEST(Runs, StopEndsTheRunAtTheNextCheckpoint) {
  LoadedFixture data([&](FixtureDb& f) { FillPoolCharacters(f); });
  struct Stopper : RecordingObserver {
    RunControl* control = nullptr;
    void OnRowAccepted(const NameResultRow& row) override {
      RecordingObserver::OnRowAccepted(row);
      control->Stop();
    }
  } observer;
  RunControl control;
  observer.control = &control;
  const RunResult result = GenerateNames(data.db(), Input(Mode::kHighScore, "王"), observer, control);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.rows.size(), 1u);
  EXPECT_EQ(observer.finished, 1);
}

TEST(Runs, PauseHoldsTheRunUntilResumed) {
  LoadedFixture data([](FixtureDb& f) {
    f.AddCharacter("李", 7, 7, "木");
    f.AddCharacter("明", 8, 8, "火");
    f.AddCharacter("杰", 8, 12, "木");
    AddUniformVerdicts(f, "大吉");
  });
  struct Pauser : RecordingObserver {
    RunControl* control = nullptr;
    std::thread resumer;
    size_t seenWhilePaused = 0;
    void OnRowAccepted(const NameResultRow& row) override {
      RecordingObserver::OnRowAccepted(row);
      if (accepted.size() != 1) return;
      control->Pause();
      resumer = std::thread([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        seenWhilePaused = accepted.size();
        control->Resume();
      });
    }
  } observer;
  RunControl control;
  observer.control = &control;
  RunInput input = Input(Mode::kCombination, "李");
  input.combinationText = G("明杰");
  const RunResult result = GenerateNames(data.db(), input, observer, control);
  observer.resumer.join();
  EXPECT_EQ(observer.seenWhilePaused, 1u);
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(result.rows.size(), 4u);
}

}  // namespace
}  // namespace babyname::generation
