#include "buttons/function_code.h"

namespace orvane {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int UpperHexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The character as it can be shown in a message: printable ASCII as it is, else its byte.
std::string Shown(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte < 0x7F) return std::string("'") + c + "'";
  std::string out = "byte 0x";
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 0x0F];
  return out;
}

}  // namespace

std::optional<FunctionCode> FunctionCode::Parse(std::string_view text, std::string& error) {
  if (text.size() != kTextLength) {
    error = "a function code is 8 hex digits (for example 0300CD00), not " +
            std::to_string(text.size()) + " characters";
    return std::nullopt;
  }
  std::array<std::uint8_t, kSize> bytes{};
  for (std::size_t i = 0; i < kTextLength; ++i) {
    const int digit = UpperHexValue(text[i]);
    if (digit < 0) {
      error = "character " + std::to_string(i + 1) + " of the function code is " + Shown(text[i]) +
              ", not an upper-case hex digit 0-9 or A-F";
      return std::nullopt;
    }
    bytes[i / 2] = static_cast<std::uint8_t>((bytes[i / 2] << 4) | digit);
  }
  error.clear();
  return FromBytes(bytes);
}

std::optional<FunctionCode> FunctionCode::Parse(std::string_view text) {
  std::string ignored;
  return Parse(text, ignored);
}

std::string FunctionCode::Text() const {
  std::string out(kTextLength, '0');
  for (std::size_t i = 0; i < kSize; ++i) {
    out[2 * i] = kHexDigits[bytes_[i] >> 4];
    out[2 * i + 1] = kHexDigits[bytes_[i] & 0x0F];
  }
  return out;
}

}  // namespace orvane
