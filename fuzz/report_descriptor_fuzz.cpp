// Arbitrary bytes as a report descriptor: the parser must stay in bounds and keep its
// own promises about where it stopped.
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/report_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvane::ReportDescriptorSummary summary =
      orvane::ParseReportDescriptor(std::span<const std::uint8_t>(data, size));
  if (summary.parsedBytes > size) __builtin_trap();
  if (summary.complete != (summary.parsedBytes == size)) __builtin_trap();
  for (const orvane::ReportKindSummary& kind : summary.kinds) {
    if (!summary.usesReportIds && !kind.reportIds.empty()) __builtin_trap();
    if (kind.length == 0 && !kind.reportIds.empty()) __builtin_trap();
  }
  return 0;
}
