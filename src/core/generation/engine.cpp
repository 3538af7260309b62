#include "generation/engine.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>

#include "analysis/numerology.h"
#include "generation/candidates.h"
#include "generation/classic.h"
#include "generation/english.h"
#include "generation/pools.h"
#include "generation/scored_list.h"
#include "generation/shuffle.h"
#include "generation/super_auspicious.h"
#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::generation {
namespace {

const std::string& PoolOfSex(Sex sex) {
  static const std::string kNone;
  switch (sex) {
    case Sex::kMale:
      return BoysPool();
    case Sex::kFemale:
      return GirlsPool();
    case Sex::kOther:
      break;
  }
  return kNone;
}

// Makes the `characters` known to the scorer one by one. For the family
// name this matters when it has two characters: it enters the pool as one entry
// that HM_CNWord does not hold, and would otherwise score with 0 strokes.
void AddLookups(RunState& state, CharacterLoader& loader, const std::string& characters) {
  for (const std::string& character : text::SplitCharacters(characters)) AddScoringLookup(state, loader, character);
}

// The generation character is looked up for scoring as well; as a pool entry
// it would be found first anyway.
void AddGenerationLookup(RunState& state, CharacterLoader& loader, const RunInput& input) {
  if (input.count != 2) return;
  const GenerationCharacterSetting& g = input.generation;
  if (g.SecondInForce()) AddLookups(state, loader, g.secondCharacter);
  if (g.ThirdInForce()) AddLookups(state, loader, g.thirdCharacter);
}

// A pool text with the family name appended unless it already occurs there, split.
std::vector<std::string> PoolWithFamily(std::string poolText, const std::string& family) {
  if (!text::OccursIn(family, poolText)) poolText += family;
  return text::SplitCharacters(poolText);
}

struct ScoredPlan {
  int32_t threshold = 0;
  std::optional<uint32_t> capacity;
};

// The preparation of a scored mode: pool, cache, candidates, threshold.
// Returns nullopt when the run was stopped.
std::optional<ScoredPlan> PrepareScoredMode(RunState& state, CharacterLoader& loader, const RunInput& input,
                                            const analysis::VerdictSource& verdicts, RunObserver& observer,
                                            RunControl& control) {
  const std::string& family = input.surname;
  ScoredPlan plan;
  switch (input.mode) {
    case Mode::kHighScore: {
      std::vector<std::string> entries = text::SplitCharacters(PoolOfSex(input.sex));
      ShuffleTexts(entries, input.seed);
      // The girls' pool is smaller than a one-character sample: it is taken whole.
      entries.resize(std::min<size_t>(entries.size(), input.count == 2 ? 400 : 1000));
      entries.push_back(family);
      state.Reset(std::move(entries));
      if (!BuildPairCandidates(state, loader, input.count, input.generation, observer, control)) return std::nullopt;
      AddLookups(state, loader, family);
      AddGenerationLookup(state, loader, input);
      plan.capacity = kHighScoreCapacity;
      plan.threshold = 0;
      if (input.count == 2) {
        if (input.generation.AnyInForce())
          observer.OnMessage(GenerationShowsAllMessage());
        else
          plan.threshold = 90;
      }
      return plan;
    }
    case Mode::kCombination:
    case Mode::kPoem: {
      std::string poolText;
      if (input.mode == Mode::kCombination) {
        poolText = input.combinationText;
        if (!text::OccursIn(family, poolText)) poolText += family;
        poolText = text::KeepHanzi(poolText);
        state.Reset(text::SplitCharacters(poolText));
      } else {
        for (const std::string& caption : input.poemCharacters)
          if (!text::OccursIn(caption, poolText)) poolText += caption;
        state.Reset(PoolWithFamily(std::move(poolText), family));
      }
      if (!BuildPairCandidates(state, loader, input.count, input.generation, observer, control)) return std::nullopt;
      AddGenerationLookup(state, loader, input);
      observer.OnCandidatesReady();
      return plan;
    }
    case Mode::kNickname: {
      state.Reset(PoolWithFamily(NicknamePool(), family));
      loader.Preload(state.pool);
      static const std::string kXiao = text::Gbk("小"), kEr = text::Gbk("儿"), kAh = text::Gbk("阿");
      std::vector<uint32_t> usable;
      for (size_t i = 0; i < state.pool.size(); ++i) {
        if (!control.Checkpoint()) return std::nullopt;
        if (LoadCharInfo(state, loader, i)) usable.push_back(static_cast<uint32_t>(i));
      }
      CandidateList& list = state.candidates;
      switch (input.nickname) {
        case NicknamePattern::kDouble:
          list.AddSequence(usable, usable);
          break;
        case NicknamePattern::kXiao:
          list.AddProduct({list.AddUnit(kXiao)}, std::move(usable));
          break;
        case NicknamePattern::kEr:
          list.AddProduct(std::move(usable), {list.AddUnit(kEr)});
          break;
        case NicknamePattern::kAh:
          list.AddProduct({list.AddUnit(kAh)}, std::move(usable));
          break;
        case NicknamePattern::kNone:
          break;
      }
      observer.OnCandidatesReady();
      return plan;
    }
    case Mode::kSuperAuspicious: {
      std::vector<std::string> entries = text::SplitCharacters(PoolOfSex(input.sex));
      ShuffleTexts(entries, input.seed);
      entries.push_back(family);
      state.Reset(std::move(entries));
      if (!BuildSuperAuspiciousCandidates(state, loader, input, control)) return std::nullopt;
      AddLookups(state, loader, family);
      plan.threshold = SuperAuspiciousThreshold(analysis::SurnameSkyVerdict(family, state.table, verdicts));
      plan.capacity = kSuperAuspiciousCapacity;
      return plan;
    }
    case Mode::kClassic:
    case Mode::kEnglish:
      break;
  }
  return plan;
}

}  // namespace

RunMessage EnterSurnameMessage() { return {text::Gbk("请输入姓氏"), MessageIcon::kNone}; }

RunMessage GenerationShowsAllMessage() {
  return {text::Gbk("设定辈份后,产生的名字较少,所以系统将显示全部名字"), MessageIcon::kWarning};
}

RunResult GenerateNames(refdata::DatabaseClass& db, const RunInput& input, RunObserver& observer, RunControl& control) {
  const auto start = std::chrono::steady_clock::now();
  RunResult result;
  if (input.surname.empty()) observer.OnMessage(EnterSurnameMessage());

  switch (input.mode) {
    case Mode::kClassic:
      result.classicText = ClassicText(input.surname, input.sex, input.count, input.seed);
      break;
    case Mode::kEnglish:
      result.stopped =
          !ListEnglishNames(db, input.englishGiven, input.englishStyle, observer, control, result.englishRows);
      observer.OnCandidatesReady();
      result.stats.rows = result.englishRows.size();
      break;
    default: {
      RunState state;
      CharacterLoader loader(db);
      const analysis::VerdictTable verdicts = analysis::VerdictTable::Load(db);
      const std::optional<ScoredPlan> plan = PrepareScoredMode(state, loader, input, verdicts, observer, control);
      if (!plan) {
        result.stopped = true;
        break;
      }
      result.stats.candidatesBuilt = state.candidates.size();
      ScoredListOutcome outcome =
          FillScoredList(state, input.surname, plan->threshold, plan->capacity, verdicts, observer, control);
      result.rows = std::move(outcome.rows);
      result.stopped = outcome.stopped;
      result.stats.candidatesScored = outcome.scored;
      result.stats.rows = result.rows.size();
      break;
    }
  }
  result.stats.engineMilliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  observer.OnFinished(result);
  return result;
}

}  // namespace babyname::generation
