#include "support/fixture_db.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <random>

namespace babyname::testing {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("babyname-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" +
           std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

const std::vector<std::string>& FixtureCreateStatements() {
  static const std::vector<std::string> statements = {
      "create table HM_CNWord (Id Integer,code Integer,汉字 VarChar,简体 VarChar,繁体 VarChar,"
      "简体笔画数 Integer,繁体笔画数 Integer,拼音1 VarChar,拼音2 VarChar,声母 VarChar,韵母 VarChar,"
      "部首 VarChar,五行属性 VarChar,五笔 VarChar,基本解释 VarChar,详细解释 VarChar)",
      "create table HM_三才配置 (Id Integer,三才 VarChar,吉凶 VarChar,解释一,解释二,总论,性格,意志,事业,"
      "家庭,婚姻,子女,社交,精神,财运,健康,老运,对基础运的影响,对成功运的影响,对人际关系的影响,对性格的影响)",
      "create table HM_八一灵动数 (Id Integer,吉凶,解释一,解释二,解释三,基业,家庭,健康,含义,数理暗示)",
      "create table HM_EName (Id Integer,EIndex,EIndex2,Name,NameLength,Sex Integer,Cnword,Morphology,"
      "Languag,Mean)",
      "create table HM_Poet (Id Integer,Poet,PoemCount,OrderId Integer)",
      "create table HM_全唐诗 (Id Integer,标题,作者,内容,首字母,内容长度 Integer)",
      "create table HM_育儿百科 (ID Integer,分类ID,分类标题,标题,内容)",
      "create table HM_算命风水 (ID Integer,分类ID,分类标题,标题,内容)",
      "create table HM_百家姓 (Id Integer,姓,姓氏起源,聚集地,历史名人)",
  };
  return statements;
}

FixtureDb::FixtureDb(const std::filesystem::path& folder) : file_(folder / "namedata.db") {
  EXPECT_EQ(sqlite3_open(file_.c_str(), &db_), SQLITE_OK);
  for (const auto& sql : FixtureCreateStatements()) Exec(sql);
}

FixtureDb::~FixtureDb() { sqlite3_close(db_); }

void FixtureDb::Exec(std::string_view sql) {
  char* error = nullptr;
  const std::string s(sql);
  const int rc = sqlite3_exec(db_, s.c_str(), nullptr, nullptr, &error);
  EXPECT_EQ(rc, SQLITE_OK) << s << ": " << (error ? error : "");
  sqlite3_free(error);
}

namespace {

std::string Quote(std::string_view s) {
  std::string out = "'";
  for (char c : s) {
    out.push_back(c);
    if (c == '\'') out.push_back('\'');
  }
  return out + "'";
}

}  // namespace

void FixtureDb::AddCharacter(std::string_view hanzi, int simplifiedStrokes, int traditionalStrokes,
                             std::string_view element, std::string_view pinyin) {
  const int id = nextId_++;
  std::string initial(pinyin.substr(0, 1));
  Exec("insert into HM_CNWord values (" + std::to_string(id) + "," + std::to_string(id) + "," + Quote(hanzi) +
       "," + Quote(hanzi) + "," + Quote(hanzi) + "," + std::to_string(simplifiedStrokes) + "," +
       std::to_string(traditionalStrokes) + "," + Quote(pinyin) + "," + Quote(pinyin) + "," + Quote(initial) +
       ",'a','口'," + Quote(element) + ",'abcd','基本','详细')");
}

void FixtureDb::AddNumber(int number, std::string_view verdict) {
  const std::string n = std::to_string(number);
  Exec("insert into HM_八一灵动数 values (" + n + "," + Quote(verdict) + ",'一" + n + "','二" + n + "','三" + n +
       "','基业" + n + "','家庭" + n + "','健康" + n + "','含义" + n + "','暗示" + n + "')");
}

void FixtureDb::AddTalent(std::string_view key, std::string_view verdict) {
  std::string row = "insert into HM_三才配置 values (" + std::to_string(nextId_++) + "," + Quote(key) + "," +
                    Quote(verdict);
  for (int column = 3; column < 21; ++column) row += ",'" + std::string(key) + std::to_string(column) + "'";
  Exec(row + ")");
}

void FixtureDb::FillEmptyTables() {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"HM_CNWord", "insert into HM_CNWord values (1,1,'一','一','一',1,1,'yi','yī','y','i','一','土','ggll','基本','详细')"},
      {"HM_三才配置", "insert into HM_三才配置 values (1,'木木木','大吉','a','b','c','d','e','f','g','h','i','j','k','l','m','n','o','p','q','r')"},
      {"HM_八一灵动数", "insert into HM_八一灵动数 values (1,'大吉','a','b','c','d','e','f','g','h')"},
      {"HM_EName", "insert into HM_EName values (1,'A','Al','Alan','4',1,'艾伦','','英语','英俊')"},
      {"HM_Poet", "insert into HM_Poet values (1,'李白','1',1)"},
      {"HM_全唐诗", "insert into HM_全唐诗 values (1,'静夜思','李白','床前明月光，疑是地上霜。','明月光',12)"},
      {"HM_育儿百科", "insert into HM_育儿百科 values (1,'1','喂养','标题','内容')"},
      {"HM_算命风水", "insert into HM_算命风水 values (1,'1','风水','标题','内容')"},
      {"HM_百家姓", "insert into HM_百家姓 values (1,'张','起源','聚集','名人')"},
  };
  for (const auto& [table, insert] : rows) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db_, ("select count(*) from " + table).c_str(), -1, &st, nullptr);
    sqlite3_step(st);
    const int count = sqlite3_column_int(st, 0);
    sqlite3_finalize(st);
    if (count == 0) Exec(insert);
  }
}

}  // namespace babyname::testing

namespace babyname::testing {

std::filesystem::path SourceDir() {
  if (const char* fromEnvironment = std::getenv("BABYNAME_SOURCE_DIR")) return fromEnvironment;
  return BABYNAME_SOURCE_DIR;
}

}  // namespace babyname::testing
