// The rules of the generation-character window and of the element filter boxes.
#include "generation/generation_character.h"

#include <gtest/gtest.h>

#include "generation/super_auspicious.h"
#include "support/gbk_literal.h"

namespace babyname::generation {
namespace {

using testing::G;
using testing::U;

TEST(GenerationCharacter, OkSetsThePositionAndTheCharacter) {
  GenerationCharacterSetting setting;
  ASSERT_TRUE(ApplyOk(setting, GenerationChoice::kSecond, G("志"), G("强")).ok());
  EXPECT_TRUE(setting.SecondInForce());
  EXPECT_FALSE(setting.ThirdInForce());
  EXPECT_EQ(setting.secondCharacter, G("志"));
  EXPECT_EQ(LabelColour(setting), kGenerationLabelOn);

  ASSERT_TRUE(ApplyOk(setting, GenerationChoice::kThird, G("志"), G("强")).ok());
  EXPECT_FALSE(setting.secondPosition);
  EXPECT_TRUE(setting.ThirdInForce());
  EXPECT_EQ(setting.thirdCharacter, G("强"));

  ASSERT_TRUE(ApplyOk(setting, GenerationChoice::kNone, "", "").ok());
  EXPECT_FALSE(setting.AnyInForce());
  EXPECT_EQ(InitialChoice(setting), GenerationChoice::kNone);
  EXPECT_EQ(LabelColour(setting), kGenerationLabelOff);
}

TEST(GenerationCharacter, EmptyCharacterIsRefusedWithTheSameMessageForBothPositions) {
  for (GenerationChoice choice : {GenerationChoice::kSecond, GenerationChoice::kThird}) {
    GenerationCharacterSetting setting;
    ASSERT_TRUE(ApplyOk(setting, GenerationChoice::kSecond, G("志"), "").ok());
    const GenerationCharacterSetting before = setting;
    const Status status = ApplyOk(setting, choice, "", "");
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(U(status.message()), "请输入所设定的第二个字");
    EXPECT_EQ(setting.secondPosition, before.secondPosition);
    EXPECT_EQ(setting.thirdPosition, before.thirdPosition);
    EXPECT_EQ(setting.secondCharacter, before.secondCharacter);
    EXPECT_TRUE(setting.inForce);
  }
}

TEST(GenerationCharacter, CancelTurnsOffButKeepsThePosition) {
  GenerationCharacterSetting setting;
  ASSERT_TRUE(ApplyOk(setting, GenerationChoice::kThird, "", G("强")).ok());
  ApplyCancel(setting);
  EXPECT_FALSE(setting.AnyInForce());
  EXPECT_EQ(LabelColour(setting), kGenerationLabelOff);
  // The window opens on the last position although the setting is off.
  EXPECT_EQ(InitialChoice(setting), GenerationChoice::kThird);
  EXPECT_EQ(setting.thirdCharacter, G("强"));
  EXPECT_EQ(U(DefaultSecondCharacter()), "志");
  EXPECT_EQ(U(DefaultThirdCharacter()), "强");
}

TEST(ElementSetText, TickedCaptionsInBoxOrderOrTheFallback) {
  const std::string all = G("金木水火土");
  ElementBoxes boxes;
  EXPECT_EQ(ElementSetText(boxes, all), all);  // master unchecked
  boxes.ticked[kFire] = boxes.ticked[kMetal] = true;
  EXPECT_EQ(ElementSetText(boxes, all), all);  // master unchecked: ticks do not count
  boxes.master = true;
  EXPECT_EQ(U(ElementSetText(boxes, all)), "金火");
  boxes.ticked = {};
  EXPECT_EQ(ElementSetText(boxes, all), all);
  EXPECT_EQ(ElementSetText(boxes, ""), "");  // must-not-have with nothing ticked
}

TEST(FilterBoxes, MastersOfTheTwoFiltersExcludeEachOther) {
  ElementBoxes second, third, must, mustNot;
  FilterBoxes boxes;
  boxes.groups = {&second, &third, &must, &mustNot};

  second.master = true;
  second.ticked[kWood] = true;
  must.master = true;  // stale state: checking a position master unchecks it
  MasterClicked(boxes, kSecondGroup);
  EXPECT_FALSE(must.master);
  EXPECT_FALSE(boxes.masterEnabled[kMustGroup]);
  EXPECT_FALSE(boxes.masterEnabled[kMustNotGroup]);
  EXPECT_TRUE(boxes.elementsEnabled[kSecondGroup]);

  third.master = true;
  MasterClicked(boxes, kThirdGroup);
  second.master = false;
  MasterClicked(boxes, kSecondGroup);  // the third master is still checked
  EXPECT_FALSE(boxes.masterEnabled[kMustGroup]);
  EXPECT_FALSE(boxes.elementsEnabled[kSecondGroup]);
  EXPECT_TRUE(second.ticked[kWood]);  // element boxes keep their ticks

  third.master = false;
  MasterClicked(boxes, kThirdGroup);
  EXPECT_TRUE(boxes.masterEnabled[kMustGroup]);
  EXPECT_TRUE(boxes.masterEnabled[kMustNotGroup]);

  must.master = true;
  MasterClicked(boxes, kMustGroup);
  EXPECT_FALSE(boxes.masterEnabled[kSecondGroup]);
  EXPECT_FALSE(boxes.masterEnabled[kThirdGroup]);
  EXPECT_TRUE(boxes.elementsEnabled[kMustGroup]);
  must.master = false;
  MasterClicked(boxes, kMustGroup);
  EXPECT_TRUE(boxes.masterEnabled[kSecondGroup]);
  EXPECT_TRUE(boxes.masterEnabled[kThirdGroup]);
  EXPECT_FALSE(boxes.elementsEnabled[kMustGroup]);
}

}  // namespace
}  // namespace babyname::generation
