#pragma once
// The assignment menu's entries and the function code each one gives a button. Most codes
// are fixed; the others are built from current settings that the screens pass in.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "buttons/function_code.h"
#include "image/device_types.h"

namespace orvane {

inline constexpr int kFireKeyCount = 3;
inline constexpr int kProfileCount = 3;  // office, game, third

// One of the three fire keys as its controls hold it.
struct FireKeySetting {
  int repeatCount = 2;  // shots per press
  int delay = 16;       // interval between shots
  bool continuous = false;
};

// The Combo Enable choices: the combination mask each of these buttons carries in byte 3.
struct ComboMasks {
  std::uint8_t middle = 0;
  std::uint8_t backward = 0;
  std::uint8_t forward = 0;
  std::uint8_t dpiLoop = 0;
  std::uint8_t dpiUp = 0;
  std::uint8_t dpiDown = 0;
};

// The settings a menu pick reads, as plain values the screens take from their controls.
struct CodeBuildContext {
  ComboMasks masks;
  int aimLevel = 1;  // current aim DPI level, 1-based
  std::array<FireKeySetting, kFireKeyCount> fireKeys{};
  DeviceType icType = DeviceType::kNone;

  // Profile switches.
  bool comboKeyOrigin = false;  // the menu was opened for one of the nine combination keys
  bool returnToZero = false;    // cb_RTZ
  bool adjustXY = false;        // cb_AXY
  bool changeColour = false;    // cb_CC
  // The entry chosen in each profile's colour list: 0..9 a colour, 10 the specified colour.
  std::array<int, kProfileCount> profileColourEntries{};
  LedType ledType = LedType::kNone;
  bool gunDisplay = false;        // [org] GD_Enable
  std::uint16_t offset = 0x18;    // edt_OffSet, as a number
};

// How an entry's code comes about.
enum class CodeRecipe {
  kFixed,            // the code as it stands
  kComboMasked,      // base code with a Combo Enable mask in byte 3
  kAimKey,           // 05, aim level - 1, 00, 00
  kFireKey,          // 06, repeat byte, delay
  kProfileSwitch,    // switch to the office, game or third profile
  kGunTableMacro,    // the gun fire macro table, on mice that hold an image
};

struct MenuEntry {
  int tag;
  std::string_view entry;  // the menu control, "Key_Left"; empty for tag 0
  int nameId;              // language id of the function's name
  CodeRecipe recipe;
  FunctionCode code;       // the fixed code, or the base the recipe builds on
  int index = 0;           // fire key or profile 0..2
  std::uint8_t ComboMasks::*mask = nullptr;
};

// Every entry of the menu, tag 0 (no function) last.
std::span<const MenuEntry> MenuEntries();
const MenuEntry* FindMenuEntry(int tag);

// The colour value a profile switch carries in bits 7-4 of byte 2 for a colour list entry:
// 0..9 give 0x00..0x90, 10 (the specified colour) 0xF0; no choice gives 0x00.
std::uint8_t ProfileColourValue(int entry);

// The code for a menu tag; nothing for a tag the menu does not have, and for the fire macro
// key on a mouse without an image.
std::optional<FunctionCode> FunctionCodeValueForTag(int tag, const CodeBuildContext& context);
// The same as text; the empty text where there is no code.
std::string FunctionCodeForTag(int tag, const CodeBuildContext& context);

// The name id of a code that is named as it stands, whatever the settings: the fixed menu
// codes (the profile loop aside, which is named with the other profile switches) and the
// older fire macro key codes that are still recognised.
std::optional<int> FixedCodeNameId(const FunctionCode& code);

}  // namespace orvane
