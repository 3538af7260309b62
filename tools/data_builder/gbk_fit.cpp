#include "gbk_fit.h"

#include <algorithm>

#include "text/gbk.h"
#include "utf8.h"

namespace babyname::builder {

GbkCatalog::GbkCatalog() {
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const auto utf8 = text::GbkToUtf8(std::string_view(bytes, 2));
      if (!utf8) continue;
      const char32_t cp = SingleCodePoint(*utf8);
      if (cp == 0 || cp == 0xFFFD) continue;
      const auto code = static_cast<uint16_t>(lead * 256 + trail);
      if (codes_.emplace(cp, code).second) inCodeOrder_.emplace_back(code, cp);
    }
  }
}

uint16_t GbkCatalog::CodeOf(char32_t codePoint) const {
  const auto it = codes_.find(codePoint);
  return it == codes_.end() ? 0 : it->second;
}

std::vector<char32_t> GbkCatalog::Ideographs() const {
  std::vector<char32_t> out;
  for (const auto& [code, cp] : inCodeOrder_) {
    if (IsHanCodePoint(cp)) out.push_back(cp);
  }
  return out;
}

char32_t GbkFitter::Replacement(char32_t cp) const {
  if (const UnihanEntry* entry = unihan_.Find(cp)) {
    for (const std::string* field : {&entry->simplified, &entry->zVariant, &entry->compatibility, &entry->semantic,
                                     &entry->traditional}) {
      for (char32_t variant : ParseCodePoints(*field)) {
        if (variant != cp && catalog_.Has(variant)) return variant;
      }
    }
  }
  return U'\u25A1';  // □
}

std::string GbkFitter::Fit(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t cp : DecodeUtf8(utf8)) {
    if (catalog_.Has(cp)) {
      out += EncodeUtf8(cp);
      continue;
    }
    auto it = replaced_.find(cp);
    if (it == replaced_.end()) it = replaced_.emplace(cp, std::make_pair(Replacement(cp), 0L)).first;
    ++it->second.second;
    out += EncodeUtf8(it->second.first);
  }
  return out;
}

long GbkFitter::total() const {
  long sum = 0;
  for (const auto& [cp, r] : replaced_) sum += r.second;
  return sum;
}

void GbkFitter::Report(std::ostream& out) const {
  std::vector<std::pair<char32_t, std::pair<char32_t, long>>> rows(replaced_.begin(), replaced_.end());
  std::stable_sort(rows.begin(), rows.end(),
                   [](const auto& a, const auto& b) { return a.second.second > b.second.second; });
  int column = 0;
  for (const auto& [from, to] : rows) {
    out << EncodeUtf8(from) << "→" << EncodeUtf8(to.first) << ' ' << to.second << (++column % 10 ? "  " : "\n");
  }
  if (column % 10) out << '\n';
}

}  // namespace babyname::builder
