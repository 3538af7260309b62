// The rows of HM_CNWord: every ideograph of GBK with its forms, strokes,
// readings, radical, element, five-stroke code and explanations.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "element_rules.h"
#include "gbk_fit.h"
#include "stroke_rules.h"
#include "tsv.h"
#include "unihan.h"

namespace babyname::builder {

// One HM_CNWord row; texts are UTF-8 with a GBK form.
struct CharRow {
  char32_t codePoint = 0;
  int code = 0;  // GBK code
  std::string hanzi, simplified, traditional;
  int simplifiedStrokes = 0;
  int traditionalStrokes = 0;
  std::string pinyin1, pinyin2, initial, final, radical, element, wubi, basic, detailed;
  bool elementListed = false;  // from char_elements.tsv rather than the fallback rule
};

// The readings of a character, most common first (kMandarin, then the
// modern dictionaries' readings, then the Hanyu Da Zidian's when there are no
// others), with tone marks, without repeats.
std::vector<std::string> Readings(const UnihanEntry& entry);
// "zhāng" -> "zhang"; ü becomes v.
std::string WithoutTones(const std::string& reading);
// The initial of a toneless reading: "zh", "b", "y", ... or "" (an, e, ou ...).
std::string InitialOf(const std::string& toneless);

struct CharTableInputs {
  const Unihan* unihan = nullptr;
  const GbkCatalog* catalog = nullptr;
  const StrokeRules* strokes = nullptr;
  const ElementRules* elements = nullptr;
  std::filesystem::path unicodeFolder;  // CJKRadicals.txt
  std::filesystem::path wubiTable;      // a Rime wubi86 dictionary; may be missing
  std::filesystem::path root;           // the source tree (content/char_explanations.tsv)
};

std::vector<CharRow> BuildCharacterRows(const CharTableInputs& in, GbkFitter& fitter, Problems& problems);

}  // namespace babyname::builder
