#include "buttons/function_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/language_table.h"

namespace orvane {
namespace {

constexpr int kEnglish = 3;

class FunctionNames : public ::testing::Test {
 protected:
  void SetUp() override {
    naming.language = &languages.Table(kEnglish);
    naming.fireKeys = {FireKeySetting{3, 30}, FireKeySetting{5, 30}, FireKeySetting{8, 500}};
    naming.icType = DeviceType::kI2C;
  }
  std::string Name(std::uint32_t code) { return FunctionCodeName(FunctionCode::FromNumber(code), naming); }

  const LanguageSet languages = LanguageSet::LoadBuiltIn();
  CodeNameContext naming;
};

TEST_F(FunctionNames, EveryMenuCodeIsNamedAfterItsEntry) {
  CodeBuildContext build;
  build.masks = {0x08, 0x02, 0x02, 0x08, 0x08, 0x08};
  build.fireKeys = {FireKeySetting{3, 30, true}, FireKeySetting{5, 30}, FireKeySetting{8, 500}};
  build.aimLevel = 4;
  build.icType = DeviceType::kI2C;
  for (bool comboKey : {false, true}) {
    build.comboKeyOrigin = build.gunDisplay = comboKey;
    for (const MenuEntry& e : MenuEntries()) {
      const std::string code = FunctionCodeForTag(e.tag, build);
      const std::string name = FunctionCodeName(code, naming);
      EXPECT_FALSE(name.empty()) << "tag " << e.tag << " code " << code;
      EXPECT_EQ(name, languages.Table(kEnglish).Text(e.nameId)) << "tag " << e.tag << " code " << code;
    }
  }
}

TEST_F(FunctionNames, RulesByCode) {
  const struct {
    std::uint32_t code;
    const char* name;
  } cases[] = {
      // Mouse buttons: the combination mask never changes the name; left and right have none.
      {0x01040008, "Middle Key"}, {0x01080080, "Backward"}, {0x0110FF01, "Forward"},
      {0x01010000, "Left Key"}, {0x01020000, "Right Key"}, {0x01010001, ""}, {0x01200000, ""},
      // Key combinations, and the desktop code that is named before them.
      {0x02080700, "Desktop"}, {0x02080701, "Win+D"}, {0x02080704, "Win+D+A"},
      {0x02000000, "User-defined"}, {0x02030400, "Ctrl+Shift+A"}, {0x02000405, "A+B"},
      {0x020F0000, "Ctrl+Shift+Alt+Win"}, {0x0201E300, "Ctrl+Win"}, {0x0200E1E5, "Left Shift+Right Shift"},
      {0x0200CA00, "Browser_Back"}, {0x02000068, "F13"}, {0x0204FF00, "Alt"}, {0x0200FFFE, "User-defined"},
      // Aim key whatever its level.
      {0x05031234, "AIM Key"}, {0x05FF0000, "AIM Key"},
      // Exact codes only.
      {0x0E000000, "LED Mode"}, {0x0E000001, ""}, {0x08000000, "LED Switch"},
      {0x08010000, "Button Effect Switch"}, {0x08020000, ""}, {0x0C000000, "Report Rate"},
      {0x04010000, "Power Down"}, {0x04020000, "Sleep"}, {0x04030000, "Wake Up"}, {0x04040000, ""},
      {0x0300CD00, "Play/Pause"}, {0x0300CD01, ""}, {0x03000000, ""}, {0x03022A00, "WWW Favorites"},
      {0x0A000000, "Adjust XY Fn"}, {0x0A010000, "Adjust XY Switch"}, {0x0A020000, ""},
      {0x0B8F0000, "Fire Macro Off"}, {0x0B8F0001, ""},
      {0x100710FF, "Fire Macro Key"}, {0x107000FF, "Fire Macro Key"}, {0x100130FF, "Fire Macro Key"},
      {0x100130FE, ""},
      // DPI keys ignore the mask.
      {0x09000008, "CPI Loop"}, {0x09010000, "CPI +"}, {0x09020080, "CPI -"}, {0x09030000, ""},
      {0x09000100, ""},
      // Profile switches.
      {0x07001234, "KB Switch Loop"}, {0x07D1F018, "Game Mode"}, {0x07800018, "Office Mode"},
      {0x07F20000, "Third Mode"}, {0x07830000, ""}, {0x07840000, ""}, {0x07880000, "Office Mode"}, {0x07010000, ""},
      // Categories no rule knows.
      {0x0D000000, ""}, {0x0F000000, ""}, {0x11000000, ""}, {0xFF000000, ""}, {0x06000000, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Name(c.code), c.name) << FunctionCode::FromNumber(c.code).Text();
}

TEST_F(FunctionNames, FireKeyIsTheFirstWithTheSameRepeatCountAndDelay) {
  const struct {
    std::uint32_t code;
    const char* name;
    int key;  // fire key 0..2 whose tick is set, -1 for none
    bool tick;
  } cases[] = {
      {0x0692001E, "Fire Key1", 0, true},   {0x0612001E, "Fire Key1", 0, false},
      {0x0602001E, "Fire Key1", 0, false},  {0x0614001E, "Fire Key2", 1, false},
      {0x069701F4, "Fire Key3", 2, true},   {0x0692001F, "", -1, false},
      {0x0613001E, "", -1, false},
  };
  for (const auto& c : cases) {
    naming.effects = {};
    EXPECT_EQ(Name(c.code), c.name) << FunctionCode::FromNumber(c.code).Text();
    for (int k = 0; k < kFireKeyCount; ++k) {
      const auto& tick = naming.effects.fireContinue[std::size_t(k)];
      if (k == c.key) {
        EXPECT_EQ(tick, c.tick) << FunctionCode::FromNumber(c.code).Text();
      } else {
        EXPECT_FALSE(tick) << FunctionCode::FromNumber(c.code).Text() << " key " << k;
      }
    }
  }
}

TEST_F(FunctionNames, FireKeyTicksAreLeftAloneDuringARefresh) {
  naming.refreshUnderWay = true;
  EXPECT_EQ(Name(0x0692001E), "Fire Key1");
  EXPECT_FALSE(naming.effects.fireContinue[0]);
}

TEST_F(FunctionNames, TwoFireKeysAlikeBothNameTheFirst) {
  naming.fireKeys[1] = naming.fireKeys[0];
  EXPECT_EQ(Name(0x0612001E), "Fire Key1");
  EXPECT_FALSE(naming.effects.fireContinue[1]);
}

TEST_F(FunctionNames, FireKeyOfSixteenShots) {
  naming.fireKeys[2] = {16, 30};
  EXPECT_EQ(Name(0x060F001E), "Fire Key3");
  naming.fireKeys[2] = {0, 30};  // a count the repeat bits cannot hold
  EXPECT_EQ(Name(0x060F001E), "");
}

TEST_F(FunctionNames, ProfileSwitchSelectsTheColourOfItsProfile) {
  const struct {
    std::uint32_t code;
    int profile;         // colour list 0..2 that changes, -1 for none
    int entry;
  } cases[] = {
      {0x07D1F018, 1, 10}, {0x07803000, 0, 3}, {0x07829000, 2, 9}, {0x07E10518, 1, 0},
      {0x0781A000, -1, 0}, {0x0781E000, -1, 0}, {0x0700F000, -1, 0}, {0x0783F000, -1, 0},
  };
  for (const auto& c : cases) {
    naming.effects = {};
    Name(c.code);
    for (int p = 0; p < kProfileCount; ++p) {
      const auto& entry = naming.effects.profileColourEntry[std::size_t(p)];
      if (p == c.profile) {
        EXPECT_EQ(entry, c.entry) << FunctionCode::FromNumber(c.code).Text();
      } else {
        EXPECT_FALSE(entry) << FunctionCode::FromNumber(c.code).Text() << " profile " << p;
      }
    }
  }
  // Naming several codes leaves the last choice for each profile.
  naming.effects = {};
  Name(0x07803000);
  Name(0x07805000);
  Name(0x0780A000);
  EXPECT_EQ(naming.effects.profileColourEntry[0], 5);
}

TEST_F(FunctionNames, GunCodesWithoutTheFireMacroFile) {
  const struct {
    std::uint32_t code;
    const char* name;
  } cases[] = {
      {0x0B150208, "TOMPSON Fire"}, {0x0B150308, ""}, {0x0B000100, "AKM Fire"}, {0x0B1001FF, "AKM Fire"},
      {0x0B040100, "SCAR-L Fire"}, {0x0B160300, "UZI Fire"}, {0x0B060400, ""}, {0x0B040000, ""},
      {0x0B040200, ""}, {0x0B070100, ""}, {0x0B170100, ""}, {0x0B200100, ""}, {0x0B800100, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Name(c.code), c.name) << FunctionCode::FromNumber(c.code).Text();
}

TEST_F(FunctionNames, GunCodesWithTheFireMacroFile) {
  std::array<FunctionCode, kFireMacroFileEntryCount> file{};
  file[0] = FunctionCode::FromNumber(0x0B120400);
  file[2] = FunctionCode::FromNumber(0x0B150200);
  file[5] = FunctionCode::FromNumber(0x0B150208);  // the same gun again: the higher entry wins
  file[9] = FunctionCode::FromNumber(0x0B830000);
  naming.fireMacroFile = file;
  const struct {
    std::uint32_t code;
    const char* name;
  } cases[] = {
      {0x0B150200, "Fire Macro6"}, {0x0B1502FF, "Fire Macro6"}, {0x0B120408, "Fire Macro1"},
      {0x0B830000, "Fire Macro10"}, {0x0B000100, ""},  // no fallback to the gun names
      {0x0B000000, ""},  // empty entries hold no gun code
  };
  for (const auto& c : cases) EXPECT_EQ(Name(c.code), c.name) << FunctionCode::FromNumber(c.code).Text();
}

TEST_F(FunctionNames, MacroReferencesNameTheUsedSlotAtTheirAddress) {
  naming.deviceMacros[0] = {true, 0x200, "Reload"};
  naming.deviceMacros[1] = {true, 0x21A, "Jump"};
  naming.deviceMacros[2] = {false, 0x23E, "Gone"};
  const struct {
    DeviceType type;
    std::uint32_t code;
    const char* name;
  } cases[] = {
      {DeviceType::kI2C, 0x10020000, "Reload"},  {DeviceType::kQL840, 0x10021A00, "Jump"},
      {DeviceType::kI2C, 0x10023E00, ""},        {DeviceType::kI2C, 0x10021B00, ""},
      {DeviceType::kI2C, 0x10013000, ""},        {DeviceType::kFlash, 0x10020000, ""},
      {DeviceType::kNone, 0x10020000, ""},
  };
  for (const auto& c : cases) {
    naming.icType = c.type;
    EXPECT_EQ(Name(c.code), c.name) << FunctionCode::FromNumber(c.code).Text() << " " << DeviceTypeName(c.type);
  }
  naming.icType = DeviceType::kI2C;
  naming.deviceMacros[0].used = false;  // slot 0 keeps its address when empty
  EXPECT_EQ(Name(0x10020000), "");
}

TEST_F(FunctionNames, NamesComeFromTheCurrentLanguage) {
  naming.language = &languages.Table(1);
  EXPECT_EQ(Name(0x01010000), languages.Table(1).Text(210));
  EXPECT_NE(Name(0x01010000), "Left Key");
  // Key combinations and fire macro file entries are not translated.
  EXPECT_EQ(Name(0x02030400), "Ctrl+Shift+A");

  const std::u16string text = u"\"[lang3]\"\r\n\"Str210=Left\"\r\n";
  std::vector<std::uint8_t> bytes;
  for (char16_t unit : text) {
    bytes.push_back(std::uint8_t(unit & 0xFF));
    bytes.push_back(std::uint8_t(unit >> 8));
  }
  const LanguageTable small = LanguageTable::Parse(bytes, "lang3");
  naming.language = &small;
  EXPECT_EQ(Name(0x01010000), "Left");
  EXPECT_EQ(Name(0x01020000), "");  // no Str211 in this table
  EXPECT_EQ(Name(0x02000000), "");  // no Str205

  naming.language = nullptr;
  EXPECT_EQ(Name(0x01010000), "");
}

TEST_F(FunctionNames, CodeTextsThatAreNotCodesHaveNoName) {
  EXPECT_EQ(FunctionCodeName("0300CD00", naming), "Play/Pause");
  for (const char* text : {"0300cd00", "0300CD0", "", "0300CD00 "}) EXPECT_EQ(FunctionCodeName(text, naming), "") << text;
}

}  // namespace
}  // namespace orvane
