#pragma once
// The image as the tool holds it: the whole image and the working copies of its areas.

#include <array>
#include <cstdint>

#include "image/image_layout.h"

namespace orvane {

inline constexpr std::size_t kGunWorkingEntries = 10;

struct ImageState {
  Image DataBuf{};        // as last read from or about to be written to the mouse
  Mirror ImageMirror{};   // bytes 0..301, what the screens edit and live writes come from
  std::array<std::uint8_t, image::kGunTable.size> gunTable{};
  std::array<std::uint8_t, kGunWorkingEntries * image::kGunEntrySize> gunWorkingCopy{};
  std::array<std::uint8_t, image::kDeviceMacroBlock.size> deviceMacroMirror{};
  std::array<std::uint8_t, image::kPatchHeader.size> patchHeader{};
  // What the next info block write sends; a loaded profile file fills it.
  std::array<std::uint8_t, image::kInfoBlock.size> infoSendBuffer{};
};

// The sections that failed their checksum in the last distribution and were repaired.
struct RepairReport {
  bool vendor = false;
  bool user = false;
  bool profile1 = false;
  bool profile2 = false;
  bool Any() const { return vendor || user || profile1 || profile2; }
};

// The 16-bit patch check value (bytes 1014, 1015).
inline std::uint16_t PatchCheckValue(const ImageState& state) {
  return ReadBe16(state.patchHeader, image::kPatchCheckValue - image::kPatchHeader.first);
}

}  // namespace orvane
