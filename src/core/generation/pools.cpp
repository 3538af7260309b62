#include "generation/pools.h"

#include "text/gbk.h"

namespace babyname::generation {

namespace embedded {
// Defined in the source file that the build writes from content/ (UTF-8).
extern const char kBoysPool[];
extern const char kGirlsPool[];
extern const char kClassicBoysOnePool[];
extern const char kClassicGirlsOnePool[];
extern const char kClassicBoysTwoList[];
extern const char kClassicGirlsTwoList[];
}  // namespace embedded

namespace {

// The content files are checked to be GBK-encodable by the tests; a text that
// is not would come out empty here rather than half converted.
std::string ToGbk(const char* utf8) { return text::Utf8ToGbkOrEmpty(utf8); }

}  // namespace

const std::string& BoysPool() {
  static const std::string pool = ToGbk(embedded::kBoysPool);
  return pool;
}

const std::string& GirlsPool() {
  static const std::string pool = ToGbk(embedded::kGirlsPool);
  return pool;
}

const std::string& NicknamePool() {
  static const std::string pool = BoysPool() + GirlsPool();
  return pool;
}

const std::string& ClassicBoysOnePool() {
  static const std::string pool = ToGbk(embedded::kClassicBoysOnePool);
  return pool;
}

const std::string& ClassicGirlsOnePool() {
  static const std::string pool = ToGbk(embedded::kClassicGirlsOnePool);
  return pool;
}

const std::string& ClassicBoysTwoList() {
  static const std::string list = ToGbk(embedded::kClassicBoysTwoList);
  return list;
}

const std::string& ClassicGirlsTwoList() {
  static const std::string list = ToGbk(embedded::kClassicGirlsTwoList);
  return list;
}

std::vector<std::string> SplitNameList(std::string_view list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start < list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string_view::npos) comma = list.size();
    names.emplace_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return names;
}

}  // namespace babyname::generation
