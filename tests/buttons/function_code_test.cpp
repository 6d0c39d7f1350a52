#include "buttons/function_code.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(FunctionCode, TextIsEightUpperCaseDigitsByteZeroFirst) {
  const struct {
    FunctionCode code;
    const char* text;
  } cases[] = {
      {FunctionCode(0x03, 0x00, 0xCD, 0x00), "0300CD00"},
      {FunctionCode(0x0A, 0x0B, 0x0C, 0x0D), "0A0B0C0D"},
      {FunctionCode(), "00000000"},
      {FunctionCode(0xFF, 0xFF, 0xFF, 0xFF), "FFFFFFFF"},
      {FunctionCode::FromNumber(0x100130FF), "100130FF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.code.Text(), c.text);
    const auto parsed = FunctionCode::Parse(c.text);
    ASSERT_TRUE(parsed) << c.text;
    EXPECT_EQ(*parsed, c.code) << c.text;
  }
}

TEST(FunctionCode, BytesFromTheImageKeepTheirOrder) {
  const std::uint8_t image[] = {0x07, 0xD1, 0xF0, 0x18};
  const FunctionCode code = FunctionCode::FromBytes(image);
  EXPECT_EQ(code.Text(), "07D1F018");
  EXPECT_EQ(code.Number(), 0x07D1F018u);
  EXPECT_EQ(code[1], 0xD1);
}

TEST(FunctionCode, ParseRefusesAnythingButEightUpperCaseHexDigits) {
  const struct {
    std::string text;
    const char* errorPart;  // what the message must point at
  } cases[] = {
      {"", "not 0 characters"},
      {"0300CD0", "not 7 characters"},
      {"0300CD000", "not 9 characters"},
      {"0300cd00", "character 5 of the function code is 'c'"},
      {" 300CD00", "character 1 of the function code is ' '"},
      {"0300CD0G", "character 8 of the function code is 'G'"},
      {"0x00CD00", "character 2 of the function code is 'x'"},
      {"-3000000", "character 1 of the function code is '-'"},
      {std::string("0300\0D00", 8), "character 5 of the function code is byte 0x00"},
      {"0300\xC3\x89" "00", "character 5 of the function code is byte 0xC3"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(FunctionCode::Parse(c.text, error)) << c.text;
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.text << ": " << error;
  }
}

TEST(FunctionCode, CategoryComesFromByteZero) {
  using C = FunctionCategory;
  const struct {
    std::uint8_t byte0;
    FunctionCategory category;
  } cases[] = {
      {0x00, C::kKeyOff},        {0x01, C::kMouseButton},     {0x02, C::kKeyCombination},
      {0x03, C::kConsumer},      {0x04, C::kPower},           {0x05, C::kAim},
      {0x06, C::kFireKey},       {0x07, C::kProfileSwitch},   {0x08, C::kLightingSwitch},
      {0x09, C::kDpiKey},        {0x0A, C::kAdjustXY},        {0x0B, C::kGunFireMacro},
      {0x0C, C::kReportRateSwitch}, {0x0D, C::kUnknown},      {0x0E, C::kLedModeSwitch},
      {0x0F, C::kUnknown},       {0x10, C::kMacroReference},  {0x11, C::kUnknown},
      {0x80, C::kUnknown},       {0xFF, C::kUnknown},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FunctionCode(c.byte0, 0x12, 0x34, 0x56).Category(), c.category) << int(c.byte0);
}

}  // namespace
}  // namespace orvane
