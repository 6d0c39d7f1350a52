#include "image/write_back.h"

#include <algorithm>
#include <array>
#include <span>

#include "image/checksum.h"

namespace orvane {

namespace {

template <std::size_t N, typename Bytes>
std::array<std::uint8_t, N> CopyOut(const Bytes& bytes, std::size_t first) {
  std::array<std::uint8_t, N> out;
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(first), N, out.begin());
  return out;
}

std::span<std::uint8_t> Bytes(Mirror& mirror) { return {mirror.data(), mirror.size()}; }

bool WriteProfileBlock(DeviceLink& link, Mirror& mirror) {
  SetSectionChecksum(Bytes(mirror), image::kProfile1Section);
  SetSectionChecksum(Bytes(mirror), image::kProfile2Section);
  const auto send = CopyOut<image::kProfiles.size>(mirror, image::kProfiles.first);
  return link.WriteBlock(image::kProfiles.first, send);
}

}  // namespace

bool WriteVendorSection(DeviceLink& link, Mirror& mirror) {
  SetSectionChecksum(Bytes(mirror), image::kVendorSection);
  const auto send = CopyOut<image::kVendor.size>(mirror, image::kVendor.first);
  return link.WriteConfigArea(image::kVendor.first, send);
}

bool WriteUserSection(DeviceLink& link, Mirror& mirror) {
  SetSectionChecksum(Bytes(mirror), image::kUserSection);
  const auto send = CopyOut<image::kUser.size>(mirror, image::kUser.first);
  return link.WriteConfigArea(image::kUser.first, send);
}

bool ReselectAfterProfileWrite(DeviceLink& link, Mirror& mirror) {
  std::array<std::uint8_t, image::kUser.size> user;
  const bool read = link.ReadParameters(image::kUser.first, user);
  std::copy(user.begin(), user.end(), mirror.begin() + image::kUser.first);
  const std::uint8_t mode = mirror[image::kModeAndProfileColour];
  const bool first = link.WriteConfigBytes(image::kModeAndProfileColour, 0x0F, 0, 0, 1);
  const bool second = link.WriteConfigBytes(image::kModeAndProfileColour, mode, 0, 0, 1);
  return read && first && second;
}

bool WriteProfileSections(DeviceLink& link, Mirror& mirror) {
  const bool sent = WriteProfileBlock(link, mirror);
  return ReselectAfterProfileWrite(link, mirror) && sent;
}

bool WriteProfilesAndInfoBlock(DeviceLink& link, ImageState& state) {
  const bool profiles = WriteProfileBlock(link, state.ImageMirror);
  const auto info = state.infoSendBuffer;
  const bool infoSent = link.WriteBlock(image::kInfoBlock.first, info);
  return ReselectAfterProfileWrite(link, state.ImageMirror) && profiles && infoSent;
}

bool WriteInfoBlockAt340(DeviceLink& link,
                         const std::array<std::uint8_t, image::kInfoBlock.size>& block) {
  const auto send = block;
  return link.WriteBlock(image::kInfoBlockQL840, send);
}

bool WriteGunTable(DeviceLink& link, const ImageState& state) {
  const auto send = state.gunTable;
  return link.WriteBlock(image::kGunTable.first, send);
}

bool WriteDeviceMacroArea(DeviceLink& link, const ImageState& state) {
  const auto send = state.deviceMacroMirror;
  const std::span<const std::uint8_t> all(send);
  const bool first = link.WriteBlock(image::kDeviceMacroBlockFirst.first,
                                     all.first(image::kDeviceMacroBlockFirst.size));
  const bool second = link.WriteBlock(image::kDeviceMacroBlockSecond.first,
                                      all.last(image::kDeviceMacroBlockSecond.size));
  return first && second;
}

bool WritePatchHeader(DeviceLink& link, ImageState& state) {
  SetSectionChecksum(state.patchHeader, image::kPatchLedSection, image::kPatchHeader.first);
  const auto send = state.patchHeader;
  return link.WriteBlock(image::kPatchHeader.first, send);
}

bool WriteWholeImage(DeviceLink& link, const ImageState& state,
                     const std::function<void()>& refind) {
  const Image send = state.DataBuf;
  const bool sent = link.WriteBlock(0, send);
  link.RestartDevice(refind);
  return sent;
}

}  // namespace orvane
