#pragma once
// A function code: the four bytes that say what a mouse button does, stored in the image
// byte 0 first. As text it is eight upper-case hex digits, byte 0 first ("0300CD00").

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// What byte 0 says the code does.
enum class FunctionCategory : std::uint8_t {
  kKeyOff = 0x00,
  kMouseButton = 0x01,
  kKeyCombination = 0x02,
  kConsumer = 0x03,
  kPower = 0x04,
  kAim = 0x05,
  kFireKey = 0x06,
  kProfileSwitch = 0x07,
  kLightingSwitch = 0x08,
  kDpiKey = 0x09,
  kAdjustXY = 0x0A,
  kGunFireMacro = 0x0B,
  kReportRateSwitch = 0x0C,
  kLedModeSwitch = 0x0E,
  kMacroReference = 0x10,
  kUnknown = 0xFF,  // any other byte 0: the mouse does nothing the tool knows of
};

class FunctionCode {
 public:
  static constexpr std::size_t kSize = 4;
  static constexpr std::size_t kTextLength = 8;

  constexpr FunctionCode() = default;
  constexpr FunctionCode(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
      : bytes_{b0, b1, b2, b3} {}
  // 0x0300CD00 is 03 00 CD 00: the number reads like the text.
  static constexpr FunctionCode FromNumber(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
  }
  // Four image bytes, byte 0 at the lowest offset.
  static constexpr FunctionCode FromBytes(std::span<const std::uint8_t, kSize> bytes) {
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
  }

  // Exactly eight upper-case hex digits; anything else is refused and `error` says why.
  static std::optional<FunctionCode> Parse(std::string_view text, std::string& error);
  static std::optional<FunctionCode> Parse(std::string_view text);

  constexpr std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }
  constexpr const std::array<std::uint8_t, kSize>& Bytes() const { return bytes_; }
  constexpr std::uint32_t Number() const {
    return (std::uint32_t{bytes_[0]} << 24) | (std::uint32_t{bytes_[1]} << 16) |
           (std::uint32_t{bytes_[2]} << 8) | bytes_[3];
  }
  constexpr FunctionCategory Category() const;

  // "0300CD00"
  std::string Text() const;

  friend constexpr bool operator==(const FunctionCode&, const FunctionCode&) = default;

 private:
  std::array<std::uint8_t, kSize> bytes_{};
};

// The category byte 0 names; kUnknown for a byte no category uses.
constexpr FunctionCategory CategoryOfByte(std::uint8_t byte0) {
  switch (byte0) {
    case 0x0D:
    case 0x0F:
      return FunctionCategory::kUnknown;
    default:
      return byte0 <= 0x10 ? static_cast<FunctionCategory>(byte0) : FunctionCategory::kUnknown;
  }
}

constexpr FunctionCategory FunctionCode::Category() const { return CategoryOfByte(bytes_[0]); }

}  // namespace orvane
