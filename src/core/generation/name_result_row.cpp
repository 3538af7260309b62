#include "generation/name_result_row.h"

#include <utility>

#include "text/gbk.h"

namespace babyname::generation {

std::array<std::string, 8> NameResultRow::Cells() const {
  return {std::to_string(number),
          name,
          std::to_string(simplifiedTotal),
          std::to_string(traditionalTotal),
          elements,
          grids,
          talentKey,
          std::to_string(score)};
}

const std::array<std::string, 8>& NameResultColumns() {
  static const std::array<std::string, 8> columns = {text::Gbk("编号"),     text::Gbk("姓名"), text::Gbk("简体笔划"),
                                                     text::Gbk("繁体笔划"), text::Gbk("五行"), text::Gbk("五格"),
                                                     text::Gbk("三才"),     text::Gbk("评分")};
  return columns;
}

std::array<std::string, 4> EnglishNameRow::Cells() const { return {std::to_string(number), name, reading, meaning}; }

const std::array<std::string, 4>& EnglishNameColumns() {
  static const std::array<std::string, 4> columns = {text::Gbk("编号"), text::Gbk("英文名"), text::Gbk("中文读音"),
                                                     text::Gbk("相关含义")};
  return columns;
}

NameResultRow MakeNameResultRow(int32_t number, std::string name, const analysis::FiveGrid& grid) {
  NameResultRow row;
  row.number = number;
  row.name = std::move(name);
  row.simplifiedTotal = grid.simplifiedTotal;
  row.traditionalTotal = grid.total;
  row.elements = grid.elementText;
  row.grids = analysis::GridText(grid);
  row.talentKey = grid.talentKey;
  row.score = grid.scoreValue;
  return row;
}

}  // namespace babyname::generation
