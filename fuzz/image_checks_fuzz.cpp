// Arbitrary 2048-byte images through the checks, repairs and distribution, under every
// controller type, lighting hardware and package entry.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "image/checksum.h"
#include "image/distribute.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane;
  if (size < 3) return 0;
  RepairContext context;
  context.deviceType = static_cast<DeviceType>(data[0] % 4);
  context.ledType = static_cast<LedType>(data[1] % 5);
  context.packageEntry = static_cast<int>(data[2] % 4) - 1;
  data += 3;
  size -= 3;
  ImageState state;
  std::memcpy(state.DataBuf.data(), data, size < kImageSize ? size : kImageSize);
  DistributeImage(state, context);
  // After a distribution every checked section holds a valid checksum.
  for (const Section& s : {image::kVendorSection, image::kUserSection, image::kProfile1Section,
                           image::kProfile2Section})
    if (!SectionChecksumValid(state.ImageMirror, s)) __builtin_trap();
  RepairInfoBlock(state.ImageMirror, context);
  (void)PackageEntryFromImage(state.ImageMirror);
  return 0;
}
