// The super-auspicious mode (超吉起名): the whole pool of the sex, filtered by the
// element of each character, and only names that reach the highest score the
// family name allows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "generation/candidates.h"
#include "generation/run_control.h"
#include "generation/run_input.h"

namespace babyname::generation {

// The element set of a filter group: the captions of its ticked boxes in box
// order (金木水火土), or `whenNone` when the master is unchecked or no box is
// ticked ("金木水火土" for the first three groups, empty for must-not-have).
std::string ElementSetText(const ElementBoxes& boxes, const std::string& whenNone);

// The threshold from the verdict of the family name's 天格: 大凶 96, 凶 98,
// 中 99, 吉 and 大吉 100, any other text 0. It is the highest score value the
// family name can reach.
int32_t SuperAuspiciousThreshold(const std::string& skyVerdict);

// Loads every pool entry and forms the candidates: with a position master
// checked, every entry admitted by the second-character set followed by every
// entry admitted by the third-character set; with an all-characters master
// checked, every pair of entries whose element is in the must-have set and not
// in the must-not-have set. Unusable entries take part in neither. The family
// name is never rejected for its own element. False when the run was stopped.
bool BuildSuperAuspiciousCandidates(RunState& state, CharacterLoader& loader, const RunInput& input,
                                    RunControl& control);

// The enabled states of the filter boxes and the rules of the four master
// boxes' click handlers, for the window. A rule changes enabled states and the
// checked state of the other filter's masters, never an element box.
enum FilterGroup : int { kSecondGroup = 0, kThirdGroup, kMustGroup, kMustNotGroup, kFilterGroupCount };
struct FilterBoxes {
  std::array<ElementBoxes*, kFilterGroupCount> groups{};  // the input's four groups, not owned
  std::array<bool, kFilterGroupCount> masterEnabled{true, true, true, true};
  std::array<bool, kFilterGroupCount> elementsEnabled{};  // the five boxes of a group
};
// Runs the click rule of `group`'s master box, whose checked state is already the new one.
void MasterClicked(FilterBoxes& boxes, FilterGroup group);

}  // namespace babyname::generation
