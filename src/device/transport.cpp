#include "device/transport.h"

#include <algorithm>

namespace orvane {

int HidTransport::CountHidInterfaces() {
  int count = 0;
  for (const HidInterfaceInfo& info : backend_.Enumerate()) {
    HidHandle h = backend_.OpenQuery(info.path);
    if (h == kInvalidHandle) continue;
    ++count;
    backend_.Close(h);
  }
  return count;
}

bool HidTransport::OpenDevice(std::uint16_t vendorId, std::uint16_t productId,
                              std::uint16_t& version) {
  bool found = false;
  for (const HidInterfaceInfo& info : backend_.Enumerate()) {
    HidHandle query = backend_.OpenQuery(info.path);
    if (query == kInvalidHandle) continue;
    if (info.featureReportLength != kReportSize || info.vendorId != vendorId ||
        info.productId != productId) {
      backend_.Close(query);
      continue;
    }
    // A later match replaces an earlier one: the last interface enumerated wins. Handles
    // still held from before are released rather than leaked.
    ForgetDevice();
    found = true;
    inputHandle_.store(backend_.OpenReadWrite(info.path));
    queryHandle_ = query;
    version = info.version;
    currentIds_ = {vendorId, productId};
    currentPath_ = info.path;
    featureReportLength_ = info.featureReportLength;
    inputReportLength_.store(info.inputReportLength);

    reportBuf_ = {kCommandReportId, 0x0D, 0, 0, 0, 0, 0, 0};
    if (backend_.SetFeature(query, reportBuf_)) cmdHandle_ = query;
    reportBuf_ = {kReplyReportId, 0, 0, 0, 0, 0, 0, 0};
    if (backend_.GetFeature(query, reportBuf_)) replyHandle_ = query;
  }
  return found;
}

void HidTransport::ForgetDevice() {
  const HidHandle input = inputHandle_.exchange(kInvalidHandle);
  cmdHandle_ = kInvalidHandle;
  replyHandle_ = kInvalidHandle;
  currentIds_ = {};
  currentPath_.clear();
  if (queryHandle_ != kInvalidHandle) backend_.Close(queryHandle_);
  queryHandle_ = kInvalidHandle;
  // Closing the input handle wakes a status reader blocked on it.
  if (input != kInvalidHandle) backend_.Close(input);
}

bool HidTransport::OpenInterfacePresent() {
  if (currentPath_.empty()) return false;
  for (const HidInterfaceInfo& info : backend_.Enumerate())
    if (info.path == currentPath_ && info.vendorId == currentIds_.vendorId &&
        info.productId == currentIds_.productId)
      return true;
  return false;
}

bool HidTransport::SetFeatureOn(HidHandle handle) {
  if (handle == kInvalidHandle) return false;
  return backend_.SetFeature(handle, reportBuf_);
}

bool HidTransport::SendCommand(std::uint8_t code, std::uint8_t a1, std::uint8_t a2,
                               std::uint8_t a3, std::uint8_t a4) {
  reportBuf_ = {kCommandReportId, code, a1, a2, a3, a4, 0, 0};
  return SetFeatureOn(cmdHandle_);
}

bool HidTransport::SendCommandReport(const std::array<std::uint8_t, 6>& arguments,
                                     std::uint8_t code) {
  reportBuf_[0] = kCommandReportId;
  reportBuf_[1] = code;
  std::copy(arguments.begin(), arguments.end(), reportBuf_.begin() + 2);
  return SetFeatureOn(cmdHandle_);
}

bool HidTransport::SendData(const ReplyBytes& data) {
  reportBuf_[0] = kReplyReportId;
  std::copy(data.begin(), data.end(), reportBuf_.begin() + 1);
  return SetFeatureOn(replyHandle_);
}

void HidTransport::ReadReply() {
  if (replyHandle_ != kInvalidHandle) {
    replyReport_ = {kReplyReportId, 0, 0, 0, 0, 0, 0, 0};
    if (backend_.GetFeature(replyHandle_, replyReport_)) return;
  }
  replyReport_ = EmptyReply();  // no reply: the bytes read as 0xFF
}

ReadStatus HidTransport::ReadInputReport(std::span<std::uint8_t> buffer, int timeoutMs) {
  const HidHandle input = inputHandle_.load();
  if (input == kInvalidHandle) return ReadStatus::kGone;
  return backend_.ReadInput(input, buffer, timeoutMs);
}

}  // namespace orvane
