#include "analysis/character_pages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "analysis/html_page.h"
#include "refdata/reference_db.h"
#include "support/fixture_db.h"
#include "support/gbk_literal.h"

namespace babyname::analysis {
namespace {

using babyname::testing::FixtureDb;
using babyname::testing::G;
using babyname::testing::TempFolder;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool Holds(const std::string& page, const char* utf8) { return page.find(G(utf8)) != std::string::npos; }

class PagesDb : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      FixtureDb fixture(folder_.path());
      fixture.Exec("insert into HM_CNWord values (1,1,'strokes-12','x','x',12,14,'p1','ráng','r','ang','土','木',"
                   "'wubi','基本之义','详细之义')");
      fixture.AddCharacter("明", 8, 8, "火", "míng");
      fixture.Exec("insert into HM_百家姓 values (1,'张','源于<b>黄帝</b>','河南','张良')");
      fixture.Exec("insert into HM_百家姓 values (2,'欧阳','源于越王','江西','欧阳修')");
      fixture.FillEmptyTables();
    }
    ASSERT_TRUE(refdata::LoadReferenceDatabase(db_, folder_.path()).ok());
  }

  TempFolder folder_;
  TempFolder output_;
  refdata::DatabaseClass db_;
};

TEST_F(PagesDb, CharacterPageShowsTheRowOrEmptyFields) {
  const std::string page = RenderCharacterPage(db_, "strokes-12");
  EXPECT_TRUE(Holds(page, "<title>strokes-12</title>"));
  EXPECT_TRUE(Holds(page, "class=\"font_22\">strokes-12</td>"));
  EXPECT_TRUE(Holds(page, "<td width=\"30%\">12</td>"));  // 简体笔划 read as text
  EXPECT_TRUE(Holds(page, "<td>14</td>"));
  EXPECT_TRUE(Holds(page, "class=\"font_14\">ráng</td>"));
  EXPECT_TRUE(Holds(page, "<td>土</td>"));
  EXPECT_TRUE(Holds(page, "基本之义"));
  EXPECT_TRUE(Holds(page, "详细之义"));
  EXPECT_FALSE(Holds(page, "{"  "拼音}"));

  const std::string unknown = RenderCharacterPage(db_, G("龘"));
  EXPECT_TRUE(Holds(unknown, "<title>龘</title>"));
  EXPECT_TRUE(Holds(unknown, "<td width=\"30%\"></td>"));  // empty stroke cell, not 0
  EXPECT_FALSE(Holds(unknown, "基本之义"));

  const std::string typed = RenderCharacterPage(db_, "<i>");
  EXPECT_TRUE(Holds(typed, "<title>&lt;i&gt;</title>"));
}

TEST_F(PagesDb, CharacterPagesGoToTheirOwnFiles) {
  ASSERT_TRUE(WriteCharacterPage(db_, G("明"), 1, output_.path()).ok());
  ASSERT_TRUE(WriteCharacterPage(db_, "strokes-12", 2, output_.path()).ok());
  EXPECT_TRUE(Holds(ReadFile(output_.path() / "temp1.html"), "<title>明</title>"));
  EXPECT_TRUE(Holds(ReadFile(output_.path() / "temp2.html"), "<title>strokes-12</title>"));
  ASSERT_TRUE(WriteCharacterPage(db_, G("龘"), 1, output_.path()).ok());
  EXPECT_TRUE(Holds(ReadFile(output_.path() / "temp1.html"), "<title>龘</title>"));
  EXPECT_FALSE(Holds(ReadFile(output_.path() / "temp1.html"), "míng"));
  EXPECT_TRUE(Holds(ReadFile(output_.path() / "temp2.html"), "<title>strokes-12</title>"));
  EXPECT_FALSE(WriteCharacterPage(db_, G("明"), 1, output_.path() / "missing").ok());
}

TEST_F(PagesDb, SurnamePageShowsTheWholeFamilyNameEntry) {
  ASSERT_TRUE(WriteSurnamePage(db_, G("张"), output_.path()).ok());
  const std::string page = ReadFile(output_.path() / "temp5.html");
  EXPECT_TRUE(Holds(page, "<title>百家姓_张</title>"));
  EXPECT_TRUE(Holds(page, "<b>张</b>"));
  EXPECT_TRUE(Holds(page, "源于<b>黄帝</b>"));  // reference texts are HTML
  EXPECT_TRUE(Holds(page, "河南"));
  EXPECT_TRUE(Holds(page, "张良"));

  EXPECT_TRUE(Holds(RenderSurnamePage(db_, G("欧阳")), "欧阳修"));  // looked up whole

  const std::string missing = RenderSurnamePage(db_, G("司马"));
  EXPECT_TRUE(Holds(missing, "<title>百家姓_司马</title>"));
  EXPECT_TRUE(Holds(missing, "<b>姓氏起源</b>： <br><br>"));

  const std::string typed = RenderSurnamePage(db_, G("{姓氏起源}<"));
  EXPECT_TRUE(Holds(typed, "<b>&#123;姓氏起源&#125;&lt;</b>"));
  EXPECT_FALSE(WriteSurnamePage(db_, G("张"), output_.path() / "missing").ok());
}

}  // namespace
}  // namespace babyname::analysis
