// What every command of babyname-cli gets, and the small helpers they share.
// Arguments arrive as UTF-8 and output leaves as UTF-8; in between the core's
// GBK texts are used. Exit codes: 0 done, 1 failure, 2 usage error.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "refdata/database.h"

namespace babyname::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct CliContext {
  std::filesystem::path dataFolder;  // holds namedata.db; the program's data folder
};

using Arguments = std::vector<std::string>;  // UTF-8, the command name removed

// Writes a GBK text to stdout / stderr as UTF-8.
void PrintGbk(std::string_view gbk);
void PrintGbkError(std::string_view gbk);
// Writes a UTF-8 message line to stderr.
void PrintError(std::string_view utf8);

// Converts an argument to GBK; on a character GBK lacks prints why and returns nullopt.
std::optional<std::string> ArgumentToGbk(std::string_view utf8);

// Loads the reference database the way the program does; on failure prints
// the message and returns false.
bool LoadReference(const CliContext& context, refdata::DatabaseClass& db);

// A command: its name, its entry point (returns the process exit code) and
// one usage line. Each command file registers itself with a static
//   const CommandRegistration kRegistration{"name", Run, "name ARGS   what it does"};
using CommandFunction = int (*)(const CliContext&, const Arguments&);
struct Command {
  std::string_view name;
  CommandFunction run;
  std::string_view usage;
};
const std::vector<Command>& Commands();  // sorted by name

struct CommandRegistration {
  CommandRegistration(std::string_view name, CommandFunction run, std::string_view usage);
};

}  // namespace babyname::cli
