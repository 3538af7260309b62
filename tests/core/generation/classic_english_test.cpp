// The two modes that do not score: the classic text and the English names.
#include <gtest/gtest.h>

#include <algorithm>

#include "generation/classic.h"
#include "generation/english.h"
#include "generation/pools.h"
#include "generation_fixture.h"
#include "text/characters.h"

namespace babyname::generation {
namespace {

using testing::FixtureDb;
using testing::G;
using testing::LoadedFixture;
using testing::RecordingObserver;
using testing::U;

// The rows of a classic text: the pieces between "\r\n\r\n".
std::vector<std::string> Rows(const std::string& text) {
  std::vector<std::string> rows;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n\r\n", start)) != std::string::npos; start = at + 4)
    rows.push_back(text.substr(start, at - start));
  rows.push_back(text.substr(start));
  return rows;
}

TEST(ClassicMode, LayoutPerCount) {
  struct Case {
    int count;
    size_t entries;
    std::string spaces;
    std::vector<size_t> namesPerRow;
  } cases[] = {
      {2, 30, "  ", {14, 14, 2}},
      {2, 28, "  ", {14, 14, 0}},  // a full last row still ends with the break
      {1, 20, "   ", {16, 4}},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> entries(c.entries, G(c.count == 2 ? "博涛" : "安"));
    const std::string text = LayoutClassicText(G("李"), entries, c.count);
    const std::string name = G(c.count == 2 ? "李博涛" : "李安") + c.spaces;
    const auto rows = Rows(text);
    ASSERT_EQ(rows.size(), c.namesPerRow.size()) << c.entries;
    for (size_t r = 0; r < rows.size(); ++r) {
      std::string expected;
      for (size_t n = 0; n < c.namesPerRow[r]; ++n) expected += name;
      EXPECT_EQ(rows[r], expected) << c.entries << " row " << r;
    }
  }
}

TEST(ClassicMode, WholeListsShuffledBySeed) {
  struct Case {
    Sex sex;
    int count;
    size_t names;
    size_t lastRow;
  } cases[] = {
      {Sex::kMale, 2, 2910, 2910 % 14},
      {Sex::kFemale, 2, 2134, 2134 % 14},
      {Sex::kMale, 1, 841, 841 % 16},
      {Sex::kFemale, 1, 294, 6},
  };
  for (const Case& c : cases) {
    const std::string text = ClassicText(G("李"), c.sex, c.count, 3);
    const auto rows = Rows(text);
    const std::string family = G("李");
    size_t names = 0;
    for (const auto& row : rows) names += row.size();
    const size_t nameWidth = family.size() + 2 * static_cast<size_t>(c.count) + (c.count == 2 ? 2 : 3);
    EXPECT_EQ(names, c.names * nameWidth);
    const std::string spaces(c.count == 2 ? 2 : 3, ' ');
    const size_t width = family.size() + 2 * static_cast<size_t>(c.count) + spaces.size();
    EXPECT_EQ(rows.back().size(), c.lastRow * width);
    // Another seed: the same names, another order.
    const std::string other = ClassicText(G("李"), c.sex, c.count, 4);
    EXPECT_NE(other, text);
    auto a = text::SplitCharacters(text), b = text::SplitCharacters(other);
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b);
  }
}

TEST(ClassicMode, NoFamilyNameAndUnknownSex) {
  const std::string text = ClassicText("", Sex::kFemale, 1, 5);
  EXPECT_EQ(text::SplitCharacters(text::RemoveSpaces(text)).size(), 294u + 18u * 4u);  // names and line breaks
  EXPECT_EQ(ClassicText(G("李"), Sex::kOther, 2, 5), "");
}

TEST(ClassicMode, RunReportsTheTextAndTouchesNoDatabase) {
  refdata::DatabaseClass closed;
  RunInput input;
  input.mode = Mode::kClassic;
  input.surname = G("李");
  input.seed = 9;
  RecordingObserver observer;
  const RunResult result = testing::Run(closed, input, observer);
  EXPECT_EQ(result.classicText, ClassicText(G("李"), Sex::kMale, 2, 9));
  EXPECT_TRUE(result.rows.empty());
  EXPECT_EQ(observer.finished, 1);
}

TEST(EnglishIndex, InitialMapping) {
  const std::pair<const char*, const char*> cases[] = {
      {"a", "i"}, {"c", "s"},  {"j", "g"},   {"k", "ch"},  {"o", "a"},   {"q", "ch"}, {"x", "sh"},
      {"y", "e"}, {"z", "th"}, {"zh", "zh"}, {"ch", "ch"}, {"sh", "sh"}, {"b", "b"},  {"", ""},
  };
  for (const auto& [initial, index] : cases) EXPECT_EQ(EnglishIndexOfInitial(initial), index) << initial;
}

class EnglishNames : public ::testing::Test {
 protected:
  EnglishNames()
      : data_([](FixtureDb& f) {
          // 家: 声母 J (upper case on purpose); 安: no 声母, 拼音1 an; 张: 声母 zh.
          f.Exec(
              "insert into HM_CNWord values "
              "(1,1,'家','家','家',10,10,'jia','jiā','J','ia','宀','木','pe','基本','详细')");
          f.Exec(
              "insert into HM_CNWord values (2,2,'安','安','安',6,6,'an','ān','','an','宀','土','pv','基本','详细')");
          f.Exec(
              "insert into HM_CNWord values "
              "(3,3,'张','张','张',7,11,'zhang','zhāng','zh','ang','弓','火','xt','基本','详细')");
          const char* rows[] = {
              "(1,'G','','Gary','4',1,'加里','','英语','强壮')",
              "(2,'G','','Grace','5',2,'格雷丝','','英语','优雅')",
              "(3,'X','g','George','6',1,'乔治','','英语','农夫')",  // EIndex2 wins over EIndex
              "(4,'G','','Gavin','5',1,'加文','','英语','白鹰')",
              "(5,'I','','Ivan','4',1,'伊万','','俄语','上帝仁慈')",
              "(6,'Zh','zh','Zhivago','7',1,'日瓦戈','','俄语','生命')",
              "(7,'zh','','Zoe','3',3,'佐伊','','希腊语','生命')",
          };
          for (const char* row : rows) f.Exec(std::string("insert into HM_EName values ") + row);
        }) {}

  std::vector<std::string> List(const char* given, EnglishStyle style) {
    RecordingObserver observer;
    RunControl control;
    std::vector<EnglishNameRow> rows;
    EXPECT_TRUE(ListEnglishNames(data_.db(), G(given), style, observer, control, rows));
    std::vector<std::string> out;
    for (const auto& row : rows)
      out.push_back(std::to_string(row.number) + " " + U(row.name) + " " + U(row.reading) + " " + U(row.meaning));
    messages_ = observer.messages;
    return out;
  }

  LoadedFixture data_;
  std::vector<std::string> messages_;
};

TEST_F(EnglishNames, RowsOfTheMappedIndexAndTheStyleInTableOrder) {
  // 家明: j → g; the key is compared byte for byte, so 'G' rows do not match 'g'.
  EXPECT_EQ(List("家明", EnglishStyle::kMale), std::vector<std::string>{"1 George 乔治 农夫"});
  EXPECT_EQ(List("安", EnglishStyle::kMale), std::vector<std::string>{});  // a → i, and 'I' is not 'i'
  EXPECT_EQ(List("张", EnglishStyle::kMale), std::vector<std::string>{"1 Zhivago 日瓦戈 生命"});
  EXPECT_EQ(List("张", EnglishStyle::kNeutral), std::vector<std::string>{"1 Zoe 佐伊 生命"});
  EXPECT_EQ(List("张", EnglishStyle::kNone), std::vector<std::string>{});
  EXPECT_EQ(List("龙", EnglishStyle::kMale), std::vector<std::string>{});  // not in HM_CNWord
}

TEST_F(EnglishNames, BlankGivenNameListsNothingAndSaysSo) {
  EXPECT_TRUE(List("   ", EnglishStyle::kMale).empty());
  EXPECT_EQ(messages_, std::vector<std::string>{"请输入名字"});
}

TEST(EnglishNamesMatching, LowerCaseKeysMatchEveryRowInOrder) {
  LoadedFixture data([](FixtureDb& f) {
    f.Exec("insert into HM_CNWord values (1,1,'家','家','家',10,10,'jia','jiā','j','ia','宀','木','pe','基本','详细')");
    for (int i = 1; i <= 4; ++i)
      f.Exec("insert into HM_EName values (" + std::to_string(i) + ",'g','','N" + std::to_string(i) + "','2'," +
             std::to_string(i % 2 + 1) + ",'读" + std::to_string(i) + "','','英语','义')");
  });
  RunInput input;
  input.mode = Mode::kEnglish;
  input.surname = G("李");
  input.englishGiven = G("家明");
  input.englishStyle = EnglishStyle::kMale;
  RecordingObserver observer;
  const RunResult result = testing::Run(data.db(), input, observer);
  ASSERT_EQ(result.englishRows.size(), 2u);
  EXPECT_EQ(result.englishRows[0].number, 1);
  EXPECT_EQ(result.englishRows[0].name, "N2");
  EXPECT_EQ(result.englishRows[1].number, 2);
  EXPECT_EQ(result.englishRows[1].name, "N4");
  EXPECT_EQ(observer.candidatesReady, 1);
}

}  // namespace
}  // namespace babyname::generation
