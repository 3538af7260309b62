#include "support/gbk_literal.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace babyname::testing {

std::string G(std::string_view utf8) {
  auto gbk = text::Utf8ToGbk(utf8);
  EXPECT_TRUE(gbk.has_value()) << "test literal has no GBK form: " << utf8;
  return gbk.value_or(std::string());
}

std::string U(std::string_view gbk) { return text::GbkToUtf8(gbk).value_or("<not GBK>"); }

std::vector<std::string> G(const std::vector<std::string>& utf8) {
  std::vector<std::string> out;
  for (const auto& s : utf8) out.push_back(G(s));
  return out;
}

}  // namespace babyname::testing
