// DatabaseClass: the program's one way to the SQLite engine.
//
// One object serves the whole run and is shared by the load thread, the
// window thread and the generation worker. The engine is linked directly and
// runs in serialized mode, so one connection may be used from several threads;
// the object keeps no per-call state (only the connection pointer, atomically).
//
// Every text a caller passes or receives is GBK; the object converts to and
// from the engine's UTF-8. A text that does not convert reads back empty.
//
// Reading protocol: Query -> ColumnText/ColumnInt of the current row ->
// optionally NextRow and read again -> Finalize. Query returns a statement
// already stepped onto its first row (or past the end when there is none);
// reads on a statement without a current row give "" and 0.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace babyname::refdata {

using StatementHandle = sqlite3_stmt*;

// Column type codes of FieldDefinition and the words they render as.
enum FieldType : int32_t {
  kByte = 1, kSmallint = 2, kInteger = 3, kBigInt = 4, kDecimal = 5, kDouble = 6,
  kBit = 7, kDateTime = 8, kVarChar = 10, kBlob = 11, kText = 12,
};

// Attribute bits of FieldDefinition.
enum FieldAttribute : int32_t { kPrimaryKey = 1, kAutoIncrement = 2, kNotNull = 4 };

// One column of a table to create.
struct FieldDefinition {
  std::string name;         // GBK
  int32_t type = 0;         // FieldType; unknown codes render as no word
  int32_t size = 0;         // 0: no size written
  int32_t attributes = 0;   // FieldAttribute bits
  std::string defaultText;  // GBK; empty: no default
};

// A value bound to a statement parameter: a GBK text (bound as UTF-8 text) or an integer.
using SqlValue = std::variant<std::string, int64_t>;

// The renderings CreateTable uses ("VarChar", "Primary Key Not Null", ...).
std::string TypeWord(int32_t type);
std::string AttributeWords(int32_t attributes);
// The whole create statement, e.g. "create table T (Id Integer(10),汉字 VarChar(2))".
std::string CreateTableSql(std::string_view table, const std::vector<FieldDefinition>& fields);

class DatabaseClass {
 public:
  DatabaseClass() = default;
  ~DatabaseClass();
  DatabaseClass(const DatabaseClass&) = delete;
  DatabaseClass& operator=(const DatabaseClass&) = delete;

  // Opens `path` (":memory:" when none) read-write, creating the file only with
  // `create`. A non-empty key cannot be honoured by the linked engine (it has
  // no encryption) and makes Open fail. True when the database is open.
  bool Open(const std::optional<std::filesystem::path>& path = std::nullopt,
            std::string_view key = {}, bool create = false);
  // Closes the connection; false (and nothing done) when none is open.
  bool Close();
  bool IsOpen() const { return connection_.load() != nullptr; }

  // Runs SQL (GBK). On failure `error` receives the engine's message in GBK
  // (empty when it gave none); on success it is cleared.
  bool Exec(std::string_view sql, std::string* error = nullptr);

  // Prepares SQL (GBK), binds `params` to ?1, ?2 ... in order and steps once.
  // Returns 0 when the statement does not prepare or a bind fails.
  StatementHandle Query(std::string_view sql, const std::vector<SqlValue>& params = {});
  // True when a further row is now current; false for handle 0.
  bool NextRow(StatementHandle statement);
  // GBK text of the current row's column (0-based); "" for NULL, no row or handle 0.
  std::string ColumnText(StatementHandle statement, int column);
  int32_t ColumnInt(StatementHandle statement, int column);
  int ColumnCount(StatementHandle statement);
  // Releases a statement; false for handle 0.
  bool Finalize(StatementHandle statement);

  bool CreateTable(std::string_view table, const std::vector<FieldDefinition>& fields,
                   std::string* error = nullptr);
  bool Begin(std::string* error = nullptr);
  bool Commit(std::string* error = nullptr);
  bool Rollback(std::string* error = nullptr);
  // Attaches a database file under `schema`; the path is quoted safely.
  bool Attach(const std::filesystem::path& file, std::string_view schema, std::string* error = nullptr);
  bool Detach(std::string_view schema, std::string* error = nullptr);

 private:
  bool ExecUtf8(const std::string& sql, std::string* error);

  std::atomic<sqlite3*> connection_{nullptr};
};

// Owns a statement from Query and finalizes it when it goes out of scope.
class StatementGuard {
 public:
  StatementGuard(DatabaseClass& db, StatementHandle statement) : db_(db), statement_(statement) {}
  ~StatementGuard() { db_.Finalize(statement_); }
  StatementGuard(const StatementGuard&) = delete;
  StatementGuard& operator=(const StatementGuard&) = delete;
  StatementHandle get() const { return statement_; }
  std::string Text(int column) const { return db_.ColumnText(statement_, column); }
  int32_t Int(int column) const { return db_.ColumnInt(statement_, column); }
  bool Next() const { return db_.NextRow(statement_); }

 private:
  DatabaseClass& db_;
  StatementHandle statement_;
};

}  // namespace babyname::refdata
