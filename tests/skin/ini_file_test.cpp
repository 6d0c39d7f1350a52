#include "skin/ini_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orvane {
namespace {

struct LookupCase {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

class IniLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(IniLookupTest, FindsWhatTheLinesSay) {
  const LookupCase& c = GetParam();
  const IniFile ini = IniFile::Parse(c.text);
  EXPECT_EQ(ini.Find(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IniLookupTest,
    testing::Values(
        LookupCase{"LineFeeds", "[org]\nA=1\nB=2\n", "org", "B", "2"},
        LookupCase{"CarriageReturnsOnly", "[org]\rA=1\rB=2", "org", "B", "2"},
        LookupCase{"CrLf", "[org]\r\nA=1\r\nB=2\r\n", "org", "A", "1"},
        LookupCase{"NoBreakAtEnd", "[org]\nA=last", "org", "A", "last"},
        LookupCase{"SemicolonLineSkipped", "[org]\n;A=1\n", "org", "A", std::nullopt},
        LookupCase{"SemicolonAfterBlanks", "[org]\n   ; A=1\n", "org", ";A", std::nullopt},
        LookupCase{"SemicolonInsideValueKept", "[org]\nA=1 ; note\n", "org", "A", "1 ; note"},
        LookupCase{"BeforeFirstSectionDropped", "A=1\n[org]\nB=2\n", "org", "A", std::nullopt},
        LookupCase{"LaterDuplicateWins", "[org]\nA=1\nA=2\n", "org", "A", "2"},
        LookupCase{"DuplicateInOtherCaseWins", "[org]\nDPI_Count=15\ndpi_count=7\n", "org",
                   "DPI_Count", "7"},
        LookupCase{"KeyCaseIgnored", "[org]\ndpi_count=15\n", "ORG", "DPI_Count", "15"},
        LookupCase{"SectionCaseIgnored", "[ORG1]\nA=1\n", "org1", "a", "1"},
        LookupCase{"BannerNeverAKey", "[org]\n//=== DPI page ===\n", "org", "//", std::nullopt},
        LookupCase{"BannerWithKeyShape", "[org]\n//Web=x\n", "org", "//Web", std::nullopt},
        LookupCase{"EqualsInsideValue", "[org]\nWeb=https://a.example/?x=1&y=2\n", "org", "Web",
                   "https://a.example/?x=1&y=2"},
        LookupCase{"BlanksAroundKeyAndValue", "[org]\n \t Web_X \t=\t 9400  \n", "org", "Web_X",
                   "9400"},
        LookupCase{"BlanksAroundSectionName", "  [ org ]  \nA=1\n", "org", "A", "1"},
        LookupCase{"EmptyValue", "[org]\nPath=\n", "org", "Path", ""},
        LookupCase{"LineWithoutEqualsIgnored", "[org]\nPath\n", "org", "Path", std::nullopt},
        LookupCase{"KeyOnlyInItsSection", "[org1]\nA=1\n[org2]\nB=2\n", "org2", "A",
                   std::nullopt},
        LookupCase{"RepeatedSectionContinues", "[org]\nA=1\n[x]\nA=9\n[org]\nB=2\n", "org", "A",
                   "1"},
        LookupCase{"RepeatedSectionAddsKeys", "[org]\nA=1\n[x]\n[org]\nB=2\n", "org", "B", "2"},
        LookupCase{"Utf8ByteOrderMarkSkipped", "\xEF\xBB\xBF[org]\nA=1\n", "org", "A", "1"},
        LookupCase{"Utf8TextKept", "[lang3]\nStr001=\xD0\x9F\xD1\x80\xD0\xB8 \xE4\xB8\xAD\n",
                   "lang3", "Str001", "\xD0\x9F\xD1\x80\xD0\xB8 \xE4\xB8\xAD"},
        LookupCase{"OpenBracketOnlyIsNoSection", "[org]\n[\nA=1\n", "org", "A", "1"}),
    [](const testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(IniFileTest, ReadStringGivesFallbackOnlyForAbsentKeys) {
  const IniFile ini = IniFile::Parse("[org]\nPath=\nWeb=x\n");
  EXPECT_EQ(ini.ReadString("org", "Path", "dir"), "");
  EXPECT_EQ(ini.ReadString("org", "Web", "dir"), "x");
  EXPECT_EQ(ini.ReadString("org", "Missing", "dir"), "dir");
  EXPECT_EQ(ini.ReadString("nosuch", "Web"), "");
}

TEST(IniFileTest, AddLineContinuesTheCurrentSection) {
  IniFile ini;
  ini.AddLine("Early=1");
  ini.AddLine("  [lang1]  ");
  ini.AddLine(" Str001 = Confirm 1 ");
  ini.AddLine("1");
  ini.AddLine("Str002=A\r\nStr003=B");
  EXPECT_EQ(ini.Find("lang1", "Early"), std::nullopt);
  EXPECT_EQ(ini.Find("LANG1", "str001"), "Confirm 1");
  EXPECT_EQ(ini.Find("lang1", "Str003"), "B");
  EXPECT_EQ(ini.Keys("lang1"), (std::vector<std::string>{"Str001", "Str002", "Str003"}));
}

TEST(IniFileTest, SectionsAndKeysInFileOrder) {
  const IniFile ini = IniFile::Parse("[org2]\nZ=1\nb=2\nZ=3\nA=4\n[org1]\n[ORG2]\nc=5\n");
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"org2", "org1"}));
  EXPECT_EQ(ini.Keys("org2"), (std::vector<std::string>{"Z", "b", "A", "c"}));
  EXPECT_TRUE(ini.HasSection("Org1"));
  EXPECT_TRUE(ini.Keys("org1").empty());
  EXPECT_FALSE(ini.HasSection("org3"));
  EXPECT_TRUE(ini.Keys("org3").empty());
}

struct IntegerCase {
  const char* text;
  std::optional<int> expected;
};

TEST(IniIntegerTest, AcceptsDecimalAndHexLikeTheSkinTables) {
  const IntegerCase cases[] = {
      {"0", 0},
      {"15", 15},
      {"+7", 7},
      {"-1", -1},
      {"0009400", 9400},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"$1F", 31},
      {"$ff", 255},
      {"0x80", 128},
      {"0X10", 16},
      {"-$10", -16},
      {"$FFFFFFFF", -1},
      {"0x7FFFFFFF", 2147483647},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"$100000000", std::nullopt},
      {"12a", std::nullopt},
      {"1.5", std::nullopt},
      {"1e3", std::nullopt},
      {" 1", std::nullopt},
      {"1 ", std::nullopt},
      {"--1", std::nullopt},
      {"0x-1", std::nullopt},
      {"$G", std::nullopt},
      {"x10", std::nullopt},
  };
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(ParseIniInteger(c.text), c.expected) << "text '" << c.text << "'";
  }
}

TEST(IniIntegerTest, ThrowingLookupNamesTheBadValue) {
  const IniFile ini = IniFile::Parse("[org]\nDPI_Count= 15 \nGun6_Num=two\nPath=\n");
  EXPECT_EQ(ini.ReadInteger("org", "dpi_count"), 15);

  const struct {
    const char* key;
    const char* message;
  } failures[] = {
      {"Gun6_Num", "'two' is not a valid integer value"},
      {"Path", "'' is not a valid integer value"},
      {"Missing", "'' is not a valid integer value"},
  };
  for (const auto& f : failures) {
    try {
      ini.ReadInteger("org", f.key);
      ADD_FAILURE() << f.key << " did not throw";
    } catch (const IniConversionError& error) {
      EXPECT_STREQ(error.what(), f.message) << f.key;
    }
  }
  EXPECT_THROW(ini.ReadInteger("nosuch", "DPI_Count"), IniConversionError);
}

TEST(IniIntegerTest, FallbackForAbsentOrNonNumericValues) {
  const IniFile ini = IniFile::Parse("[org1]\nDelayTime_Width=240\nDelayTime_Height=tall\nX=\n");
  EXPECT_EQ(ini.ReadInteger("org1", "DelayTime_Width", 200), 240);
  EXPECT_EQ(ini.ReadInteger("org1", "DelayTime_Height", 180), 180);
  EXPECT_EQ(ini.ReadInteger("org1", "X", 5), 5);
  EXPECT_EQ(ini.ReadInteger("org1", "Missing", -3), -3);
}

TEST(IniColourTest, RedInTheLowByte) {
  const IniFile ini = IniFile::Parse(
      "[org1]\n"
      "Color_A_R=1\nColor_A_G=2\nColor_A_B=3\n"
      "Color_W_R=255\nColor_W_G=255\nColor_W_B=255\n"
      "Color_O_R=300\nColor_O_G=-5\nColor_O_B=0\n"
      "Color_X_R=1\nColor_X_G=oops\nColor_X_B=3\n"
      "Color_Y_R=1\nColor_Y_G=2\n");
  EXPECT_EQ(ini.ReadColour("org1", "Color_A"), 0x030201u);
  EXPECT_EQ(ini.ReadColour("org1", "color_w"), 0xFFFFFFu);
  // Out-of-range parts stay in their own byte.
  EXPECT_EQ(ini.ReadColour("org1", "Color_O"), 0x0000FFu);
  try {
    ini.ReadColour("org1", "Color_X");
    ADD_FAILURE() << "non-numeric green did not throw";
  } catch (const IniConversionError& error) {
    EXPECT_STREQ(error.what(), "'oops' is not a valid integer value");
  }
  EXPECT_THROW(ini.ReadColour("org1", "Color_Y"), IniConversionError);
}

}  // namespace
}  // namespace orvane
