// babyname-cli char 字: the HM_CNWord row of one character, its 16 columns
// tab-separated in table order.
#include <iostream>

#include "cli/cli_context.h"
#include "refdata/reference_db.h"
#include "text/gbk.h"

namespace babyname::cli {

namespace {

int RunChar(const CliContext& context, const Arguments& args) {
  if (args.size() != 1) {
    PrintError("usage: babyname-cli char 字");
    return kExitUsage;
  }
  const auto hanzi = ArgumentToGbk(args[0]);
  if (!hanzi) return kExitUsage;

  refdata::DatabaseClass db;
  if (!LoadReference(context, db)) return kExitFailure;

  static const std::string sql = text::Gbk("select * from HM_CNWord where 汉字=?");
  refdata::StatementGuard row(db, db.Query(sql, {*hanzi}));
  if (row.Text(refdata::kCharHanzi).empty()) {
    PrintError("not found");
    return kExitFailure;
  }
  for (int column = 0; column < refdata::kCharColumnCount; ++column) {
    if (column > 0) std::cout << '\t';
    PrintGbk(row.Text(column));
  }
  std::cout << '\n';
  return kExitOk;
}

const CommandRegistration kRegistration{"char", RunChar, "char 字            the HM_CNWord row of one character"};

}  // namespace
}  // namespace babyname::cli
