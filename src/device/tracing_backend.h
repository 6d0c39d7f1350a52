#pragma once
// A decorator over any HID backend that records every report exchanged, in order:
// set-feature ('S'), get-feature ('G') and input ('I') reports. The tests assert the
// trace and --trace FILE writes it.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace orvane {

struct TraceEntry {
  char kind = 'S';                   // 'S', 'G' or 'I'
  std::array<std::uint8_t, 8> bytes{};  // the first `size` are the report's first bytes
  std::size_t size = 0;
  bool ok = false;
  bool operator==(const TraceEntry&) const = default;
};

// One trace line without its newline: "S 40 0D 00 00 00 00 00 00", " FAILED" when it failed.
std::string FormatTraceEntry(const TraceEntry& entry);

class TracingBackend final : public HidBackend {
 public:
  explicit TracingBackend(HidBackend& inner) : inner_(inner) {}

  std::vector<HidInterfaceInfo> Enumerate() override { return inner_.Enumerate(); }
  HidHandle OpenQuery(const std::string& path) override { return inner_.OpenQuery(path); }
  HidHandle OpenReadWrite(const std::string& path) override {
    return inner_.OpenReadWrite(path);
  }
  void Close(HidHandle handle) override { inner_.Close(handle); }
  bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
  bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override;
  ReadStatus ReadInput(HidHandle handle, std::span<std::uint8_t> buffer, int timeoutMs) override;
  std::string LastError() const override { return inner_.LastError(); }

  std::vector<TraceEntry> Entries() const;
  void Clear();
  // One line per report.
  void Write(std::ostream& out) const;

 private:
  void Record(char kind, std::span<const std::uint8_t> bytes, bool ok);

  HidBackend& inner_;
  mutable std::mutex mutex_;
  std::vector<TraceEntry> entries_;
};

}  // namespace orvane
