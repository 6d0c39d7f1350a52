#pragma once
// The one map of the mouse's 2048-byte configuration image. Multi-byte numbers are
// big-endian (high byte first) unless a field says otherwise.

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvane {

inline constexpr std::size_t kImageSize = 2048;
inline constexpr std::size_t kMirrorSize = 302;  // bytes 0..301: what the screens edit

using Image = std::array<std::uint8_t, kImageSize>;
using Mirror = std::array<std::uint8_t, kMirrorSize>;

// A run of image bytes [first, first + size).
struct Area {
  std::size_t first;
  std::size_t size;
  constexpr std::size_t last() const { return first + size - 1; }
  constexpr std::size_t end() const { return first + size; }
};

// A checksummed section: the data bytes and, right after them, the checksum byte.
struct Section {
  Area area;  // data bytes and checksum
  constexpr std::size_t checksumOffset() const { return area.last(); }
  constexpr Area data() const { return {area.first, area.size - 1}; }
};

namespace image {

// Areas in image order.
inline constexpr Area kVendor{0, 164};
inline constexpr Area kUser{164, 28};
inline constexpr Area kProfile1{192, 49};
inline constexpr Area kProfile2{241, 49};
inline constexpr Area kInfoBlock{290, 12};
inline constexpr Area kUnused302{302, 2};
inline constexpr Area kGunTable{304, 168};
inline constexpr Area kUnused472{472, 24};
inline constexpr Area kDeviceMacroArea{496, 512};
inline constexpr Area kPatchHeader{1008, 16};
inline constexpr Area kPatchCode{1024, 1024};

// The block in which the device macro area is read and written: it overlaps the patch
// header and the first 128 bytes of the patch code, which go back as they were read.
inline constexpr Area kDeviceMacroBlock{496, 656};
inline constexpr Area kDeviceMacroBlockFirst{496, 328};
inline constexpr Area kDeviceMacroBlockSecond{824, 328};

// Both profiles as they are written together.
inline constexpr Area kProfiles{192, 98};

// The info block sits at 340 on a QL840 mouse.
inline constexpr std::size_t kInfoBlockQL840 = 340;

inline constexpr Section kVendorSection{kVendor};
inline constexpr Section kUserSection{kUser};
inline constexpr Section kProfile1Section{kProfile1};
inline constexpr Section kProfile2Section{kProfile2};
// The patch header checksum covers only its MCU lighting bytes 1016..1022.
inline constexpr Section kPatchLedSection{{1016, 8}};

// The default header: the first 512 bytes of factory image 1, read at start-up.
inline constexpr std::size_t kDefaultHeaderSize = 512;
inline constexpr std::size_t kDefaultExpectedVendor = 484;
inline constexpr std::size_t kDefaultExpectedProduct = 485;
inline constexpr std::size_t kDefaultFireKeys = 486;  // three entries as 292..300
inline constexpr std::size_t kDefaultTypeCode = 495;

// Device type codes (info block byte 301, default header byte 495).
inline constexpr std::uint8_t kTypeCodeI2C = 224;
inline constexpr std::uint8_t kTypeCodeQL840 = 88;
inline constexpr std::uint8_t kTypeCodeFlash = 240;

// ---- Vendor section fields ----
inline constexpr std::size_t kUsbVendorId = 0;   // 16-bit
inline constexpr std::size_t kUsbProductId = 2;  // 16-bit
inline constexpr std::size_t kOptions4 = 4;      // IC type 7-6, report rate 5-4, enhance 3
inline constexpr std::size_t kOptions5 = 5;      // package 7-6, indication 5-4, set 3-2, level 1-0
inline constexpr std::size_t kOptions6 = 6;      // rotation, prescale, fire freq, fire count
inline constexpr std::size_t kOptions7 = 7;      // LED control bits
inline constexpr std::size_t kOptions8 = 8;      // EFT and profile bits 3..0
inline constexpr Area kSensorRegisters{9, 31};
inline constexpr std::size_t kLedInit0 = 40;
inline constexpr std::size_t kLedInit1 = 41;
inline constexpr std::size_t kLightingModeMask = 42;
inline constexpr std::size_t kDpiLevelCountMinus1 = 43;
inline constexpr Area kDpiValueIndexes{44, 4};  // one nibble per level, low nibble first
inline constexpr std::size_t kBreathLower = 48;      // 16-bit
inline constexpr std::size_t kBreathUpper = 50;      // 16-bit
inline constexpr std::size_t kBreathLowerTime = 52;  // 16-bit
inline constexpr std::size_t kBreathUpperTime = 54;  // 16-bit
inline constexpr std::size_t kLedStepTime = 56;
inline constexpr Area kLightingColours{57, 30};  // 10 x red, green, blue
inline constexpr Area kDpiColours{87, 24};       // 8 x red, green, blue
inline constexpr Area kUsbProductString{111, 16};
inline constexpr Area kComboKeys{127, 36};  // nine 4-byte function codes
inline constexpr std::size_t kComboKeyCount = 9;
constexpr std::size_t ComboKeyOffset(int key) { return 123 + 4 * static_cast<std::size_t>(key); }

// ---- User section fields ----
inline constexpr std::size_t kModeAndProfileColour = 164;  // low nibble mode, high colour
inline constexpr std::size_t kLedModeByte = 165;
inline constexpr std::size_t kCurrentDpiLevel = 166;
inline constexpr std::size_t kButtonEffect = 167;
inline constexpr std::size_t kModeByte = 168;
inline constexpr std::size_t kUserReserved169 = 169;
inline constexpr std::size_t kOffsetValue = 170;
inline constexpr Area kXOffsets{171, 10};  // signed
inline constexpr Area kYOffsets{181, 10};  // signed

// ---- Profiles ----
inline constexpr std::size_t kButtonCount = 12;
constexpr std::size_t Profile1ButtonOffset(int button) {
  return 192 + 4 * static_cast<std::size_t>(button - 1);
}
constexpr std::size_t Profile2ButtonOffset(int button) {
  return 241 + 4 * static_cast<std::size_t>(button - 1);
}

// ---- Info block fields (offsets for the I2C place at 290) ----
inline constexpr std::size_t kCustomerVendorId = 290;
inline constexpr std::size_t kCustomerProductId = 291;
constexpr std::size_t FireKeyCountOffset(int key) { return 292 + 3 * static_cast<std::size_t>(key - 1); }
constexpr std::size_t FireKeyTimeOffset(int key) { return 293 + 3 * static_cast<std::size_t>(key - 1); }
inline constexpr std::size_t kInfoTypeCode = 301;

// ---- Gun table ----
inline constexpr std::size_t kGunCount = 7;
inline constexpr std::size_t kGunEntrySize = 24;

// ---- Patch header ----
inline constexpr std::size_t kPatchCheckValue = 1014;  // 16-bit
inline constexpr Area kMcuLedSettings{1016, 7};

// The areas tile the image without gaps or overlaps (the macro block is a view across).
namespace detail {
inline constexpr Area kTiling[] = {kVendor,    kUser,          kProfile1,        kProfile2,
                                   kInfoBlock, kUnused302,     kGunTable,        kUnused472,
                                   kDeviceMacroArea, kPatchHeader, kPatchCode};
constexpr bool AreasTileTheImage() {
  std::size_t next = 0;
  for (const Area& a : kTiling) {
    if (a.first != next || a.size == 0) return false;
    next = a.end();
  }
  return next == kImageSize;
}
}  // namespace detail
static_assert(detail::AreasTileTheImage(), "image areas must tile the 2048 bytes");
static_assert(kInfoBlock.end() == kMirrorSize, "the mirror ends with the info block");
static_assert(kDeviceMacroBlockFirst.end() == kDeviceMacroBlockSecond.first &&
                  kDeviceMacroBlockSecond.end() == kDeviceMacroBlock.end(),
              "the macro block is written in two halves");
static_assert(kProfiles.first == kProfile1.first && kProfiles.end() == kProfile2.end());
static_assert(ComboKeyOffset(1) == kComboKeys.first && ComboKeyOffset(9) + 4 == kVendor.last());
static_assert(Profile1ButtonOffset(12) + 4 == kProfile1.last());
static_assert(Profile2ButtonOffset(12) + 4 == kProfile2.last());
static_assert(kGunCount * kGunEntrySize == kGunTable.size);
static_assert(kYOffsets.end() == kUser.last());

}  // namespace image

// Big-endian 16-bit helpers for image fields.
template <typename Bytes>
constexpr std::uint16_t ReadBe16(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>((bytes[offset] << 8) | bytes[offset + 1]);
}
template <typename Bytes>
constexpr void WriteBe16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<std::uint8_t>(value >> 8);
  bytes[offset + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace orvane
