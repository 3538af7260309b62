// What GBK can hold. The program reads every table through GBK, so each text
// the builder stores must have a GBK form.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "unihan.h"

namespace babyname::builder {

// Every two-byte GBK code with the code point it stands for.
class GbkCatalog {
 public:
  GbkCatalog();
  bool Has(char32_t codePoint) const { return codePoint < 0x80 || codes_.count(codePoint) != 0; }
  // The GBK code (lead byte * 256 + trail byte), 0 for ASCII and for none.
  uint16_t CodeOf(char32_t codePoint) const;
  // The ideographs of GBK in code order.
  std::vector<char32_t> Ideographs() const;

 private:
  std::unordered_map<char32_t, uint16_t> codes_;
  std::vector<std::pair<uint16_t, char32_t>> inCodeOrder_;
};

// Replaces each character without a GBK form by a GBK variant that Unihan
// gives (simplified, Z-, compatibility, semantic, traditional variant, in
// that order), else by "□", and counts what it replaced.
class GbkFitter {
 public:
  GbkFitter(const GbkCatalog& catalog, const Unihan& unihan) : catalog_(catalog), unihan_(unihan) {}
  std::string Fit(std::string_view utf8);
  // One line per replaced character, most frequent first: "𤨒→□ 12".
  void Report(std::ostream& out) const;
  long total() const;
  size_t distinct() const { return replaced_.size(); }

 private:
  char32_t Replacement(char32_t codePoint) const;
  const GbkCatalog& catalog_;
  const Unihan& unihan_;
  std::map<char32_t, std::pair<char32_t, long>> replaced_;
};

}  // namespace babyname::builder
