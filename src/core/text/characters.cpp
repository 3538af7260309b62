#include "text/characters.h"

namespace babyname::text {
namespace {

// The split rule: a byte above 122 starts a two-byte character.
bool StartsTwoByteCharacter(unsigned char byte) { return byte > 122; }

// The GBK rule proper (lead bytes 0x81..0xFE), used for searching and
// replacing so that ASCII braces and bars in templates stay one byte wide.
size_t GbkCharacterLength(std::string_view s, size_t i) {
  const auto byte = static_cast<unsigned char>(s[i]);
  return (byte >= 0x81 && byte <= 0xFE && i + 1 < s.size()) ? 2 : 1;
}

}  // namespace

std::string RemoveSpaces(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size());
  for (char c : gbk)
    if (c != ' ') out.push_back(c);
  return out;
}

bool IsBlank(std::string_view gbk) { return gbk.find_first_not_of(' ') == std::string_view::npos; }

std::vector<std::string> SplitCharacters(std::string_view gbk) {
  std::vector<std::string> out;
  if (IsBlank(gbk)) return out;
  for (size_t i = 0; i < gbk.size();) {
    size_t len = StartsTwoByteCharacter(static_cast<unsigned char>(gbk[i])) ? 2 : 1;
    if (i + len > gbk.size()) len = gbk.size() - i;  // dangling lead byte at the end
    out.emplace_back(gbk.substr(i, len));
    i += len;
  }
  return out;
}

std::string KeepHanzi(std::string_view gbk) {
  const std::string s = RemoveSpaces(gbk);
  std::string out;
  for (size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 128) {
      ++i;
      continue;
    }
    if (i + 1 >= s.size()) break;  // a lone lead byte at the end is not a hanzi
    const auto trail = static_cast<unsigned char>(s[i + 1]);
    if (lead >= 0xB0 && lead <= 0xF7 && trail > 0xA0 && trail != 0xFF) {
      out.push_back(s[i]);
      out.push_back(s[i + 1]);
    }
    i += 2;
  }
  return out;
}

size_t FindOnBoundary(std::string_view haystack, std::string_view needle, size_t from) {
  if (needle.empty()) return from <= haystack.size() ? from : std::string_view::npos;
  for (size_t i = 0; i < haystack.size();) {
    if (i >= from && haystack.compare(i, needle.size(), needle) == 0) return i;
    i += GbkCharacterLength(haystack, i);
  }
  return std::string_view::npos;
}

std::string ReplaceAll(std::string_view gbk, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(gbk);
  std::string out;
  out.reserve(gbk.size());
  size_t i = 0;
  while (i < gbk.size()) {
    if (gbk.compare(i, from.size(), from) == 0) {
      out.append(to);
      i += from.size();
      continue;
    }
    const size_t len = GbkCharacterLength(gbk, i);
    out.append(gbk.substr(i, len));
    i += len;
  }
  return out;
}

}  // namespace babyname::text
