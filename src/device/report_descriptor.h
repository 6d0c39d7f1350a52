#pragma once
// Our reading of a HID report descriptor: how long the input, output and feature reports
// of an interface are, and which report ids each kind uses. Lengths count bytes the way
// the host exchanges them: the id byte is included when the descriptor uses report ids.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

enum class ReportKind : std::uint8_t { kInput, kOutput, kFeature };
inline constexpr std::size_t kReportKindCount = 3;

struct ReportKindSummary {
  // Bytes of the longest report of this kind; 0 when the kind has no report.
  std::uint16_t length = 0;
  // Report ids of this kind in ascending order; empty when the descriptor uses no ids.
  std::vector<std::uint8_t> reportIds;
};

struct ReportDescriptorSummary {
  std::array<ReportKindSummary, kReportKindCount> kinds;
  bool usesReportIds = false;
  // False when parsing stopped early at a truncated or malformed item; the lengths and ids
  // then hold what the items before it gave.
  bool complete = true;
  // Offset of the first byte that was not taken in (the descriptor's size when complete).
  std::size_t parsedBytes = 0;

  const ReportKindSummary& Of(ReportKind kind) const {
    return kinds[static_cast<std::size_t>(kind)];
  }
  std::uint16_t Length(ReportKind kind) const { return Of(kind).length; }
  const std::vector<std::uint8_t>& ReportIds(ReportKind kind) const {
    return Of(kind).reportIds;
  }
};

// Never reads outside `descriptor`. Malformed items (a Report ID of 0 or above 255, a Pop
// without Push, Push nested too deep) stop parsing like a truncated item does. Lengths
// saturate at 65535 bytes.
ReportDescriptorSummary ParseReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace orvane
