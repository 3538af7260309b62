#include "bzip_lines.h"

#include <bzlib.h>

#include <cstdio>
#include <memory>
#include <string>

namespace babyname::builder {

Status ReadBzip2Lines(const std::filesystem::path& file, const std::function<void(std::string_view)>& onLine) {
  std::unique_ptr<FILE, int (*)(FILE*)> raw(std::fopen(file.c_str(), "rb"), &std::fclose);
  if (!raw) return Status::Error("cannot open " + file.string());
  int error = BZ_OK;
  BZFILE* bz = BZ2_bzReadOpen(&error, raw.get(), 0, 0, nullptr, 0);
  if (error != BZ_OK) return Status::Error("not a bzip2 file: " + file.string());

  std::string pending;
  char buffer[1 << 16];
  while (error == BZ_OK) {
    const int n = BZ2_bzRead(&error, bz, buffer, sizeof buffer);
    if (error != BZ_OK && error != BZ_STREAM_END) break;
    pending.append(buffer, static_cast<size_t>(n));
    size_t start = 0;
    for (size_t nl = pending.find('\n'); nl != std::string::npos; nl = pending.find('\n', start)) {
      std::string_view line(pending.data() + start, nl - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      onLine(line);
      start = nl + 1;
    }
    pending.erase(0, start);
  }
  const bool ok = error == BZ_STREAM_END;
  BZ2_bzReadClose(&error, bz);
  if (!ok) return Status::Error("damaged bzip2 file: " + file.string());
  if (!pending.empty()) onLine(pending);
  return Status::Ok();
}

}  // namespace babyname::builder
