// The row of every scored name list: the generated lists, the scoring page and
// the records page show these eight columns.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "analysis/numerology.h"

namespace babyname::generation {

struct NameResultRow {
  int32_t number = 0;            // 编号: 1-based position in the list
  std::string name;              // 姓名: family name + given name (GBK)
  int32_t simplifiedTotal = 0;   // 简体笔划
  int32_t traditionalTotal = 0;  // 繁体笔划: the 总格
  std::string elements;          // 五行
  std::string grids;             // 五格: GridText
  std::string talentKey;         // 三才
  int32_t score = 0;             // 评分: the score value

  // The eight cells in column order, numbers in decimal (GBK texts).
  std::array<std::string, 8> Cells() const;
};

// The column titles (GBK): 编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分,
// and their widths in pixels.
const std::array<std::string, 8>& NameResultColumns();
inline constexpr std::array<int, 8> kNameResultColumnWidths = {60, 70, 80, 80, 70, 120, 50, 70};

NameResultRow MakeNameResultRow(int32_t number, std::string name, const analysis::FiveGrid& grid);

// The row of the English-name list.
struct EnglishNameRow {
  int32_t number = 0;   // 编号
  std::string name;     // 英文名 (HM_EName.Name)
  std::string reading;  // 中文读音 (HM_EName.Cnword)
  std::string meaning;  // 相关含义 (HM_EName.Mean)

  std::array<std::string, 4> Cells() const;
};

// The English list's column titles (GBK): 编号 英文名 中文读音 相关含义, and widths.
const std::array<std::string, 4>& EnglishNameColumns();
inline constexpr std::array<int, 4> kEnglishNameColumnWidths = {60, 100, 200, 280};

}  // namespace babyname::generation
