#include "device/device_link.h"

#include <algorithm>
#include <cstring>

namespace orvane {

namespace {
std::uint8_t High(std::size_t v) { return static_cast<std::uint8_t>((v >> 8) & 0xFF); }
std::uint8_t Low(std::size_t v) { return static_cast<std::uint8_t>(v & 0xFF); }
}  // namespace

bool DeviceLink::SendConfigWrite(const std::array<std::uint8_t, 6>& arguments) {
  if (!transport_.CommandChannelOpen()) return false;
  busy_.ShowBusyWindow();
  const bool sent = transport_.SendCommandReport(arguments, command::kConfigWrite);
  busy_.HideBusyWindow();
  return sent;
}

bool DeviceLink::WriteConfigBytes(std::uint8_t offset, std::uint8_t d0, std::uint8_t d1,
                                  std::uint8_t d2, std::uint8_t count) {
  return SendConfigWrite({0, offset, d0, d1, d2, count});
}

bool DeviceLink::WriteConfigLong(std::uint8_t offset, std::uint8_t d0, std::uint8_t d1,
                                 std::uint8_t d2, std::uint8_t d3) {
  return SendConfigWrite({1, offset, d0, d1, d2, d3});
}

bool DeviceLink::WriteConfigArea(std::uint8_t offset, std::span<const std::uint8_t> source) {
  if (!transport_.CommandChannelOpen()) return false;
  // Filler bytes of a short last piece repeat the previous piece (0xFF if there is none).
  std::array<std::uint8_t, 3> staging{0xFF, 0xFF, 0xFF};
  for (std::size_t first = 0; first < source.size(); first += 3) {
    const std::size_t count = std::min<std::size_t>(3, source.size() - first);
    std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(first), count, staging.begin());
    busy_.ShowBusyWindow();
    // A piece that cannot be sent is skipped; the area write goes on.
    transport_.SendCommandReport({0, Low(offset + first), staging[0], staging[1], staging[2],
                                  static_cast<std::uint8_t>(count)},
                                 command::kConfigWrite);
  }
  return true;
}

bool DeviceLink::WriteBlock(std::uint16_t address, std::span<const std::uint8_t> source) {
  if (!transport_.CommandChannelOpen()) return false;
  if (!transport_.SendCommand(command::kBlockWrite, High(address), Low(address),
                              High(source.size()), Low(source.size())))
    return false;  // without the command the mouse would take the data for something else
  ReplyBytes staging;
  staging.fill(0xFF);
  for (std::size_t first = 0; first < source.size(); first += kReplyDataSize) {
    const std::size_t count = std::min(kReplyDataSize, source.size() - first);
    std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(first), count, staging.begin());
    busy_.ShowBusyWindow();
    transport_.SendData(staging);  // a lost data report is not retried
  }
  return true;
}

bool DeviceLink::ReadPieces(std::uint8_t code, std::uint16_t address, std::size_t length,
                            std::span<std::uint8_t> destination, bool busyPerPiece) {
  std::fill(destination.begin(), destination.end(), 0xFF);
  if (!transport_.CommandChannelOpen()) return false;
  if (!transport_.SendCommand(code, High(address), Low(address), High(length), Low(length)))
    return false;
  std::uint8_t* out = destination.data();
  std::size_t left = destination.size();
  for (; left >= kReplyDataSize; left -= kReplyDataSize, out += kReplyDataSize) {
    if (busyPerPiece) busy_.ShowBusyWindow();
    transport_.ReadReply();
    std::memcpy(out, transport_.ReplyData().data(), kReplyDataSize);
  }
  if (left > 0) {  // the short last piece
    if (busyPerPiece) busy_.ShowBusyWindow();
    transport_.ReadReply();
    std::memcpy(out, transport_.ReplyData().data(), left);
  }
  return true;
}

bool DeviceLink::ReadParameters(std::uint16_t address, std::span<std::uint8_t> destination) {
  // The parameter read carries its length in one byte: 1..255.
  if (destination.empty() || destination.size() > 255) return false;
  return ReadPieces(command::kParameterRead, address, destination.size() & 0xFF, destination,
                    false);
}

bool DeviceLink::ReadBlock(std::uint16_t address, std::span<std::uint8_t> destination) {
  return ReadPieces(command::kBlockRead, address, destination.size(), destination, false);
}

bool DeviceLink::ReadBlockBusy(std::uint16_t address, std::span<std::uint8_t> destination) {
  return ReadPieces(command::kBlockRead, address, destination.size(), destination, true);
}

bool DeviceLink::XDataWrite(std::uint16_t address, std::uint8_t value) {
  return transport_.SendCommand(command::kXDataWrite, High(address), Low(address), value, 0);
}

bool DeviceLink::XDataRead(std::uint16_t address, std::uint8_t& value) {
  if (!transport_.SendCommand(command::kXDataRead, High(address), Low(address), 0, 1))
    return false;
  transport_.ReadReply();
  value = transport_.ReplyData()[0];
  return true;
}

void DeviceLink::WaitRounds(int rounds, int stepMs) {
  for (int i = 0; i < rounds; ++i) pump_.Wait(stepMs);
}

void DeviceLink::RestartDevice(const std::function<void()>& refind, const RestartTiming& timing) {
  WaitRounds(timing.roundsBefore, timing.stepMs);
  transport_.SendCommand(command::kRestart, 0, 0, 0, 0);
  WaitRounds(timing.roundsAfter, timing.stepMs);
  if (refind) refind();
}

}  // namespace orvane
