// The dictionary page of one character (from HM_CNWord) and the origin page
// of a family name (from HM_百家姓), made from their fixed templates.
// Run on the window thread through the shared connection.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/status.h"
#include "refdata/database.h"

namespace babyname::analysis {

// The character page of `character` (GBK, as passed in; HTML-escaped on the
// page). A character without a row gives a page with the character and every
// other field empty.
std::string RenderCharacterPage(refdata::DatabaseClass& db, std::string_view character);
// Writes it to CharacterPageFile(outputFolder, page) (temp<page>.html; the
// detail window uses 1 to 4), replacing the file.
Status WriteCharacterPage(refdata::DatabaseClass& db, std::string_view character, int page,
                          const std::filesystem::path& outputFolder);

// The page of a family name, looked up whole (欧阳 is one key). A family name
// without a row gives a page with the name and three empty sections.
std::string RenderSurnamePage(refdata::DatabaseClass& db, std::string_view family);
// Writes it to SurnamePageFile(outputFolder) (temp5.html), replacing the file.
Status WriteSurnamePage(refdata::DatabaseClass& db, std::string_view family,
                        const std::filesystem::path& outputFolder);

}  // namespace babyname::analysis
