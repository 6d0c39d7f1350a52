// Profile files of any length and content, taken in as a load takes them.

#include <cstddef>
#include <cstdint>
#include <span>

#include "image/distribute.h"
#include "image/whole_image_ops.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane;
  for (DeviceType type : {DeviceType::kI2C, DeviceType::kQL840, DeviceType::kNone}) {
    ImageState state;
    if (ApplyProfileFile(state, type, std::span<const std::uint8_t>(data, size)) ==
        ProfileFileVerdict::kApplied)
      DistributeImage(state, RepairContext{type, LedType::kRGB, 0, 0x1209, 0x0001});
  }
  return 0;
}
