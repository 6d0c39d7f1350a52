#pragma once
// Built-in data of the image subsystem, embedded at build time:
// "OrvaneData_Cfg1".."OrvaneData_Cfg3" (factory images) and "PCMacroData" (empty library).

#include <cstdint>
#include <span>
#include <string_view>

namespace orvane {

// The named resource, or an empty span. Names compare ignoring letter case.
std::span<const std::uint8_t> FactoryResource(std::string_view name);

}  // namespace orvane
