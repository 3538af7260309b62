#include "chart/ganzhi.h"

#include <array>

#include "text/gbk.h"

namespace babyname::chart {

namespace {

template <size_t N>
std::array<std::string, N> GbkTexts(const std::array<std::string_view, N>& utf8) {
  std::array<std::string, N> texts;
  for (size_t i = 0; i < N; ++i) texts[i] = text::Gbk(utf8[i]);
  return texts;
}

const std::array<std::string, 10>& StemTexts() {
  static const auto texts = GbkTexts<10>({"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"});
  return texts;
}

const std::array<std::string, 12>& BranchTexts() {
  static const auto texts =
      GbkTexts<12>({"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"});
  return texts;
}

}  // namespace

std::optional<GanZhi> MakeGanZhi(Stem stem, Branch branch) {
  const int s = static_cast<int>(stem), b = static_cast<int>(branch);
  if ((s - b) % 2 != 0) return std::nullopt;
  // The index i with i % 10 == s and i % 12 == b.
  for (int i = s; i < 60; i += 10) {
    if (i % 12 == b) return GanZhi::FromIndex(i);
  }
  return std::nullopt;
}

Element ElementOf(Stem stem) {
  // 甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水.
  static constexpr Element kByPair[] = {Element::kWood, Element::kFire, Element::kEarth, Element::kMetal,
                                        Element::kWater};
  return kByPair[static_cast<int>(stem) / 2];
}

Element ElementOf(Branch branch) {
  // 寅卯 木, 巳午 火, 辰戌丑未 土, 申酉 金, 亥子 水.
  static constexpr Element kByBranch[] = {
      Element::kWater, Element::kEarth, Element::kWood,  Element::kWood,  Element::kEarth, Element::kFire,
      Element::kFire,  Element::kEarth, Element::kMetal, Element::kMetal, Element::kEarth, Element::kWater,
  };
  return kByBranch[static_cast<int>(branch)];
}

const std::string& StemText(Stem stem) { return StemTexts()[static_cast<int>(stem)]; }

const std::string& BranchText(Branch branch) { return BranchTexts()[static_cast<int>(branch)]; }

const std::string& ElementText(Element element) {
  static const auto texts = GbkTexts<5>({"金", "木", "水", "火", "土"});
  return texts[static_cast<int>(element)];
}

const std::string& ZodiacAnimalText(Branch branch) {
  static const auto texts =
      GbkTexts<12>({"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"});
  return texts[static_cast<int>(branch)];
}

std::string GanZhiText(GanZhi ganZhi) { return StemText(ganZhi.stem()) + BranchText(ganZhi.branch()); }

std::string GanZhiText(int position) {
  if (position < 1 || position > 60) return {};
  return GanZhiText(GanZhi::FromIndex(position - 1));
}

std::optional<GanZhi> ParseGanZhi(std::string_view gbk) {
  for (int i = 0; i < 60; ++i) {
    const GanZhi candidate = GanZhi::FromIndex(i);
    if (gbk == GanZhiText(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace babyname::chart
