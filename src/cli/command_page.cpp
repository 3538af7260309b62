// babyname-cli page char 字 FILE: writes the dictionary page of a character.
// babyname-cli page surname 姓 FILE: writes the page of a family name.
#include <iostream>

#include "analysis/character_pages.h"
#include "analysis/html_page.h"
#include "cli/cli_context.h"
#include "text/characters.h"

namespace babyname::cli {

namespace {

int RunPage(const CliContext& context, const Arguments& args) {
  if (args.size() != 3 || (args[0] != "char" && args[0] != "surname")) {
    PrintError("usage: babyname-cli page char 字 FILE | page surname 姓 FILE");
    return kExitUsage;
  }
  const auto key = ArgumentToGbk(args[1]);
  if (!key) return kExitUsage;
  if (text::IsBlank(*key)) {
    PrintError(args[0] == "char" ? "请输入汉字" : "请输入姓氏");
    return kExitUsage;
  }

  refdata::DatabaseClass db;
  if (!LoadReference(context, db)) return kExitFailure;
  const std::string page =
      args[0] == "char" ? analysis::RenderCharacterPage(db, *key) : analysis::RenderSurnamePage(db, *key);
  const Status written = analysis::WriteGbkFile(args[2], page);
  if (!written.ok()) {
    PrintGbkError(written.message());
    return kExitFailure;
  }
  return kExitOk;
}

const CommandRegistration kRegistration{"page", RunPage,
                                        "page char 字 FILE | page surname 姓 FILE   write a character or family-name page"};

}  // namespace
}  // namespace babyname::cli
