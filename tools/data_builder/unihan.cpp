#include "unihan.h"

#include <cctype>
#include <charconv>
#include <utility>

#include "bzip_lines.h"

namespace babyname::builder {
namespace {

// The Unihan fields the builder reads, and where each goes in an entry.
const std::unordered_map<std::string_view, std::string UnihanEntry::*>& Fields() {
  static const std::unordered_map<std::string_view, std::string UnihanEntry::*> fields = {
      {"kTotalStrokes", &UnihanEntry::totalStrokes},
      {"kRSKangXi", &UnihanEntry::rsKangXi},
      {"kRSUnicode", &UnihanEntry::rsUnicode},
      {"kTraditionalVariant", &UnihanEntry::traditional},
      {"kSimplifiedVariant", &UnihanEntry::simplified},
      {"kSemanticVariant", &UnihanEntry::semantic},
      {"kZVariant", &UnihanEntry::zVariant},
      {"kCompatibilityVariant", &UnihanEntry::compatibility},
      {"kMandarin", &UnihanEntry::mandarin},
      {"kTGHZ2013", &UnihanEntry::tghz},
      {"kXHC1983", &UnihanEntry::xhc},
      {"kHanyuPinyin", &UnihanEntry::hanyuPinyin},
      {"kDefinition", &UnihanEntry::definition},
  };
  return fields;
}

// The files that hold those fields (Unihan 15 layout).
constexpr const char* kFiles[] = {
    "Unihan_IRGSources.txt.bz2", "Unihan_RadicalStrokeCounts.txt.bz2", "Unihan_Variants.txt.bz2",
    "Unihan_Readings.txt.bz2", "Unihan_DictionaryLikeData.txt.bz2",
};

char32_t ParseHex(std::string_view hex) {
  unsigned value = 0;
  std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
  return value;
}

}  // namespace

Result<Unihan> Unihan::Load(const std::filesystem::path& folder) {
  Unihan unihan;
  unihan.entries_.reserve(100000);
  const auto& fields = Fields();
  for (const char* name : kFiles) {
    const std::filesystem::path file = folder / name;
    if (!std::filesystem::exists(file)) {
      // kRSKangXi sits in another file in some Unihan versions; a missing
      // optional file is fine as long as the strokes file is there.
      if (std::string_view(name) == "Unihan_IRGSources.txt.bz2") return Status::Error("missing " + file.string());
      continue;
    }
    Status status = ReadBzip2Lines(file, [&](std::string_view line) {
      if (line.size() < 3 || line[0] != 'U') return;
      const size_t tab1 = line.find('\t');
      const size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
      if (tab2 == std::string_view::npos) return;
      const auto field = fields.find(line.substr(tab1 + 1, tab2 - tab1 - 1));
      if (field == fields.end()) return;
      const char32_t cp = ParseHex(line.substr(2, tab1 - 2));
      unihan.entries_[cp].*(field->second) = std::string(line.substr(tab2 + 1));
    });
    if (!status.ok()) return status;
  }
  return unihan;
}

const UnihanEntry* Unihan::Find(char32_t codePoint) const {
  const auto it = entries_.find(codePoint);
  return it == entries_.end() ? nullptr : &it->second;
}

std::vector<char32_t> ParseCodePoints(std::string_view field) {
  std::vector<char32_t> out;
  size_t i = 0;
  while ((i = field.find("U+", i)) != std::string_view::npos) {
    size_t end = i + 2;
    while (end < field.size() && std::isxdigit(static_cast<unsigned char>(field[end]))) ++end;
    out.push_back(ParseHex(field.substr(i + 2, end - i - 2)));
    i = end;
  }
  return out;
}

RadicalStroke ParseRadicalStroke(std::string_view field) {
  RadicalStroke rs;
  const size_t space = field.find(' ');
  if (space != std::string_view::npos) field = field.substr(0, space);
  const size_t dot = field.find('.');
  if (dot == std::string_view::npos) return rs;
  std::string_view radical = field.substr(0, dot);
  // Simplified radicals carry one apostrophe (older data) or more.
  while (!radical.empty() && radical.back() == '\'') {
    rs.simplifiedRadical = true;
    radical.remove_suffix(1);
  }
  std::from_chars(radical.data(), radical.data() + radical.size(), rs.radical);
  const std::string_view residual = field.substr(dot + 1);
  std::from_chars(residual.data(), residual.data() + residual.size(), rs.residual);
  return rs;
}

int ParseTotalStrokes(std::string_view field) {
  int value = 0;
  std::from_chars(field.data(), field.data() + field.size(), value);
  return value;
}

}  // namespace babyname::builder
