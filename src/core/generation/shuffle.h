// The shuffle of the generators: every call seeds anew, from the clock unless
// a seed is given, so that each run draws a new order and a seeded run is
// repeatable (the same seed gives the same order on every machine).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace babyname::generation {

// For k = 1 .. n-1 (1-based), draws r uniformly from k .. n and swaps entries k and r.
void ShuffleTexts(std::vector<std::string>& texts, std::optional<uint64_t> seed = std::nullopt);

}  // namespace babyname::generation
