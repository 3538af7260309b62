#include "refdata/database.h"

#include <sqlite3.h>

#include "text/gbk.h"

namespace babyname::refdata {
namespace {

std::string ToEngine(std::string_view gbk) { return text::GbkToUtf8OrEmpty(gbk); }

std::string FromEngine(const char* utf8, size_t length) {
  if (utf8 == nullptr) return {};
  return text::Utf8ToGbkOrEmpty(std::string_view(utf8, length));
}

// A single-quoted SQL literal: embedded quotes are doubled.
std::string QuoteLiteral(std::string_view value) {
  std::string out = "'";
  for (char c : value) {
    out.push_back(c);
    if (c == '\'') out.push_back('\'');
  }
  out.push_back('\'');
  return out;
}

}  // namespace

std::string TypeWord(int32_t type) {
  switch (type) {
    case kByte: return "Byte";
    case kSmallint: return "Smallint";
    case kInteger: return "Integer";
    case kBigInt: return "BigInt";
    case kDecimal: return "Decimal";
    case kDouble: return "Double";
    case kBit: return "Bit";
    case kDateTime: return "DateTime";
    case kVarChar: return "VarChar";
    case kBlob: return "Blob";
    case kText: return "Text";
    default: return "";
  }
}

std::string AttributeWords(int32_t attributes) {
  std::string out;
  if (attributes & kPrimaryKey) out += "Primary Key";
  if (attributes & kAutoIncrement) out += " AutoIncrement";
  if (attributes & kNotNull) out += " Not Null";
  return out;
}

std::string CreateTableSql(std::string_view table, const std::vector<FieldDefinition>& fields) {
  std::string sql = "create table ";
  sql += table;
  if (!fields.empty()) sql += " (";
  for (size_t i = 0; i < fields.size(); ++i) {
    const FieldDefinition& f = fields[i];
    if (i > 0) sql += ",";
    sql += f.name;
    sql += " ";
    sql += TypeWord(f.type);
    if (f.size != 0) sql += "(" + std::to_string(f.size) + ")";
    if (f.attributes != 0) sql += " " + AttributeWords(f.attributes);
    if (!f.defaultText.empty()) sql += " Default " + f.defaultText;
  }
  if (!fields.empty()) sql += ")";
  return sql;
}

DatabaseClass::~DatabaseClass() { Close(); }

bool DatabaseClass::Open(const std::optional<std::filesystem::path>& path, std::string_view key, bool create) {
  if (!key.empty()) return false;
  const std::string file = path ? path->string() : std::string(":memory:");
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
  if (create) flags |= SQLITE_OPEN_CREATE;
  sqlite3* handle = nullptr;
  const int rc = sqlite3_open_v2(file.c_str(), &handle, flags, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close(handle);  // a failed open may still hand out a handle
    return false;
  }
  sqlite3* previous = connection_.exchange(handle);
  if (previous != nullptr) sqlite3_close_v2(previous);
  return true;
}

bool DatabaseClass::Close() {
  sqlite3* handle = connection_.exchange(nullptr);
  if (handle == nullptr) return false;
  // close_v2 defers the release while statements of other threads are still open.
  return sqlite3_close_v2(handle) == SQLITE_OK;
}

bool DatabaseClass::Exec(std::string_view sql, std::string* error) { return ExecUtf8(ToEngine(sql), error); }

bool DatabaseClass::ExecUtf8(const std::string& sql, std::string* error) {
  if (error) error->clear();
  sqlite3* handle = connection_.load();
  if (handle == nullptr) return false;
  char* message = nullptr;
  const int rc = sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, &message);
  if (message != nullptr) {
    if (error) *error = FromEngine(message, std::char_traits<char>::length(message));
    sqlite3_free(message);
  }
  return rc == SQLITE_OK;
}

StatementHandle DatabaseClass::Query(std::string_view sql, const std::vector<SqlValue>& params) {
  sqlite3* handle = connection_.load();
  if (handle == nullptr) return nullptr;
  const std::string utf8 = ToEngine(sql);
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(handle, utf8.c_str(), static_cast<int>(utf8.size()), &statement, nullptr) != SQLITE_OK ||
      statement == nullptr) {
    sqlite3_finalize(statement);
    return nullptr;
  }
  for (size_t i = 0; i < params.size(); ++i) {
    const int index = static_cast<int>(i) + 1;
    int rc;
    if (const auto* number = std::get_if<int64_t>(&params[i])) {
      rc = sqlite3_bind_int64(statement, index, *number);
    } else {
      const std::string value = ToEngine(std::get<std::string>(params[i]));
      rc = sqlite3_bind_text(statement, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK) {
      sqlite3_finalize(statement);
      return nullptr;
    }
  }
  sqlite3_step(statement);
  return statement;
}

bool DatabaseClass::NextRow(StatementHandle statement) {
  if (statement == nullptr) return false;
  return sqlite3_step(statement) == SQLITE_ROW;
}

// Reading a column without a current row is undefined for the engine, so
// every read first asks whether the statement holds a row.
std::string DatabaseClass::ColumnText(StatementHandle statement, int column) {
  if (statement == nullptr || column < 0 || column >= sqlite3_data_count(statement)) return {};
  const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  if (value == nullptr) return {};
  return FromEngine(value, static_cast<size_t>(sqlite3_column_bytes(statement, column)));
}

int32_t DatabaseClass::ColumnInt(StatementHandle statement, int column) {
  if (statement == nullptr || column < 0 || column >= sqlite3_data_count(statement)) return 0;
  return sqlite3_column_int(statement, column);
}

int DatabaseClass::ColumnCount(StatementHandle statement) {
  if (statement == nullptr) return 0;
  return sqlite3_column_count(statement);
}

bool DatabaseClass::Finalize(StatementHandle statement) {
  if (statement == nullptr) return false;
  return sqlite3_finalize(statement) == SQLITE_OK;
}

bool DatabaseClass::CreateTable(std::string_view table, const std::vector<FieldDefinition>& fields,
                                std::string* error) {
  return Exec(CreateTableSql(table, fields), error);
}

bool DatabaseClass::Begin(std::string* error) { return Exec("BEGIN", error); }
bool DatabaseClass::Commit(std::string* error) { return Exec("COMMIT", error); }
bool DatabaseClass::Rollback(std::string* error) { return Exec("ROLLBACK", error); }

bool DatabaseClass::Attach(const std::filesystem::path& file, std::string_view schema, std::string* error) {
  // The path is a file-system name (UTF-8 here), not a GBK text, so it goes to
  // the engine unconverted.
  return ExecUtf8("Attach Database " + QuoteLiteral(file.string()) + " as " + std::string(schema), error);
}

bool DatabaseClass::Detach(std::string_view schema, std::string* error) {
  return Exec("Detach Database " + std::string(schema), error);
}

}  // namespace babyname::refdata
