#include "analysis/name_report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "analysis/html_page.h"
#include "analysis/templates/templates.h"
#include "refdata/reference_db.h"
#include "support/fixture_db.h"
#include "support/gbk_literal.h"

namespace babyname::analysis {
namespace {

using babyname::testing::FixtureDb;
using babyname::testing::G;
using babyname::testing::TempFolder;
using babyname::testing::U;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

size_t CountOf(const std::string& haystack, const std::string& needle) {
  size_t count = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1)) ++count;
  return count;
}

// The placeholders of a template: brace-enclosed words with at least one
// non-ASCII byte (the style sheet's braces hold ASCII only).
std::vector<std::string> PlaceholdersIn(const std::string& page) {
  std::vector<std::string> found;
  for (size_t open = page.find('{'); open != std::string::npos; open = page.find('{', open + 1)) {
    const size_t close = page.find('}', open);
    if (close == std::string::npos) break;
    const std::string word = page.substr(open, close - open + 1);
    bool chinese = false;
    for (char c : word) chinese |= static_cast<unsigned char>(c) >= 0x80;
    if (chinese && word.find('\n') == std::string::npos) found.push_back(word);
  }
  return found;
}

// The row of one character in block 1, as the filled report shows it.
std::string CharacterRow(const char* typed, const char* traditional, const char* pinyin, const char* simplified,
                         const char* strokes, const char* element) {
  return G(std::string("<td class=\"fontcolor1\">") + typed + "</td><td style=\"color: #aaaaaa\">" + traditional +
           "</td><td style=\"color: #aaaaaa\">" + pinyin + "</td><td>" + simplified + "</td><td>" + strokes +
           "</td><td>" + element + "</td>");
}

TEST(ReportTemplate, IsGbkWithCrLfLinesAndSixtyFourPlaceholders) {
  const std::string& page = ReportTemplate();
  ASSERT_FALSE(page.empty());  // every fixed text converted to GBK
  EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
  EXPECT_NE(page.find(G("<title>名字评分</title>")), std::string::npos);
  for (size_t at = page.find('\n'); at != std::string::npos; at = page.find('\n', at + 1))
    ASSERT_TRUE(at > 0 && page[at - 1] == '\r') << at;
  const auto placeholders = PlaceholdersIn(page);
  EXPECT_EQ(std::set<std::string>(placeholders.begin(), placeholders.end()).size(), 64u);
  for (const char* grid : {"{天格}", "{人格}", "{地格}", "{总格}", "{外格}"}) EXPECT_EQ(CountOf(page, G(grid)), 3u) << grid;

  for (const std::string* other : {&CharacterPageTemplate(), &SurnamePageTemplate()}) {
    ASSERT_FALSE(other->empty());
    EXPECT_NE(other->find("charset=gb2312"), std::string::npos);
    EXPECT_EQ(CountOf(*other, "\n"), CountOf(*other, "\r\n"));
  }
}

TEST(ScoreAdvice, BandsByTheUnroundedScore) {
  const std::pair<float, int> cases[] = {{100.0f, 0}, {90.0f, 0}, {89.5f, 1}, {89.99999f, 1}, {80.0f, 1},
                                         {79.75f, 2}, {70.0f, 2}, {60.0f, 3},  {69.9f, 3},     {58.5f, 4},
                                         {0.0f, 4}};
  const std::string advices[] = {ScoreAdvice(95), ScoreAdvice(85), ScoreAdvice(75), ScoreAdvice(65), ScoreAdvice(5)};
  EXPECT_EQ(std::set<std::string>(std::begin(advices), std::end(advices)).size(), 5u);
  EXPECT_EQ(U(advices[0]), "你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。");
  EXPECT_EQ(U(advices[4]), "你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。");
  for (const auto& [score, band] : cases) EXPECT_EQ(ScoreAdvice(score), advices[band]) << score;
}

TEST(FillReportTemplate, LaterPlaceholdersInsideTextsAreReplacedEarlierOnesStay) {
  ReportData data;
  data.grid.familyCharacters = {G("张")};
  data.grid.givenCharacters = {G("文")};
  data.grid.heaven = 12;
  data.talentSummary = G("甲{性格}乙{天格}丙");
  data.characterLuck = G("丁");
  const std::string page = FillReportTemplate(ReportTemplate(), data);
  EXPECT_NE(page.find(G("甲丁乙{天格}丙")), std::string::npos);
  EXPECT_EQ(CountOf(page, G("天格-&gt; 12(")), 1u);
}

TEST(FillReportTemplate, TypedCharactersAreEscaped) {
  ReportData data;
  data.grid.familyCharacters = {"<", "&"};
  data.grid.givenCharacters = {"{", "\""};
  const std::string page = FillReportTemplate(ReportTemplate(), data);
  EXPECT_NE(page.find("<td class=\"fontcolor1\">&lt;</td>"), std::string::npos);
  EXPECT_NE(page.find("<td class=\"fontcolor1\">&amp;</td>"), std::string::npos);
  EXPECT_NE(page.find("<td class=\"fontcolor1\">&#123;</td>"), std::string::npos);
  EXPECT_NE(page.find("<td class=\"fontcolor1\">&quot;</td>"), std::string::npos);
}

TEST(EscapeHtml, ReplacesMarkupAndPlaceholderCharacters) {
  EXPECT_EQ(EscapeHtml("<a href=\"x\">'&'</a>"), "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;");
  EXPECT_EQ(EscapeHtml(G("{姓氏}")), G("&#123;姓氏&#125;"));
  EXPECT_EQ(EscapeHtml(G("欧阳")), G("欧阳"));
}

// A reference database with the texts of a few numbers and talents.
class ReportDb : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_ = std::make_unique<FixtureDb>(folder_.path());
    fixture_->AddCharacter("张", 7, 11, "火", "zhāng");
    fixture_->AddCharacter("文", 4, 4, "水", "wén");
    fixture_->AddCharacter("光", 6, 6, "火", "guāng");
    fixture_->AddCharacter("于", 3, 4, "土", "yú");
    fixture_->AddCharacter("欧", 8, 15, "土", "ōu");
    fixture_->AddCharacter("阳", 6, 17, "土", "yáng");
    fixture_->AddCharacter("空", 8, 8, "", "kōng");  // no element: not a valid stroke source
  }

  // Loads the fixture as the program does; call after adding rows.
  void Load() {
    fixture_.reset();
    ASSERT_TRUE(refdata::LoadReferenceDatabase(db_, folder_.path()).ok());
  }

  TempFolder folder_;
  TempFolder output_;
  std::unique_ptr<FixtureDb> fixture_;
  refdata::DatabaseClass db_;
};

TEST_F(ReportDb, ReportTextsComeFromTheRowsOfTheGridsAndTheKey) {
  // 张文光: 天格 12, 人格 15, 地格 10, 总格 21, 外格 7, key 木土水.
  for (int n : {12, 15, 10, 21}) fixture_->AddNumber(n, "吉");
  fixture_->Exec("insert into HM_八一灵动数 values (7,'中','一七','二七','三七','基业七','家庭七','健康七','含义七',"
                 "'暗示甲|暗示乙')");
  fixture_->AddTalent("木土水", "大吉");
  Load();

  const ReportData data = ComputeReportData(db_, G("张"), G("文光"));
  EXPECT_EQ(GridText(data.grid), "12,15,10,21,7");
  EXPECT_EQ(data.traditionalForms[kFamily1], G("张"));
  EXPECT_EQ(data.pinyin[kGiven2], G("guāng"));
  EXPECT_EQ(data.pinyin[kFamily2], "");
  const GridReport& outer = data.grids[kVerdictOuter];
  EXPECT_EQ(outer.element, G("金"));
  EXPECT_EQ(outer.verdict, G("中"));
  EXPECT_EQ(outer.summary, G("一七(三七)"));
  EXPECT_EQ(outer.explanation, G("二七<BR>基业:基业七<BR>家庭:家庭七<BR>健康:含义七<BR>含义:健康七"));
  EXPECT_EQ(outer.hints, G("暗示甲<BR>暗示乙"));
  EXPECT_EQ(data.grids[kVerdictEarth].element, G("水"));
  EXPECT_EQ(data.talentVerdict, G("大吉"));
  EXPECT_EQ(data.talentSummary, G("木土水3"));
  EXPECT_EQ(data.talentAspects,
            G("1、总论:木土水5<BR>2、性格:木土水6<BR>3、意志:木土水7<BR>4、事业:木土水8<BR>5、家庭:木土水9"
              "<BR>6、婚姻:木土水10<BR>7、子女:木土水11<BR>8、社交:木土水12<BR>9、精神:木土水13"
              "<BR>10、财运:木土水14<BR>11、健康:木土水15<BR>12、老运:木土水16"));
  EXPECT_EQ(data.basicLuck, G("木土水17"));
  EXPECT_EQ(data.characterLuck, G("木土水20"));
  // 5 + 30 + 20 + 20 + 10 × 0.85 + 15.
  EXPECT_EQ(data.grid.score, 98.5f);
  EXPECT_EQ(data.advice, ScoreAdvice(98.5f));

  const NameReport report = BuildNameReport(db_, G("张"), G("文光"), output_.path());
  EXPECT_TRUE(report.written.ok());
  EXPECT_EQ(report.scoreValue(), 98);
  const std::string page = ReadFile(ReportFile(output_.path()));
  EXPECT_EQ(page, FillReportTemplate(ReportTemplate(), report.data));
  EXPECT_TRUE(PlaceholdersIn(page).empty());
  EXPECT_NE(page.find(CharacterRow("张", "张", "zhāng", "7", "11", "火")), std::string::npos);
  EXPECT_NE(page.find(CharacterRow("", "", "", "", "", "")), std::string::npos);  // no second family character
  EXPECT_NE(page.find(G("外格-&gt; 7(金)")), std::string::npos);
  EXPECT_NE(page.find(G("外格7的解析：")), std::string::npos);
  EXPECT_NE(page.find(G("外格7有以下数理暗示</td><td>暗示甲<BR>暗示乙")), std::string::npos);
  EXPECT_NE(page.find(G("<b>98</b> 分")), std::string::npos);
}

TEST_F(ReportDb, OneCharacterPartsLeaveTheSecondRowsEmpty) {
  Load();
  const NameReport report = BuildNameReport(db_, G("张"), G("文"), output_.path());
  EXPECT_EQ(report.data.grid.outer, 2);
  const std::string page = ReadFile(ReportFile(output_.path()));
  EXPECT_EQ(CountOf(page, CharacterRow("", "", "", "", "", "")), 2u);
}

TEST_F(ReportDb, UnknownCharacterShowsZeroStrokesAndEmptyTexts) {
  Load();
  const NameReport report = BuildNameReport(db_, G("龘"), G("空"), output_.path());
  const std::string page = ReadFile(ReportFile(output_.path()));
  EXPECT_NE(page.find(CharacterRow("龘", "", "", "0", "0", "")), std::string::npos);
  EXPECT_NE(page.find(CharacterRow("空", "", "", "0", "0", "")), std::string::npos);  // row without element
  EXPECT_EQ(report.scoreValue(), 0);
  EXPECT_EQ(report.data.advice, ScoreAdvice(0));
}

TEST_F(ReportDb, FamilyNameYuCountsItsSimplifiedStrokes) {
  Load();
  const NameReport report = BuildNameReport(db_, G("于"), G("文"), output_.path());
  EXPECT_EQ(GridText(report.data.grid), "4,7,5,7,2");
  const std::string page = ReadFile(ReportFile(output_.path()));
  EXPECT_NE(page.find(CharacterRow("于", "于", "yú", "3", "3", "土")), std::string::npos);
}

TEST_F(ReportDb, TwoCharacterFamilyNameFillsBothRows) {
  Load();
  const NameReport report = BuildNameReport(db_, G("欧阳"), G("文"), output_.path());
  EXPECT_EQ(GridText(report.data.grid), "32,21,5,36,16");  // 外格 = 36 - 21 + 1
  const std::string page = ReadFile(ReportFile(output_.path()));
  EXPECT_NE(page.find(CharacterRow("阳", "阳", "yáng", "6", "17", "土")), std::string::npos);
}

TEST_F(ReportDb, SecondReportKeepsNothingOfTheFirst) {
  for (int n : {12, 15, 10, 21, 7}) fixture_->AddNumber(n, "吉");
  fixture_->AddTalent("木土水", "大吉");
  Load();
  ASSERT_TRUE(BuildNameReport(db_, G("张"), G("文光"), output_.path()).written.ok());
  const std::string first = ReadFile(ReportFile(output_.path()));
  ASSERT_NE(first.find(G("木土水3")), std::string::npos);
  ASSERT_TRUE(BuildNameReport(db_, G("龘"), G("空"), output_.path()).written.ok());
  const std::string second = ReadFile(ReportFile(output_.path()));
  for (const char* text : {"张", "文", "光", "zhāng", "木土水", "一12", "二15", "暗示21", "基业7", "非常棒"})
    EXPECT_EQ(second.find(G(text)), std::string::npos) << text;
}

struct AdviceCase {
  const char* label;
  std::array<const char*, 6> verdicts;  // 天格, 人格, 地格, 总格, 外格, 三才
  float score;
  float adviceBand;  // a score of the expected band
};

TEST_F(ReportDb, ScoreAndAdviceOfTheWorkedCases) {
  Load();
  const AdviceCase cases[] = {
      {"talent worst", {"大吉", "大吉", "大吉", "大吉", "大吉", "大凶"}, 89.5f, 85},
      {"exactly ninety", {"大吉", "大吉", "中", "中", "凶", "大吉"}, 90.0f, 95},
      {"all bad", {"凶", "凶", "凶", "凶", "凶", "凶"}, 60.0f, 65},
      {"heaven worst", {"大凶", "凶", "凶", "凶", "凶", "凶"}, 58.5f, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    // 张文光: 天格 12, 人格 15, 地格 10, 总格 21, 外格 7, key 木土水.
    db_.Exec(G("delete from HM_八一灵动数"));
    db_.Exec(G("delete from HM_三才配置"));
    const int numbers[5] = {12, 15, 10, 21, 7};
    for (int v = 0; v < 5; ++v)
      db_.Exec(G("insert into HM_八一灵动数 (Id, 吉凶) values (" + std::to_string(numbers[v]) + ", '" +
                 c.verdicts[v] + "')"));
    db_.Exec(G(std::string("insert into HM_三才配置 (三才, 吉凶) values ('木土水', '") + c.verdicts[5] + "')"));
    const ReportData data = ComputeReportData(db_, G("张"), G("文光"));
    EXPECT_EQ(data.grid.score, c.score);
    EXPECT_EQ(data.grid.scoreValue, static_cast<int>(c.score));
    EXPECT_EQ(data.advice, ScoreAdvice(c.adviceBand));
  }
}

TEST_F(ReportDb, UnwritableFolderIsReportedAndTheDataStillComputed) {
  Load();
  const NameReport report = BuildNameReport(db_, G("张"), G("文"), output_.path() / "missing" / "folder");
  EXPECT_FALSE(report.written.ok());
  EXPECT_EQ(U(report.written.message()).rfind("无法写入文件：", 0), 0u);
  EXPECT_EQ(report.data.grid.traditionalStrokes[kFamily1], 11);
}

}  // namespace
}  // namespace babyname::analysis
