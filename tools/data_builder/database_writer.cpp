#include "database_writer.h"

#include "refdata/reference_db.h"
#include "text/gbk.h"

namespace babyname::builder {

Status WriteDatabase(const std::filesystem::path& out, const std::vector<std::vector<Row>>& tables) {
  const auto& definitions = refdata::ReferenceTables();
  if (tables.size() != definitions.size()) return Status::Error("internal: table count mismatch");

  std::error_code ec;
  if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path(), ec);
  std::filesystem::path temporary = out;
  temporary += ".tmp";
  std::filesystem::remove(temporary, ec);

  refdata::DatabaseClass db;
  if (!db.Open(temporary, {}, true)) return Status::Error("cannot create " + temporary.string());
  db.Exec("PRAGMA journal_mode=OFF");
  db.Exec("PRAGMA synchronous=OFF");

  auto fail = [&](const std::string& message) {
    db.Close();
    std::filesystem::remove(temporary, ec);
    return Status::Error(message);
  };

  for (size_t t = 0; t < definitions.size(); ++t) {
    const refdata::TableDefinition& table = definitions[t];
    const std::string tableName = text::GbkToUtf8OrEmpty(table.name);
    std::string error;
    if (!db.CreateTable(table.name, table.fields, &error)) {
      return fail("cannot create " + tableName + ": " + text::GbkToUtf8OrEmpty(error));
    }
    std::string sql = "insert into " + table.name + " values (";
    for (size_t i = 0; i < table.fields.size(); ++i) sql += i ? ",?" : "?";
    sql += ")";

    db.Begin();
    for (const Row& row : tables[t]) {
      if (row.size() != table.fields.size()) return fail("internal: wrong column count for " + tableName);
      std::vector<refdata::SqlValue> params;
      params.reserve(row.size());
      for (const Value& value : row) {
        if (const auto* number = std::get_if<int64_t>(&value)) {
          params.emplace_back(*number);
        } else {
          const auto gbk = text::Utf8ToGbk(std::get<std::string>(value));
          if (!gbk) return fail("internal: a text without a GBK form reached " + tableName);
          params.emplace_back(*gbk);
        }
      }
      const refdata::StatementHandle statement = db.Query(sql, params);
      if (!statement) return fail("cannot insert into " + tableName);
      db.Finalize(statement);
    }
    if (!db.Commit(&error)) return fail("cannot commit " + tableName + ": " + text::GbkToUtf8OrEmpty(error));

    refdata::StatementGuard count(db, db.Query("select count(*) from " + table.name));
    if (count.Int(0) != static_cast<int32_t>(tables[t].size())) {
      return fail("not every row reached " + tableName);
    }
  }
  db.Exec("VACUUM");
  db.Close();
  std::filesystem::rename(temporary, out, ec);
  if (ec) return Status::Error("cannot move the database into place: " + ec.message());
  return Status::Ok();
}

}  // namespace babyname::builder
