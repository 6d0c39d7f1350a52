#include "image/checksum.h"

namespace orvane {

std::uint8_t SectionChecksum(std::span<const std::uint8_t> data) {
  std::uint8_t sum = 0;
  for (std::uint8_t b : data) sum = static_cast<std::uint8_t>(sum + b);
  return static_cast<std::uint8_t>(sum ^ 0x5A);
}

bool SectionChecksumValid(std::span<const std::uint8_t> bytes, const Section& section,
                          std::size_t base) {
  const Area data = section.data();
  return SectionChecksum(bytes.subspan(data.first - base, data.size)) ==
         bytes[section.checksumOffset() - base];
}

void SetSectionChecksum(std::span<std::uint8_t> bytes, const Section& section,
                        std::size_t base) {
  const Area data = section.data();
  bytes[section.checksumOffset() - base] = SectionChecksum(bytes.subspan(data.first - base, data.size));
}

}  // namespace orvane
