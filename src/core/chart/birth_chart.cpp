#include "chart/birth_chart.h"

#include <optional>

#include "text/gbk.h"

namespace babyname::chart {

namespace {

// The nayin of the sixty positions, one name for each pair of positions
// (the traditional table; 砂石金 and 灯头火 written so on purpose).
constexpr std::string_view kNayinUtf8[30] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "砂石金", "山下火", "平地木", "壁上土", "金箔金",
    "灯头火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

// Radicals that suit and radicals to avoid in a name, by the animal of the year
// branch 子 … 亥 (the traditional naming lore).
struct ZodiacAdvice {
  std::string_view favourable;
  std::string_view unfavourable;
};
constexpr ZodiacAdvice kAdviceUtf8[12] = {
    {"宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅", "山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车"},
    {"水、艹、豆、米、金、玉、宀、人、木、氵、钅", "月、火、田、车、马、石、血、纟、刀、几"},
    {"山、玉、金、木、示、水、月、犭、马、氵、钅", "日、火、田、口、几、纟、石、刀、血、弓、父、足"},
    {"月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅", "马、车、石、刀、力、皮、水、川"},
    {"水、金、玉、白、赤、月、鱼、酉、人、氵、钅", "土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火"},
    {"艹、虫、豆、鱼、酉、木、田、山、金、玉、月、土、钅", "小、石、刀、血、弓、火、人、犭、父、纟"},
    {"艹、金、玉、木、禾、虫、米、人、月、土、才、钅", "田、日、火、水、车、石、力、刀、酉、马"},
    {"金、白、玉、月、田、豆、米、马、禾、木、人、艹、鱼", "小、犭、纟、车、山、水、日、火"},
    {"木、禾、金、玉、豆、米、田、山、月、水、人、氵", "火、石、口、冖、纟、刀、力、皮、犭"},
    {"米、豆、虫、木、禾、玉、月、宀、山、艹、金、钅", "石、犭、刀、力、日、酉、血、弓、才、乡、车、马"},
    {"鱼、豆、米、宀、马、金、玉、艹、田、木、月、禾、水、人、氵、钅",
     "火、石、纟、山、才、日、酉、车、刀、父、言"},
    {"豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵", "纟、石、刀、力、血、弓、几、皮、父"},
};

// A selector text as a number: ASCII digits only, at most five of them.
std::optional<int> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}


struct ReportTexts {
  std::string gregorian = text::Gbk("公历日期："), lunar = text::Gbk("农历日期："),
              pillars = text::Gbk("八字四柱："), elements = text::Gbk("八字五行："),
              nayin = text::Gbk("五行纳音："), lunarFormat = text::Gbk("%Y年    %M  %D日  "),
              year = text::Gbk("年"), month = text::Gbk("月"), day = text::Gbk("日"), hour = text::Gbk("时"),
              invalid = text::Gbk("日期无效："), doesNotExist = text::Gbk("该日期不存在"), stop = text::Gbk("。");
};

const ReportTexts& Texts() {
  static const ReportTexts texts;
  return texts;
}

}  // namespace

std::string ElementPairText(GanZhi pillar) {
  return ElementText(ElementOf(pillar.stem())) + "," + ElementText(ElementOf(pillar.branch())) + ",";
}

const std::string& NayinText(GanZhi pillar) {
  static const auto names = [] {
    std::array<std::string, 30> gbk;
    for (size_t i = 0; i < gbk.size(); ++i) gbk[i] = text::Gbk(kNayinUtf8[i]);
    return gbk;
  }();
  return names[pillar.index() / 2];
}

std::string MissingElementsText(const std::vector<Element>& missing) {
  static const std::string kNone = text::Gbk("五行不缺"), kSome = text::Gbk("五行缺：");
  if (missing.empty()) return kNone;
  std::string out = kSome;
  for (Element e : missing) out += ElementText(e);
  return out;
}

const std::string& ZodiacAdviceText(Branch branch) {
  static const auto texts = [] {
    std::array<std::string, 12> gbk;
    for (int b = 0; b < 12; ++b) {
      const std::string animal = ZodiacAnimalText(static_cast<Branch>(b));
      gbk[b] = text::Gbk("生肖属相：") + animal + text::Gbk("。\r\n\r\n") + animal +
               text::Gbk("年出生的人取名偏旁部首：\r\n\r\n宜：") + text::Gbk(kAdviceUtf8[b].favourable) +
               text::Gbk("等部首为吉。\r\n\r\n忌：") + text::Gbk(kAdviceUtf8[b].unfavourable) + text::Gbk("等部首。");
      // The texts of 蛇 and 马 end with a blank; kept as the page has always shown them.
      if (b == static_cast<int>(Branch::kSi) || b == static_cast<int>(Branch::kWu)) gbk[b] += ' ';
    }
    return gbk;
  }();
  return texts[static_cast<int>(branch)];
}

BirthChart CastBirthChart(std::string_view yearText, std::string_view monthText, std::string_view dayText,
                          std::string_view hourText) {
  const ReportTexts& t = Texts();
  BirthChart chart;
  chart.report = t.gregorian;
  chart.report.append(yearText).append(t.year).append(monthText).append(t.month);
  chart.report.append(dayText).append(t.day).append(hourText).append(t.hour).append("\r\n\r\n");

  const std::optional<int> year = ParseNumber(yearText), month = ParseNumber(monthText),
                           day = ParseNumber(dayText), hour = ParseNumber(hourText);
  Result<Pillars> pillars = Status::Error(t.doesNotExist);
  DateTime moment;
  if (year && month && day && hour) {
    moment = {{*year, *month, *day}, *hour};
    pillars = FourPillars(moment);
  }
  if (!pillars.ok()) {
    chart.report += t.invalid + pillars.status().message() + t.stop;
    return chart;
  }
  const Result<LunarDate> lunar = LunarDateOf(moment.date);
  if (!lunar.ok()) {  // cannot happen: the same checks as FourPillars
    chart.report += t.invalid + lunar.status().message() + t.stop;
    return chart;
  }

  chart.valid = true;
  chart.pillars = *pillars;
  chart.lunarDate = *lunar;
  const GanZhi four[] = {chart.pillars.year, chart.pillars.month, chart.pillars.day, chart.pillars.hour};
  std::array<bool, kElementCount> present{};
  std::string elementText;
  for (int i = 0; i < 4; ++i) {
    chart.elements[2 * i] = ElementOf(four[i].stem());
    chart.elements[2 * i + 1] = ElementOf(four[i].branch());
    present[static_cast<int>(chart.elements[2 * i])] = true;
    present[static_cast<int>(chart.elements[2 * i + 1])] = true;
    elementText += ElementPairText(four[i]);
    chart.nayin[i] = NayinText(four[i]);
  }
  for (int e = 0; e < kElementCount; ++e) {
    if (!present[e]) chart.missing.push_back(static_cast<Element>(e));
  }
  chart.zodiac = chart.pillars.year.branch();

  std::string& r = chart.report;
  r += t.lunar + FormatLunarDate(moment, t.lunarFormat) + GanZhiText(chart.pillars.hour) + t.hour + "\r\n\r\n";
  r += t.pillars + GanZhiText(four[0]) + t.year + "  " + GanZhiText(four[1]) + t.month + "  " +
       GanZhiText(four[2]) + t.day + "  " + GanZhiText(four[3]) + t.hour + "\r\n\r\n";
  r += t.elements + elementText + " ( " + MissingElementsText(chart.missing) + " ) \r\n\r\n";
  r += t.nayin + chart.nayin[0] + "  " + chart.nayin[1] + "  " + chart.nayin[2] + "  " + chart.nayin[3] +
       "\r\n\r\n";
  r += ZodiacAdviceText(chart.zodiac);
  return chart;
}

}  // namespace babyname::chart
