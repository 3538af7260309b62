// What one naming run reads: every input of the window, taken as one value at
// the start of the run. The run never looks at the window again, so a change
// the user makes while a run goes on applies to the next run.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "generation/generation_character.h"

namespace babyname::generation {

// The seven naming modes.
enum class Mode {
  kHighScore,       // 高分起名
  kClassic,         // 经典起名
  kCombination,     // 组合起名
  kNickname,        // 起小名
  kPoem,            // 诗词起名
  kEnglish,         // 起英文名
  kSuperAuspicious  // 超吉起名 (专家起名)
};

// The sex combo box. kOther stands for any text but 男 and 女: it selects no
// pool, so the modes that choose their pool by sex find nothing.
enum class Sex { kMale, kFemale, kOther };

// The nickname patterns, A standing for a pool character.
enum class NicknamePattern {
  kNone,    // no pattern chosen: no candidate
  kDouble,  // AA型: 乐乐
  kXiao,    // 小A型: 小乐
  kEr,      // A儿型: 乐儿
  kAh       // 阿A型: 阿乐
};

// The English-name style radio buttons; the value is the HM_EName Sex code.
enum class EnglishStyle : int32_t { kNone = 0, kMale = 1, kFemale = 2, kNeutral = 3 };

// The five elements in the order of the filter boxes: 金 木 水 火 土.
enum Element : int { kMetal = 0, kWood, kWater, kFire, kEarth, kElementCount };

// One filter group of the super-auspicious mode: its master box and its five
// element boxes (Element order).
struct ElementBoxes {
  bool master = false;
  std::array<bool, kElementCount> ticked{};
};

struct RunInput {
  Mode mode = Mode::kHighScore;
  std::string surname;  // GBK, as typed; may be empty
  Sex sex = Sex::kMale;
  int count = 2;  // characters of the given name: 2 for 二字, 1 otherwise

  // The clock seeds the shuffles when absent; a seed gives a repeatable run.
  std::optional<uint64_t> seed;

  std::string combinationText;  // 组合起名: the characters typed (GBK)
  NicknamePattern nickname = NicknamePattern::kNone;
  std::vector<std::string> poemCharacters;  // 诗词起名: captions of the ticked boxes, poem order
  std::string englishGiven;                 // 起英文名: the Chinese given name (GBK)
  EnglishStyle englishStyle = EnglishStyle::kNone;

  // 超吉起名: the four filter groups.
  ElementBoxes secondCharacter;  // 第二个字五行限定
  ElementBoxes thirdCharacter;   // 第三个字五行限定
  ElementBoxes mustHave;         // 所有字必须带五行(含姓)
  ElementBoxes mustNotHave;      // 所有字不能带五行(含姓)

  GenerationCharacterSetting generation;  // the 辈份 setting in force
};

}  // namespace babyname::generation
