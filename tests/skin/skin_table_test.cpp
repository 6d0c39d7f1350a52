#include "skin/skin_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>

namespace orvane {
namespace {

std::string ErrorText(const std::function<void()>& read) {
  try {
    read();
  } catch (const IniConversionError& error) {
    return error.what();
  }
  return "no error";
}

// Language 3 over language 1, the way the built-in tables stack.
SkinTable Stacked(const char* own, const char* base) {
  return SkinTable(IniFile::Parse(own), "org3", IniFile::Parse(base), "org1");
}

std::set<std::string> LowerKeys(const IniFile& ini, const std::string& section) {
  std::set<std::string> keys;
  for (std::string key : ini.Keys(section)) {
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    keys.insert(key);
  }
  return keys;
}

TEST(SkinTableTest, ItemPlaceIsReadOnlyWhenShown) {
  const SkinTable table(IniFile::Parse("[org1]\n"
                                       "Btn_A2_Enable=1\nBtn_A2_X=560\nBtn_A2_Y=616\n"
                                       "Key3_Enable=0\n"
                                       "Key4_Enable=2\nKey4_X=bad\n"
                                       "Key5_Enable=1\nKey5_X=10\n"
                                       "Key6_Enable=yes\n"),
                        "org1");
  const SkinItem shown = table.Item("Btn_A2");
  EXPECT_TRUE(shown.shown);
  EXPECT_EQ(shown.x, 560);
  EXPECT_EQ(shown.y, 616);
  EXPECT_FALSE(table.Item("Key3").shown);  // no place keys needed
  EXPECT_FALSE(table.Item("key4").shown);  // anything but 1 hides
  EXPECT_EQ(ErrorText([&] { table.Item("Key5"); }), "'' is not a valid integer value");
  EXPECT_EQ(ErrorText([&] { table.Item("Key6"); }), "'yes' is not a valid integer value");
  EXPECT_EQ(ErrorText([&] { table.Item("Key7"); }), "'' is not a valid integer value");
}

TEST(SkinTableTest, SizesDistancesAndGroupText) {
  const SkinTable table(IniFile::Parse("[org1]\nSpd_X=5\nSpd_Y=6\nSpd_D=27\n"
                                       "PCMacroName_W=200\nPCMacroName_H=300\n"
                                       "Size_G=10\nColor_G_R=1\nColor_G_G=2\nColor_G_B=3\n"),
                        "org1");
  EXPECT_EQ(table.X("Spd"), 5);
  EXPECT_EQ(table.Y("Spd"), 6);
  EXPECT_EQ(table.Distance("Spd"), 27);
  EXPECT_EQ(table.Width("PCMacroName"), 200);
  EXPECT_EQ(table.Height("PCMacroName"), 300);
  const SkinGroupText group = table.Group("G");
  EXPECT_EQ(group.size, 10);
  EXPECT_EQ(group.colour, 0x030201u);
  EXPECT_THROW(table.Group("H"), IniConversionError);
}

TEST(SkinTableTest, LabelFamily) {
  const SkinTable table(IniFile::Parse("[org1]\n"
                                       "DPI_Note_Lable_X=40\nDPI_Note_Lable_Y=50\n"
                                       "DPI_Note_Lable_R=255\nDPI_Note_Lable_G=128\n"
                                       "DPI_Note_Lable_B=0\nDPI_Note_Lable_Size=9\n"
                                       "DPI_Note_Lable_Width=300\n"
                                       "LED_Mode_Lable_X=1\nLED_Mode_Lable_Y=2\n"
                                       "LED_Mode_Lable_R=3\nLED_Mode_Lable_G=x4\n"),
                        "org1");
  const SkinLabel label = table.Label("DPI_Note");
  EXPECT_EQ(label.x, 40);
  EXPECT_EQ(label.y, 50);
  EXPECT_EQ(label.colour, 0x0080FFu);
  EXPECT_EQ(label.size, 9);
  EXPECT_EQ(label.width, 300);
  EXPECT_EQ(label.Height(), 18);
  EXPECT_EQ(ErrorText([&] { table.Label("LED_Mode"); }), "'x4' is not a valid integer value");
}

TEST(SkinTableTest, MissingValuesComeFromTheBaseTable) {
  const SkinTable table = Stacked(
      "[org3]\nM_L_W=160\nBtn_B10_Enable=1\nBtn_B10_X=24\nSize_F=bad\n",
      "[org1]\nM_L_W=170\nbtn_b10_enable=0\nBtn_B10_Y=596\nSize_F=9\n"
      "Color_BG_Slider_R=20\nColor_BG_Slider_G=21\nColor_BG_Slider_B=22\nDelayTime_Width=210\n");
  EXPECT_EQ(table.Integer("M_L_W"), 160);
  EXPECT_EQ(table.Colour("Color_BG_Slider"), 0x161514u);
  const SkinItem item = table.Item("Btn_B10");  // own Enable and X, base Y
  EXPECT_TRUE(item.shown);
  EXPECT_EQ(item.x, 24);
  EXPECT_EQ(item.y, 596);
  // A present but broken value is an error, not a reason to use the base table's.
  EXPECT_EQ(ErrorText([&] { table.Integer("Size_F"); }), "'bad' is not a valid integer value");
  // Absent from both: the error, or the caller's default.
  EXPECT_EQ(ErrorText([&] { table.Integer("MacroNameHeight"); }),
            "'' is not a valid integer value");
  EXPECT_EQ(table.Integer("DelayTime_Width", 200), 210);
  EXPECT_EQ(table.Integer("DelayTime_Height", 180), 180);
  EXPECT_EQ(table.Keys(),
            (std::vector<std::string>{"M_L_W", "Btn_B10_Enable", "Btn_B10_X", "Size_F",
                                      "Btn_B10_Y", "Color_BG_Slider_R", "Color_BG_Slider_G",
                                      "Color_BG_Slider_B", "DelayTime_Width"}));
}

TEST(SkinTableTest, OnlyThreeLanguages) {
  EXPECT_THROW(SkinTable::Load(0), std::out_of_range);
  EXPECT_THROW(SkinTable::Load(4), std::out_of_range);
}

TEST(BuiltInSkinTablesTest, LanguageButtonsOfEachSkin) {
  const struct {
    int language;
    bool lang1, lang2, lang3;
  } cases[] = {{1, false, false, false}, {2, true, true, false}, {3, true, false, true}};
  for (const auto& c : cases) {
    const SkinTable table = SkinTable::Load(c.language);
    EXPECT_EQ(table.SectionName(), "org" + std::to_string(c.language));
    EXPECT_EQ(table.Shown("Btn_B8"), c.lang1) << c.language;
    EXPECT_EQ(table.Shown("Btn_B9"), c.lang2) << c.language;
    EXPECT_EQ(table.Shown("Btn_B10"), c.lang3) << c.language;
  }
}

TEST(BuiltInSkinTablesTest, LanguageThreeGetsLanguageOnesMissingValues) {
  const IniFile own = LoadLayoutTable("org3");
  ASSERT_TRUE(own.HasSection("org3"));
  ASSERT_FALSE(own.Find("org3", "Color_BG_Slider_R"));
  const SkinTable one = SkinTable::Load(1);
  const SkinTable three = SkinTable::Load(3);
  EXPECT_EQ(three.Colour("Color_BG_Slider"), one.Colour("Color_BG_Slider"));
  EXPECT_EQ(three.Integer("DelayTime_Width", 0), one.Integer("DelayTime_Width", 0));
  EXPECT_EQ(three.Keys().size(), one.Keys().size());
  EXPECT_NE(three.Integer("M_L_W"), one.Integer("M_L_W"));
}

TEST(BuiltInSkinTablesTest, KeysAgreeWithLanguageOne) {
  const IniFile org1 = LoadLayoutTable("org1");
  const std::set<std::string> keys1 = LowerKeys(org1, "org1");
  ASSERT_FALSE(keys1.empty());
  // Language 2 has the same keys; a key of language 3 that language 1 lacks is a misspelling
  // that would silently fall back.
  EXPECT_EQ(LowerKeys(LoadLayoutTable("org2"), "org2"), keys1);
  for (const std::string& key : LowerKeys(LoadLayoutTable("org3"), "org3")) {
    EXPECT_TRUE(keys1.count(key)) << key;
  }
}

TEST(BuiltInSkinTablesTest, EveryValueIsAnIntegerAndEveryColourAByte) {
  for (int language = 1; language <= 3; ++language) {
    const std::string section = "org" + std::to_string(language);
    const IniFile ini = LoadLayoutTable(section);
    ASSERT_EQ(ini.Sections(), std::vector<std::string>{section});
    for (const std::string& key : ini.Keys(section)) {
      const auto value = ParseIniInteger(*ini.Find(section, key));
      ASSERT_TRUE(value) << section << " " << key;
      const bool colourPart = key.starts_with("Color_") || key.ends_with("_Lable_R") ||
                              key.ends_with("_Lable_G") || key.ends_with("_Lable_B");
      if (colourPart) {
        EXPECT_GE(*value, 0) << section << " " << key;
        EXPECT_LE(*value, 255) << section << " " << key;
      }
    }
  }
}

}  // namespace
}  // namespace orvane
