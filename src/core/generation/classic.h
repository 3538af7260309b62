// The classic mode: ready-made names for the baby's sex, shuffled and laid out
// as plain text behind the family name. Nothing is scored or looked up.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "generation/run_input.h"

namespace babyname::generation {

// The source list: for two-character names the classic two-character list of
// the sex, split at ","; for one-character names the classic one-character
// pool, split into characters. Kept as often as an entry occurs; a sex other
// than 男 and 女 gives no entries.
std::vector<std::string> ClassicEntries(Sex sex, int count);

// Each entry behind the family name, followed by two spaces (count 2) or
// three (count 1); after every 14th (count 2) or 16th (count 1) name a line
// break and an empty line ("\r\n\r\n").
std::string LayoutClassicText(const std::string& family, const std::vector<std::string>& entries, int count);

// The whole mode: entries, shuffled, laid out.
std::string ClassicText(const std::string& family, Sex sex, int count, std::optional<uint64_t> seed);

}  // namespace babyname::generation
