#include "generation/classic.h"

#include "generation/pools.h"
#include "generation/shuffle.h"
#include "text/characters.h"

namespace babyname::generation {

std::vector<std::string> ClassicEntries(Sex sex, int count) {
  if (sex == Sex::kOther) return {};
  const bool boys = sex == Sex::kMale;
  if (count == 2) return SplitNameList(boys ? ClassicBoysTwoList() : ClassicGirlsTwoList());
  return text::SplitCharacters(boys ? ClassicBoysOnePool() : ClassicGirlsOnePool());
}

std::string LayoutClassicText(const std::string& family, const std::vector<std::string>& entries, int count) {
  const std::string spaces = count == 2 ? "  " : "   ";
  const size_t perRow = count == 2 ? 14 : 16;
  std::string out;
  out.reserve(entries.size() * (family.size() + 8));
  for (size_t j = 1; j <= entries.size(); ++j) {
    out += family;
    out += entries[j - 1];
    out += spaces;
    if (j % perRow == 0) out += "\r\n\r\n";
  }
  return out;
}

std::string ClassicText(const std::string& family, Sex sex, int count, std::optional<uint64_t> seed) {
  std::vector<std::string> entries = ClassicEntries(sex, count);
  ShuffleTexts(entries, seed);
  return LayoutClassicText(family, entries, count);
}

}  // namespace babyname::generation
