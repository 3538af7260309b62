// babyname-data-builder: makes namedata.db from open data (Unihan, OpenCC,
// the chinese-poetry Tang poems, a Rime five-stroke table) and our own files
// under content/. See README.md beside this file.
#include <chrono>
#include <fstream>
#include <map>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "char_table.h"
#include "content_tables.h"
#include "database_writer.h"
#include "element_rules.h"
#include "gbk_fit.h"
#include "generation/pools.h"
#include "poems.h"
#include "stroke_rules.h"
#include "text/gbk.h"
#include "tsv.h"
#include "unihan.h"
#include "utf8.h"

namespace fs = std::filesystem;
using namespace babyname::builder;

namespace {

struct Options {
  fs::path source = ".";
  fs::path out = "build/bin/data/namedata.db";
  fs::path unicode = "/usr/share/unicode";
  fs::path poems;  // default: <source>/tools/npm/node_modules/chinese-poetry/dist/quantangshi
  fs::path wubi = "/usr/share/rime-data/wubi86.dict.yaml";
};

constexpr const char* kUsage =
    "usage: babyname-data-builder [--source DIR] [--out FILE] [--unicode DIR] [--poems DIR] [--wubi FILE]\n"
    "  --source   the source tree holding content/ and tools/ (default .)\n"
    "  --out      the database to write (default build/bin/data/namedata.db)\n"
    "  --unicode  the folder of the Unihan files (default /usr/share/unicode)\n"
    "  --poems    the quantangshi folder of the chinese-poetry package\n"
    "  --wubi     a Rime wubi86 dictionary (default /usr/share/rime-data/wubi86.dict.yaml)\n";

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") return false;
    if (i + 1 >= argc) return false;
    const fs::path value = argv[++i];
    if (arg == "--source") options.source = value;
    else if (arg == "--out") options.out = value;
    else if (arg == "--unicode") options.unicode = value;
    else if (arg == "--poems") options.poems = value;
    else if (arg == "--wubi") options.wubi = value;
    else return false;
  }
  if (options.poems.empty()) {
    options.poems = options.source / "tools/npm/node_modules/chinese-poetry/dist/quantangshi";
  }
  return true;
}

// The program's built-in pools, as UTF-8 characters: name -> characters.
std::vector<std::pair<std::string, std::vector<std::string>>> Pools() {
  namespace gen = babyname::generation;
  const auto chars = [](const std::string& gbk) { return Utf8Characters(babyname::text::GbkToUtf8OrEmpty(gbk)); };
  return {{"boys", chars(gen::BoysPool())},
          {"girls", chars(gen::GirlsPool())},
          {"classic boys", chars(gen::ClassicBoysOnePool())},
          {"classic girls", chars(gen::ClassicGirlsOnePool())}};
}

// The characters of the classic two-character lists.
std::vector<std::string> ClassicListCharacters() {
  namespace gen = babyname::generation;
  std::vector<std::string> characters;
  for (const std::string* list : {&gen::ClassicBoysTwoList(), &gen::ClassicGirlsTwoList()}) {
    for (const std::string& c : Utf8Characters(babyname::text::GbkToUtf8OrEmpty(*list))) {
      if (IsHanCodePoint(SingleCodePoint(c))) characters.push_back(c);
    }
  }
  return characters;
}

std::vector<Row> CharacterTable(const std::vector<CharRow>& chars) {
  std::vector<Row> rows;
  rows.reserve(chars.size());
  for (const CharRow& c : chars) {
    rows.push_back({static_cast<int64_t>(rows.size() + 1), int64_t{c.code}, c.hanzi, c.simplified, c.traditional,
                    int64_t{c.simplifiedStrokes}, int64_t{c.traditionalStrokes}, c.pinyin1, c.pinyin2, c.initial,
                    c.final, c.radical, c.element, c.wubi, c.basic, c.detailed});
  }
  return rows;
}

bool ReportProblems(const Problems& problems) {
  for (const std::string& w : problems.warnings) std::cerr << "warning: " << w << '\n';
  for (const std::string& e : problems.errors) std::cerr << "error: " << e << '\n';
  return problems.errors.empty();
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();
  Problems problems;

  // Our own files first: a mistake there stops the build before the long part.
  const StrokeRules strokes = StrokeRules::Load(options.source, problems);
  const ElementRules elements = ElementRules::Load(options.source, strokes, problems);
  std::vector<Row> numbers = LoadNumbers(options.source, problems);
  std::vector<Row> talents = LoadTalents(options.source, problems);
  std::vector<Row> surnames = LoadSurnames(options.source, problems);
  std::vector<Row> englishNames = LoadEnglishNames(options.source, problems);
  std::vector<Row> parenting = LoadArticles(options.source, "育儿百科", problems);
  std::vector<Row> fortune = LoadArticles(options.source, "算命风水", problems);
  const auto pools = Pools();
  if (!problems.errors.empty()) {
    ReportProblems(problems);
    std::cerr << "babyname-data-builder: " << problems.errors.size() << " error(s) in content/, nothing written\n";
    return 1;
  }

  babyname::Result<Unihan> unihan = Unihan::Load(options.unicode);
  if (!unihan.ok()) {
    std::cerr << "error: " << unihan.status().message() << " (install unicode-data)\n";
    return 1;
  }
  const GbkCatalog catalog;
  GbkFitter fitter(catalog, *unihan);

  CharTableInputs inputs{&*unihan, &catalog, &strokes, &elements, options.unicode, options.wubi, options.source};
  const std::vector<CharRow> chars = BuildCharacterRows(inputs, fitter, problems);

  // Every pool character must be usable: an element and a simplified stroke count.
  std::set<std::string> poolCharacters;
  std::map<std::string, const CharRow*> byHanzi;
  for (const CharRow& c : chars) byHanzi[c.hanzi] = &c;
  int listedPoolElements = 0;
  std::vector<std::string> toCheck = ClassicListCharacters();
  for (const auto& [name, characters] : pools) {
    for (const std::string& c : characters) {
      poolCharacters.insert(c);
      toCheck.push_back(c);
    }
  }
  std::set<std::string> checked;
  for (const std::string& c : toCheck) {
    if (!checked.insert(c).second) continue;
    const auto it = byHanzi.find(c);
    if (it == byHanzi.end() || it->second->element.empty() || it->second->simplifiedStrokes == 0 ||
        it->second->traditionalStrokes == 0) {
      problems.Error("name pools", "character " + c + " would not be usable (no row, element or strokes)");
    } else if (poolCharacters.count(c) && it->second->elementListed) {
      ++listedPoolElements;
    }
  }
  if (elements.listPresent() && listedPoolElements < static_cast<int>(poolCharacters.size())) {
    problems.Warning("content/char_elements.tsv",
                     std::to_string(poolCharacters.size() - listedPoolElements) +
                         " pool characters are not listed and take the fallback rule");
  }

  PoemTables poems = LoadTangPoems(options.poems, poolCharacters, fitter, problems);
  if (!ReportProblems(problems)) {
    std::cerr << "babyname-data-builder: " << problems.errors.size() << " error(s), nothing written\n";
    return 1;
  }

  std::vector<Row> poetRows, poemRows;
  for (const PoetRow& poet : poems.poets) {
    const auto order = static_cast<int64_t>(poetRows.size() + 1);
    poetRows.push_back({order, poet.name, std::to_string(poet.poemCount), order});
  }
  for (const PoemRow& poem : poems.poems) {
    poemRows.push_back({static_cast<int64_t>(poemRows.size() + 1), poem.title, poem.author, poem.content,
                        poem.nameCharacters, int64_t{poem.length}});
  }

  // In the order of the program's table definitions.
  const std::vector<std::vector<Row>> tables = {CharacterTable(chars), talents,  numbers, englishNames, poetRows,
                                                poemRows,              parenting, fortune, surnames};
  const babyname::Status written = WriteDatabase(options.out, tables);
  if (!written.ok()) {
    std::cerr << "error: " << written.message() << '\n';
    return 1;
  }

  static const char* const kNames[] = {"HM_CNWord", "HM_三才配置", "HM_八一灵动数", "HM_EName", "HM_Poet",
                                       "HM_全唐诗", "HM_育儿百科", "HM_算命风水",  "HM_百家姓"};
  std::cout << "rows:";
  for (size_t t = 0; t < tables.size(); ++t) std::cout << ' ' << kNames[t] << ' ' << tables[t].size();
  std::cout << "\nstroke overrides: " << strokes.overrideCount()
            << "; elements listed for " << elements.listedCount() << " characters\n";
  if (poems.skippedEmpty) std::cout << "poems without text skipped: " << poems.skippedEmpty << '\n';
  std::cout << "characters without a GBK form replaced: " << fitter.total() << " times, " << fitter.distinct()
            << " distinct\n";
  fitter.Report(std::cout);
  std::error_code ec;
  std::cout << "wrote " << options.out.string() << " (" << fs::file_size(options.out, ec) << " bytes) in "
            << Seconds(started) << " s\n";
  return 0;
}
