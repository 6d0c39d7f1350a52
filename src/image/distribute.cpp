#include "image/distribute.h"

#include <algorithm>

namespace orvane {

namespace {
template <typename Dest>
void CopyArea(const Image& image, const Area& area, Dest& dest, std::size_t destOffset) {
  std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(area.first), area.size,
              dest.begin() + static_cast<std::ptrdiff_t>(destOffset));
}
}  // namespace

RepairReport DistributeImage(ImageState& state, const RepairContext& context) {
  RepairReport report;
  Mirror& mirror = state.ImageMirror;
  CopyArea(state.DataBuf, image::kVendor, mirror, image::kVendor.first);
  report.vendor = !CheckVendorSection(mirror, context);
  CopyArea(state.DataBuf, image::kUser, mirror, image::kUser.first);
  report.user = !CheckUserSection(mirror, context);
  CopyArea(state.DataBuf, image::kProfile1, mirror, image::kProfile1.first);
  report.profile1 = !CheckProfile1Section(mirror, context);
  CopyArea(state.DataBuf, image::kProfile2, mirror, image::kProfile2.first);
  report.profile2 = !CheckProfile2Section(mirror, context);
  CopyArea(state.DataBuf, image::kInfoBlock, mirror, image::kInfoBlock.first);

  CopyArea(state.DataBuf, image::kDeviceMacroBlock, state.deviceMacroMirror, 0);
  CopyArea(state.DataBuf, image::kPatchHeader, state.patchHeader, 0);
  CopyArea(state.DataBuf, image::kGunTable, state.gunTable, 0);
  std::copy(state.gunTable.begin(), state.gunTable.end(), state.gunWorkingCopy.begin());
  return report;
}

int PackageEntryFromImage(const Mirror& mirror) {
  static constexpr int kEntryByValue[4] = {0, -1, 1, 2};
  return kEntryByValue[(mirror[image::kOptions5] >> 6) & 3];
}

}  // namespace orvane
