#include "char_table.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <unordered_map>

#include "utf8.h"

namespace babyname::builder {
namespace {

// Readings after the "page.position:" prefixes of kXHC1983 / kTGHZ2013 /
// kHanyuPinyin: "1187.040:wáng 1190.010:wàng" -> wáng, wàng.
void AddIndexedReadings(const std::string& field, std::vector<std::string>& out) {
  for (const std::string& item : Split(field, ' ')) {
    const size_t colon = item.find(':');
    if (colon == std::string::npos) continue;
    for (const std::string& reading : Split(item.substr(colon + 1), ',')) {
      if (!reading.empty() && std::find(out.begin(), out.end(), reading) == out.end()) out.push_back(reading);
    }
  }
}

// Simplified radical glyphs from CJKRadicals.txt: "167'" -> 钅.
std::map<int, std::string> SimplifiedRadicalGlyphs(const std::filesystem::path& unicodeFolder) {
  std::map<int, std::string> glyphs;
  std::ifstream in(unicodeFolder / "CJKRadicals.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> parts = Split(line, ';');
    if (parts.size() < 3 || parts[0].find('\'') == std::string::npos) continue;
    int number = 0;
    std::from_chars(parts[0].data(), parts[0].data() + parts[0].size(), number);
    std::string hex = parts[2];
    hex.erase(std::remove(hex.begin(), hex.end(), ' '), hex.end());
    unsigned cp = 0;
    std::from_chars(hex.data(), hex.data() + hex.size(), cp, 16);
    if (number > 0 && cp > 0) glyphs.emplace(number, EncodeUtf8(cp));
  }
  return glyphs;
}

// The full five-stroke code of each single character of a Rime wubi86
// dictionary: the longest code listed for it (the first of equal length).
std::unordered_map<std::string, std::string> LoadWubi(const std::filesystem::path& file, Problems& problems) {
  std::unordered_map<std::string, std::string> codes;
  std::ifstream in(file);
  if (!in) {
    problems.Warning(file.string(), "missing, 五笔 stays empty (install rime-data-wubi)");
    return codes;
  }
  std::string line;
  bool body = false;
  while (std::getline(in, line)) {
    if (!body) {
      body = line == "...";
      continue;
    }
    const std::vector<std::string> parts = Split(line, '\t');
    if (parts.size() < 2 || SingleCodePoint(parts[0]) == 0) continue;
    std::string& code = codes[parts[0]];
    if (parts[1].size() > code.size() && parts[1].size() <= 4) code = parts[1];
  }
  return codes;
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : separator) + p;
  return out;
}

}  // namespace

std::vector<std::string> Readings(const UnihanEntry& entry) {
  // kMandarin gives the customary reading first, unless the 2013 standard
  // table knows other readings only (罗: kMandarin luō, the table luó).
  std::vector<std::string> standard;
  AddIndexedReadings(entry.tghz, standard);
  std::vector<std::string> out;
  for (const std::string& r : Split(entry.mandarin, ' ')) {
    if (r.empty() || std::find(out.begin(), out.end(), r) != out.end()) continue;
    if (standard.empty() || std::find(standard.begin(), standard.end(), r) != standard.end()) out.push_back(r);
  }
  AddIndexedReadings(entry.tghz, out);
  AddIndexedReadings(entry.xhc, out);
  if (out.empty()) AddIndexedReadings(entry.hanyuPinyin, out);
  return out;
}

std::string WithoutTones(const std::string& reading) {
  static const std::unordered_map<char32_t, char> plain = {
      {U'ā', 'a'}, {U'á', 'a'}, {U'ǎ', 'a'}, {U'à', 'a'}, {U'ē', 'e'}, {U'é', 'e'}, {U'ě', 'e'}, {U'è', 'e'},
      {U'ê', 'e'}, {U'ī', 'i'}, {U'í', 'i'}, {U'ǐ', 'i'}, {U'ì', 'i'}, {U'ō', 'o'}, {U'ó', 'o'}, {U'ǒ', 'o'},
      {U'ò', 'o'}, {U'ū', 'u'}, {U'ú', 'u'}, {U'ǔ', 'u'}, {U'ù', 'u'}, {U'ǖ', 'v'}, {U'ǘ', 'v'}, {U'ǚ', 'v'},
      {U'ǜ', 'v'}, {U'ü', 'v'}, {U'ḿ', 'm'}, {U'ń', 'n'}, {U'ň', 'n'}, {U'ǹ', 'n'},
  };
  std::string out;
  for (char32_t cp : DecodeUtf8(reading)) {
    if (cp < 0x80) {
      if (cp >= 'a' && cp <= 'z') out += static_cast<char>(cp);
      else if (cp >= 'A' && cp <= 'Z') out += static_cast<char>(cp - 'A' + 'a');
    } else if (const auto it = plain.find(cp); it != plain.end()) {
      out += it->second;
    }
  }
  return out;
}

std::string InitialOf(const std::string& toneless) {
  for (const char* two : {"zh", "ch", "sh"}) {
    if (toneless.rfind(two, 0) == 0) return two;
  }
  if (toneless.empty()) return {};
  // y and w count as initials: the English-name mode maps them like the others.
  static const std::string singles = "bpmfdtnlgkhjqxrzcsyw";
  if (singles.find(toneless[0]) != std::string::npos && toneless.size() > 1) return toneless.substr(0, 1);
  return {};
}

std::vector<CharRow> BuildCharacterRows(const CharTableInputs& in, GbkFitter& fitter, Problems& problems) {
  const Unihan& unihan = *in.unihan;
  const GbkCatalog& catalog = *in.catalog;
  const StrokeRules::GbkTest hasGbk = [&](char32_t cp) { return catalog.Has(cp); };
  const std::map<int, std::string> simplifiedRadicals = SimplifiedRadicalGlyphs(in.unicodeFolder);
  const std::unordered_map<std::string, std::string> wubi = LoadWubi(in.wubiTable, problems);

  std::map<std::string, std::pair<std::string, std::string>> explanations;
  const TsvFile explained = ReadTsv(in.root, "char_explanations.tsv", {"汉字", "基本解释", "详细解释"}, {}, problems,
                                     "missing, the explanations are made from Unihan");
  for (const TsvRow& row : explained.rows) {
    if (SingleCodePoint(row.fields[0]) == 0) {
      problems.Error(explained.Where(row), "汉字 must be exactly one character");
    } else if (!explanations.emplace(row.fields[0], std::make_pair(row.fields[1], row.fields[2])).second) {
      problems.Error(explained.Where(row), "repeated character " + row.fields[0]);
    }
  }

  std::vector<CharRow> rows;
  for (char32_t c : catalog.Ideographs()) {
    const UnihanEntry* entry = unihan.Find(c);
    if (!entry || (entry->rsUnicode.empty() && entry->totalStrokes.empty())) continue;
    CharRow row;
    row.codePoint = c;
    row.code = catalog.CodeOf(c);
    row.hanzi = EncodeUtf8(c);

    // 简体: the character itself when it is (also) a simplified form.
    char32_t simplified = c;
    const std::vector<char32_t> simplifiedVariants = ParseCodePoints(entry->simplified);
    if (std::find(simplifiedVariants.begin(), simplifiedVariants.end(), c) == simplifiedVariants.end()) {
      for (char32_t s : simplifiedVariants) {
        if (catalog.Has(s)) {
          simplified = s;
          break;
        }
      }
    }
    const char32_t traditional = in.strokes->TraditionalForm(c, unihan, hasGbk);
    row.simplified = EncodeUtf8(simplified);
    row.traditional = EncodeUtf8(traditional);

    const UnihanEntry* simplifiedEntry = unihan.Find(simplified);
    row.simplifiedStrokes = simplifiedEntry ? ParseTotalStrokes(simplifiedEntry->totalStrokes) : 0;
    if (row.simplifiedStrokes == 0) row.simplifiedStrokes = ParseTotalStrokes(entry->totalStrokes);
    row.traditionalStrokes = in.strokes->KangxiStrokes(c, unihan, hasGbk);

    const std::vector<std::string> readings = Readings(*entry);
    std::vector<std::string> toneless;
    for (const std::string& r : readings) {
      const std::string t = WithoutTones(r);
      if (!t.empty() && std::find(toneless.begin(), toneless.end(), t) == toneless.end()) toneless.push_back(t);
    }
    // GBK lacks ḿ (U+1E3F); the plain letter keeps the reading legible.
    std::string reading = Join(readings, ",");
    for (size_t at = reading.find("ḿ"); at != std::string::npos; at = reading.find("ḿ")) reading.replace(at, 3, "m");
    row.pinyin2 = fitter.Fit(reading);
    row.pinyin1 = Join(toneless, ",");
    if (!toneless.empty()) {
      row.initial = InitialOf(toneless[0]);
      row.final = toneless[0].substr(row.initial.size());
    }

    // 部首 as a modern dictionary shows it (钅 for 钟); counting uses the Kangxi number.
    const RadicalStroke shown = ParseRadicalStroke(entry->rsUnicode);
    if (shown.simplifiedRadical && simplifiedRadicals.count(shown.radical)) {
      row.radical = simplifiedRadicals.at(shown.radical);
    } else {
      row.radical = in.strokes->RadicalGlyph(shown.radical);
    }
    row.radical = fitter.Fit(row.radical);

    for (char32_t form : {c, simplified, traditional}) {
      row.element = in.elements->Listed(form);
      if (!row.element.empty()) break;
    }
    row.elementListed = !row.element.empty();
    if (!row.elementListed) row.element = in.elements->Fallback(StrokeRules::RadicalNumber(c, unihan), row.initial);

    if (const auto it = wubi.find(row.hanzi); it != wubi.end()) row.wubi = it->second;

    const std::string definition = fitter.Fit(entry->definition);
    if (const auto it = explanations.find(row.hanzi); it != explanations.end()) {
      row.basic = it->second.first;
      row.detailed = it->second.second;
    } else {
      row.basic = definition.empty() ? "（暂无释义）" : "英文释义：" + definition;
      std::string d = "读音：" + (row.pinyin2.empty() ? std::string("（无）") : row.pinyin2);
      d += "<br>简体：" + row.simplified + "　繁体：" + row.traditional;
      d += "<br>统一码：" + CodePointLabel(c);
      d += "<br>部首：" + (row.radical.empty() ? std::string("（无）") : row.radical);
      const RadicalStroke placed = ParseRadicalStroke(entry->rsUnicode);
      if (placed.radical) d += "，部外笔画：" + std::to_string(placed.residual);
      d += "，总笔画：" + std::to_string(ParseTotalStrokes(entry->totalStrokes));
      d += "<br>康熙笔画（起名用）：" + std::to_string(row.traditionalStrokes);
      if (!definition.empty()) d += "<br>英文释义：" + definition;
      row.detailed = d;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace babyname::builder
