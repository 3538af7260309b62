// The checks on our content files: each fault is reported with file and line.
#include "content_tables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "element_rules.h"
#include "stroke_rules.h"
#include "support/fixture_db.h"

namespace babyname::builder {
namespace {

using babyname::testing::TempFolder;

void Write(const std::filesystem::path& root, const std::string& relative, const std::string& text) {
  const std::filesystem::path file = root / "content" / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::string NumberRow(int n, const std::string& verdict = "吉", const std::string& hints = "暗示一|暗示二") {
  const std::string s = std::to_string(n);
  return s + "\t" + verdict + "\t名" + s + "\t二" + s + "\t三" + s + "\t基" + s + "\t家" + s + "\t健" + s + "\t含" +
         s + "\t" + hints + "\n";
}

const char* kNumberHeader = "Id\t吉凶\t解释一\t解释二\t解释三\t基业\t家庭\t健康\t含义\t数理暗示\n";

std::string AllErrors(const Problems& p) {
  std::string all;
  for (const std::string& e : p.errors) all += e + "\n";
  return all;
}

TEST(ContentTables, CompleteNumbersLoadInOrder) {
  TempFolder root;
  std::string text = std::string("# comment\n") + kNumberHeader;
  for (int n = 81; n >= 1; --n) text += NumberRow(n);
  Write(root.path(), "numbers81.tsv", text);
  Problems problems;
  const std::vector<Row> rows = LoadNumbers(root.path(), problems);
  EXPECT_TRUE(problems.errors.empty()) << AllErrors(problems);
  ASSERT_EQ(rows.size(), 81u);
  EXPECT_EQ(std::get<int64_t>(rows[0][0]), 1);
  EXPECT_EQ(std::get<std::string>(rows[80][2]), "名81");
}

TEST(ContentTables, NumberFaultsNameFileAndLine) {
  const struct {
    const char* fault;
    std::string row2;  // the row on line 2 (number 1); numbers 2..81 follow and are fine
    const char* message;
  } cases[] = {
      {"verdict outside the five", NumberRow(1, "半吉"), "content/numbers81.tsv:2: 吉凶 must be one of"},
      {"empty field", "1\t吉\t\t二\t三\t基\t家\t健\t含\t甲|乙\n", "content/numbers81.tsv:2: empty field 解释一"},
      {"text without GBK form", NumberRow(1, "吉", "한|乙"), "content/numbers81.tsv:2: field 数理暗示 has a character"},
      {"one hint only", NumberRow(1, "吉", "只有一条"), "content/numbers81.tsv:2: 数理暗示 must hold two"},
      {"missing number", "", "content/numbers81.tsv: number 1 missing"},
      {"number out of range", NumberRow(82), "content/numbers81.tsv:2: Id must be a number from 1 to 81"},
      {"repeated number", NumberRow(5), "content/numbers81.tsv:6: number 5 appears twice"},
      {"too few fields", "1\t吉\n", "content/numbers81.tsv:2: expected 10 fields, found 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    TempFolder root;
    std::string text = std::string(kNumberHeader) + c.row2;
    for (int n = 2; n <= 81; ++n) text += NumberRow(n);
    Write(root.path(), "numbers81.tsv", text);
    Problems problems;
    LoadNumbers(root.path(), problems);
    EXPECT_NE(AllErrors(problems).find(c.message), std::string::npos) << AllErrors(problems);
  }
}

TEST(ContentTables, TalentKeysMustBeCompleteAndScored) {
  TempFolder root;
  std::string text =
      "三才\t吉凶\t解释一\t解释二\t总论\t性格\t意志\t事业\t家庭\t婚姻\t子女\t社交\t精神\t财运\t健康\t老运\t"
      "对基础运的影响\t对成功运的影响\t对人际关系的影响\t对性格的影响\n";
  std::string fields;
  for (int i = 0; i < 18; ++i) fields += "\t文";
  text += "金金金\t大吉" + fields + "\n";
  text += "金金木\t好" + fields + "\n";
  text += "金金铁\t吉" + fields + "\n";
  Write(root.path(), "three_talents.tsv", text);
  Problems problems;
  const std::vector<Row> rows = LoadTalents(root.path(), problems);
  const std::string errors = AllErrors(problems);
  EXPECT_NE(errors.find("three_talents.tsv:3: 吉凶 must be one of"), std::string::npos) << errors;
  EXPECT_NE(errors.find("three_talents.tsv:4: 三才 must be three of"), std::string::npos) << errors;
  EXPECT_NE(errors.find("key 土土土 missing"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("key 金金金 missing"), std::string::npos) << errors;
}

TEST(ContentTables, MissingFilesGiveEmptyTablesAndWarnings) {
  TempFolder root;
  Problems problems;
  EXPECT_TRUE(LoadNumbers(root.path(), problems).empty());
  EXPECT_TRUE(LoadTalents(root.path(), problems).empty());
  EXPECT_TRUE(LoadSurnames(root.path(), problems).empty());
  EXPECT_TRUE(LoadEnglishNames(root.path(), problems).empty());
  EXPECT_TRUE(LoadArticles(root.path(), "育儿百科", problems).empty());
  EXPECT_TRUE(problems.errors.empty()) << AllErrors(problems);
  EXPECT_EQ(problems.warnings.size(), 5u);
}

TEST(ContentTables, SurnamesAndEnglishNames) {
  TempFolder root;
  Write(root.path(), "surnames.tsv",
        "姓\t姓氏起源\t聚集地\t历史名人\n张\t源\t地\t人\n欧阳\t源\t地\t人\n张\t源\t地\t人\nabc\t源\t地\t人\n");
  Write(root.path(), "english_names.tsv",
        "Name\tSex\tCnword\tMean\tEIndex2\tMorphology\tLanguag\nCindy\t2\t辛迪\t月亮\ts\nThomas\t1\t托马斯\t双生\n"
        "Eve\t4\t夏娃\t生命\t\t\t\n");
  Problems problems;
  const std::vector<Row> surnames = LoadSurnames(root.path(), problems);
  const std::vector<Row> names = LoadEnglishNames(root.path(), problems);
  const std::string errors = AllErrors(problems);
  EXPECT_EQ(surnames.size(), 2u);
  EXPECT_NE(errors.find("surnames.tsv:4: family name 张 appears twice"), std::string::npos) << errors;
  EXPECT_NE(errors.find("surnames.tsv:5: 姓 must be one to four Chinese characters"), std::string::npos) << errors;
  EXPECT_NE(errors.find("english_names.tsv:4: Sex must be 1"), std::string::npos) << errors;
  ASSERT_EQ(names.size(), 2u);
  // Id, EIndex, EIndex2, Name, NameLength, Sex, Cnword, Morphology, Languag, Mean
  EXPECT_EQ(std::get<std::string>(names[0][1]), "c");
  EXPECT_EQ(std::get<std::string>(names[0][2]), "s");
  EXPECT_EQ(std::get<std::string>(names[1][2]), "th");  // a leading digraph files the name under it
  EXPECT_EQ(std::get<int64_t>(names[1][5]), 1);
  EXPECT_EQ(std::get<std::string>(names[1][9]), "双生");
}

TEST(ContentTables, ArticlesByCategoryFile) {
  TempFolder root;
  Write(root.path(), "articles/算命风水/起名知识.md",
        "# 起名知识\n\n## 第一篇\n第一段\n续行\n\n第二段\n\n## 第二篇\n正文\n\n## 第一篇\n重复\n\n## 空文\n");
  Problems problems;
  const std::vector<Row> rows = LoadArticles(root.path(), "算命风水", problems);
  const std::string errors = AllErrors(problems);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(std::get<std::string>(rows[0][2]), "起名知识");
  EXPECT_EQ(std::get<std::string>(rows[0][3]), "第一篇");
  EXPECT_EQ(std::get<std::string>(rows[0][4]), "<p>第一段续行</p><p>第二段</p>");
  EXPECT_NE(errors.find("起名知识.md:12: title 第一篇 appears twice"), std::string::npos) << errors;
  EXPECT_NE(errors.find("起名知识.md:15: article 空文 has no text"), std::string::npos) << errors;
}

TEST(ElementRules, ListedFirstThenRadicalThenInitial) {
  TempFolder root;
  Write(root.path(), "strokes/radicals.tsv", [] {
    std::string t = "部首号\t部首\t笔画\n";
    for (int n = 1; n <= 214; ++n) t += std::to_string(n) + "\t" + (n == 85 ? "水" : n == 75 ? "木" : "r" + std::to_string(n)) + "\t1\n";
    return t;
  }());
  Write(root.path(), "char_elements.tsv", "汉字\t五行\t备注\n海\t金\n林\t木\t\n江\t铁\n");
  Write(root.path(), "element_rules.tsv",
        "规则\t键\t五行\t备注\n部首\t水\t水\n声母\tb\t水\n声母\t无\t土\n默认\t*\t火\n部首\t何\t水\n");
  Problems problems;
  const StrokeRules strokes = StrokeRules::Load(root.path(), problems);
  const ElementRules rules = ElementRules::Load(root.path(), strokes, problems);
  const std::string errors = AllErrors(problems);
  EXPECT_NE(errors.find("char_elements.tsv:4: 五行 must be one of"), std::string::npos) << errors;
  EXPECT_NE(errors.find("element_rules.tsv:6: 键 must be a radical"), std::string::npos) << errors;
  EXPECT_EQ(rules.Listed(U'海'), "金");
  EXPECT_EQ(rules.Listed(U'河'), "");
  EXPECT_EQ(rules.Fallback(85, "h"), "水");  // radical before initial
  EXPECT_EQ(rules.Fallback(75, "b"), "水");  // 木 has no radical rule here: the initial decides
  EXPECT_EQ(rules.Fallback(0, ""), "土");
  EXPECT_EQ(rules.Fallback(0, "zh"), "火");  // default
}

}  // namespace
}  // namespace babyname::builder
