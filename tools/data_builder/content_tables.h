// The tables loaded from our own files under content/: the 81 numbers, the
// three-talent table, the family names, the English names and the two
// article libraries. Each loader checks its file and reports every problem
// with file and line; a missing file gives an empty table and a warning.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "tsv.h"

namespace babyname::builder {

using Value = std::variant<std::string, int64_t>;  // a UTF-8 text or an integer
using Row = std::vector<Value>;                     // a full table row, key first

// The five verdict texts that score.
bool IsVerdict(const std::string& text);

std::vector<Row> LoadNumbers(const std::filesystem::path& root, Problems& problems);       // HM_八一灵动数
std::vector<Row> LoadTalents(const std::filesystem::path& root, Problems& problems);       // HM_三才配置
std::vector<Row> LoadSurnames(const std::filesystem::path& root, Problems& problems);      // HM_百家姓
std::vector<Row> LoadEnglishNames(const std::filesystem::path& root, Problems& problems);  // HM_EName
// `library` is 育儿百科 or 算命风水: content/articles/<library>/<分类标题>.md.
std::vector<Row> LoadArticles(const std::filesystem::path& root, const std::string& library, Problems& problems);

}  // namespace babyname::builder
