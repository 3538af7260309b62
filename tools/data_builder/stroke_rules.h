// The Kangxi stroke count used in name numerology, and the traditional form
// it is counted on. The rule and its tables live in content/strokes/:
//   radicals.tsv   the 214 Kangxi radicals and the full count of each
//                  (氵 counts as 水 4, 艹 as 艸 6, 阝 left as 阜 8 ...)
//   keep.tsv       characters kept as written in traditional script (于 余 胡 ...)
//   choice.tsv     the traditional form where Unihan offers several (当 -> 當)
//   overrides.tsv  counts that naming practice fixes differently (熙 13, 五 5)
// Count of a traditional form = radical's full count + residual strokes of
// its Kangxi placement (kRSKangXi, else kRSUnicode).
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "tsv.h"
#include "unihan.h"

namespace babyname::builder {

class StrokeRules {
 public:
  // Reads content/strokes/*.tsv under `root`; problems go to `problems`.
  static StrokeRules Load(const std::filesystem::path& root, Problems& problems);

  // `hasGbkForm` tells whether a code point can be stored.
  using GbkTest = std::function<bool(char32_t)>;

  // The traditional form of `c`: itself when kept or when Unihan gives no
  // other storable form; the chosen one when the choice table names it; else
  // the first storable kTraditionalVariant other than `c` itself.
  char32_t TraditionalForm(char32_t c, const Unihan& unihan, const GbkTest& hasGbkForm) const;

  // The naming stroke count of the character `c` (overrides of `c`, then of
  // its traditional form, then the radical rule on the traditional form).
  // 0 when Unihan knows nothing of the form.
  int KangxiStrokes(char32_t c, const Unihan& unihan, const GbkTest& hasGbkForm) const;

  // The radical rule alone, on a form as it stands.
  int RuleStrokes(char32_t form, const Unihan& unihan) const;

  // The Kangxi radical number of a character (kRSKangXi, else kRSUnicode), 0 when none.
  static int RadicalNumber(char32_t c, const Unihan& unihan);
  // The radical glyph of a radical number as radicals.tsv writes it ("水" for 85).
  std::string RadicalGlyph(int radical) const;
  // The radical number of a glyph from radicals.tsv, 0 when it is none.
  int RadicalOfGlyph(const std::string& glyph) const;

  size_t overrideCount() const { return overrides_.size(); }
  const std::map<char32_t, int>& overrides() const { return overrides_; }

 private:
  int radicalStrokes_[215] = {};
  std::string radicalGlyphs_[215];
  std::set<char32_t> keep_;
  std::map<char32_t, char32_t> choice_;
  std::map<char32_t, int> overrides_;
};

}  // namespace babyname::builder
