#include "cli/cli_context.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "refdata/reference_db.h"
#include "text/gbk.h"

namespace babyname::cli {

namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

}  // namespace

const std::vector<Command>& Commands() { return Registry(); }

CommandRegistration::CommandRegistration(std::string_view name, CommandFunction run, std::string_view usage) {
  auto& commands = Registry();
  commands.push_back({name, run, usage});
  std::sort(commands.begin(), commands.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
}

void PrintGbk(std::string_view gbk) { std::cout << text::GbkToUtf8OrEmpty(gbk); }

void PrintGbkError(std::string_view gbk) { std::cerr << text::GbkToUtf8OrEmpty(gbk) << '\n'; }

void PrintError(std::string_view utf8) { std::cerr << utf8 << '\n'; }

std::optional<std::string> ArgumentToGbk(std::string_view utf8) {
  auto gbk = text::UserTextToGbk(utf8);
  if (!gbk.ok()) {
    PrintGbkError(gbk.status().message());
    return std::nullopt;
  }
  return gbk.value();
}

bool LoadReference(const CliContext& context, refdata::DatabaseClass& db) {
  const Status status = refdata::LoadReferenceDatabase(db, context.dataFolder);
  if (!status.ok()) {
    PrintGbkError(status.message());
    return false;
  }
  return true;
}

}  // namespace babyname::cli
