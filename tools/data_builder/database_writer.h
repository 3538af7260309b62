// Writes the nine tables into a new namedata.db with the program's own table
// definitions, so that the file and the program share one layout.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/status.h"
#include "content_tables.h"

namespace babyname::builder {

// `tables` holds the rows of each table in the order of ReferenceTables();
// texts are UTF-8 with a GBK form. Writes to a temporary file beside `out`
// and moves it into place only when every row is in, so a failed build never
// leaves half a database behind.
Status WriteDatabase(const std::filesystem::path& out, const std::vector<std::vector<Row>>& tables);

}  // namespace babyname::builder
