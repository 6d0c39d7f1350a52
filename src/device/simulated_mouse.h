#pragma once
// A software model of the mouse's firmware as the host sees it through HID: the 2048-byte
// configuration image, the 64 KiB XData space, the eight commands with their replies and
// data reports, device information, restart, the mouse's own DPI and profile keys, and
// injectable faults. Every test of the tool and the --simulate mode run against it.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device/clock.h"
#include "device/hid_backend.h"
#include "image/image_layout.h"

namespace orvane {

enum class SimDeviceType { kI2C, kQL840 };

// Which exchanges a fault rule counts (1-based, since the mouse was created).
enum class FaultCounter {
  kSetFeature,  // set-feature reports (commands and data reports)
  kGetFeature,  // get-feature reports (reply fetches)
  kReport,      // every feature report exchanged, in both directions
};

enum class FaultAction {
  kFail,    // the counted report fails and the mouse never sees it
  kUnplug,  // the counted report goes through, then the mouse is pulled out
};

inline constexpr std::uint64_t kForever = std::numeric_limits<std::uint64_t>::max();

// One fault: `action` on every report whose count lies in [first, last].
struct SimFault {
  FaultCounter counter = FaultCounter::kSetFeature;
  std::uint64_t first = 1;
  std::uint64_t last = 1;
  FaultAction action = FaultAction::kFail;
  bool operator==(const SimFault&) const = default;
};

constexpr SimFault FailSend(std::uint64_t n) {
  return {FaultCounter::kSetFeature, n, n, FaultAction::kFail};
}
constexpr SimFault FailSendsFrom(std::uint64_t n) {
  return {FaultCounter::kSetFeature, n, kForever, FaultAction::kFail};
}
constexpr SimFault FailFetch(std::uint64_t n) {
  return {FaultCounter::kGetFeature, n, n, FaultAction::kFail};
}
constexpr SimFault UnplugAfter(std::uint64_t n) {
  return {FaultCounter::kReport, n, n, FaultAction::kUnplug};
}

struct CustomerIds {
  std::uint8_t vendor = 0;
  std::uint8_t product = 0;
  bool operator==(const CustomerIds&) const = default;
};

using InfoBytes45 = std::array<std::uint8_t, 2>;

struct SimulatedMouseConfig {
  Image image{};  // callers usually pass factory image 1
  SimDeviceType type = SimDeviceType::kI2C;
  std::uint8_t status = 0;
  std::uint8_t marker = 0x5A;
  std::optional<std::uint8_t> typeByte;  // replaces the type's own byte (0xC0 / 0x40)
  std::optional<InfoBytes45> info45;     // replaces the type's bytes 4, 5 (0, 0 / 0, 26)
  std::optional<CustomerIds> customerIds;  // written into the info block at power-up
  int restartMs = 3000;
  int latencyMs = 0;  // clock time each feature report takes
  bool foreignDevice = false;  // another HID device with 8-byte feature reports
  std::vector<SimFault> faults;
};

// Byte 2 and bytes 4, 5 of the device information reply for a configuration.
std::uint8_t DeviceTypeByte(const SimulatedMouseConfig& config);
InfoBytes45 DeviceInfoBytes45(const SimulatedMouseConfig& config);
// Image offset of the info block (customer ids first) on a mouse of this type.
std::size_t InfoBlockOffset(SimDeviceType type);

inline constexpr char kSimMousePath[] = "sim:mouse-input";
inline constexpr char kSimVendorPath[] = "sim:mouse-vendor";
inline constexpr char kSimForeignPath[] = "sim:other-hid";
inline constexpr std::uint16_t kSimForeignVendorId = 0x16C0;
inline constexpr std::uint16_t kSimForeignProductId = 0x05DF;
inline constexpr std::size_t kXDataSize = 65536;

class SimulatedMouse final : public HidBackend {
 public:
  SimulatedMouse(Clock& clock, SimulatedMouseConfig config);
  SimulatedMouse(const SimulatedMouse&) = delete;
  SimulatedMouse& operator=(const SimulatedMouse&) = delete;

  std::vector<HidInterfaceInfo> Enumerate() override;
  HidHandle OpenQuery(const std::string& path) override;
  HidHandle OpenReadWrite(const std::string& path) override;
  void Close(HidHandle handle) override;
  bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
  bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override;
  ReadStatus ReadInput(HidHandle handle, std::span<std::uint8_t> buffer, int timeoutMs) override;
  std::string LastError() const override;

  // The mouse's own keys: 1 DPI up, 2 DPI down, 4 DPI cycle, and the profile key (8).
  // False when the code is not a DPI key or the mouse is not there.
  bool PressDpiKey(int code);
  bool PressProfileKey();

  // Cable in and out. Plugging in is a power-up: the USB ids are read from the image.
  void Plug();
  void Unplug();
  bool Present();  // plugged in and not restarting

  orvane::Image Image() const;
  std::vector<std::uint8_t> XData() const;
  int Restarts() const;

  // Exchanges counted so far, as the fault rules count them.
  std::uint64_t SetFeatureCount() const;
  std::uint64_t GetFeatureCount() const;
  std::uint64_t ReportCount() const;

  // Run-time changes of the behaviour chosen at construction.
  void SetFaults(std::vector<SimFault> faults);
  void AddFault(const SimFault& fault);
  void SetStatus(std::uint8_t status);
  void SetMarker(std::uint8_t marker);
  void SetTypeByte(std::optional<std::uint8_t> typeByte);
  void SetInfoBytes45(std::optional<InfoBytes45> bytes);
  void SetCustomerIds(CustomerIds ids);  // writes them into the info block
  void SetLatencyMs(int ms);

 private:
  enum class Port { kMouse, kVendor, kForeign };
  using InputReport = std::array<std::uint8_t, 8>;
  using ReplyChunk = std::array<std::uint8_t, 7>;

  struct OpenHandle {
    Port port;
    bool readWrite;
    std::deque<InputReport> input;
  };
  struct PendingWrite {
    std::size_t address = 0;
    std::size_t remaining = 0;
  };

  // All private members below expect mutex_ to be held.
  void CatchUpLocked();
  void PowerUpLocked();
  void VanishLocked();
  bool PortPresentLocked(Port port) const;
  std::vector<HidInterfaceInfo> InterfacesLocked() const;
  HidHandle OpenLocked(const std::string& path, bool readWrite);
  OpenHandle* FindLocked(HidHandle handle);
  OpenHandle* FindMouseVendorLocked(HidHandle handle, std::size_t length);
  // Whether a rule with this action covers the report just counted (a set or a get).
  bool FaultDueLocked(FaultAction action, bool isSet) const;

  void CommandLocked(std::span<const std::uint8_t> report);
  void DataReportLocked(std::span<const std::uint8_t> report);
  void XDataWrite(std::span<const std::uint8_t> report);
  void XDataRead(std::span<const std::uint8_t> report);
  void ConfigWrite(std::span<const std::uint8_t> report);
  void ParameterRead(std::span<const std::uint8_t> report);
  void BlockWrite(std::span<const std::uint8_t> report);
  void BlockRead(std::span<const std::uint8_t> report);
  void DeviceInfo(std::span<const std::uint8_t> report);
  void Restart(std::span<const std::uint8_t> report);
  void QueueImageReplies(std::size_t address, std::size_t length);
  void QueueReply(const ReplyChunk& chunk) { replies_.push_back(chunk); }
  std::uint8_t ImageByte(std::size_t address) const;
  void WriteImageByte(std::size_t address, std::uint8_t value);
  void ChangeUserByteLocked(std::size_t offset, std::uint8_t value);
  void QueueKeyLocked(std::uint8_t code);
  void Fail(const char* why) { lastError_ = why; }

  Clock& clock_;
  SimulatedMouseConfig config_;
  mutable std::mutex mutex_;
  std::condition_variable inputArrived_;

  std::vector<std::uint8_t> xdata_;
  bool plugged_ = true;
  bool restarting_ = false;
  std::int64_t restartEndMs_ = 0;
  int restarts_ = 0;
  std::uint16_t vendorId_ = 0;
  std::uint16_t productId_ = 0;

  std::map<HidHandle, OpenHandle> handles_;
  HidHandle nextHandle_ = 1;

  std::deque<ReplyChunk> replies_;
  PendingWrite pendingWrite_;

  std::uint64_t setCount_ = 0;
  std::uint64_t getCount_ = 0;
  std::uint64_t reportCount_ = 0;
  std::string lastError_;
  std::atomic<int> latencyMs_{0};  // slept outside the lock
};

}  // namespace orvane
