#include "poems.h"

#include <opencc/opencc.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "utf8.h"

namespace babyname::builder {
namespace {

class TraditionalToSimplified {
 public:
  TraditionalToSimplified() : handle_(opencc_open("t2s.json")) {}
  ~TraditionalToSimplified() {
    if (ok()) opencc_close(handle_);
  }
  TraditionalToSimplified(const TraditionalToSimplified&) = delete;
  TraditionalToSimplified& operator=(const TraditionalToSimplified&) = delete;
  bool ok() const { return handle_ != reinterpret_cast<opencc_t>(-1); }
  std::string Convert(const std::string& text) const {
    if (text.empty()) return text;
    char* converted = opencc_convert_utf8(handle_, text.data(), text.size());
    if (!converted) return text;
    std::string out(converted);
    opencc_convert_utf8_free(converted);
    return out;
  }

 private:
  opencc_t handle_;
};

// poet.tang.12000.json -> 12000; -1 for other files.
long FileNumber(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  const std::string prefix = "poet.tang.";
  if (name.rfind(prefix, 0) != 0 || file.extension() != ".json") return -1;
  try {
    return std::stol(name.substr(prefix.size()));
  } catch (...) {
    return -1;
  }
}

}  // namespace

PoemTables LoadTangPoems(const std::filesystem::path& folder, const std::set<std::string>& nameCharacters,
                         GbkFitter& fitter, Problems& problems) {
  PoemTables tables;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    problems.Warning(folder.string(), "missing (run npm ci in tools/npm), the poem tables stay empty");
    return tables;
  }
  std::vector<std::pair<long, std::filesystem::path>> files;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    const long number = FileNumber(item.path());
    if (number >= 0) files.emplace_back(number, item.path());
  }
  std::sort(files.begin(), files.end());

  TraditionalToSimplified t2s;
  if (!t2s.ok()) {
    problems.Error("opencc", std::string("cannot open t2s.json: ") + opencc_error());
    return tables;
  }

  std::map<std::string, size_t> poetIndex;
  for (const auto& [number, file] : files) {
    std::ifstream in(file);
    nlohmann::json poems = nlohmann::json::parse(in, nullptr, false);
    if (poems.is_discarded() || !poems.is_array()) {
      problems.Error(file.string(), "not a JSON array of poems");
      continue;
    }
    for (const nlohmann::json& poem : poems) {
      std::string content;
      if (poem.contains("paragraphs") && poem["paragraphs"].is_array()) {
        for (const nlohmann::json& line : poem["paragraphs"]) {
          if (line.is_string()) content += line.get<std::string>();
        }
      }
      if (content.empty()) {
        ++tables.skippedEmpty;
        continue;
      }
      PoemRow row;
      row.title = fitter.Fit(t2s.Convert(poem.value("title", std::string())));
      row.author = fitter.Fit(t2s.Convert(poem.value("author", std::string())));
      row.content = fitter.Fit(t2s.Convert(content));
      std::set<std::string> seen;
      for (const std::string& ch : Utf8Characters(row.content)) {
        ++row.length;
        if (nameCharacters.count(ch) && seen.insert(ch).second) row.nameCharacters += ch;
      }
      const auto [it, fresh] = poetIndex.emplace(row.author, tables.poets.size());
      if (fresh) tables.poets.push_back({row.author, 0});
      ++tables.poets[it->second].poemCount;
      tables.poems.push_back(std::move(row));
    }
  }
  std::stable_sort(tables.poets.begin(), tables.poets.end(),
                   [](const PoetRow& a, const PoetRow& b) { return a.poemCount > b.poemCount; });
  return tables;
}

}  // namespace babyname::builder
