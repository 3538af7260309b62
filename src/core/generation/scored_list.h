// Scoring the candidates of a run into its list, and the list utilities.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/numerology.h"
#include "generation/candidates.h"
#include "generation/name_result_row.h"
#include "generation/run_control.h"
#include "generation/run_observer.h"

namespace babyname::generation {

struct ScoredListOutcome {
  std::vector<NameResultRow> rows;  // sorted by score, best first, renumbered from 1
  uint64_t scored = 0;              // candidates scored
  bool stopped = false;             // the run was stopped: rows as accepted, unsorted
};

// Walks the candidates in order: a candidate in which the family name occurs
// (on a character boundary) is skipped; the others are scored with ScoreName
// against the run's cache, and those whose score value is at least `threshold`
// become rows (family name + candidate), reported to the observer as they are
// accepted. With a capacity the walk ends once that many rows are in, and the
// first accepted row is reported. Then the rows are sorted by score, highest
// first, equal scores keeping their order, and renumbered.
//
// Scores are remembered per shape of the given name and the traditional stroke
// counts of its characters, which is all that a score depends on for a fixed
// family name; the other columns of an accepted row come from a full ScoreName.
ScoredListOutcome FillScoredList(const RunState& state, const std::string& family, int32_t threshold,
                                 std::optional<uint32_t> capacity, const analysis::VerdictSource& verdicts,
                                 RunObserver& observer, RunControl& control);

// Orders rows by score, highest first; rows with equal scores keep their order.
void SortListDescending(std::vector<NameResultRow>& rows);

// Rewrites 编号 with each row's 1-based position.
void Renumber(std::vector<NameResultRow>& rows);

}  // namespace babyname::generation
