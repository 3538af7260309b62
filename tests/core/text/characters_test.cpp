#include "text/characters.h"

#include <gtest/gtest.h>

#include "support/gbk_literal.h"

namespace babyname::text {
namespace {

using babyname::testing::G;

TEST(SplitCharacters, KnownSplits) {
  struct Case {
    std::string input;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {G("欧阳"), {G("欧"), G("阳")}},
      {G("张 三"), {G("张"), " ", G("三")}},
      {"   ", {}},
      {"", {}},
      {"Li", {"L", "i"}},
      // Bytes 123..126 ({ | } ~) start a two-byte character and take the next byte along.
      {"{a", {"{a"}},
      {"|b}c~d", {"|b", "}c", "~d"}},
      {"z{", {"z", "{"}},  // a lead byte at the very end stays a one-byte character
      {G("张") + "\xD5", {G("张"), "\xD5"}},
      {" " + G("李"), {" ", G("李")}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCharacters(c.input), c.expected) << c.input;
}

TEST(KeepHanzi, KeepsOnlyGb2312Hanzi) {
  struct Case {
    std::string input;
    std::string expected;
  };
  const Case cases[] = {
      {G("圣 诚a，杰"), G("圣诚杰")},
      {G("明明"), G("明明")},
      {G("１２３ＡＢＣ"), ""},       // full-width forms lie outside the hanzi area
      {G("张") + "\xD5", G("张")},  // dangling lead byte dropped
      {G("丂"), ""},               // GBK extension character, not GB2312
      {"abc", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(KeepHanzi(c.input), c.expected) << c.input;
}

TEST(FindOnBoundary, MatchesOnlyAtCharacterStarts) {
  // 啊 is B0 A1, so 啊啊 holds the pair A1 B0 straddling its two characters.
  const std::string twice = G("啊啊");
  EXPECT_EQ(twice.find("\xA1\xB0"), 1u);
  EXPECT_EQ(FindOnBoundary(twice, "\xA1\xB0"), std::string::npos);
  EXPECT_EQ(FindOnBoundary(G("张三丰"), G("三")), 2u);
  EXPECT_TRUE(OccursIn(G("金"), G("金木水")));
  EXPECT_FALSE(OccursIn(G("火"), G("金木水")));
  EXPECT_TRUE(OccursIn("", G("金")));
  EXPECT_EQ(FindOnBoundary("{x}{x}", "{x}", 1), 3u);
}

TEST(ReplaceAll, ReplacesEveryOccurrenceLeftToRight) {
  EXPECT_EQ(ReplaceAll("{a}-{a}", "{a}", "1"), "1-1");
  EXPECT_EQ(ReplaceAll(G("<b>{汉字}</b>{汉字}"), G("{汉字}"), G("张")), G("<b>张</b>张"));
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");  // never inside a replacement
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll(G("啊啊"), "\xA1\xB0", "X"), G("啊啊"));  // no match across characters
}

}  // namespace
}  // namespace babyname::text
