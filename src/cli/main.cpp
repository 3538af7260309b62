// babyname-cli: the command-line front end over the core.
//   babyname-cli [--data DIR] COMMAND ...
// DIR defaults to the data folder beside the executable.
#include <unistd.h>

#include <array>
#include <cstring>
#include <iostream>
#include <string_view>

#include "cli/cli_context.h"

namespace {

using babyname::cli::Arguments;
using babyname::cli::CliContext;

struct Command {
  std::string_view name;
  int (*run)(const CliContext&, const Arguments&);
  std::string_view usage;
};

constexpr std::array kCommands = {
    Command{"char", babyname::cli::RunChar, "char 字            the HM_CNWord row of one character"},
    Command{"validate", babyname::cli::RunValidate, "validate           load the reference database and check it"},
};

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path();
  return self.parent_path();
}

void PrintUsage(std::ostream& out) {
  out << "usage: babyname-cli [--data DIR] COMMAND ...\n\ncommands:\n";
  for (const Command& c : kCommands) out << "  " << c.usage << '\n';
  out << "\nDIR defaults to the data folder beside the executable.\n";
}

}  // namespace

int main(int argc, char** argv) {
  CliContext context{ExecutableFolder() / "data"};
  int i = 1;
  for (; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintUsage(std::cout);
      return babyname::cli::kExitOk;
    }
    if (arg == "--data") {
      if (i + 1 >= argc) {
        babyname::cli::PrintError("--data needs a folder");
        return babyname::cli::kExitUsage;
      }
      context.dataFolder = argv[++i];
      continue;
    }
    break;
  }
  if (i >= argc) {
    PrintUsage(std::cerr);
    return babyname::cli::kExitUsage;
  }
  const std::string_view name = argv[i];
  for (const Command& c : kCommands) {
    if (c.name == name) return c.run(context, Arguments(argv + i + 1, argv + argc));
  }
  babyname::cli::PrintError("unknown command: " + std::string(name));
  PrintUsage(std::cerr);
  return babyname::cli::kExitUsage;
}
