// babyname-cli generate: one naming run of any mode, as the window would start
// it, printed as the list (one tab-separated line per row, list order) or, for
// the classic mode, as its text. Messages the window would show go to stderr.
#include <sys/resource.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "generation/engine.h"
#include "generation/name_result_row.h"
#include "text/characters.h"
#include "text/gbk.h"

namespace babyname::cli {

namespace {

using generation::ElementBoxes;
using generation::Mode;
using generation::RunInput;

constexpr const char* kUsage =
    "usage: babyname-cli generate --mode high|classic|combine|nickname|poem|english|expert --surname 姓\n"
    "         [--sex 男|女] [--count 1|2] [--seed N] [--stats]\n"
    "         [--chars TEXT] [--pattern AA|小A|A儿|阿A] [--poem-chars TEXT]\n"
    "         [--given TEXT --style 男性化|女性化|中性化]\n"
    "         [--second ELEMENTS] [--third ELEMENTS] [--must ELEMENTS] [--must-not ELEMENTS]\n"
    "         [--generation second:字|third:字]";

// Messages go to stderr the way the window would show them.
class PrintingObserver : public generation::RunObserver {
 public:
  void OnMessage(const generation::RunMessage& message) override { PrintGbkError(message.text); }
};

// Ticks the boxes of the elements named in `utf8` (金木水火土) and checks the master.
bool ParseElements(std::string_view utf8, ElementBoxes& boxes) {
  static const std::map<std::string, int> kElements = {{"金", generation::kMetal},
                                                       {"木", generation::kWood},
                                                       {"水", generation::kWater},
                                                       {"火", generation::kFire},
                                                       {"土", generation::kEarth}};
  boxes.master = true;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const auto it = kElements.find(std::string(utf8.substr(i, len)));
    if (it == kElements.end()) {
      PrintError("unknown element: " + std::string(utf8.substr(i, len)) + " (use 金木水火土)");
      return false;
    }
    boxes.ticked[static_cast<size_t>(it->second)] = true;
    i += len;
  }
  return true;
}

std::optional<Mode> ParseMode(std::string_view name) {
  static const std::map<std::string_view, Mode> kModes = {
      {"high", Mode::kHighScore},        {"classic", Mode::kClassic}, {"combine", Mode::kCombination},
      {"nickname", Mode::kNickname},     {"poem", Mode::kPoem},       {"english", Mode::kEnglish},
      {"expert", Mode::kSuperAuspicious}};
  const auto it = kModes.find(name);
  if (it == kModes.end()) return std::nullopt;
  return it->second;
}

// Reads the options into `input`; false (after printing why) on a usage error.
// `help` is set by --help, which asks for nothing else.
bool ParseArguments(const Arguments& args, RunInput& input, bool& stats, bool& help) {
  bool haveMode = false, haveSurname = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--stats") {
      stats = true;
      continue;
    }
    if (option == "--help") {
      help = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      PrintError(option + " needs a value");
      return false;
    }
    const std::string& value = args[++i];
    auto gbk = [&](std::string& target) {
      auto converted = ArgumentToGbk(value);
      if (!converted) return false;
      target = *converted;
      return true;
    };
    if (option == "--mode") {
      const auto mode = ParseMode(value);
      if (!mode) {
        PrintError("unknown mode: " + value);
        return false;
      }
      input.mode = *mode;
      haveMode = true;
    } else if (option == "--surname") {
      if (!gbk(input.surname)) return false;
      haveSurname = true;
    } else if (option == "--sex") {
      input.sex = value == "男"   ? generation::Sex::kMale
                  : value == "女" ? generation::Sex::kFemale
                                  : generation::Sex::kOther;
    } else if (option == "--count") {
      if (value != "1" && value != "2") {
        PrintError("--count is 1 or 2");
        return false;
      }
      input.count = value == "2" ? 2 : 1;
    } else if (option == "--seed") {
      try {
        size_t used = 0;
        input.seed = std::stoull(value, &used);
        if (used != value.size()) throw std::invalid_argument(value);
      } catch (const std::exception&) {
        PrintError("--seed needs a number");
        return false;
      }
    } else if (option == "--chars") {
      if (!gbk(input.combinationText)) return false;
    } else if (option == "--pattern") {
      static const std::map<std::string, generation::NicknamePattern> kPatterns = {
          {"AA", generation::NicknamePattern::kDouble},
          {"小A", generation::NicknamePattern::kXiao},
          {"A儿", generation::NicknamePattern::kEr},
          {"阿A", generation::NicknamePattern::kAh}};
      const auto it = kPatterns.find(value);
      if (it == kPatterns.end()) {
        PrintError("--pattern is AA, 小A, A儿 or 阿A");
        return false;
      }
      input.nickname = it->second;
    } else if (option == "--poem-chars") {
      std::string ticked;
      if (!gbk(ticked)) return false;
      input.poemCharacters = text::SplitCharacters(ticked);
    } else if (option == "--given") {
      if (!gbk(input.englishGiven)) return false;
    } else if (option == "--style") {
      static const std::map<std::string, generation::EnglishStyle> kStyles = {
          {"男性化", generation::EnglishStyle::kMale},
          {"女性化", generation::EnglishStyle::kFemale},
          {"中性化", generation::EnglishStyle::kNeutral}};
      const auto it = kStyles.find(value);
      if (it == kStyles.end()) {
        PrintError("--style is 男性化, 女性化 or 中性化");
        return false;
      }
      input.englishStyle = it->second;
    } else if (option == "--second") {
      if (!ParseElements(value, input.secondCharacter)) return false;
    } else if (option == "--third") {
      if (!ParseElements(value, input.thirdCharacter)) return false;
    } else if (option == "--must") {
      if (!ParseElements(value, input.mustHave)) return false;
    } else if (option == "--must-not") {
      if (!ParseElements(value, input.mustNotHave)) return false;
    } else if (option == "--generation") {
      const size_t colon = value.find(':');
      const std::string where = value.substr(0, colon == std::string::npos ? value.size() : colon);
      std::string character;
      if (colon == std::string::npos || (where != "second" && where != "third")) {
        PrintError("--generation is second:字 or third:字");
        return false;
      }
      auto converted = ArgumentToGbk(value.substr(colon + 1));
      if (!converted) return false;
      // The window refuses an empty character with its own message.
      const Status status = generation::ApplyOk(
          input.generation,
          where == "second" ? generation::GenerationChoice::kSecond : generation::GenerationChoice::kThird, *converted,
          *converted);
      if (!status.ok()) {
        PrintGbkError(status.message());
        return false;
      }
    } else {
      PrintError("unknown option: " + option);
      return false;
    }
  }
  if (help) return true;
  if (!haveMode || !haveSurname) {
    PrintError("--mode and --surname are required");
    return false;
  }
  return true;
}

template <size_t N>
void PrintCells(const std::array<std::string, N>& cells) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += '\t';
    line += cells[i];
  }
  line += '\n';
  PrintGbk(line);
}

int RunGenerate(const CliContext& context, const Arguments& args) {
  RunInput input;
  bool stats = false, help = false;
  if (!ParseArguments(args, input, stats, help)) {
    PrintError(kUsage);
    return kExitUsage;
  }
  if (help) {
    std::cout << kUsage << '\n';
    return kExitOk;
  }

  refdata::DatabaseClass db;
  if (!LoadReference(context, db)) return kExitFailure;

  PrintingObserver observer;
  generation::RunControl control;
  const generation::RunResult result = generation::GenerateNames(db, input, observer, control);

  if (input.mode == Mode::kClassic) {
    PrintGbk(result.classicText);
    std::cout << '\n';
  } else if (input.mode == Mode::kEnglish) {
    for (const auto& row : result.englishRows) PrintCells(row.Cells());
  } else {
    for (const auto& row : result.rows) PrintCells(row.Cells());
  }
  std::cout.flush();

  if (stats) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    char line[256];
    std::snprintf(line, sizeof line,
                  "candidates built: %llu\ncandidates scored: %llu\nrows: %llu\nengine ms: %.1f\npeak memory MB: %.1f",
                  static_cast<unsigned long long>(result.stats.candidatesBuilt),
                  static_cast<unsigned long long>(result.stats.candidatesScored),
                  static_cast<unsigned long long>(result.stats.rows), result.stats.engineMilliseconds,
                  static_cast<double>(usage.ru_maxrss) / 1024.0);
    PrintError(line);
  }
  return kExitOk;
}

const CommandRegistration kRegistration{
    "generate", RunGenerate,
    "generate --mode MODE --surname 姓 ...  one naming run (generate --help lists the options)"};

}  // namespace
}  // namespace babyname::cli
