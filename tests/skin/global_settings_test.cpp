#include "skin/global_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

// A complete global table; later lines with the same key override its values.
constexpr const char* kGlobalTable =
    "[org]\n"
    "Web_Enable=0\nWeb=https://a.example/\nWeb_X=9400\nWeb_Y=16\n"
    "Rev_Manu_ID=0\nRev_Pro_ID=0\nPath=\nTR_Enable=0\nBE_Enable=0\nGD_Enable=1\n"
    "DPILED_Status=1\nGun6_Num=1\nGun7_Num=1\nNum_Order=-1\nNum_Mouse_Order=0\nDPI_Count=15\n";

GlobalSettings ReadWith(const std::string& extraLines) {
  return ReadGlobalSettings(IniFile::Parse(std::string(kGlobalTable) + extraLines));
}

TEST(GlobalSettingsTest, BuiltInTableHoldsTheShippedValues) {
  const GlobalSettings s = LoadGlobalSettings();
  EXPECT_FALSE(s.webEnable);
  EXPECT_EQ(s.web, "https://orvane-config.example/");
  EXPECT_EQ(s.webX, 9400);
  EXPECT_EQ(s.webY, 16);
  EXPECT_EQ(s.revManuId, 0);
  EXPECT_EQ(s.revProId, 0);
  EXPECT_EQ(s.path, "");
  EXPECT_FALSE(s.trEnable);
  EXPECT_FALSE(s.beEnable);
  EXPECT_TRUE(s.gdEnable);
  EXPECT_EQ(s.dpiLedStatus, 1);
  EXPECT_EQ(s.gun6Num, 1);
  EXPECT_EQ(s.gun7Num, 1);
  EXPECT_EQ(s.numOrder, -1);
  EXPECT_EQ(s.numMouseOrder, 0);
  EXPECT_EQ(s.dpiCount, 15);
}

TEST(GlobalSettingsTest, EveryValueComesFromItsOwnKey) {
  const GlobalSettings s = ReadWith(
      "Web_Enable=1\nWeb=https://b.example/x?a=1\nWeb_X=300\nWeb_Y=-4\n"
      "Rev_Manu_ID=18\nRev_Pro_ID=52\nPath=/home/u/macros\nTR_Enable=1\nBE_Enable=1\n"
      "GD_Enable=0\nDPILED_Status=0\nGun6_Num=2\nGun7_Num=3\nNum_Order=1\n"
      "Num_Mouse_Order=-1\nDPI_Count=8\n");
  EXPECT_TRUE(s.webEnable);
  EXPECT_EQ(s.web, "https://b.example/x?a=1");
  EXPECT_EQ(s.webX, 300);
  EXPECT_EQ(s.webY, -4);
  EXPECT_EQ(s.revManuId, 18);
  EXPECT_EQ(s.revProId, 52);
  EXPECT_EQ(s.path, "/home/u/macros");
  EXPECT_TRUE(s.trEnable);
  EXPECT_TRUE(s.beEnable);
  EXPECT_FALSE(s.gdEnable);
  EXPECT_EQ(s.dpiLedStatus, 0);
  EXPECT_EQ(s.gun6Num, 2);
  EXPECT_EQ(s.gun7Num, 3);
  EXPECT_EQ(s.numOrder, 1);
  EXPECT_EQ(s.numMouseOrder, -1);
  EXPECT_EQ(s.dpiCount, 8);
}

TEST(GlobalSettingsTest, SwitchesAreOnOnlyForOne) {
  const GlobalSettings s = ReadWith("Web_Enable=2\nTR_Enable=-1\nBE_Enable=01\nGD_Enable=0\n");
  EXPECT_FALSE(s.webEnable);
  EXPECT_FALSE(s.trEnable);
  EXPECT_TRUE(s.beEnable);
  EXPECT_FALSE(s.gdEnable);
}

TEST(GlobalSettingsTest, VariantsAndSliderSizeAreHeldInRange) {
  const struct {
    const char* lines;
    int gun6, gun7, dpiCount;
  } cases[] = {
      {"Gun6_Num=5\nGun7_Num=0\n", 2, 1, 15},
      {"Gun6_Num=0\nGun7_Num=4\n", 1, 3, 15},
      {"Gun6_Num=-7\nGun7_Num=2\n", 1, 2, 15},
      {"DPI_Count=1\n", 1, 1, 2},  // one position would leave the slider without a step
      {"DPI_Count=0\n", 1, 1, 2},
      {"DPI_Count=16\n", 1, 1, 15},  // only fifteen DPI values exist
      {"DPI_Count=2\n", 1, 1, 2},
  };
  for (const auto& c : cases) {
    const GlobalSettings s = ReadWith(c.lines);
    EXPECT_EQ(s.gun6Num, c.gun6) << c.lines;
    EXPECT_EQ(s.gun7Num, c.gun7) << c.lines;
    EXPECT_EQ(s.dpiCount, c.dpiCount) << c.lines;
  }
}

TEST(GlobalSettingsTest, KeysInOtherLetterCaseAreFound) {
  const GlobalSettings s = ReadGlobalSettings(IniFile::Parse(
      "[ORG]\nweb_enable=1\nWEB=x\nweb_x=1\nweb_y=2\nrev_manu_id=3\nrev_pro_id=4\npath=p\n"
      "tr_enable=0\nbe_enable=0\ngd_enable=0\ndpiled_status=0\ngun6_num=2\ngun7_num=2\n"
      "num_order=0\nnum_mouse_order=0\ndpi_count=7\n"));
  EXPECT_TRUE(s.webEnable);
  EXPECT_EQ(s.web, "x");
  EXPECT_EQ(s.revProId, 4);
  EXPECT_EQ(s.dpiCount, 7);
}

TEST(GlobalSettingsTest, WebAndPathMayBeAbsent) {
  const GlobalSettings s = ReadGlobalSettings(IniFile::Parse(
      "[org]\nWeb_Enable=0\nWeb_X=9400\nWeb_Y=16\nRev_Manu_ID=0\nRev_Pro_ID=0\nTR_Enable=0\n"
      "BE_Enable=0\nGD_Enable=1\nDPILED_Status=1\nGun6_Num=1\nGun7_Num=1\nNum_Order=-1\n"
      "Num_Mouse_Order=0\nDPI_Count=15\n"));
  EXPECT_EQ(s.web, "");
  EXPECT_EQ(s.path, "");
}

TEST(GlobalSettingsTest, FirstBadIntegerInTableOrderStopsTheReading) {
  const struct {
    std::string text;
    const char* message;
  } cases[] = {
      {std::string(kGlobalTable) + "Web_X=right\nDPI_Count=many\n",
       "'right' is not a valid integer value"},
      {std::string(kGlobalTable) + "DPI_Count=1.5\n", "'1.5' is not a valid integer value"},
      {"[org]\nWeb_Enable=0\n", "'' is not a valid integer value"},  // Web_X absent
      {"[other]\nWeb_Enable=0\n", "'' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    try {
      ReadGlobalSettings(IniFile::Parse(c.text));
      ADD_FAILURE() << "no error for:\n" << c.text;
    } catch (const IniConversionError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace orvane
