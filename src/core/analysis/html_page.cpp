#include "analysis/html_page.h"

#include <fstream>

#include "text/gbk.h"

namespace babyname::analysis {

std::string EscapeHtml(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size());
  for (char c : gbk) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      case '{': out += "&#123;"; break;
      case '}': out += "&#125;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

std::filesystem::path ReportFile(const std::filesystem::path& folder) { return folder / "temp.html"; }

std::filesystem::path CharacterPageFile(const std::filesystem::path& folder, int page) {
  return folder / ("temp" + std::to_string(page) + ".html");
}

std::filesystem::path SurnamePageFile(const std::filesystem::path& folder) { return folder / "temp5.html"; }

Status WriteGbkFile(const std::filesystem::path& file, std::string_view gbk) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (out) out.write(gbk.data(), static_cast<std::streamsize>(gbk.size()));
  if (out) out.close();
  if (!out) {
    static const std::string prefix = text::Gbk("无法写入文件：");
    return Status::Error(prefix + text::Utf8ToGbkOrEmpty(file.string()));
  }
  return Status::Ok();
}

std::string GbkCrLf(std::string_view utf8Lf) {
  const std::string gbk = text::Gbk(utf8Lf);
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 16);
  for (char c : gbk) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

}  // namespace babyname::analysis
