// Whole runs of babyname-data-builder on a small source tree: our real stroke
// and element tables, a few content files and a two-poem package folder.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/fixture_db.h"

namespace {

using babyname::testing::TempFolder;
namespace fs = std::filesystem;

struct Outcome {
  int exitCode;
  std::string out;
  std::string err;
};

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

Outcome RunBuilder(const fs::path& source, const fs::path& poems, const fs::path& out) {
  TempFolder io;
  const std::string command = std::string(std::getenv("BABYNAME_BUILDER")) + " --source " + source.string() +
                              " --poems " + poems.string() + " --out " + out.string() + " >" +
                              (io.path() / "o").string() + " 2>" + (io.path() / "e").string();
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(io.path() / "o"), Read(io.path() / "e")};
}

// A source tree with the real rule tables and nothing else of content/.
void MakeSource(const fs::path& root) {
  const fs::path real = babyname::testing::SourceDir();
  fs::create_directories(root / "content");
  fs::copy(real / "content/strokes", root / "content/strokes", fs::copy_options::recursive);
  fs::copy(real / "content/element_rules.tsv", root / "content/element_rules.tsv");
}

void MakePoems(const fs::path& folder) {
  Write(folder / "poet.tang.0.json",
        R"([{"author":"李白","title":"靜夜思","paragraphs":["床前明月光，疑是地上霜。","舉頭望明月，低頭思故鄉。"]},)"
        R"({"author":"杜甫","title":"絕句","paragraphs":["兩個黃鸝鳴翠柳，一行白鷺上青天。"]},)"
        R"({"author":"李白","title":"𣲗字","paragraphs":["𣲗水流。"]},)"
        R"({"author":"無名","title":"空","paragraphs":[]}])");
  Write(folder / "authors.tang.json", "[]");  // not a poem file: ignored
}

// One text column of the first row of a UTF-8 query.
std::string Value(const fs::path& db, const std::string& sql) {
  sqlite3* handle = nullptr;
  std::string value;
  if (sqlite3_open_v2(db.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      if (const unsigned char* text = sqlite3_column_text(statement, 0)) value = reinterpret_cast<const char*>(text);
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(handle);
  return value;
}

TEST(BuilderRun, BuildsTheTablesAndRepeatsItself) {
  TempFolder work;
  MakeSource(work.path() / "src");
  MakePoems(work.path() / "poems");
  const fs::path out = work.path() / "data" / "namedata.db";
  const Outcome r = RunBuilder(work.path() / "src", work.path() / "poems", out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("warning: content/numbers81.tsv: missing"), std::string::npos) << r.err;

  auto column = [&](const char* name, const char* hanzi) {
    return Value(out, std::string("select ") + name + " from HM_CNWord where 汉字='" + hanzi + "'");
  };
  EXPECT_EQ(column("繁体笔画数", "张"), "11");
  EXPECT_EQ(column("繁体", "张"), "張");
  EXPECT_EQ(column("简体笔画数", "张"), "7");
  EXPECT_EQ(column("简体笔画数", "張"), "7");  // strokes of the simplified form
  EXPECT_EQ(column("拼音1", "张"), "zhang");
  EXPECT_EQ(column("声母", "张"), "zh");
  EXPECT_EQ(column("韵母", "张"), "ang");
  EXPECT_EQ(column("code", "张"), std::to_string(0xD5C5));
  EXPECT_EQ(column("五行属性", "海"), "水");  // no list here: the radical rule
  EXPECT_EQ(column("部首", "钟"), "钅");
  EXPECT_GT(std::stoi(Value(out, "select count(*) from HM_CNWord")), 20000);
  EXPECT_EQ(Value(out, "select count(*) from HM_CNWord where 五行属性 not in ('金','木','水','火','土')"), "0");

  EXPECT_EQ(Value(out, "select count(*) from HM_全唐诗"), "3");  // the poem without lines is left out
  EXPECT_EQ(Value(out, "select 内容 from HM_全唐诗 where 标题='静夜思'"), "床前明月光，疑是地上霜。举头望明月，低头思故乡。");
  EXPECT_EQ(Value(out, "select 内容长度 from HM_全唐诗 where 标题='静夜思'"), "24");
  // The poem's distinct characters that the name pools hold, in order of first occurrence.
  const std::string marked = Value(out, "select 首字母 from HM_全唐诗 where 标题='静夜思'");
  EXPECT_EQ(marked.rfind("前明月", 0), 0u) << marked;  // 床 is in no pool; 明 and 月 appear once
  EXPECT_EQ(marked.find("床"), std::string::npos) << marked;
  EXPECT_EQ(Value(out, "select 内容 from HM_全唐诗 where 作者='李白' and Id=3"), "湋水流。");  // GBK variant
  EXPECT_EQ(Value(out, "select Poet || ',' || PoemCount || ',' || OrderId from HM_Poet order by OrderId"), "李白,2,1");
  EXPECT_NE(r.out.find("𣲗→湋 2"), std::string::npos) << r.out;  // title and text

  // A second build from the same inputs gives the same file.
  const fs::path again = work.path() / "again" / "namedata.db";
  ASSERT_EQ(RunBuilder(work.path() / "src", work.path() / "poems", again).exitCode, 0);
  EXPECT_TRUE(Read(out) == Read(again));
}

TEST(BuilderRun, ContentFaultStopsTheBuildBeforeWriting) {
  TempFolder work;
  MakeSource(work.path() / "src");
  Write(work.path() / "src/content/surnames.tsv", "姓\t姓氏起源\t聚集地\t历史名人\n王\t源\t\t人\n");
  const fs::path out = work.path() / "data" / "namedata.db";
  const Outcome r = RunBuilder(work.path() / "src", work.path() / "poems", out);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("error: content/surnames.tsv:2: empty field 聚集地"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out));
}

}  // namespace
