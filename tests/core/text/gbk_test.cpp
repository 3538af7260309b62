#include "text/gbk.h"

#include <gtest/gtest.h>

namespace babyname::text {
namespace {

TEST(Gbk, RoundTripsChineseAndAscii) {
  for (std::string_view s : {"张三丰", "欧阳", "abc 123", "", "《诗经》，。！", "€"}) {
    auto gbk = Utf8ToGbk(s);
    ASSERT_TRUE(gbk.has_value()) << s;
    EXPECT_EQ(GbkToUtf8(*gbk).value_or("?"), s);
  }
  EXPECT_EQ(Utf8ToGbk("张").value(), "\xD5\xC5");
  EXPECT_EQ(Utf8ToGbk("€").value(), "\x80");  // GBK, not GB18030 (which has A2E3)
}

TEST(Gbk, CharactersWithoutGbkFormAreRefused) {
  for (std::string_view s : {"\u00A0", "\u2022", "\u30FB", "\u301C", "한", "😀", "\U00020000", "a한b"}) {
    EXPECT_FALSE(Utf8ToGbk(s).has_value()) << s;
    EXPECT_FALSE(IsGbkEncodable(s)) << s;
    EXPECT_EQ(Utf8ToGbkOrEmpty(s), "") << s;
  }
}

TEST(Gbk, UserInputThatCannotBeRepresentedIsReportedNotEmptied) {
  auto ok = UserTextToGbk("李");
  ASSERT_TRUE(ok.ok());
  EXPECT_EQ(ok.value(), "\xC0\xEE");

  auto bad = UserTextToGbk("李😀");
  ASSERT_FALSE(bad.ok());
  const std::string message = GbkToUtf8(bad.status().message()).value_or("");
  EXPECT_NE(message.find("无法用GBK表示"), std::string::npos) << message;
  EXPECT_NE(message.find("U+1F600"), std::string::npos) << message;
}

TEST(Gbk, InvalidGbkBytesDoNotConvert) {
  EXPECT_FALSE(GbkToUtf8("\xD5").has_value());  // lone lead byte
  EXPECT_EQ(GbkToUtf8OrEmpty("\xD5"), "");
}

}  // namespace
}  // namespace babyname::text
