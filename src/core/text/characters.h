// Character walks over GBK texts. Every place in the core that looks at a GBK
// text character by character goes through these functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace babyname::text {

// Splits a GBK text into characters. A text that is empty once its spaces are
// removed gives the empty list. Otherwise the text, spaces included, is walked
// from the start: a byte above 122 (123..255, not 127) starts a two-byte
// character, any other byte is a one-byte character. A lead byte that is the
// last byte of the text is kept as a one-byte character; nothing is read past
// the end.
std::vector<std::string> SplitCharacters(std::string_view gbk);

// Keeps only the hanzi of GB2312 (first byte 0xB0..0xF7, second byte
// 0xA1..0xFE), in order, repeats kept. Spaces are removed first; in the walk a
// byte of 128 or more starts a two-byte character.
std::string KeepHanzi(std::string_view gbk);

// Byte offset of the first occurrence of `needle` in `haystack` that starts on
// a character boundary, or npos. Boundaries follow GBK proper (a byte of
// 0x81..0xFE leads a two-byte character), so ASCII such as '{' or '|' is one
// character here even though SplitCharacters pairs it with the next byte.
// An empty needle is found at 0.
size_t FindOnBoundary(std::string_view haystack, std::string_view needle, size_t from = 0);

// Whether `needle` occurs in `haystack`, matching on character boundaries.
inline bool OccursIn(std::string_view needle, std::string_view haystack) {
  return FindOnBoundary(haystack, needle) != std::string_view::npos;
}

// Replaces every occurrence of `from` (matched on character boundaries, left to
// right, never inside a replacement) by `to`. An empty `from` changes nothing.
std::string ReplaceAll(std::string_view gbk, std::string_view from, std::string_view to);

// Removes every ASCII space.
std::string RemoveSpaces(std::string_view gbk);

// True when the text holds nothing but ASCII spaces (or nothing at all).
bool IsBlank(std::string_view gbk);

}  // namespace babyname::text
