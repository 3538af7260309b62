// babyname-cli validate: loads the reference database the way the program
// does and prints one line per table: name, column count, row count.
#include <iostream>

#include "cli/cli_context.h"
#include "refdata/reference_db.h"

namespace babyname::cli {

namespace {

int RunValidate(const CliContext& context, const Arguments& args) {
  if (!args.empty()) {
    PrintError("usage: babyname-cli validate");
    return kExitUsage;
  }
  refdata::DatabaseClass db;
  if (!LoadReference(context, db)) return kExitFailure;

  bool ok = true;
  for (const refdata::TableDefinition& table : refdata::ReferenceTables()) {
    refdata::StatementGuard all(db, db.Query("select * from " + table.name + " limit 1"));
    refdata::StatementGuard count(db, db.Query("select count(*) from " + table.name));
    const int rows = count.Int(0);
    PrintGbk(table.name);
    std::cout << '\t' << db.ColumnCount(all.get()) << '\t' << rows << '\n';
    if (rows == 0) ok = false;
  }
  if (!ok) PrintError("some tables are empty");
  return ok ? kExitOk : kExitFailure;
}

const CommandRegistration kRegistration{"validate", RunValidate, "validate           load the reference database and check it"};

}  // namespace
}  // namespace babyname::cli
