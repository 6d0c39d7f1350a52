#pragma once
// Checks and repairs of the four checksummed sections and the info block. A section whose
// checksum is wrong is rebuilt from built-in values in the mirror only; nothing is sent.

#include <cstdint>

#include "image/device_types.h"
#include "image/image_layout.h"

namespace orvane {

// What the repairs depend on: the mouse's type, its lighting hardware, and the entry that
// the LED package list shows (-1 when it shows none).
struct RepairContext {
  DeviceType deviceType = DeviceType::kNone;
  LedType ledType = LedType::kNone;
  int packageEntry = -1;
  std::uint16_t factoryVendorId = 0;
  std::uint16_t factoryProductId = 0;
};

void RepairVendorSection(Mirror& mirror, const RepairContext& context);
void RepairUserSection(Mirror& mirror, const RepairContext& context);
// The profile repair serves both profiles: `section` is image::kProfile1Section or kProfile2Section.
void RepairProfileSection(Mirror& mirror, const Section& section, const RepairContext& context);
void RepairInfoBlock(Mirror& mirror, const RepairContext& context);

// Each check returns true when the section was intact, false when it was repaired.
bool CheckVendorSection(Mirror& mirror, const RepairContext& context);
bool CheckUserSection(Mirror& mirror, const RepairContext& context);
bool CheckProfile1Section(Mirror& mirror, const RepairContext& context);
bool CheckProfile2Section(Mirror& mirror, const RepairContext& context);

// The built-in default profile: twelve function codes.
extern const std::uint8_t kDefaultProfile[48];

}  // namespace orvane
