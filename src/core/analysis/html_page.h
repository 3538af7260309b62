// What every page the program writes shares: the one escaping function for
// text a user typed, the file names inside the output folder and the GBK file
// write.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/status.h"

namespace babyname::analysis {

// Escapes a user-typed GBK text for HTML: & < > " ' and the placeholder braces
// { } become character references, so typed text can neither add markup nor
// be taken for a placeholder by a later replacement. None of these bytes
// occurs inside a GBK two-byte character, so the walk is bytewise. Texts from
// the reference data are HTML by design and are never passed through here.
std::string EscapeHtml(std::string_view gbk);

// The files of the name detail pages inside an output folder: the name report
// (temp.html), the character page of position n (temp<n>.html) and the
// family-name page (temp5.html). Every write replaces the file.
std::filesystem::path ReportFile(const std::filesystem::path& folder);
std::filesystem::path CharacterPageFile(const std::filesystem::path& folder, int page);
std::filesystem::path SurnamePageFile(const std::filesystem::path& folder);

// Writes `gbk` to `file` as it is (no byte-order mark), replacing the file.
// On failure the Status carries "无法写入文件：" and the path.
Status WriteGbkFile(const std::filesystem::path& file, std::string_view gbk);

// Turns a template written in UTF-8 with LF lines into the GBK text with CR LF
// lines that pages are made from.
std::string GbkCrLf(std::string_view utf8Lf);

}  // namespace babyname::analysis
