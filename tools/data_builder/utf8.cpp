#include "utf8.h"

#include <cstdio>

namespace babyname::builder {

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    int length = 0;
    char32_t cp = 0;
    if (b < 0x80) { length = 1; cp = b; }
    else if ((b & 0xE0) == 0xC0) { length = 2; cp = b & 0x1F; }
    else if ((b & 0xF0) == 0xE0) { length = 3; cp = b & 0x0F; }
    else if ((b & 0xF8) == 0xF0) { length = 4; cp = b & 0x07; }
    bool valid = length > 0 && i + length <= s.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    out.push_back(cp);
    i += length;
  }
  return out;
}

std::string EncodeUtf8(char32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  for (char32_t cp : text) out += EncodeUtf8(cp);
  return out;
}

std::vector<std::string> Utf8Characters(std::string_view utf8) {
  std::vector<std::string> out;
  for (char32_t cp : DecodeUtf8(utf8)) out.push_back(EncodeUtf8(cp));
  return out;
}

char32_t SingleCodePoint(std::string_view utf8) {
  const std::u32string cps = DecodeUtf8(utf8);
  return cps.size() == 1 ? cps[0] : 0;
}

std::string CodePointLabel(char32_t cp) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
  return buffer;
}

bool IsHanCodePoint(char32_t cp) {
  return (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
         (cp >= 0x20000 && cp <= 0x3FFFF) || cp == 0x3007;
}

}  // namespace babyname::builder
