#include "element_rules.h"

#include "utf8.h"

namespace babyname::builder {

bool IsElementText(const std::string& text) {
  return text == "金" || text == "木" || text == "水" || text == "火" || text == "土";
}

ElementRules ElementRules::Load(const std::filesystem::path& root, const StrokeRules& strokes, Problems& problems) {
  ElementRules rules;

  const TsvFile listed = ReadTsv(root, "char_elements.tsv", {"汉字", "五行", "备注"}, {"备注"}, problems,
                                "missing, every character takes the fallback rule");
  rules.listPresent_ = listed.present;
  for (const TsvRow& row : listed.rows) {
    const char32_t c = SingleCodePoint(row.fields[0]);
    if (c == 0 || !IsHanCodePoint(c)) {
      problems.Error(listed.Where(row), "汉字 must be exactly one Chinese character");
      continue;
    }
    if (!IsElementText(row.fields[1])) {
      problems.Error(listed.Where(row), "五行 must be one of 金 木 水 火 土, found " + row.fields[1]);
      continue;
    }
    if (!rules.listed_.emplace(c, row.fields[1]).second) {
      problems.Error(listed.Where(row), "repeated character " + row.fields[0]);
    }
  }

  const TsvFile rule = ReadTsv(root, "element_rules.tsv", {"规则", "键", "五行", "备注"}, {"备注"}, problems);
  if (!rule.present) problems.Error(rule.label, "the fallback rule is required");
  for (const TsvRow& row : rule.rows) {
    const std::string& kind = row.fields[0];
    const std::string& key = row.fields[1];
    const std::string& element = row.fields[2];
    if (!IsElementText(element)) {
      problems.Error(rule.Where(row), "五行 must be one of 金 木 水 火 土, found " + element);
      continue;
    }
    bool fresh = true;
    if (kind == "部首") {
      const int radical = strokes.RadicalOfGlyph(key);
      if (radical == 0) {
        problems.Error(rule.Where(row), "键 must be a radical as content/strokes/radicals.tsv writes it, found " + key);
        continue;
      }
      fresh = rules.byRadical_.emplace(radical, element).second;
    } else if (kind == "声母") {
      fresh = rules.byInitial_.emplace(key == "无" ? std::string() : key, element).second;
    } else if (kind == "默认") {
      fresh = rules.default_.empty();
      rules.default_ = element;
    } else {
      problems.Error(rule.Where(row), "规则 must be 部首, 声母 or 默认, found " + kind);
      continue;
    }
    if (!fresh) problems.Error(rule.Where(row), "repeated rule");
  }
  if (rule.present && rules.default_.empty()) problems.Error(rule.label, "a 默认 row is required");
  return rules;
}

std::string ElementRules::Listed(char32_t c) const {
  const auto it = listed_.find(c);
  return it == listed_.end() ? std::string() : it->second;
}

std::string ElementRules::Fallback(int radical, const std::string& initial) const {
  if (const auto it = byRadical_.find(radical); it != byRadical_.end()) return it->second;
  if (const auto it = byInitial_.find(initial); it != byInitial_.end()) return it->second;
  return default_;
}

}  // namespace babyname::builder
