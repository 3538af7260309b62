// The Unihan database as the builder needs it: strokes, radical placements,
// variants, readings and the English definition of every ideograph. Read from
// the bzip2-compressed Unihan files that Debian's unicode-data installs.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/status.h"

namespace babyname::builder {

struct UnihanEntry {
  std::string totalStrokes;  // kTotalStrokes: "7" or "8 9" (zh-Hans first)
  std::string rsKangXi;      // kRSKangXi: "57.8"
  std::string rsUnicode;     // kRSUnicode: "167'.4 ..."
  std::string traditional;   // kTraditionalVariant: "U+5218 U+5289"
  std::string simplified;    // kSimplifiedVariant
  std::string semantic;      // kSemanticVariant: "U+4E2A<kMatthews ..."
  std::string zVariant;      // kZVariant
  std::string compatibility; // kCompatibilityVariant
  std::string mandarin;      // kMandarin: "zhāng"
  std::string tghz;          // kTGHZ2013: "465.160:zhāng"
  std::string xhc;           // kXHC1983: "1455.060:zhāng"
  std::string hanyuPinyin;   // kHanyuPinyin: "10.1.1:zhāng,zhàng"
  std::string definition;    // kDefinition
};

// One radical placement: the Kangxi radical number (1..214), whether the
// simplified form of the radical is meant ("167'"), and the residual strokes
// (may be negative: 王 is 96.-1).
struct RadicalStroke {
  int radical = 0;
  bool simplifiedRadical = false;
  int residual = 0;
};

class Unihan {
 public:
  // Reads the Unihan_*.txt.bz2 files of `folder` (/usr/share/unicode).
  static Result<Unihan> Load(const std::filesystem::path& folder);

  // nullptr for a code point Unihan does not describe.
  const UnihanEntry* Find(char32_t codePoint) const;
  size_t size() const { return entries_.size(); }

  // Test support: an entry added by hand.
  void Add(char32_t codePoint, UnihanEntry entry) { entries_[codePoint] = std::move(entry); }

 private:
  std::unordered_map<char32_t, UnihanEntry> entries_;
};

// "U+5218 U+5289" (and "U+4E2A<kMatthews,kMeyerWempe") -> the code points in order.
std::vector<char32_t> ParseCodePoints(std::string_view field);
// The first placement of a kRSKangXi / kRSUnicode field; radical 0 when none.
RadicalStroke ParseRadicalStroke(std::string_view field);
// The first (zh-Hans) value of kTotalStrokes; 0 when none.
int ParseTotalStrokes(std::string_view field);

}  // namespace babyname::builder
