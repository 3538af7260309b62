// The element (五行) of a character: the element that naming references give,
// from content/char_elements.tsv, for the characters listed there; for every
// other character the fallback rule of content/element_rules.tsv: the class
// of its Kangxi radical first, then the class of its pinyin initial, then the
// default row.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "stroke_rules.h"
#include "tsv.h"

namespace babyname::builder {

bool IsElementText(const std::string& text);  // 金 木 水 火 土

class ElementRules {
 public:
  static ElementRules Load(const std::filesystem::path& root, const StrokeRules& strokes, Problems& problems);

  // The listed element of a character, or "" when char_elements.tsv has none.
  std::string Listed(char32_t c) const;
  // The fallback rule for a character with Kangxi radical `radical` (0: none)
  // and pinyin initial `initial` ("" for a zero initial).
  std::string Fallback(int radical, const std::string& initial) const;

  size_t listedCount() const { return listed_.size(); }
  bool listPresent() const { return listPresent_; }

 private:
  bool listPresent_ = false;
  std::map<char32_t, std::string> listed_;
  std::map<int, std::string> byRadical_;
  std::map<std::string, std::string> byInitial_;
  std::string default_;
};

}  // namespace babyname::builder
