#pragma once
// The mouse's command set on top of the transport: configuration writes, block reads and
// writes in 7-byte pieces, XData bytes, device information and restart. The busy window
// is shown exactly around the transfers that the mouse's tool always showed it for.

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "device/clock.h"
#include "device/transport.h"

namespace orvane {

namespace command {
inline constexpr std::uint8_t kXDataWrite = 0x01;
inline constexpr std::uint8_t kXDataRead = 0x02;
inline constexpr std::uint8_t kConfigWrite = 0x05;
inline constexpr std::uint8_t kParameterRead = 0x06;
inline constexpr std::uint8_t kBlockWrite = 0x07;
inline constexpr std::uint8_t kBlockRead = 0x09;
inline constexpr std::uint8_t kDeviceInfo = 0x0D;
inline constexpr std::uint8_t kRestart = 0x0E;
}  // namespace command

// Number of 7-byte pieces for a transfer of `length` bytes.
constexpr std::size_t PieceCount(std::size_t length) { return (length + 6) / 7; }

// The waits of a restart: about 1 s before the command, about 16 s after it.
struct RestartTiming {
  int stepMs = 10;
  int roundsBefore = 101;
  int roundsAfter = 601 + 1001;
};

class DeviceLink {
 public:
  DeviceLink(HidTransport& transport, BusyIndicator& busy, Pump& pump)
      : transport_(transport), busy_(busy), pump_(pump) {}

  HidTransport& Transport() { return transport_; }
  BusyIndicator& Busy() { return busy_; }
  Pump& WaitPump() { return pump_; }

  // Command 0x05 format 0: count (1..3) bytes d0..d2 at offset. Busy shown, then hidden.
  bool WriteConfigBytes(std::uint8_t offset, std::uint8_t d0, std::uint8_t d1, std::uint8_t d2,
                        std::uint8_t count);
  // Command 0x05 format 1: four bytes at offset. Busy shown, then hidden.
  bool WriteConfigLong(std::uint8_t offset, std::uint8_t d0, std::uint8_t d1, std::uint8_t d2,
                       std::uint8_t d3);
  // Command 0x05 in pieces of three bytes from offset; busy shown before every piece and
  // left shown. Offsets wrap at 256.
  bool WriteConfigArea(std::uint8_t offset, std::span<const std::uint8_t> source);
  // Command 0x06: up to 255 bytes from address. The destination is 0xFF where nothing came.
  bool ReadParameters(std::uint16_t address, std::span<std::uint8_t> destination);
  // Command 0x07 and data reports; busy shown before every data report and left shown.
  bool WriteBlock(std::uint16_t address, std::span<const std::uint8_t> source);
  // Command 0x09 and replies. The destination is 0xFF where nothing came.
  bool ReadBlock(std::uint16_t address, std::span<std::uint8_t> destination);
  // As ReadBlock, with the busy window shown before every reply and left shown.
  bool ReadBlockBusy(std::uint16_t address, std::span<std::uint8_t> destination);

  bool XDataWrite(std::uint16_t address, std::uint8_t value);
  // Reads one XData byte; false when the command could not be sent.
  bool XDataRead(std::uint16_t address, std::uint8_t& value);

  // Waits, sends the restart command, waits again, then runs `refind` (the fresh search).
  void RestartDevice(const std::function<void()>& refind,
                     const RestartTiming& timing = RestartTiming{});

 private:
  // One configuration write (command 0x05) with the busy window around it.
  bool SendConfigWrite(const std::array<std::uint8_t, 6>& arguments);
  bool ReadPieces(std::uint8_t code, std::uint16_t address, std::size_t length,
                  std::span<std::uint8_t> destination, bool busyPerPiece);
  void WaitRounds(int rounds, int stepMs);

  HidTransport& transport_;
  BusyIndicator& busy_;
  Pump& pump_;
};

}  // namespace orvane
