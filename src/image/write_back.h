#pragma once
// The ways settings go back to the mouse. Every pattern that sends a checksummed section
// whole gives it a fresh checksum first and sends a copy, so edits made while the busy
// window lets events run do not disturb the transfer. Results of the pieces are not
// checked: the next full read shows what the mouse really holds.

#include <cstdint>
#include <functional>

#include "device/device_link.h"
#include "image/image_state.h"

namespace orvane {

// Vendor section: checksum at 163, then 0..163 in 3-byte configuration writes.
bool WriteVendorSection(DeviceLink& link, Mirror& mirror);
// User section: checksum at 191, then 164..191 in 3-byte configuration writes.
bool WriteUserSection(DeviceLink& link, Mirror& mirror);
// Both profiles: checksums at 240 and 289, one block write of 192..289, then the re-select.
bool WriteProfileSections(DeviceLink& link, Mirror& mirror);
// Both profiles, then the info block send buffer at 290, then the re-select.
bool WriteProfilesAndInfoBlock(DeviceLink& link, ImageState& state);
// Reads the user section back into the mirror, then selects profile 15 and the one read,
// so the mouse takes up the new assignments.
bool ReselectAfterProfileWrite(DeviceLink& link, Mirror& mirror);
// The customer ids (and the rest of the info block) at 340, where a QL840 mouse keeps them.
bool WriteInfoBlockAt340(DeviceLink& link, const std::array<std::uint8_t, image::kInfoBlock.size>& block);
bool WriteGunTable(DeviceLink& link, const ImageState& state);
// The 656-byte macro block in two writes of 328 bytes.
bool WriteDeviceMacroArea(DeviceLink& link, const ImageState& state);
// Patch header checksum, then the 16 bytes at 1008.
bool WritePatchHeader(DeviceLink& link, ImageState& state);
// The whole image from DataBuf, then the restart, which ends with `refind`.
bool WriteWholeImage(DeviceLink& link, const ImageState& state, const std::function<void()>& refind);

}  // namespace orvane
