#include "buttons/function_catalogue.h"

#include <algorithm>

namespace orvane {
namespace {

using R = CodeRecipe;
constexpr FunctionCode C(std::uint32_t number) { return FunctionCode::FromNumber(number); }

constexpr MenuEntry kMenu[] = {
    {900, "Key_Left", 210, R::kFixed, C(0x01010000)},
    {901, "Key_Right", 211, R::kFixed, C(0x01020000)},
    {902, "Key_Middle", 212, R::kComboMasked, C(0x01040000), 0, &ComboMasks::middle},
    {903, "Key_B4", 213, R::kComboMasked, C(0x01080000), 0, &ComboMasks::backward},
    {904, "Key_B5", 214, R::kComboMasked, C(0x01100000), 0, &ComboMasks::forward},
    {1000, "Key_AIM", 260, R::kAimKey, C(0x05000000)},
    {1001, "Key_LEDMode", 261, R::kFixed, C(0x0E000000)},
    {1002, "Key_LEDSwitch", 262, R::kFixed, C(0x08000000)},
    {1003, "Key_BtnEFT", 263, R::kFixed, C(0x08010000)},
    {1004, "Key_ReportRate", 264, R::kFixed, C(0x0C000000)},
    {1005, "Key_FireMacroKey", 265, R::kGunTableMacro, C(0x100130FF)},
    {1006, "Key_FireMacroOff", 266, R::kFixed, C(0x0B8F0000)},
    {1007, "Key_KeyOff", 277, R::kFixed, C(0x00000000)},
    {1100, "Key_PlayPause", 270, R::kFixed, C(0x0300CD00)},
    {1101, "Key_Stop", 271, R::kFixed, C(0x0300B700)},
    {1102, "Key_PreviousTrack", 272, R::kFixed, C(0x0300B600)},
    {1103, "Key_NextTrack", 273, R::kFixed, C(0x0300B500)},
    {1104, "Key_VolumePlus", 274, R::kFixed, C(0x0300E900)},
    {1105, "Key_VolumeMinus", 275, R::kFixed, C(0x0300EA00)},
    {1106, "Key_Mute", 276, R::kFixed, C(0x0300E200)},
    {1200, "Key_WWWHome", 280, R::kFixed, C(0x03022300)},
    {1201, "Key_WWWSearch", 281, R::kFixed, C(0x03022100)},
    {1202, "Key_WWWBack", 282, R::kFixed, C(0x03022400)},
    {1203, "Key_WWWForward", 283, R::kFixed, C(0x03022500)},
    {1204, "Key_WWWStop", 284, R::kFixed, C(0x03022600)},
    {1205, "Key_WWWRefresh", 285, R::kFixed, C(0x03022700)},
    {1206, "Key_WWWFavorites", 286, R::kFixed, C(0x03022A00)},
    {1300, "Key_Computer", 290, R::kFixed, C(0x03019400)},
    {1301, "Key_Calculator", 291, R::kFixed, C(0x03019200)},
    {1302, "Key_EMail", 292, R::kFixed, C(0x03018A00)},
    {1303, "Key_Desktop", 293, R::kFixed, C(0x02080700)},  // Win + D
    {2000, "Key_CPI", 221, R::kComboMasked, C(0x09000000), 0, &ComboMasks::dpiLoop},
    {2001, "Key_CPII", 222, R::kComboMasked, C(0x09010000), 0, &ComboMasks::dpiUp},
    {2002, "Key_CPID", 223, R::kComboMasked, C(0x09020000), 0, &ComboMasks::dpiDown},
    {2100, "Key_Fire1", 231, R::kFireKey, C(0x06000000), 0},
    {2101, "Key_Fire2", 232, R::kFireKey, C(0x06000000), 1},
    {2102, "Key_Fire3", 233, R::kFireKey, C(0x06000000), 2},
    {2200, "Key_PowerDown", 241, R::kFixed, C(0x04010000)},
    {2201, "Key_Sleep", 242, R::kFixed, C(0x04020000)},
    {2202, "Key_WakeUp", 243, R::kFixed, C(0x04030000)},
    {2300, "Key_Profile1", 251, R::kProfileSwitch, C(0x07800000), 0},
    {2301, "Key_Profile2", 252, R::kProfileSwitch, C(0x07810000), 1},
    {2302, "Key_Profile3", 253, R::kProfileSwitch, C(0x07820000), 2},
    {2303, "Key_Profile", 254, R::kFixed, C(0x07000000)},
    {2400, "Key_AdjustXYFn", 268, R::kFixed, C(0x0A000000)},
    {2401, "Key_AdjustXYSwitch", 269, R::kFixed, C(0x0A010000)},
    {0, "", 277, R::kFixed, C(0x00000000)},
};

// Fire macro key codes that older images hold; recognised, never built.
constexpr FunctionCode kOlderFireMacroKeys[] = {C(0x100710FF), C(0x107000FF)};
constexpr int kFireMacroKeyNameId = 265;

constexpr std::uint8_t Low(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

FunctionCode FireKeyCode(const FireKeySetting& key) {
  const int repeat = key.repeatCount + 0x0F + (key.continuous ? 0x80 : 0);
  return {0x06, Low(repeat), Low(key.delay >> 8), Low(key.delay)};
}

FunctionCode ProfileSwitchCode(int profile, const CodeBuildContext& c) {
  const auto target = static_cast<std::uint8_t>(profile);
  const std::uint8_t offsetLow = Low(c.offset);
  if (c.comboKeyOrigin) {
    const std::uint8_t b1 = static_cast<std::uint8_t>(0x80 | target | (c.returnToZero ? 0x40 : 0) |
                                                      (c.adjustXY ? 0x20 : 0) |
                                                      (c.changeColour ? 0x10 : 0));
    // Sync lighting has one colour for every profile.
    const std::uint8_t colour = c.ledType == LedType::kSync
                                    ? ProfileColourValue(10)
                                    : ProfileColourValue(c.profileColourEntries[target]);
    const auto offsetHigh = static_cast<std::uint8_t>((c.offset >> 8) & 0x0F);
    return {0x07, b1, static_cast<std::uint8_t>(colour | offsetHigh), offsetLow};
  }
  // With gun display the office and game switches carry the specified colour and the offset.
  if (c.gunDisplay && profile < 2)
    return {0x07, static_cast<std::uint8_t>(0xD0 | target), 0xF0, offsetLow};
  return {0x07, static_cast<std::uint8_t>(0x80 | target), 0x00, 0x00};
}

}  // namespace

std::span<const MenuEntry> MenuEntries() { return kMenu; }

const MenuEntry* FindMenuEntry(int tag) {
  const auto* it = std::find_if(std::begin(kMenu), std::end(kMenu),
                                [tag](const MenuEntry& e) { return e.tag == tag; });
  return it == std::end(kMenu) ? nullptr : it;
}

std::uint8_t ProfileColourValue(int entry) {
  if (entry == 10) return 0xF0;
  if (entry >= 0 && entry <= 9) return static_cast<std::uint8_t>(16 * entry);
  return 0x00;
}

std::optional<FunctionCode> FunctionCodeValueForTag(int tag, const CodeBuildContext& context) {
  const MenuEntry* e = FindMenuEntry(tag);
  if (!e) return std::nullopt;
  const FunctionCode& base = e->code;
  switch (e->recipe) {
    case R::kFixed:
      return base;
    case R::kComboMasked:
      return FunctionCode(base[0], base[1], base[2], context.masks.*(e->mask));
    case R::kAimKey:
      return FunctionCode(base[0], Low(context.aimLevel - 1), 0x00, 0x00);
    case R::kFireKey:
      return FireKeyCode(context.fireKeys[static_cast<std::size_t>(e->index)]);
    case R::kProfileSwitch:
      return ProfileSwitchCode(e->index, context);
    case R::kGunTableMacro:
      if (!HasConfigImage(context.icType)) return std::nullopt;
      return base;
  }
  return std::nullopt;
}

std::string FunctionCodeForTag(int tag, const CodeBuildContext& context) {
  const auto code = FunctionCodeValueForTag(tag, context);
  return code ? code->Text() : std::string();
}

std::optional<int> FixedCodeNameId(const FunctionCode& code) {
  for (const FunctionCode& older : kOlderFireMacroKeys)
    if (code == older) return kFireMacroKeyNameId;
  for (const MenuEntry& e : kMenu) {
    const bool fixed = e.recipe == R::kFixed || e.recipe == R::kGunTableMacro;
    if (fixed && e.code == code && e.code.Category() != FunctionCategory::kProfileSwitch)
      return e.nameId;
  }
  return std::nullopt;
}

}  // namespace orvane
