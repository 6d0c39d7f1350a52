#pragma once
// The three factory images built into the tool, and the start-up data read from the first.

#include <array>
#include <cstdint>
#include <vector>

#include "device/transport.h"
#include "image/device_types.h"
#include "image/image_layout.h"

namespace orvane {

inline constexpr int kFactoryImageCount = 3;
inline constexpr std::size_t kFlashBlocks = 32;

struct DefaultImages {
  std::array<Image, kFactoryImageCount> images{};
  // Flash controllers keep 32 blocks of 2048 bytes per image; nothing else uses them.
  std::array<std::vector<std::uint8_t>, kFactoryImageCount> flashImages;
};

// Reads the three images as the default type says: 2048 bytes each for I2C and QL840,
// 32 blocks of 2048 bytes for Flash (what the resource lacks stays zero), nothing otherwise.
DefaultImages LoadDefaultImages(DeviceType defaultType);

using DefaultHeader = std::array<std::uint8_t, image::kDefaultHeaderSize>;
DefaultHeader ReadDefaultHeader();

// What the default header says about the mouse to look for.
struct StartupIds {
  std::array<UsbIds, 2> CandidateIds{};  // the second pair stays zero
  DeviceType DefaultICType = DeviceType::kNone;
  std::uint8_t expectedVendor = 0;   // customer ids the mouse must report (I2C, QL840)
  std::uint8_t expectedProduct = 0;
};
StartupIds DeriveStartupIds(const DefaultHeader& header);

}  // namespace orvane
