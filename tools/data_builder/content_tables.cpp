#include "content_tables.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <set>

#include "element_rules.h"
#include "text/gbk.h"
#include "utf8.h"

namespace babyname::builder {
namespace {

const std::vector<std::string> kElements = {"金", "木", "水", "火", "土"};

std::string VerdictError(const std::string& found) {
  return "吉凶 must be one of 大吉 吉 中 凶 大凶, found " + found;
}

// Category captions of the article menus; a category outside them cannot be opened.
const std::map<std::string, std::set<std::string>>& MenuCategories() {
  static const std::map<std::string, std::set<std::string>> menus = {
      {"育儿百科",
       {"备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科", "孕育指南", "教育早知道", "胎教",
        "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理", "学前教育", "母乳喂养", "人工喂养", "补钙攻略",
        "辅食添加", "营养元素", "食疗保健", "食谱大全", "饮食宜忌", "均衡营养", "护理保健", "生长发育", "体格检查",
        "预防免疫", "成人疾病", "儿科疾病", "药物手册", "出行安全", "用品安全", "家居安全", "宠物安全", "医药安全",
        "食品安全", "幼儿园安全"}},
      {"算命风水", {"起名知识", "算命知识", "星座算命", "相术算命", "血型算命", "风水知识", "开运技巧"}},
  };
  return menus;
}

std::string Trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  const size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

}  // namespace

bool IsVerdict(const std::string& text) {
  return text == "大吉" || text == "吉" || text == "中" || text == "凶" || text == "大凶";
}

std::vector<Row> LoadNumbers(const std::filesystem::path& root, Problems& problems) {
  const TsvFile file = ReadTsv(root, "numbers81.tsv",
                               {"Id", "吉凶", "解释一", "解释二", "解释三", "基业", "家庭", "健康", "含义", "数理暗示"},
                               {}, problems);
  std::map<int, Row> byNumber;
  for (const TsvRow& row : file.rows) {
    int number = 0;
    const std::string& id = row.fields[0];
    const auto parsed = std::from_chars(id.data(), id.data() + id.size(), number);
    if (parsed.ec != std::errc() || parsed.ptr != id.data() + id.size() || number < 1 || number > 81) {
      problems.Error(file.Where(row), "Id must be a number from 1 to 81, found " + id);
      continue;
    }
    if (!IsVerdict(row.fields[1])) problems.Error(file.Where(row), VerdictError(row.fields[1]));
    const std::vector<std::string> hints = Split(row.fields[9], '|');
    if (hints.size() < 2 || std::any_of(hints.begin(), hints.end(), [](const std::string& h) { return Trim(h).empty(); })) {
      problems.Error(file.Where(row), "数理暗示 must hold two or more hints separated by |");
    }
    Row out{int64_t{number}};
    for (size_t i = 1; i < row.fields.size(); ++i) out.push_back(row.fields[i]);
    if (!byNumber.emplace(number, std::move(out)).second) {
      problems.Error(file.Where(row), "number " + id + " appears twice");
    }
  }
  if (file.present) {
    for (int n = 1; n <= 81; ++n) {
      if (!byNumber.count(n)) problems.Error(file.label, "number " + std::to_string(n) + " missing");
    }
  }
  std::vector<Row> rows;
  for (auto& [n, row] : byNumber) rows.push_back(std::move(row));
  return rows;
}

std::vector<Row> LoadTalents(const std::filesystem::path& root, Problems& problems) {
  const TsvFile file =
      ReadTsv(root, "three_talents.tsv",
              {"三才", "吉凶", "解释一", "解释二", "总论", "性格", "意志", "事业", "家庭", "婚姻", "子女", "社交",
               "精神", "财运", "健康", "老运", "对基础运的影响", "对成功运的影响", "对人际关系的影响", "对性格的影响"},
              {}, problems);
  // The keys in the order 金金金, 金金木 ... 土土土.
  std::vector<std::string> keys;
  for (const auto& a : kElements)
    for (const auto& b : kElements)
      for (const auto& c : kElements) keys.push_back(a + b + c);

  std::map<size_t, Row> byKey;
  for (const TsvRow& row : file.rows) {
    const auto key = std::find(keys.begin(), keys.end(), row.fields[0]);
    if (key == keys.end()) {
      problems.Error(file.Where(row), "三才 must be three of 金 木 水 火 土, found " + row.fields[0]);
      continue;
    }
    if (!IsVerdict(row.fields[1])) problems.Error(file.Where(row), VerdictError(row.fields[1]));
    const size_t index = static_cast<size_t>(key - keys.begin());
    Row out{static_cast<int64_t>(index + 1)};
    for (const std::string& field : row.fields) out.push_back(field);
    if (!byKey.emplace(index, std::move(out)).second) {
      problems.Error(file.Where(row), "key " + row.fields[0] + " appears twice");
    }
  }
  if (file.present) {
    for (size_t i = 0; i < keys.size(); ++i) {
      if (!byKey.count(i)) problems.Error(file.label, "key " + keys[i] + " missing");
    }
  }
  std::vector<Row> rows;
  for (auto& [i, row] : byKey) rows.push_back(std::move(row));
  return rows;
}

std::vector<Row> LoadSurnames(const std::filesystem::path& root, Problems& problems) {
  const TsvFile file = ReadTsv(root, "surnames.tsv", {"姓", "姓氏起源", "聚集地", "历史名人"}, {}, problems);
  std::vector<Row> rows;
  std::set<std::string> seen;
  for (const TsvRow& row : file.rows) {
    const std::u32string name = DecodeUtf8(row.fields[0]);
    if (name.empty() || name.size() > 4 || !std::all_of(name.begin(), name.end(), IsHanCodePoint)) {
      problems.Error(file.Where(row), "姓 must be one to four Chinese characters, found " + row.fields[0]);
      continue;
    }
    if (!seen.insert(row.fields[0]).second) {
      problems.Error(file.Where(row), "family name " + row.fields[0] + " appears twice");
      continue;
    }
    rows.push_back({static_cast<int64_t>(rows.size() + 1), row.fields[0], row.fields[1], row.fields[2], row.fields[3]});
  }
  return rows;
}

std::vector<Row> LoadEnglishNames(const std::filesystem::path& root, Problems& problems) {
  const TsvFile file =
      ReadTsv(root, "english_names.tsv", {"Name", "Sex", "Cnword", "Mean", "EIndex2", "Morphology", "Languag"},
              {"EIndex2", "Morphology", "Languag"}, problems);
  std::vector<Row> rows;
  for (const TsvRow& row : file.rows) {
    const std::string& name = row.fields[0];
    if (!std::all_of(name.begin(), name.end(), [](char c) {
          return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '\'' || c == ' ';
        }) || !((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'))) {
      problems.Error(file.Where(row), "Name must be Latin letters starting with a letter, found " + name);
      continue;
    }
    const std::string& sex = row.fields[1];
    if (sex != "1" && sex != "2" && sex != "3") {
      problems.Error(file.Where(row), "Sex must be 1 (male), 2 (female) or 3 (neutral), found " + sex);
      continue;
    }
    std::string lower;
    for (char c : name) {
      if (c >= 'A' && c <= 'Z') lower += static_cast<char>(c - 'A' + 'a');
      else if (c >= 'a' && c <= 'z') lower += c;
    }
    std::string index2 = row.fields[4];
    if (!index2.empty() && (index2.size() > 2 || !std::all_of(index2.begin(), index2.end(),
                                                              [](char c) { return c >= 'a' && c <= 'z'; }))) {
      problems.Error(file.Where(row), "EIndex2 must be one or two lower-case letters, found " + index2);
      continue;
    }
    // Without an explicit sound key, a name that opens with a digraph is filed under it.
    if (index2.empty()) {
      for (const char* two : {"ch", "sh", "th", "zh"}) {
        if (lower.rfind(two, 0) == 0) index2 = two;
      }
    }
    rows.push_back({static_cast<int64_t>(rows.size() + 1), lower.substr(0, 1), index2, name,
                    std::to_string(lower.size()), int64_t{sex[0] - '0'}, row.fields[2], row.fields[5], row.fields[6],
                    row.fields[3]});
  }
  return rows;
}

std::vector<Row> LoadArticles(const std::filesystem::path& root, const std::string& library, Problems& problems) {
  std::vector<Row> rows;
  const std::filesystem::path folder = root / "content" / "articles" / library;
  const std::string label = "content/articles/" + library;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    problems.Warning(label, "missing, its table stays empty");
    return rows;
  }
  std::vector<std::filesystem::path> files;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    if (item.path().extension() == ".md") files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());
  const std::set<std::string>& menu = MenuCategories().at(library);
  std::set<std::string> titles;
  int categoryNumber = 0;
  for (const std::filesystem::path& path : files) {
    const std::string category = path.stem().string();
    const std::string fileLabel = label + "/" + path.filename().string();
    ++categoryNumber;
    if (!menu.count(category)) problems.Warning(fileLabel, "category " + category + " is not on the article menu");
    std::ifstream in(path, std::ios::binary);
    std::string line;
    int number = 0;
    std::string title;
    int titleLine = 0;
    std::vector<std::string> paragraphs;
    std::string paragraph;
    auto flushParagraph = [&] {
      if (!paragraph.empty()) paragraphs.push_back("<p>" + paragraph + "</p>");
      paragraph.clear();
    };
    auto flushArticle = [&] {
      flushParagraph();
      if (title.empty()) return;
      const std::string where = fileLabel + ":" + std::to_string(titleLine);
      std::string body;
      for (const std::string& p : paragraphs) body += p;
      if (body.empty()) problems.Error(where, "article " + title + " has no text");
      else if (!titles.insert(title).second) problems.Error(where, "title " + title + " appears twice in " + library);
      else rows.push_back({static_cast<int64_t>(rows.size() + 1), std::to_string(categoryNumber), category, title, body});
      paragraphs.clear();
      title.clear();
    };
    while (std::getline(in, line)) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!text::IsGbkEncodable(line)) {
        problems.Error(fileLabel + ":" + std::to_string(number), "a character without a GBK form (or not UTF-8)");
        continue;
      }
      if (line.rfind("## ", 0) == 0) {
        flushArticle();
        title = Trim(line.substr(3));
        titleLine = number;
        if (title.empty()) problems.Error(fileLabel + ":" + std::to_string(number), "empty title");
      } else if (line.rfind("# ", 0) == 0 || line.rfind("<!--", 0) == 0) {
        continue;  // the file's own heading or a comment
      } else if (Trim(line).empty()) {
        flushParagraph();
      } else if (!title.empty()) {
        paragraph += Trim(line);
      } else {
        problems.Error(fileLabel + ":" + std::to_string(number), "text before the first \"## title\" line");
      }
    }
    flushArticle();
  }
  return rows;
}

}  // namespace babyname::builder
