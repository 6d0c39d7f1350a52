#pragma once
// The operating system's view of HID interfaces, as the transport needs it.
// Backends: hidraw (Linux), the simulated mouse, and decorators such as the tracer.
// Failures are boolean results; no backend throws.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane {

using HidHandle = std::intptr_t;
inline constexpr HidHandle kInvalidHandle = -1;

// One HID interface as enumeration sees it. Report lengths include the report id byte.
struct HidInterfaceInfo {
  std::string path;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t version = 0;
  std::uint16_t featureReportLength = 0;
  std::uint16_t inputReportLength = 0;
};

enum class ReadStatus {
  kOk,        // one report was read
  kTimeout,   // nothing arrived in time
  kGone,      // the interface went away (unplug) or the handle was closed
  kError,     // any other failure
};

class HidBackend {
 public:
  virtual ~HidBackend() = default;

  // Every HID interface present right now, in enumeration order.
  virtual std::vector<HidInterfaceInfo> Enumerate() = 0;

  // The query handle: enough to exchange feature reports. kInvalidHandle on failure.
  virtual HidHandle OpenQuery(const std::string& path) = 0;
  // The read-write handle from which input reports are read. kInvalidHandle on failure.
  virtual HidHandle OpenReadWrite(const std::string& path) = 0;
  // Releases a handle. A reader blocked in ReadInput on it returns kGone.
  virtual void Close(HidHandle handle) = 0;

  // Sends a feature report; report[0] is the report id.
  virtual bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) = 0;
  // Fetches a feature report; report[0] holds the wanted report id on entry.
  virtual bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) = 0;
  // Reads one input report into buffer, waiting at most timeoutMs (negative: forever).
  virtual ReadStatus ReadInput(HidHandle handle, std::span<std::uint8_t> buffer,
                               int timeoutMs) = 0;

  // A readable explanation of the last failure (for example a permission problem).
  virtual std::string LastError() const { return {}; }
};

}  // namespace orvane
