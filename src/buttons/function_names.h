#pragma once
// The names shown on buttons for their function codes, in the current language.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "buttons/function_catalogue.h"
#include "buttons/function_code.h"
#include "image/device_types.h"

namespace orvane {

class LanguageTable;

inline constexpr std::size_t kDeviceMacroSlotCount = 15;
inline constexpr std::size_t kFireMacroFileEntryCount = 10;

// One of the mouse's macro slots as the device macro list holds it.
struct DeviceMacroSlot {
  bool used = false;
  std::uint16_t address = 0;  // image offset of the macro's body
  std::string name;
};

// What naming asks the screens to show: the last value named wins, nothing named leaves
// the control as it is. The screens apply and clear it.
struct NamingEffects {
  // The continuous tick of fire key 1..3.
  std::array<std::optional<bool>, kFireKeyCount> fireContinue{};
  // The entry (0..10) to select in the colour list of profile 1..3.
  std::array<std::optional<int>, kProfileCount> profileColourEntry{};
};

// What naming reads, as plain values, and the effects it reports back.
struct CodeNameContext {
  const LanguageTable* language = nullptr;  // the current language; none gives empty names
  std::array<FireKeySetting, kFireKeyCount> fireKeys{};  // repeat count and delay are compared
  // A continue toggle or another programmatic refresh of the screens is under way: naming a
  // fire key then leaves its tick alone.
  bool refreshUnderWay = false;
  // The ten codes of the fire macro file, when it was loaded.
  std::optional<std::array<FunctionCode, kFireMacroFileEntryCount>> fireMacroFile;
  DeviceType icType = DeviceType::kNone;
  std::array<DeviceMacroSlot, kDeviceMacroSlotCount> deviceMacros{};

  NamingEffects effects;
};

// The text shown on a button for a code; empty for a code no rule names.
std::string FunctionCodeName(const FunctionCode& code, CodeNameContext& context);
// The same for a code text; a text that is not a code has no name.
std::string FunctionCodeName(std::string_view codeText, CodeNameContext& context);

// "Fire Macro" and the entry number 1..10 of the fire macro file.
std::string FireMacroFileEntryName(int entry);

}  // namespace orvane
