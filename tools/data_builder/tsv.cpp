#include "tsv.h"

#include <algorithm>
#include <fstream>

#include "text/gbk.h"

namespace babyname::builder {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) break;
    start = at + 1;
  }
  return parts;
}

namespace {

std::string JoinColumns(const std::vector<std::string>& columns) {
  std::string out;
  for (const std::string& c : columns) out += (out.empty() ? "" : " ") + c;
  return out;
}

}  // namespace

TsvFile ReadTsv(const std::filesystem::path& root, const std::string& relative, const std::vector<std::string>& columns,
                const std::vector<std::string>& mayBeEmpty, Problems& problems, const std::string& whenMissing) {
  TsvFile file;
  file.label = "content/" + relative;
  std::ifstream in(root / "content" / relative, std::ios::binary);
  if (!in) {
    problems.Warning(file.label, whenMissing);
    return file;
  }
  file.present = true;
  std::string line;
  int number = 0;
  bool headerSeen = false;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (line.empty() || line[0] == '#') continue;
    const std::string where = file.label + ":" + std::to_string(number);
    std::vector<std::string> fields = Split(line, '\t');
    if (!headerSeen) {
      headerSeen = true;
      if (fields != columns) {
        problems.Error(where, "header must be \"" + JoinColumns(columns) + "\" (TAB-separated)");
        return file;
      }
      continue;
    }
    // Trailing optional columns may be left off (editors drop trailing TABs).
    while (fields.size() < columns.size() &&
           std::find(mayBeEmpty.begin(), mayBeEmpty.end(), columns[fields.size()]) != mayBeEmpty.end()) {
      fields.emplace_back();
    }
    if (fields.size() != columns.size()) {
      problems.Error(where, "expected " + std::to_string(columns.size()) + " fields, found " +
                                std::to_string(fields.size()));
      continue;
    }
    bool good = true;
    for (size_t i = 0; i < fields.size(); ++i) {
      const bool optional = std::find(mayBeEmpty.begin(), mayBeEmpty.end(), columns[i]) != mayBeEmpty.end();
      if (fields[i].empty() && !optional) {
        problems.Error(where, "empty field " + columns[i]);
        good = false;
      } else if (!text::IsGbkEncodable(fields[i])) {
        problems.Error(where, "field " + columns[i] + " has a character without a GBK form (or is not UTF-8)");
        good = false;
      }
    }
    if (good) file.rows.push_back({number, std::move(fields)});
  }
  if (!headerSeen) problems.Error(file.label, "no header line");
  return file;
}

}  // namespace babyname::builder
