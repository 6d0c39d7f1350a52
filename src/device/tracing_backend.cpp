#include "device/tracing_backend.h"

#include <algorithm>
#include <ostream>

namespace orvane {

std::string FormatTraceEntry(const TraceEntry& entry) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string line(1, entry.kind);
  for (std::size_t i = 0; i < entry.size && i < entry.bytes.size(); ++i) {
    line += ' ';
    line += kHex[entry.bytes[i] >> 4];
    line += kHex[entry.bytes[i] & 0x0F];
  }
  if (!entry.ok) line += " FAILED";
  return line;
}

void TracingBackend::Record(char kind, std::span<const std::uint8_t> bytes, bool ok) {
  TraceEntry entry;
  entry.kind = kind;
  entry.size = std::min(bytes.size(), entry.bytes.size());
  std::copy_n(bytes.begin(), entry.size, entry.bytes.begin());
  entry.ok = ok;
  std::lock_guard lock(mutex_);
  entries_.push_back(entry);
}

bool TracingBackend::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
  const bool ok = inner_.SetFeature(handle, report);
  Record('S', report, ok);
  return ok;
}

bool TracingBackend::GetFeature(HidHandle handle, std::span<std::uint8_t> report) {
  // A failed fetch is recorded with the request as it was sent.
  const std::vector<std::uint8_t> request(report.begin(), report.end());
  const bool ok = inner_.GetFeature(handle, report);
  Record('G', ok ? std::span<const std::uint8_t>(report) : std::span<const std::uint8_t>(request),
         ok);
  return ok;
}

ReadStatus TracingBackend::ReadInput(HidHandle handle, std::span<std::uint8_t> buffer,
                                     int timeoutMs) {
  const ReadStatus status = inner_.ReadInput(handle, buffer, timeoutMs);
  if (status == ReadStatus::kOk) {
    Record('I', buffer, true);
  } else if (status != ReadStatus::kTimeout) {
    Record('I', {}, false);  // the read ended without a report: gone or broken
  }
  return status;
}

std::vector<TraceEntry> TracingBackend::Entries() const {
  std::lock_guard lock(mutex_);
  return entries_;
}

void TracingBackend::Clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

void TracingBackend::Write(std::ostream& out) const {
  for (const TraceEntry& entry : Entries()) out << FormatTraceEntry(entry) << '\n';
}

}  // namespace orvane
