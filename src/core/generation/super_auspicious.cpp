#include "generation/super_auspicious.h"

#include <utility>
#include <vector>

#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::generation {

std::string ElementSetText(const ElementBoxes& boxes, const std::string& whenNone) {
  static const std::array<std::string, kElementCount> kCaptions = {text::Gbk("金"), text::Gbk("木"), text::Gbk("水"),
                                                                   text::Gbk("火"), text::Gbk("土")};
  if (!boxes.master) return whenNone;
  std::string set;
  for (int e = 0; e < kElementCount; ++e)
    if (boxes.ticked[static_cast<size_t>(e)]) set += kCaptions[static_cast<size_t>(e)];
  return set.empty() ? whenNone : set;
}

int32_t SuperAuspiciousThreshold(const std::string& skyVerdict) {
  static const std::array<std::pair<std::string, int32_t>, 5> kThresholds = {{
      {text::Gbk("大凶"), 96},
      {text::Gbk("凶"), 98},
      {text::Gbk("中"), 99},
      {text::Gbk("吉"), 100},
      {text::Gbk("大吉"), 100},
  }};
  for (const auto& [verdict, threshold] : kThresholds)
    if (skyVerdict == verdict) return threshold;
  return 0;
}

bool BuildSuperAuspiciousCandidates(RunState& state, CharacterLoader& loader, const RunInput& input,
                                    RunControl& control) {
  static const std::string kAll = text::Gbk("金木水火土");
  const std::string secondSet = ElementSetText(input.secondCharacter, kAll);
  const std::string thirdSet = ElementSetText(input.thirdCharacter, kAll);
  const std::string mustSet = ElementSetText(input.mustHave, kAll);
  const std::string mustNotSet = ElementSetText(input.mustNotHave, std::string());
  const bool byPosition = input.secondCharacter.master || input.thirdCharacter.master;
  const bool byAll = input.mustHave.master || input.mustNotHave.master;

  loader.Preload(state.pool);
  std::vector<uint32_t> secondPool, thirdPool, everyPool;
  for (size_t i = 0; i < state.pool.size(); ++i) {
    if (!control.Checkpoint()) return false;
    if (!LoadCharInfo(state, loader, i)) continue;
    const std::string& element = state.table.at(i).element;
    const auto unit = static_cast<uint32_t>(i);
    if (byPosition) {
      if (text::OccursIn(element, secondSet)) secondPool.push_back(unit);
      if (text::OccursIn(element, thirdSet)) thirdPool.push_back(unit);
    }
    if (byAll && text::OccursIn(element, mustSet) && !text::OccursIn(element, mustNotSet)) everyPool.push_back(unit);
  }
  if (byPosition) state.candidates.AddProduct(std::move(secondPool), std::move(thirdPool));
  if (byAll) state.candidates.AddProduct(everyPool, everyPool);
  return true;
}

void MasterClicked(FilterBoxes& boxes, FilterGroup group) {
  auto checked = [&](FilterGroup g) { return boxes.groups[g] && boxes.groups[g]->master; };
  auto uncheck = [&](FilterGroup g) {
    if (boxes.groups[g]) boxes.groups[g]->master = false;
  };
  const bool positionGroup = group == kSecondGroup || group == kThirdGroup;
  const FilterGroup sibling = positionGroup ? (group == kSecondGroup ? kThirdGroup : kSecondGroup)
                                            : (group == kMustGroup ? kMustNotGroup : kMustGroup);
  const FilterGroup otherA = positionGroup ? kMustGroup : kSecondGroup;
  const FilterGroup otherB = positionGroup ? kMustNotGroup : kThirdGroup;
  if (checked(group)) {
    boxes.masterEnabled[otherA] = boxes.masterEnabled[otherB] = false;
    uncheck(otherA);
    uncheck(otherB);
    boxes.elementsEnabled[group] = true;
  } else {
    if (!checked(sibling)) boxes.masterEnabled[otherA] = boxes.masterEnabled[otherB] = true;
    boxes.elementsEnabled[group] = false;
  }
}

}  // namespace babyname::generation
