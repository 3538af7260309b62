// UTF-8 walks for the builder, which reads and writes UTF-8 and converts to
// GBK only when it stores a row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace babyname::builder {

// The code points of a UTF-8 text; an invalid byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(char32_t codePoint);
std::string EncodeUtf8(std::u32string_view text);

// The characters of a UTF-8 text, each as its own UTF-8 string.
std::vector<std::string> Utf8Characters(std::string_view utf8);

// The one code point of a single-character text, or 0 when the text is not
// exactly one character.
char32_t SingleCodePoint(std::string_view utf8);

// "U+5F20"
std::string CodePointLabel(char32_t codePoint);

bool IsHanCodePoint(char32_t codePoint);

}  // namespace babyname::builder
