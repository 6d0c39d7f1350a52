#pragma once
// The controller type of a mouse or factory image, and the kind of lighting hardware.

#include <cstdint>
#include <string_view>

namespace orvane {

enum class DeviceType { kNone, kI2C, kQL840, kFlash };
enum class LedType { kNone, kRGB, kSync, kMCULED, kBMRLED };

// "I2C", "QL840", "Flash", or "" for none.
std::string_view DeviceTypeName(DeviceType type);
// From the type code of the info block or default header: 224, 88, 240; others give kNone.
DeviceType DeviceTypeFromCode(std::uint8_t code);
// 224, 88, 240; 0 for kNone.
std::uint8_t DeviceTypeCode(DeviceType type);
// I2C and QL840 mice hold a 2048-byte image the tool works on.
constexpr bool HasConfigImage(DeviceType type) {
  return type == DeviceType::kI2C || type == DeviceType::kQL840;
}

// "RGB", "Sync", "MCULED", "BMRLED", or "" for none.
std::string_view LedTypeName(LedType type);

}  // namespace orvane

namespace orvane {
// The lighting hardware as the screens derive it from the LED mode byte (image 165) when
// they are filled: QL840 mice have BMR LEDs; otherwise the top bits decide, and values that
// name no type leave the previous one.
LedType LedTypeFromImage(DeviceType deviceType, std::uint8_t ledModeByte, LedType previous);
}  // namespace orvane
