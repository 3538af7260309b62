// The Tang poems of the npm package chinese-poetry (dist/quantangshi,
// poet.tang.*.json), converted to simplified characters with OpenCC.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "gbk_fit.h"
#include "tsv.h"

namespace babyname::builder {

struct PoemRow {
  std::string title, author, content, nameCharacters;  // UTF-8 with a GBK form
  int length = 0;                                      // characters of content
};

struct PoetRow {
  std::string name;
  int poemCount = 0;
};

struct PoemTables {
  std::vector<PoemRow> poems;  // in the package's order
  std::vector<PoetRow> poets;  // most poems first; equal counts in order of first poem
  int skippedEmpty = 0;
};

// Reads every poet.tang.*.json of `folder` in numeric order. A missing folder
// gives empty tables and a warning. `nameCharacters` are the characters of the
// built-in name pools (UTF-8, one character each): a poem's 首字母 lists its
// distinct characters among them, in order of first occurrence.
PoemTables LoadTangPoems(const std::filesystem::path& folder, const std::set<std::string>& nameCharacters,
                         GbkFitter& fitter, Problems& problems);

}  // namespace babyname::builder
