#include "image/device_types.h"

#include "image/image_layout.h"

namespace orvane {

namespace {
struct TypeRow {
  DeviceType type;
  std::string_view name;
  std::uint8_t code;
};
constexpr TypeRow kTypes[] = {
    {DeviceType::kI2C, "I2C", image::kTypeCodeI2C},
    {DeviceType::kQL840, "QL840", image::kTypeCodeQL840},
    {DeviceType::kFlash, "Flash", image::kTypeCodeFlash},
};

struct LedRow {
  LedType type;
  std::string_view name;
};
constexpr LedRow kLeds[] = {
    {LedType::kRGB, "RGB"}, {LedType::kSync, "Sync"}, {LedType::kMCULED, "MCULED"}, {LedType::kBMRLED, "BMRLED"}};
}  // namespace

std::string_view DeviceTypeName(DeviceType type) {
  for (const TypeRow& row : kTypes)
    if (row.type == type) return row.name;
  return {};
}

DeviceType DeviceTypeFromCode(std::uint8_t code) {
  for (const TypeRow& row : kTypes)
    if (row.code == code) return row.type;
  return DeviceType::kNone;
}

std::uint8_t DeviceTypeCode(DeviceType type) {
  for (const TypeRow& row : kTypes)
    if (row.type == type) return row.code;
  return 0;
}

std::string_view LedTypeName(LedType type) {
  for (const LedRow& row : kLeds)
    if (row.type == type) return row.name;
  return {};
}

}  // namespace orvane

namespace orvane {
LedType LedTypeFromImage(DeviceType deviceType, std::uint8_t ledModeByte, LedType previous) {
  if (deviceType == DeviceType::kQL840) return LedType::kBMRLED;
  switch (ledModeByte & 0xC0) {
    case 0x00: return LedType::kRGB;
    case 0x40: return LedType::kSync;
    case 0x80: return (ledModeByte & 0x70) == 0 ? LedType::kMCULED : previous;
    default: return previous;
  }
}
}  // namespace orvane
