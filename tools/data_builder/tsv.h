// Reading the TSV files under content/: UTF-8, a header line naming the
// columns, one TAB between fields, empty lines and lines starting with '#'
// ignored. Problems are collected with file and line so that one run reports
// all of them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace babyname::builder {

// Errors stop the build; warnings are printed and the build goes on.
struct Problems {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  void Error(const std::string& where, const std::string& what) { errors.push_back(where + ": " + what); }
  void Warning(const std::string& where, const std::string& what) { warnings.push_back(where + ": " + what); }
};

struct TsvRow {
  int line = 0;                     // 1-based line number in the file
  std::vector<std::string> fields;  // as many as the header has columns
};

struct TsvFile {
  bool present = false;
  std::string label;  // the path as shown in messages, e.g. "content/numbers81.tsv"
  std::vector<TsvRow> rows;
  std::string Where(const TsvRow& row) const { return label + ":" + std::to_string(row.line); }
};

// Reads `root`/content/`relative`. A missing file gives present == false and
// the warning `whenMissing`. The header must be exactly `columns`; a
// row with another number of fields, an empty field in a column not listed in
// `mayBeEmpty`, a text without a GBK form or invalid UTF-8 is an error.
TsvFile ReadTsv(const std::filesystem::path& root, const std::string& relative, const std::vector<std::string>& columns,
                const std::vector<std::string>& mayBeEmpty, Problems& problems,
                const std::string& whenMissing = "missing, its table stays empty");

// Splits on a separator; keeps empty parts.
std::vector<std::string> Split(const std::string& text, char separator);

}  // namespace babyname::builder
