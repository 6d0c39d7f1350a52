#pragma once
// The values of the three factory images, one table per area. Image 1 is the base;
// images 2 and 3 are the base with their listed differences. docs/factory-images.md
// says where every value comes from.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "image/image_layout.h"

namespace orvane::factory {

using Bytes = std::vector<std::uint8_t>;

// A run of image bytes with its name, for the tables and for error messages.
struct Field {
  std::string_view name;
  std::size_t offset;
  Bytes bytes;
};
using FieldTable = std::vector<Field>;

inline Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

inline Bytes Repeat(std::size_t count, std::uint8_t value) { return Bytes(count, value); }

// Colours written as 0xRRGGBB, stored red, green, blue.
inline Bytes Colours(std::initializer_list<std::uint32_t> rgb) {
  Bytes out;
  for (std::uint32_t c : rgb) {
    out.push_back(static_cast<std::uint8_t>(c >> 16));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
    out.push_back(static_cast<std::uint8_t>(c));
  }
  return out;
}

// DPI value indexes of levels 1..8, one nibble each, low nibble first; 15 = level unused.
inline Bytes DpiIndexes(std::initializer_list<std::uint8_t> levels) {
  std::array<std::uint8_t, 8> nibbles;
  nibbles.fill(0x0F);
  std::size_t i = 0;
  for (std::uint8_t v : levels) nibbles[i++] = v & 0x0F;
  Bytes out;
  for (std::size_t k = 0; k < 8; k += 2)
    out.push_back(static_cast<std::uint8_t>(nibbles[k] | (nibbles[k + 1] << 4)));
  return out;
}

inline Bytes Text16(std::string_view text) {
  Bytes out(text.begin(), text.end());
  out.resize(16, 0);
  return out;
}

// ---- Function codes used by the images ----
using Code = std::array<std::uint8_t, 4>;
inline constexpr Code kKeyOff{0x00, 0x00, 0x00, 0x00};
inline constexpr Code kLeftKey{0x01, 0x01, 0x00, 0x00};
inline constexpr Code kRightKey{0x01, 0x02, 0x00, 0x00};
inline constexpr Code kMiddleKey{0x01, 0x04, 0x00, 0x00};
inline constexpr Code kBackward{0x01, 0x08, 0x00, 0x00};
inline constexpr Code kForward{0x01, 0x10, 0x00, 0x00};
inline constexpr Code kDesktop{0x02, 0x08, 0x07, 0x00};  // Win + D
inline constexpr Code kPlayPause{0x03, 0x00, 0xCD, 0x00};
inline constexpr Code kMute{0x03, 0x00, 0xE2, 0x00};
inline constexpr Code kVolumeUp{0x03, 0x00, 0xE9, 0x00};
inline constexpr Code kVolumeDown{0x03, 0x00, 0xEA, 0x00};
inline constexpr Code kAimKey400{0x05, 0x01, 0x00, 0x00};  // aim DPI "400"
// Fire keys 1 and 2 of the info block: 3 and 5 shots, interval 30; key 1 continuous.
inline constexpr Code kFireKey1Continuous{0x06, 0x92, 0x00, 0x1E};
inline constexpr Code kFireKey2{0x06, 0x14, 0x00, 0x1E};
inline constexpr Code kOfficeModeOffset18{0x07, 0x80, 0x00, 0x18};
inline constexpr Code kGameModeOffset18{0x07, 0x81, 0xF0, 0x18};
inline constexpr Code kGameModeGunOffset18{0x07, 0xD1, 0xF0, 0x18};
inline constexpr Code kLedSwitch{0x08, 0x00, 0x00, 0x00};
inline constexpr Code kCpiLoop{0x09, 0x00, 0x00, 0x00};
inline constexpr Code kCpiUp{0x09, 0x01, 0x00, 0x00};
inline constexpr Code kCpiDown{0x09, 0x02, 0x00, 0x00};
inline constexpr Code kReportRate{0x0C, 0x00, 0x00, 0x00};
inline constexpr Code kLedMode{0x0E, 0x00, 0x00, 0x00};

template <std::size_t N>
Bytes Codes(const std::array<Code, N>& codes) {
  Bytes out;
  for (const Code& c : codes) out.insert(out.end(), c.begin(), c.end());
  return out;
}

using Profile = std::array<Code, image::kButtonCount>;

// The mouse's default profile, buttons 1..12; button 3 is fire key 1.
inline constexpr Profile kDefaultProfile{
    kLeftKey,   kBackward, kFireKey1Continuous, kRightKey, kForward, kDesktop,
    kMiddleKey, kCpiLoop,  kLedSwitch,          kKeyOff,   kKeyOff,  kKeyOff};
// Image 3: an office profile for media use and a game profile with fire and aim keys.
inline constexpr Profile kMediaOfficeProfile{kLeftKey,   kRightKey, kMiddleKey,  kBackward,
                                             kForward,   kCpiUp,    kCpiDown,    kCpiLoop,
                                             kPlayPause, kVolumeUp, kVolumeDown, kMute};
inline constexpr Profile kShooterGameProfile{
    kLeftKey,   kRightKey, kMiddleKey,          kBackward, kForward,    kFireKey2,
    kAimKey400, kCpiLoop,  kFireKey1Continuous, kLedMode,  kReportRate, kKeyOff};

using ComboKeys = std::array<Code, image::kComboKeyCount>;
inline constexpr ComboKeys kComboKeys{
    kKeyOff, kKeyOff, kOfficeModeOffset18, kGameModeGunOffset18, kKeyOff, kKeyOff, kKeyOff,
    kKeyOff, kKeyOff};

// ---- Gun fire macros: bodies in the macro event encoding, padded to 24 bytes ----
namespace gun {
inline Bytes LeftDown() { return {0xA1}; }
inline Bytes LeftUp() { return {0x21}; }
inline Bytes Delay(std::uint16_t ms) {
  return {0xFE, static_cast<std::uint8_t>(ms >> 8), static_cast<std::uint8_t>(ms)};
}
inline Bytes Move(std::int8_t x, std::int8_t y) {
  return {0x04, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
}
inline Bytes RepeatStart(std::uint8_t control) { return {0xFD, control}; }
inline Bytes RepeatEnd() { return {0xFC}; }
inline Bytes End() { return {0x00}; }
}  // namespace gun

// Per gun: the pull-down per shot and two delays (ms).
struct GunShot {
  std::int8_t pullDown;
  std::uint16_t buttonDelay;
  std::uint16_t shotDelay;
};

// Image 1: the whole click and pull sits inside the repeated block.
inline Bytes GunBodyRepeatedClick(const GunShot& g) {
  using namespace gun;
  return Join({RepeatStart(0x00), LeftDown(), Delay(g.buttonDelay), Move(0, g.pullDown),
               Delay(g.shotDelay), LeftUp(), Delay(g.buttonDelay), RepeatEnd(), End()});
}
// Images 2 and 3: the left button stays down while the pull repeats.
inline Bytes GunBodyHeldButton(const GunShot& g) {
  using namespace gun;
  return Join({LeftDown(), Delay(g.buttonDelay), RepeatStart(0x00), Move(0, g.pullDown),
               Delay(g.shotDelay), RepeatEnd(), LeftUp(), Delay(g.buttonDelay), End()});
}

// Guns 1..7: AKM, M16, M4, UMP9, SCAR-L, TOMPSON, UZI.
inline constexpr std::array<GunShot, image::kGunCount> kImage1Guns{
    {{8, 1, 1}, {6, 1, 2}, {5, 1, 2}, {4, 1, 1}, {6, 1, 2}, {5, 1, 1}, {3, 1, 1}}};
inline constexpr std::array<GunShot, image::kGunCount> kImage23Guns{
    {{7, 6, 20}, {5, 6, 18}, {4, 6, 17}, {3, 5, 19}, {5, 6, 19}, {4, 5, 16}, {2, 4, 12}}};

template <typename Body>
Bytes GunTable(const std::array<GunShot, image::kGunCount>& guns, Body body) {
  Bytes out;
  for (const GunShot& g : guns) {
    Bytes entry = body(g);
    entry.resize(image::kGunEntrySize, 0x00);
    out.insert(out.end(), entry.begin(), entry.end());
  }
  return out;
}

// ---- Image 1, area by area. Checksum bytes are not listed: the generator computes them. ----

inline FieldTable VendorFields() {
  return {
      {"USB vendor id, product id", image::kUsbVendorId, {0x12, 0x09, 0x00, 0x01}},
      {"controller option bytes 4..8", image::kOptions4, {0xFF, 0x0F, 0x7F, 0x7F, 0xAF}},
      {"sensor tuning registers",
       image::kSensorRegisters.first,
       {0x0F, 0xFF, 0x04, 0x21, 0x10, 0x0A, 0x08, 0x10, 0x45, 0x02, 0x98,
        0x10, 0xFF, 0x10, 0xEF, 0x10, 0xFF, 0x02, 0x60, 0x31, 0x01, 0x32,
        0x48, 0x96, 0xFA, 0x10, 0x1E, 0x02, 0x31, 0x20, 0x13}},
      {"LED init 0, 1", image::kLedInit0, {0x00, 0x46}},
      {"lighting mode-enable mask", image::kLightingModeMask, {0xFE}},
      {"DPI levels minus 1", image::kDpiLevelCountMinus1, {0x05}},
      {"DPI value indexes", image::kDpiValueIndexes.first, DpiIndexes({3, 6, 8, 10, 11, 14})},
      {"breathing lower, upper, lower time, upper time",
       image::kBreathLower,
       {0x00, 0x00, 0x00, 0xFF, 0x00, 0x64, 0x00, 0x64}},
      {"lighting step time", image::kLedStepTime, {0x09}},
      {"lighting colours 1..10", image::kLightingColours.first,
       Colours({0x00FF00, 0xFF0000, 0x0000FF, 0x00FFFF, 0xFFFF00, 0xFF8000, 0xFF00FF, 0xFF0080,
                0x7F00FF, 0xFFFFFF})},
      {"DPI level colours 1..8", image::kDpiColours.first,
       Colours({0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFF7F00, 0x7F7F7F})},
      {"USB product string", image::kUsbProductString.first, Text16("USB Gaming Mouse")},
      {"combination keys 1..9", image::kComboKeys.first, Codes(kComboKeys)},
  };
}

inline FieldTable UserFields() {
  return {
      {"mode 0, profile colour 0", image::kModeAndProfileColour, {0x00}},
      {"LED mode byte (MCU LED, mode 1)", image::kLedModeByte, {0x81}},
      {"current DPI level (second)", image::kCurrentDpiLevel, {0x01}},
      {"button effect", image::kButtonEffect, {0x00}},
      {"mode byte", image::kModeByte, {0x00}},
      {"reserved", image::kUserReserved169, {0x00}},
      {"offset value", image::kOffsetValue, {0x00}},
      {"gun X offsets", image::kXOffsets.first, Repeat(image::kXOffsets.size, 0x00)},
      {"gun Y offsets", image::kYOffsets.first, Repeat(image::kYOffsets.size, 0x00)},
  };
}

inline FieldTable ProfileFields(const Profile& office, const Profile& game) {
  return {
      {"profile 1 buttons 1..12", image::kProfile1.first, Codes(office)},
      {"profile 2 buttons 1..12", image::kProfile2.first, Codes(game)},
  };
}

inline FieldTable RestFields() {
  return {
      {"info block: customer ids, fire keys 1..3, type",
       image::kInfoBlock.first,
       {0x00, 0x00, 0x02, 0x00, 0x1E, 0x04, 0x00, 0x1E, 0x07, 0x00, 0x1E, 0x00}},
      {"unused 302..303", image::kUnused302.first, Repeat(image::kUnused302.size, 0x00)},
      {"gun table", image::kGunTable.first, GunTable(kImage1Guns, GunBodyRepeatedClick)},
      {"unused 472..483", image::kUnused472.first, Repeat(12, 0x00)},
      {"default header: expected ids, fire keys, type code",
       image::kDefaultExpectedVendor,
       {0xFF, 0xFF, 0x02, 0x00, 0x32, 0x04, 0x00, 0x32, 0x07, 0x00, 0x32, 0xE0}},
      {"device macro area: no macros, erased", image::kDeviceMacroArea.first,
       Join({Repeat(16, 0x00), Repeat(image::kDeviceMacroArea.size - 16, 0xFF)})},
      {"patch header and MCU LED settings",
       image::kPatchHeader.first,
       {0x04, 0x00, 0x04, 0x00, 0x00, 0x5A, 0x05, 0xE3, 0x01, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00}},
      // No controller code is shipped: the patch code area holds erased-flash filler.
      {"patch code (filler)", image::kPatchCode.first, Repeat(image::kPatchCode.size, 0xFF)},
  };
}

inline FieldTable Image1Fields() {
  FieldTable all = VendorFields();
  for (FieldTable part :
       {UserFields(), ProfileFields(kDefaultProfile, kDefaultProfile), RestFields()})
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

// ---- Differences from image 1 ----

inline FieldTable Image2Differences() {
  return {
      {"mode 1 (game)", image::kModeAndProfileColour, {0x01}},
      {"button effect off, gun display", image::kButtonEffect, {0x04}},
      {"mode byte of game mode", image::kModeByte, {0x0F}},
      {"game mode offset value", image::kOffsetValue, {0x18}},
      {"DPI colours of levels 1 and 2 swapped", image::kDpiColours.first,
       Colours({0x00FF00, 0xFF0000})},
      {"gun table", image::kGunTable.first, GunTable(kImage23Guns, GunBodyHeldButton)},
  };
}

inline FieldTable Image3Differences() {
  FieldTable diff{
      {"DPI value indexes", image::kDpiValueIndexes.first, DpiIndexes({3, 6, 8, 9, 10, 11})},
      {"DPI level colours 1..8", image::kDpiColours.first,
       Colours({0x00FF00, 0xFF00FF, 0x0000FF, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF7F00, 0x7F7F7F})},
      {"combination key 3", image::ComboKeyOffset(3),
       Codes(std::array<Code, 1>{kGameModeOffset18})},
      {"gun table", image::kGunTable.first, GunTable(kImage23Guns, GunBodyHeldButton)},
  };
  const FieldTable profiles = ProfileFields(kMediaOfficeProfile, kShooterGameProfile);
  diff.insert(diff.end(), profiles.begin(), profiles.end());
  return diff;
}

}  // namespace orvane::factory
