#include "image/factory_images.h"

#include <algorithm>
#include <string>

#include "image/builtin_data.h"

namespace orvane {

namespace {
std::span<const std::uint8_t> FactoryImageResource(int n) {
  return FactoryResource("OrvaneData_Cfg" + std::to_string(n));
}
}  // namespace

DefaultImages LoadDefaultImages(DeviceType defaultType) {
  DefaultImages images;
  for (int n = 1; n <= kFactoryImageCount; ++n) {
    const auto resource = FactoryImageResource(n);
    if (HasConfigImage(defaultType)) {
      Image& dest = images.images[static_cast<std::size_t>(n - 1)];
      std::copy_n(resource.begin(), std::min(resource.size(), kImageSize), dest.begin());
    } else if (defaultType == DeviceType::kFlash) {
      auto& dest = images.flashImages[static_cast<std::size_t>(n - 1)];
      dest.assign(kFlashBlocks * kImageSize, 0);
      std::copy_n(resource.begin(), std::min(resource.size(), dest.size()), dest.begin());
    }
  }
  return images;
}

DefaultHeader ReadDefaultHeader() {
  DefaultHeader header{};
  const auto resource = FactoryImageResource(1);
  std::copy_n(resource.begin(), std::min(resource.size(), header.size()), header.begin());
  return header;
}

StartupIds DeriveStartupIds(const DefaultHeader& header) {
  StartupIds ids;
  ids.CandidateIds[0] = {ReadBe16(header, 0), ReadBe16(header, 2)};
  ids.DefaultICType = DeviceTypeFromCode(header[image::kDefaultTypeCode]);
  if (HasConfigImage(ids.DefaultICType)) {
    ids.expectedVendor = header[image::kDefaultExpectedVendor];
    ids.expectedProduct = header[image::kDefaultExpectedProduct];
  }
  return ids;
}

}  // namespace orvane
