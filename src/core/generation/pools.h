// The built-in name pools of the generators. They are part of the program, not
// of the reference database: the texts live under content/ and are compiled in.
// Every text is GBK; the order of the entries is the stored order.
// Safe to call from any thread (each text is converted once, on first use).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace babyname::generation {

// One text of characters without separators.
const std::string& BoysPool();             // 1854 characters, no repeats
const std::string& GirlsPool();            // 973 characters, no repeats
const std::string& NicknamePool();         // the boys' pool followed by the girls' pool
const std::string& ClassicBoysOnePool();   // 841 characters, pinyin order
const std::string& ClassicGirlsOnePool();  // 294 characters, pinyin order

// Two-character given names, each followed by "," (the text ends with ",").
// Some names occur more than once and are kept as often as they occur.
const std::string& ClassicBoysTwoList();   // 2910 names
const std::string& ClassicGirlsTwoList();  // 2134 names

// Splits a name list at ","; the empty piece after the closing comma is not a name.
std::vector<std::string> SplitNameList(std::string_view list);

}  // namespace babyname::generation
