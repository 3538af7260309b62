// The generation character (辈份): one character of the given name fixed for
// all children of a generation, either the second character of the full name
// (李"志"强) or the third (李志"强"). The setting lasts until the program ends.
// This file holds the setting and the rules of its window; the window itself
// belongs to the GUI.
#pragma once

#include <cstdint>
#include <string>

#include "base/status.h"

namespace babyname::generation {

struct GenerationCharacterSetting {
  bool inForce = false;
  bool secondPosition = false;  // the character is the second of the full name
  bool thirdPosition = false;   // the character is the third of the full name
  std::string secondCharacter;  // GBK, as typed
  std::string thirdCharacter;   // GBK, as typed

  // The character the pair rule uses, and where: second position wins when
  // both flags are set. Nothing is in force without a position flag.
  bool SecondInForce() const { return inForce && secondPosition; }
  bool ThirdInForce() const { return inForce && !secondPosition && thirdPosition; }
  bool AnyInForce() const { return SecondInForce() || ThirdInForce(); }
};

// The radio buttons of the window "设置辈份".
enum class GenerationChoice { kNone, kSecond, kThird };

// The radio button checked when the window opens. After Cancel the position
// flags are kept, so the window shows the last position although the setting
// is off.
GenerationChoice InitialChoice(const GenerationCharacterSetting& setting);

// OK pressed with `choice` and the texts of the two edit boxes. An empty text
// for the chosen position leaves the setting unchanged and returns the message
// to show ("请输入所设定的第二个字", for either position), the window staying open.
Status ApplyOk(GenerationCharacterSetting& setting, GenerationChoice choice, const std::string& secondText,
               const std::string& thirdText);

// Cancel pressed: the setting goes off; the flags and characters are kept.
void ApplyCancel(GenerationCharacterSetting& setting);

// The text colour of the label that opens the window, as a Windows colour
// value (0x00BBGGRR): red 255 when a character is in force, grey 6316128 when not.
inline constexpr uint32_t kGenerationLabelOn = 255;
inline constexpr uint32_t kGenerationLabelOff = 6316128;
uint32_t LabelColour(const GenerationCharacterSetting& setting);

// The initial texts of the two edit boxes.
std::string DefaultSecondCharacter();  // 志
std::string DefaultThirdCharacter();   // 强

}  // namespace babyname::generation
