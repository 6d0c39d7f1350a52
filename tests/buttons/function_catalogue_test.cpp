#include "buttons/function_catalogue.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace orvane {
namespace {

// Settings where every computed row shows which value it took.
CodeBuildContext DistinctSettings() {
  CodeBuildContext c;
  c.masks = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
  c.aimLevel = 3;
  c.fireKeys = {FireKeySetting{3, 30, true}, FireKeySetting{5, 30, false}, FireKeySetting{8, 4094, true}};
  c.icType = DeviceType::kI2C;
  return c;
}

TEST(FunctionCodeForTag, EveryMenuTagGivesItsCode) {
  const struct {
    int tag;
    const char* code;
  } cases[] = {
      {900, "01010000"},  {901, "01020000"},  {902, "01040001"},  {903, "01080002"},
      {904, "01100004"},  {1000, "05020000"}, {1001, "0E000000"}, {1002, "08000000"},
      {1003, "08010000"}, {1004, "0C000000"}, {1005, "100130FF"}, {1006, "0B8F0000"},
      {1007, "00000000"}, {1100, "0300CD00"}, {1101, "0300B700"}, {1102, "0300B600"},
      {1103, "0300B500"}, {1104, "0300E900"}, {1105, "0300EA00"}, {1106, "0300E200"},
      {1200, "03022300"}, {1201, "03022100"}, {1202, "03022400"}, {1203, "03022500"},
      {1204, "03022600"}, {1205, "03022700"}, {1206, "03022A00"}, {1300, "03019400"},
      {1301, "03019200"}, {1302, "03018A00"}, {1303, "02080700"}, {2000, "09000008"},
      {2001, "09010010"}, {2002, "09020020"}, {2100, "0692001E"}, {2101, "0614001E"},
      {2102, "06970FFE"}, {2200, "04010000"}, {2201, "04020000"}, {2202, "04030000"},
      {2300, "07800000"}, {2301, "07810000"}, {2302, "07820000"}, {2303, "07000000"},
      {2400, "0A000000"}, {2401, "0A010000"}, {0, "00000000"},
  };
  const CodeBuildContext settings = DistinctSettings();
  std::set<int> tested;
  for (const auto& c : cases) {
    EXPECT_EQ(FunctionCodeForTag(c.tag, settings), c.code) << "tag " << c.tag;
    tested.insert(c.tag);
  }
  // The menu offers nothing the cases above leave out.
  for (const MenuEntry& e : MenuEntries()) EXPECT_TRUE(tested.count(e.tag)) << "tag " << e.tag;
}

TEST(FunctionCodeForTag, TagsOutsideTheMenuGiveTheEmptyText) {
  for (int tag : {-1, 1, 899, 905, 1008, 1107, 1207, 1304, 2003, 2103, 2203, 2304, 2402, 9999})
    EXPECT_EQ(FunctionCodeForTag(tag, DistinctSettings()), "") << "tag " << tag;
}

TEST(FunctionCodeForTag, FireMacroKeyOnlyForMiceWithAnImage) {
  CodeBuildContext c;
  for (auto [type, code] : {std::pair{DeviceType::kI2C, "100130FF"}, std::pair{DeviceType::kQL840, "100130FF"},
                            std::pair{DeviceType::kFlash, ""}, std::pair{DeviceType::kNone, ""}}) {
    c.icType = type;
    EXPECT_EQ(FunctionCodeForTag(1005, c), code) << DeviceTypeName(type);
  }
}

TEST(FunctionCodeForTag, FireKeyRepeatByteAndDelay) {
  const struct {
    FireKeySetting key;
    const char* code;
  } cases[] = {
      {{15, 16, false}, "061E0010"},  // the largest repeat field
      {{15, 16, true}, "069E0010"},
      {{0, 1, false}, "060F0001"},    // an emptied count reads back as 16 shots
      {{2, 4094, false}, "06110FFE"},
      {{1, 0x1234, true}, "06901234"},
  };
  for (const auto& c : cases) {
    CodeBuildContext settings;
    settings.fireKeys[1] = c.key;
    EXPECT_EQ(FunctionCodeForTag(2101, settings), c.code);
  }
}

TEST(FunctionCodeForTag, AimKeyCarriesTheLevelLessOne) {
  CodeBuildContext c;
  for (auto [level, code] : {std::pair{1, "05000000"}, std::pair{15, "050E0000"}}) {
    c.aimLevel = level;
    EXPECT_EQ(FunctionCodeForTag(1000, c), code) << level;
  }
}

TEST(FunctionCodeForTag, ProfileSwitchCases) {
  const struct {
    const char* what;
    int tag;
    std::function<void(CodeBuildContext&)> set;
    const char* code;
  } cases[] = {
      {"combination key, all options", 2300,
       [](CodeBuildContext& c) {
         c.comboKeyOrigin = c.returnToZero = c.adjustXY = c.changeColour = true;
         c.profileColourEntries = {3, 0, 0};
       },
       "07F03018"},
      {"combination key, specified colour", 2301,
       [](CodeBuildContext& c) {
         c.comboKeyOrigin = true;
         c.profileColourEntries = {0, 10, 0};
       },
       "0781F018"},
      {"combination key, colour of the third profile, long offset", 2302,
       [](CodeBuildContext& c) {
         c.comboKeyOrigin = c.changeColour = true;
         c.profileColourEntries = {1, 2, 9};
         c.offset = 0x1A5;
       },
       "079291A5"},
      {"combination key, sync lighting", 2300,
       [](CodeBuildContext& c) {
         c.comboKeyOrigin = true;
         c.profileColourEntries = {3, 3, 3};
         c.ledType = LedType::kSync;
       },
       "0780F018"},
      {"combination key before gun display", 2301,
       [](CodeBuildContext& c) {
         c.comboKeyOrigin = c.gunDisplay = true;
         c.adjustXY = true;
       },
       "07A10018"},
      {"gun display, office", 2300, [](CodeBuildContext& c) { c.gunDisplay = true; }, "07D0F018"},
      {"gun display, game, own offset", 2301,
       [](CodeBuildContext& c) {
         c.gunDisplay = true;
         c.offset = 0x20;
       },
       "07D1F020"},
      {"gun display, third", 2302, [](CodeBuildContext& c) { c.gunDisplay = true; }, "07820000"},
      {"plain, options ignored", 2301,
       [](CodeBuildContext& c) {
         c.returnToZero = true;
         c.profileColourEntries = {5, 5, 5};
       },
       "07810000"},
      {"profile loop", 2303, [](CodeBuildContext& c) { c.comboKeyOrigin = c.gunDisplay = true; },
       "07000000"},
  };
  for (const auto& c : cases) {
    CodeBuildContext settings;
    c.set(settings);
    EXPECT_EQ(FunctionCodeForTag(c.tag, settings), c.code) << c.what;
  }
}

TEST(ProfileColourValue, EntriesGiveSixteenTimesTheIndexAndTheSpecifiedColourF0) {
  for (auto [entry, value] : {std::pair{0, 0x00}, std::pair{1, 0x10}, std::pair{9, 0x90},
                              std::pair{10, 0xF0}, std::pair{-1, 0x00}, std::pair{11, 0x00}})
    EXPECT_EQ(ProfileColourValue(entry), value) << entry;
}

}  // namespace
}  // namespace orvane
