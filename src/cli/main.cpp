// babyname-cli: the command-line front end over the core.
//   babyname-cli [--data DIR] COMMAND ...
// DIR defaults to the data folder beside the executable.
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <string_view>

#include "cli/cli_context.h"

namespace {

using babyname::cli::Arguments;
using babyname::cli::CliContext;

using babyname::cli::Command;
using babyname::cli::Commands;

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path();
  return self.parent_path();
}

void PrintUsage(std::ostream& out) {
  out << "usage: babyname-cli [--data DIR] COMMAND ...\n\ncommands:\n";
  for (const Command& c : Commands()) out << "  " << c.usage << '\n';
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
  for (const Command& c : Commands()) {
    if (c.name == name) return c.run(context, Arguments(argv + i + 1, argv + argc));
  }
  babyname::cli::PrintError("unknown command: " + std::string(name));
  PrintUsage(std::cerr);
  return babyname::cli::kExitUsage;
}
