#pragma once
// Built-in layout and language tables, embedded at build time:
// "org", "org1".."org3" (INI text) and "lang1".."lang3" (UTF-16LE language tables).

#include <cstdint>
#include <span>
#include <string_view>

namespace orvane {

// The named table, or an empty span. Names compare ignoring letter case.
std::span<const std::uint8_t> SkinResource(std::string_view name);

}  // namespace orvane
