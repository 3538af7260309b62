// The heavenly stems, earthly branches, five elements and the sexagenary cycle,
// as types; their Chinese texts (GBK) only at the edge.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace babyname::chart {

enum class Stem { kJia, kYi, kBing, kDing, kWu, kJi, kGeng, kXin, kRen, kGui };  // 甲 … 癸
enum class Branch { kZi, kChou, kYin, kMao, kChen, kSi, kWu, kWei, kShen, kYou, kXu, kHai };  // 子 … 亥
// In the order the chart reports them: 金 木 水 火 土.
enum class Element { kMetal, kWood, kWater, kFire, kEarth };
inline constexpr int kElementCount = 5;

// One position of the sexagenary cycle: index 0 is 甲子, 59 is 癸亥.
class GanZhi {
 public:
  constexpr GanZhi() = default;  // 甲子
  // Any integer; taken modulo 60.
  static constexpr GanZhi FromIndex(int index) { return GanZhi(((index % 60) + 60) % 60); }
  constexpr int index() const { return index_; }
  constexpr int position() const { return index_ + 1; }  // 1 ... 60, as the tables count
  constexpr Stem stem() const { return static_cast<Stem>(index_ % 10); }
  constexpr Branch branch() const { return static_cast<Branch>(index_ % 12); }
  friend constexpr bool operator==(GanZhi, GanZhi) = default;

 private:
  constexpr explicit GanZhi(int index) : index_(index) {}
  int index_ = 0;
};

// The cycle position with this stem and branch; nullopt when they differ in
// parity (甲丑 is no position of the cycle).
std::optional<GanZhi> MakeGanZhi(Stem stem, Branch branch);

Element ElementOf(Stem stem);
Element ElementOf(Branch branch);

// GBK texts.
const std::string& StemText(Stem stem);
const std::string& BranchText(Branch branch);
const std::string& ElementText(Element element);
const std::string& ZodiacAnimalText(Branch branch);  // 鼠 … 猪
std::string GanZhiText(GanZhi ganZhi);               // two characters, stem then branch: 壬辰
// The text of cycle position n for 1 <= n <= 60 (1 is 甲子); the empty text otherwise.
std::string GanZhiText(int position);
// The position a two-character GBK text names, or nullopt.
std::optional<GanZhi> ParseGanZhi(std::string_view gbk);

}  // namespace babyname::chart
