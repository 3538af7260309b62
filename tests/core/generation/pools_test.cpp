#include "generation/pools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "support/gbk_literal.h"
#include "text/characters.h"

namespace babyname::generation {
namespace {

using testing::G;

bool IsTwoByteCharacter(const std::string& c) {
  return c.size() == 2 && static_cast<unsigned char>(c[0]) >= 0x81 && static_cast<unsigned char>(c[1]) >= 0x40;
}

std::set<std::string> Distinct(const std::vector<std::string>& v) { return {v.begin(), v.end()}; }

TEST(Pools, CharacterPoolsHoldTheirCountsWithoutRepeats) {
  struct Case {
    const char* name;
    const std::string& text;
    size_t count;
  } cases[] = {
      {"boys", BoysPool(), 1854},
      {"girls", GirlsPool(), 973},
      {"classic boys one", ClassicBoysOnePool(), 841},
      {"classic girls one", ClassicGirlsOnePool(), 294},
  };
  for (const Case& c : cases) {
    const auto characters = text::SplitCharacters(c.text);
    EXPECT_EQ(characters.size(), c.count) << c.name;
    EXPECT_EQ(Distinct(characters).size(), c.count) << c.name;
    // Every entry is one two-byte GBK character, so splitting never goes astray.
    EXPECT_TRUE(std::all_of(characters.begin(), characters.end(), IsTwoByteCharacter)) << c.name;
  }
}

TEST(Pools, NicknamePoolIsBoysThenGirlsWith703Shared) {
  EXPECT_EQ(NicknamePool(), BoysPool() + GirlsPool());
  const auto characters = text::SplitCharacters(NicknamePool());
  EXPECT_EQ(characters.size(), 2827u);
  const auto boys = Distinct(text::SplitCharacters(BoysPool()));
  size_t shared = 0;
  for (const auto& c : text::SplitCharacters(GirlsPool())) shared += boys.count(c);
  EXPECT_EQ(shared, 703u);
  // The characters of the nickname patterns are pool characters themselves.
  for (const char* literal : {"小", "儿", "阿"}) EXPECT_TRUE(text::OccursIn(G(literal), NicknamePool())) << literal;
}

TEST(Pools, TwoCharacterListsSplitIntoTheirNames) {
  struct Case {
    const char* name;
    const std::string& list;
    size_t count;
    size_t distinct;
    const char* first;
    const char* last;
  } cases[] = {
      {"boys", ClassicBoysTwoList(), 2910, 2878, "博涛", "翰波"},
      {"girls", ClassicGirlsTwoList(), 2134, 2091, "梦璐", "晓梅"},
  };
  for (const Case& c : cases) {
    ASSERT_FALSE(c.list.empty()) << c.name;
    EXPECT_EQ(c.list.back(), ',') << c.name;
    const auto names = SplitNameList(c.list);
    EXPECT_EQ(names.size(), c.count) << c.name;
    EXPECT_EQ(Distinct(names).size(), c.distinct) << c.name;
    EXPECT_EQ(names.front(), G(c.first)) << c.name;
    EXPECT_EQ(names.back(), G(c.last)) << c.name;
    for (const auto& name : names) {
      const auto characters = text::SplitCharacters(name);
      EXPECT_EQ(characters.size(), 2u) << c.name << ": " << testing::U(name);
      EXPECT_TRUE(std::all_of(characters.begin(), characters.end(), IsTwoByteCharacter)) << testing::U(name);
    }
  }
  const auto girls = SplitNameList(ClassicGirlsTwoList());
  EXPECT_EQ(std::count(girls.begin(), girls.end(), G("晓兰")), 3);
  std::map<std::string, int> repeats;
  for (const auto& name : girls) ++repeats[name];
  EXPECT_EQ(std::count_if(repeats.begin(), repeats.end(), [](const auto& p) { return p.second > 1; }), 42);
}

TEST(Pools, SplitNameListKeepsRepeatsAndDropsOnlyTheClosingPiece) {
  EXPECT_EQ(SplitNameList(G("博涛,鑫磊,博涛,")), G(std::vector<std::string>{"博涛", "鑫磊", "博涛"}));
  EXPECT_TRUE(SplitNameList("").empty());
  EXPECT_EQ(SplitNameList(G("博涛")), G(std::vector<std::string>{"博涛"}));
}

}  // namespace
}  // namespace babyname::generation
