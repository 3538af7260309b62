// Times the generation engine: a high-score run and a super-auspicious run over
// the whole boys' pool with every element admitted (1855 × 1855 candidates).
//
//   generation_bench [--data DIR] [--write-fixture DIR] [--runs N] [--only high|expert]
//
// With --data the reference database of DIR is used. Otherwise (or with
// --write-fixture, which keeps it) a database of the real size is written: the
// verdicts of content/numbers81.tsv and content/three_talents.tsv, every pool
// character with made-up strokes and elements, and filler characters up to
// 20,000 rows in HM_CNWord.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "generation/engine.h"
#include "generation/pools.h"
#include "refdata/reference_db.h"
#include "support/fixture_db.h"
#include "support/gbk_literal.h"
#include "text/characters.h"
#include "text/gbk.h"

namespace {

using babyname::generation::GenerateNames;
using babyname::generation::Mode;
using babyname::generation::RunControl;
using babyname::generation::RunInput;
using babyname::generation::RunObserver;
using babyname::generation::RunResult;
using babyname::testing::FixtureDb;
using babyname::testing::G;
using babyname::testing::TempFolder;
using babyname::testing::U;

// The second column of every row of a TSV file under content/, keyed by the first.
std::vector<std::pair<std::string, std::string>> ReadVerdicts(const std::string& file) {
  std::vector<std::pair<std::string, std::string>> rows;
  std::ifstream in(std::string(BABYNAME_SOURCE_DIR) + "/content/" + file);
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string key, verdict;
    std::getline(fields, key, '\t');
    std::getline(fields, verdict, '\t');
    rows.emplace_back(key, verdict);
  }
  return rows;
}

void WriteFixture(const std::filesystem::path& folder) {
  FixtureDb f(folder);
  f.Exec("begin");
  static const char* kElements[] = {"金", "木", "水", "火", "土"};
  int i = 0;
  auto add = [&](const std::string& utf8) {
    const int traditional = 2 + (i * 7) % 24;
    f.AddCharacter(utf8, std::max(1, traditional - (i % 3)), traditional, kElements[i % 5]);
    ++i;
  };
  const auto pool = babyname::text::SplitCharacters(babyname::generation::NicknamePool());
  std::vector<std::string> sorted = pool;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  for (const auto& c : sorted) add(U(c));
  for (const char* family : {"张", "欧", "阳"})
    if (!std::binary_search(sorted.begin(), sorted.end(), G(family))) add(family);
  // Filler: the GBK hanzi, skipping what is already there.
  for (int lead = 0x81; lead <= 0xFE && i < 20000; ++lead)
    for (int trail = 0x40; trail <= 0xFE && i < 20000; ++trail) {
      if (trail == 0x7F || (lead >= 0xA1 && lead <= 0xAF) || (lead >= 0xF8 && trail >= 0xA1)) continue;
      const std::string c{static_cast<char>(lead), static_cast<char>(trail)};
      const auto utf8 = babyname::text::GbkToUtf8(c);
      if (std::binary_search(sorted.begin(), sorted.end(), c) || !utf8) continue;
      add(*utf8);
    }
  for (const auto& [id, verdict] : ReadVerdicts("numbers81.tsv")) f.AddNumber(std::stoi(id), verdict);
  for (const auto& [key, verdict] : ReadVerdicts("three_talents.tsv")) f.AddTalent(key, verdict);
  f.FillEmptyTables();
  f.Exec("commit");
  std::printf("fixture: %d characters in HM_CNWord\n", i);
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Report(const char* what, std::vector<RunResult>& results) {
  std::vector<double> ms;
  for (const auto& r : results) ms.push_back(r.stats.engineMilliseconds);
  std::sort(ms.begin(), ms.end());
  const auto& last = results.back().stats;
  std::printf("%-40s runs %zu  engine ms min %.1f median %.1f max %.1f  candidates %llu scored %llu rows %llu\n", what,
              ms.size(), ms.front(), ms[ms.size() / 2], ms.back(),
              static_cast<unsigned long long>(last.candidatesBuilt),
              static_cast<unsigned long long>(last.candidatesScored), static_cast<unsigned long long>(last.rows));
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::filesystem::path> data, fixtureFolder;
  int runs = 5;
  std::string only;  // "high" or "expert": time one mode alone
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--data")
      data = argv[i + 1];
    else if (option == "--write-fixture")
      fixtureFolder = argv[i + 1];
    else if (option == "--runs")
      runs = std::max(1, std::atoi(argv[i + 1]));
    else if (option == "--only")
      only = argv[i + 1];
  }
  TempFolder temporary;
  if (!data) {
    data = fixtureFolder ? *fixtureFolder : temporary.path();
    std::filesystem::create_directories(*data);
    std::filesystem::remove(*data / babyname::refdata::kReferenceFileName);
    WriteFixture(*data);
  }

  babyname::refdata::DatabaseClass db;
  const babyname::Status status = babyname::refdata::LoadReferenceDatabase(db, *data);
  if (!status.ok()) {
    std::fprintf(stderr, "%s\n", U(status.message()).c_str());
    return 1;
  }
  RunObserver quiet;
  for (const char* family : {"张", "欧阳"}) {
    std::vector<RunResult> high, expert;
    for (int run = 0; run < runs && only != "expert"; ++run) {
      RunInput input;
      input.mode = Mode::kHighScore;
      input.surname = G(family);
      RunControl control;
      high.push_back(GenerateNames(db, input, quiet, control));
    }
    for (int run = 0; run < std::max(1, runs / 2) && only != "high"; ++run) {
      RunInput input;
      input.mode = Mode::kSuperAuspicious;
      input.surname = G(family);
      input.mustHave.master = true;  // nothing ticked: every element admitted
      RunControl control;
      expert.push_back(GenerateNames(db, input, quiet, control));
    }
    if (!high.empty()) Report((std::string("high-score, boys, count 2, ") + family).c_str(), high);
    if (!expert.empty()) Report((std::string("super-auspicious, whole boys' pool, ") + family).c_str(), expert);
  }
  std::printf("peak memory MB %.1f\n", PeakMegabytes());
  return 0;
}
