// Line-by-line reading of a bzip2-compressed text file.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "base/status.h"

namespace babyname::builder {

// Calls `onLine` for every line (without its line break). Fails with a message
// when the file cannot be opened or is not a valid bzip2 stream.
Status ReadBzip2Lines(const std::filesystem::path& file, const std::function<void(std::string_view)>& onLine);

}  // namespace babyname::builder
