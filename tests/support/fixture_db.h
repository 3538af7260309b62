// Small reference databases made by the tests themselves, in a temporary
// folder that is removed with the fixture.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace babyname::testing {

// A temporary folder, removed on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes a namedata.db file directly with SQLite (UTF-8 SQL), independent of
// the code under test. Tables start with the layouts the program expects.
class FixtureDb {
 public:
  // Creates `folder`/namedata.db with the nine tables (all empty).
  explicit FixtureDb(const std::filesystem::path& folder);
  ~FixtureDb();
  FixtureDb(const FixtureDb&) = delete;
  FixtureDb& operator=(const FixtureDb&) = delete;

  // Runs UTF-8 SQL on the file; fails the test when it fails.
  void Exec(std::string_view sql);
  // One HM_CNWord row: character, simplified and traditional strokes, element;
  // other columns filled with plausible values.
  void AddCharacter(std::string_view hanzi, int simplifiedStrokes, int traditionalStrokes,
                    std::string_view element, std::string_view pinyin = "a");
  // One HM_八一灵动数 row with the verdict and placeholder texts.
  void AddNumber(int number, std::string_view verdict);
  // One HM_三才配置 row.
  void AddTalent(std::string_view key, std::string_view verdict);
  // One row in each table that is still empty, so every table has content.
  void FillEmptyTables();

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
  sqlite3* db_ = nullptr;
  int nextId_ = 1;
};

// The UTF-8 create statements of the nine tables, as the program lays them out.
const std::vector<std::string>& FixtureCreateStatements();

}  // namespace babyname::testing

namespace babyname::testing {

// The source tree (for tests that read content/ or other checked-in files).
std::filesystem::path SourceDir();

}  // namespace babyname::testing
