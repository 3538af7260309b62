#include "generation/shuffle.h"

#include <chrono>
#include <random>
#include <utility>

namespace babyname::generation {
namespace {

// A uniform draw from 0 .. bound-1 by rejection, so that the order depends only
// on the generator's output (which the standard fixes), not on the library's
// distribution code.
uint64_t Draw(std::mt19937_64& rng, uint64_t bound) {
  const uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
  uint64_t x;
  do x = rng();
  while (x >= limit);
  return x % bound;
}

}  // namespace

void ShuffleTexts(std::vector<std::string>& texts, std::optional<uint64_t> seed) {
  const uint64_t s =
      seed ? *seed : static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  std::mt19937_64 rng(s);
  const size_t n = texts.size();
  for (size_t k = 0; k + 1 < n; ++k) {
    const size_t r = k + static_cast<size_t>(Draw(rng, n - k));
    std::swap(texts[k], texts[r]);
  }
}

}  // namespace babyname::generation
