#include "generation/scored_list.h"

#include <algorithm>
#include <array>

#include "text/characters.h"

namespace babyname::generation {
namespace {

// How a unit enters the score: when it is one whole character of the split
// rule (two bytes led by a byte above 122, or one byte of 122 or less that is
// not a space), a candidate made of such units splits back into exactly those
// units, and its score depends only on their traditional strokes. Any other
// unit is scored by a full ScoreName every time.
struct UnitScoreKey {
  bool whole = false;
  int32_t traditional = 0;
};

constexpr int32_t kMemoStrokes = 256;  // stroke counts the memo covers; others are scored in full

bool IsWholeCharacter(const std::string& unit) {
  if (unit.size() == 2) return static_cast<unsigned char>(unit[0]) > 122;
  if (unit.size() == 1) return static_cast<unsigned char>(unit[0]) <= 122 && unit[0] != ' ';
  return false;
}

class ScoreMemo {
 public:
  explicit ScoreMemo(const RunState& state) {
    const CandidateList& list = state.candidates;
    keys_.resize(list.unitCount());
    for (uint32_t i = 0; i < list.unitCount(); ++i) {
      const std::string& unit = list.unit(i);
      if (!IsWholeCharacter(unit)) continue;
      const analysis::CharInfo* info = state.table.Find(unit);
      const int32_t traditional = info ? info->traditionalStrokes : 0;
      if (traditional < 0 || traditional >= kMemoStrokes) continue;
      keys_[i] = {true, traditional};
    }
  }

  // The memo slot of a candidate, or nullptr when it must be scored in full.
  int16_t* Slot(uint32_t a, uint32_t b) {
    const UnitScoreKey& ka = keys_[a];
    if (!ka.whole) return nullptr;
    if (b == kNoUnit) {
      if (singles_.empty()) singles_.assign(kMemoStrokes, kUnknown);
      return &singles_[static_cast<size_t>(ka.traditional)];
    }
    const UnitScoreKey& kb = keys_[b];
    if (!kb.whole) return nullptr;
    if (pairs_.empty()) pairs_.assign(size_t{kMemoStrokes} * kMemoStrokes, kUnknown);
    return &pairs_[static_cast<size_t>(ka.traditional) * kMemoStrokes + static_cast<size_t>(kb.traditional)];
  }

  static constexpr int16_t kUnknown = INT16_MIN;

 private:
  std::vector<UnitScoreKey> keys_;
  std::vector<int16_t> singles_;
  std::vector<int16_t> pairs_;
};

}  // namespace

void SortListDescending(std::vector<NameResultRow>& rows) {
  // Score values lie in 0..100, so a stable bucket pass does it in one move per
  // row; anything else falls back to a stable sort.
  constexpr int32_t kMaxScore = 100;
  std::array<size_t, kMaxScore + 2> starts{};
  for (const NameResultRow& row : rows) {
    if (row.score < 0 || row.score > kMaxScore) {
      std::stable_sort(rows.begin(), rows.end(),
                       [](const NameResultRow& x, const NameResultRow& y) { return x.score > y.score; });
      return;
    }
    ++starts[static_cast<size_t>(kMaxScore - row.score) + 1];
  }
  for (size_t i = 1; i < starts.size(); ++i) starts[i] += starts[i - 1];
  std::vector<NameResultRow> sorted(rows.size());
  for (NameResultRow& row : rows) sorted[starts[static_cast<size_t>(kMaxScore - row.score)]++] = std::move(row);
  rows = std::move(sorted);
}

void Renumber(std::vector<NameResultRow>& rows) {
  for (size_t i = 0; i < rows.size(); ++i) rows[i].number = static_cast<int32_t>(i + 1);
}

ScoredListOutcome FillScoredList(const RunState& state, const std::string& family, int32_t threshold,
                                 std::optional<uint32_t> capacity, const analysis::VerdictSource& verdicts,
                                 RunObserver& observer, RunControl& control) {
  ScoredListOutcome outcome;
  outcome.rows.reserve(static_cast<size_t>(std::min<uint64_t>(capacity.value_or(UINT32_MAX), state.candidates.size())));
  ScoreMemo memo(state);
  analysis::FiveGrid grid;
  std::string given;
  std::string name;

  state.candidates.ForEach([&](uint32_t a, uint32_t b) {
    if (!control.Checkpoint()) {
      outcome.stopped = true;
      return false;
    }
    state.candidates.TextOf(a, b, given);
    if (text::OccursIn(family, given)) return true;
    ++outcome.scored;

    int16_t* slot = memo.Slot(a, b);
    bool full = false;
    int32_t score;
    if (slot && *slot != ScoreMemo::kUnknown) {
      score = *slot;
    } else {
      analysis::ScoreName(family, given, state.table, verdicts, grid);
      full = true;
      score = grid.scoreValue;
      if (slot) *slot = static_cast<int16_t>(score);  // score values lie in 0..100
    }
    if (score < threshold) return true;

    if (!full) analysis::ScoreName(family, given, state.table, verdicts, grid);
    name.assign(family).append(given);
    outcome.rows.push_back(MakeNameResultRow(static_cast<int32_t>(outcome.rows.size() + 1), name, grid));
    observer.OnRowAccepted(outcome.rows.back());
    if (capacity && outcome.rows.size() == 1) observer.OnFirstRowAccepted();
    if (!control.Checkpoint()) {
      outcome.stopped = true;
      return false;
    }
    return !(capacity && outcome.rows.size() >= *capacity);
  });

  if (outcome.stopped) return outcome;
  SortListDescending(outcome.rows);
  Renumber(outcome.rows);
  return outcome;
}

}  // namespace babyname::generation
