#include "generation/generation_character.h"

#include "text/gbk.h"

namespace babyname::generation {

GenerationChoice InitialChoice(const GenerationCharacterSetting& setting) {
  // Off checks 不设置辈份; then a set flag checks its position, the third
  // position overriding the second.
  GenerationChoice choice = GenerationChoice::kNone;
  if (setting.secondPosition) choice = GenerationChoice::kSecond;
  if (setting.thirdPosition) choice = GenerationChoice::kThird;
  return choice;
}

Status ApplyOk(GenerationCharacterSetting& setting, GenerationChoice choice, const std::string& secondText,
               const std::string& thirdText) {
  // The same message for both positions: the window has only this one.
  static const std::string kMissing = text::Gbk("请输入所设定的第二个字");
  switch (choice) {
    case GenerationChoice::kNone:
      setting.inForce = false;
      setting.secondPosition = false;
      setting.thirdPosition = false;
      break;
    case GenerationChoice::kSecond:
      if (secondText.empty()) return Status::Error(kMissing);
      setting.inForce = true;
      setting.secondPosition = true;
      setting.thirdPosition = false;
      setting.secondCharacter = secondText;
      break;
    case GenerationChoice::kThird:
      if (thirdText.empty()) return Status::Error(kMissing);
      setting.inForce = true;
      setting.thirdPosition = true;
      setting.secondPosition = false;
      setting.thirdCharacter = thirdText;
      break;
  }
  return Status::Ok();
}

void ApplyCancel(GenerationCharacterSetting& setting) { setting.inForce = false; }

uint32_t LabelColour(const GenerationCharacterSetting& setting) {
  return setting.inForce ? kGenerationLabelOn : kGenerationLabelOff;
}

std::string DefaultSecondCharacter() { return text::Gbk("志"); }
std::string DefaultThirdCharacter() { return text::Gbk("强"); }

}  // namespace babyname::generation
