#pragma once
// The controller option bytes 4..8 of the vendor section: each list control owns a group
// of bits of one byte; its entries, in list order, with the value each one writes.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "image/image_layout.h"

namespace orvane {

struct OptionEntry {
  std::string_view text;
  std::uint8_t value;
};

struct OptionField {
  std::string_view control;  // the list control's name, e.g. "cb_RepRate"
  std::size_t offset;        // image byte
  int shift;                 // lowest bit of the field
  int width;                 // number of bits
  std::span<const OptionEntry> entries;
  // Another value that selects an entry (the DPI indication shows 0 like 1).
  std::optional<OptionEntry> alias = std::nullopt;

  std::uint8_t Mask() const { return static_cast<std::uint8_t>(((1u << width) - 1u) << shift); }
  std::uint8_t ValueIn(std::uint8_t byte) const {
    return static_cast<std::uint8_t>((byte >> shift) & ((1u << width) - 1u));
  }
  std::uint8_t WithValue(std::uint8_t byte, std::uint8_t value) const {
    return static_cast<std::uint8_t>((byte & ~Mask()) | ((value << shift) & Mask()));
  }
  // The entry index that shows `value`, or -1 when none does.
  int EntryFor(std::uint8_t value) const;
  // The text shown for `value`, or empty.
  std::string_view TextFor(std::uint8_t value) const;
};

std::span<const OptionField> OptionFields();
const OptionField* FindOptionField(std::string_view control);

}  // namespace orvane

namespace orvane {
// The edit controls of the sensor tuning registers, image bytes 9..39 in order.
std::span<const std::string_view> SensorRegisterControls();
}  // namespace orvane
