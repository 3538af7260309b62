// Tests write Chinese literals in UTF-8 source; G() turns them into the GBK
// texts the core works with, U() turns core output back for messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace babyname::testing {

std::string G(std::string_view utf8);
std::string U(std::string_view gbk);
std::vector<std::string> G(const std::vector<std::string>& utf8);

}  // namespace babyname::testing
