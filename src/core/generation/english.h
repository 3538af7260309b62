// The English-name mode: English given names that sound like the Chinese
// given name, from HM_EName. Nothing is scored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generation/name_result_row.h"
#include "generation/run_control.h"
#include "generation/run_input.h"
#include "generation/run_observer.h"
#include "refdata/database.h"

namespace babyname::generation {

// The English index of a lower-case pinyin initial: a→i, c→s, j→g, k→ch, o→a,
// q→ch, x→sh, y→e, z→th; any other initial (zh, ch, sh, b, ...) stays as it is.
std::string EnglishIndexOfInitial(std::string_view initial);

// The pinyin initial of a character: its 声母 in lower case, or when that is
// empty the first byte of its 拼音1 as it is; empty for a character the table
// lacks.
std::string PinyinInitial(refdata::DatabaseClass& db, const std::string& character);

// Every HM_EName row, in table order, whose key (EIndex2, or EIndex when that
// is empty) equals the English index of the first character of `given` and
// whose Sex equals the style's code; numbered from 1 and reported as found.
// A given name without any character lists nothing and reports "请输入名字".
// Returns false when the run was stopped.
bool ListEnglishNames(refdata::DatabaseClass& db, std::string_view given, EnglishStyle style, RunObserver& observer,
                      RunControl& control, std::vector<EnglishNameRow>& rows);

}  // namespace babyname::generation
