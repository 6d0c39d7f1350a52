#pragma once
// Section checksums: the 8-bit sum of the data bytes, XOR 0x5A, in the byte after them.

#include <cstdint>
#include <span>

#include "image/image_layout.h"

namespace orvane {

std::uint8_t SectionChecksum(std::span<const std::uint8_t> data);

// `bytes` holds image bytes from image offset `base` on: the image or the mirror
// (base 0), or the 16-byte patch header (base 1008).
bool SectionChecksumValid(std::span<const std::uint8_t> bytes, const Section& section,
                          std::size_t base = 0);
void SetSectionChecksum(std::span<std::uint8_t> bytes, const Section& section,
                        std::size_t base = 0);

}  // namespace orvane
