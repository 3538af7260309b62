// Conversion between the program's GBK texts and UTF-8.
//
// Every text inside the core is a GBK byte string (std::string). UTF-8 exists
// only at the edges: the SQLite boundary, the command line and the windows.
// Conversions use iconv's "GBK" in both directions (not GB18030: the two differ,
// e.g. for the euro sign). Safe to call from any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/status.h"

namespace babyname::text {

// Exact conversions: nullopt when any part of the input has no form in the
// target encoding (for GBK: U+00A0, the bullet, Korean, emoji, rare CJK
// extension characters ...) or is not valid in the source encoding.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);
std::optional<std::string> GbkToUtf8(std::string_view gbk);

// For input a user typed: the GBK text, or an error naming the first character
// that cannot be represented ("无法用GBK表示的字符：X"), so the caller can say so
// instead of losing the input.
Result<std::string> UserTextToGbk(std::string_view utf8);

// The database boundary: a failed conversion yields the empty text.
std::string Utf8ToGbkOrEmpty(std::string_view utf8);
std::string GbkToUtf8OrEmpty(std::string_view gbk);

// Whether every character of a UTF-8 text has a GBK form.
bool IsGbkEncodable(std::string_view utf8);

}  // namespace babyname::text

namespace babyname::text {

// A GBK text from a UTF-8 literal in the program's own source. The literal must
// be GBK-encodable (the program's fixed texts all are); otherwise the result is
// empty. Callers on hot paths keep the result in a static.
std::string Gbk(std::string_view utf8Literal);

}  // namespace babyname::text
