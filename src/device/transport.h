#pragma once
// The feature-report link to the mouse: three handles, one report buffer, the last reply.
// Report ids: 0x40 command, 0x41 reply and data, 0x42 input events.

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>

#include "device/hid_backend.h"

namespace orvane {

inline constexpr std::uint8_t kCommandReportId = 0x40;
inline constexpr std::uint8_t kReplyReportId = 0x41;
inline constexpr std::uint8_t kInputReportId = 0x42;
inline constexpr std::size_t kReportSize = 8;
inline constexpr std::size_t kReplyDataSize = 7;

using Report = std::array<std::uint8_t, kReportSize>;
using ReplyBytes = std::array<std::uint8_t, kReplyDataSize>;

struct UsbIds {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  bool operator==(const UsbIds&) const = default;
  bool IsZero() const { return vendorId == 0 || productId == 0; }
};

class HidTransport {
 public:
  explicit HidTransport(HidBackend& backend) : backend_(backend) {}
  HidTransport(const HidTransport&) = delete;
  HidTransport& operator=(const HidTransport&) = delete;

  // Present HID interfaces that can be opened for query right now.
  int CountHidInterfaces();
  // Opens the last enumerated interface with these ids and 8-byte feature reports, probing
  // the command and reply channels. False (state untouched) when none matches.
  bool OpenDevice(std::uint16_t vendorId, std::uint16_t productId, std::uint16_t& version);
  // Sets all three handles invalid and the current ids to 0, 0; releases the handles.
  void ForgetDevice();

  bool SendCommand(std::uint8_t code, std::uint8_t a1, std::uint8_t a2, std::uint8_t a3,
                   std::uint8_t a4);
  // A command report whose bytes 2..7 are all arguments (the configuration write).
  bool SendCommandReport(const std::array<std::uint8_t, 6>& arguments, std::uint8_t code);
  bool SendData(const ReplyBytes& data);
  // ReplyData becomes seven 0xFF, then the fetched bytes when the fetch succeeds.
  void ReadReply();
  // Blocking read of one input report into buffer (InputReportLength bytes).
  ReadStatus ReadInputReport(std::span<std::uint8_t> buffer, int timeoutMs);

  // Data bytes 1..7 of the last reply report (all 0xFF when the fetch failed or none was made).
  std::span<const std::uint8_t, kReplyDataSize> ReplyData() const {
    return std::span<const std::uint8_t, kReplyDataSize>(replyReport_.data() + 1, kReplyDataSize);
  }
  const Report& ReportBuf() const { return reportBuf_; }

  bool CommandChannelOpen() const { return cmdHandle_ != kInvalidHandle; }
  bool ReplyChannelOpen() const { return replyHandle_ != kInvalidHandle; }
  // A mouse is open when both the command and the reply handle are valid.
  bool DeviceOpen() const { return CommandChannelOpen() && ReplyChannelOpen(); }
  bool InputChannelOpen() const { return inputHandle_.load() != kInvalidHandle; }
  UsbIds CurrentIds() const { return currentIds_; }
  // The path of the interface that is open; empty when none.
  const std::string& CurrentPath() const { return currentPath_; }
  // Whether the open mouse's interface is still enumerated (same path and ids).
  bool OpenInterfacePresent();
  std::uint16_t FeatureReportLength() const { return featureReportLength_; }
  std::uint16_t InputReportLength() const { return inputReportLength_.load(); }
  HidBackend& Backend() { return backend_; }

 private:
  bool SetFeatureOn(HidHandle handle);

  HidBackend& backend_;
  HidHandle cmdHandle_ = kInvalidHandle;
  HidHandle replyHandle_ = kInvalidHandle;
  // Read by the status reader thread on every loop.
  std::atomic<HidHandle> inputHandle_{kInvalidHandle};
  // Every handle this transport opened and still owns (query and input handles).
  HidHandle queryHandle_ = kInvalidHandle;
  UsbIds currentIds_;
  std::string currentPath_;
  std::uint16_t featureReportLength_ = 0;
  std::atomic<std::uint16_t> inputReportLength_{0};
  Report reportBuf_{};
  // Replies are fetched into a report of their own and read where the mouse's bytes landed:
  // a full read takes 293 of them in a row, and one copy fewer each is a fifth of its time.
  Report replyReport_ = EmptyReply();

  static Report EmptyReply() {
    Report r;
    r.fill(0xFF);
    r[0] = kReplyReportId;
    return r;
  }
};

// Bit helpers for the flag bytes of the image; the bit number is taken modulo 32.
constexpr bool TestBit(std::uint32_t value, int bit) { return (value >> (bit & 31)) & 1u; }
constexpr std::uint32_t SetBit(std::uint32_t value, int bit) { return value | (1u << (bit & 31)); }
constexpr std::uint32_t ClearBit(std::uint32_t value, int bit) { return value & ~(1u << (bit & 31)); }

}  // namespace orvane
