#include "image/section_repairs.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>
#include <string_view>

#include "image/checksum.h"

namespace orvane {

const std::uint8_t kDefaultProfile[48] = {
    0x01, 0x01, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00, 0x06, 0x12, 0x00, 0x10, 0x01, 0x02, 0x00, 0x00,
    0x01, 0x10, 0x00, 0x00, 0x02, 0x08, 0x07, 0x00, 0x01, 0x04, 0x00, 0x00, 0x09, 0x00, 0x00, 0x00,
    0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};

namespace {

void Put(Mirror& mirror, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
  std::copy(bytes.begin(), bytes.end(), mirror.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Vendor repair values that depend on the lighting hardware. "Other" uses the RGB row.
struct LedRepairRow {
  LedType type;
  std::array<std::uint8_t, 4> options5to8;
  std::uint8_t modeMask;
  std::array<std::uint8_t, 9> breath48to56;
  bool keepColours;  // the Sync hardware keeps the colours the section held
};
constexpr LedRepairRow kLedRepairs[] = {
    {LedType::kRGB, {0xFF, 0x7F, 0x7F, 0xAF}, 0x3F, {0x01, 0x00, 0x80, 0x00, 0x00, 0x64, 0x00, 0x64, 0x08}, false},
    {LedType::kSync, {0x3F, 0x7F, 0xBF, 0xAF}, 0x05, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x6D, 0x60, 0x08}, true},
    {LedType::kMCULED, {0x3F, 0x7F, 0xCF, 0xAF}, 0x7F, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}, false},
    {LedType::kBMRLED, {0xFF, 0x7F, 0xFF, 0xFF}, 0x7F, {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64, 0x08}, false},
};

const LedRepairRow& LedRepairFor(LedType type) {
  for (const LedRepairRow& row : kLedRepairs)
    if (row.type == type) return row;
  return kLedRepairs[0];
}

constexpr std::uint8_t kSensorRegisterDefaults[31] = {
    0x0F, 0xFF, 0x04, 0x21, 0x10, 0x0A, 0x08, 0x10, 0x45, 0x02, 0x98, 0x10, 0xFF, 0x10, 0xEF, 0x10,
    0xFF, 0x02, 0x60, 0x31, 0x01, 0x32, 0x48, 0x96, 0xFA, 0x10, 0x1E, 0x02, 0x31, 0x20, 0x13};

constexpr std::uint8_t kLightingColourDefaults[30] = {
    0xFF, 0x00, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF,
    0x00, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x80, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};

constexpr std::uint8_t kDpiColourDefaults[24] = {
    0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x00,
    0xFF, 0x00, 0x80, 0xFF, 0x00, 0xFF, 0x80, 0x00, 0xFF, 0x00, 0x00, 0xFF};

constexpr std::string_view kUsbProductStringDefault = "HID Gaming mouse";

// Byte 4 by controller type; other types leave it unchanged.
struct Options4Row {
  DeviceType type;
  std::uint8_t value;
};
constexpr Options4Row kOptions4Repairs[] = {
    {DeviceType::kI2C, 0xBF}, {DeviceType::kFlash, 0xFF}, {DeviceType::kQL840, 0x3F}};

template <std::size_t N>
void PutArray(Mirror& mirror, std::size_t offset, const std::uint8_t (&bytes)[N]) {
  std::copy(std::begin(bytes), std::end(bytes), mirror.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::span<std::uint8_t> MirrorSpan(Mirror& mirror) { return {mirror.data(), mirror.size()}; }

}  // namespace

void RepairVendorSection(Mirror& mirror, const RepairContext& context) {
  WriteBe16(mirror, image::kUsbVendorId, context.factoryVendorId);
  WriteBe16(mirror, image::kUsbProductId, context.factoryProductId);
  for (const Options4Row& row : kOptions4Repairs)
    if (row.type == context.deviceType) mirror[image::kOptions4] = row.value;

  const LedRepairRow& led = LedRepairFor(context.ledType);
  std::copy(led.options5to8.begin(), led.options5to8.end(), mirror.begin() + image::kOptions5);
  PutArray(mirror, image::kSensorRegisters.first, kSensorRegisterDefaults);

  if (context.deviceType == DeviceType::kQL840) {
    Put(mirror, image::kLedInit0, {0xF0, 0x0A});
  } else if (context.packageEntry == 0) {
    Put(mirror, image::kLedInit0, {0x06, 0x87});
  } else if (context.packageEntry == 1) {
    Put(mirror, image::kLedInit0, {0x00, 0x32});
  }

  mirror[image::kLightingModeMask] = led.modeMask;
  Put(mirror, image::kDpiLevelCountMinus1, {0x03, 0x64, 0x98, 0x00, 0x00});
  std::copy(led.breath48to56.begin(), led.breath48to56.end(), mirror.begin() + image::kBreathLower);
  if (!led.keepColours) {
    PutArray(mirror, image::kLightingColours.first, kLightingColourDefaults);
    PutArray(mirror, image::kDpiColours.first, kDpiColourDefaults);
  }
  std::copy(kUsbProductStringDefault.begin(), kUsbProductStringDefault.end(),
            mirror.begin() + image::kUsbProductString.first);

  std::fill_n(mirror.begin() + image::kComboKeys.first, image::kComboKeys.size, 0);
  Put(mirror, image::ComboKeyOffset(3), {0x08, 0x01, 0x00, 0x00});
  SetSectionChecksum(MirrorSpan(mirror), image::kVendorSection);
}

void RepairUserSection(Mirror& mirror, const RepairContext& context) {
  struct LedModeRow {
    LedType type;
    std::uint8_t mode;
  };
  static constexpr LedModeRow kLedModes[] = {
      {LedType::kRGB, 5}, {LedType::kSync, 0x42}, {LedType::kMCULED, 0x81}, {LedType::kBMRLED, 2}};
  std::uint8_t ledMode = 5;
  for (const LedModeRow& row : kLedModes)
    if (row.type == context.ledType) ledMode = row.mode;

  mirror[image::kModeAndProfileColour] = 0;
  mirror[image::kLedModeByte] = ledMode;
  mirror[image::kCurrentDpiLevel] = 1;
  mirror[image::kButtonEffect] = 1;
  std::fill(mirror.begin() + image::kModeByte, mirror.begin() + image::kUser.last(), 0);
  SetSectionChecksum(MirrorSpan(mirror), image::kUserSection);
}

void RepairProfileSection(Mirror& mirror, const Section& section, const RepairContext& context) {
  if (context.packageEntry == 0 || context.packageEntry == 1)
    PutArray(mirror, section.area.first, kDefaultProfile);
  SetSectionChecksum(MirrorSpan(mirror), section);
}

void RepairInfoBlock(Mirror& mirror, const RepairContext& context) {
  Put(mirror, image::kInfoBlock.first,
      {0xFF, 0xFF, 0x01, 0x00, 0x3C, 0x03, 0x00, 0x78, 0x07, 0x00, 0xC8});
  if (context.deviceType != DeviceType::kNone)
    mirror[image::kInfoTypeCode] = DeviceTypeCode(context.deviceType);
}

namespace {
template <typename Repair>
bool CheckSection(Mirror& mirror, const Section& section, Repair repair) {
  if (SectionChecksumValid(MirrorSpan(mirror), section)) return true;
  repair();
  return false;
}
}  // namespace

bool CheckVendorSection(Mirror& mirror, const RepairContext& context) {
  return CheckSection(mirror, image::kVendorSection, [&] { RepairVendorSection(mirror, context); });
}
bool CheckUserSection(Mirror& mirror, const RepairContext& context) {
  return CheckSection(mirror, image::kUserSection, [&] { RepairUserSection(mirror, context); });
}
bool CheckProfile1Section(Mirror& mirror, const RepairContext& context) {
  return CheckSection(mirror, image::kProfile1Section,
                      [&] { RepairProfileSection(mirror, image::kProfile1Section, context); });
}
bool CheckProfile2Section(Mirror& mirror, const RepairContext& context) {
  return CheckSection(mirror, image::kProfile2Section,
                      [&] { RepairProfileSection(mirror, image::kProfile2Section, context); });
}

}  // namespace orvane
