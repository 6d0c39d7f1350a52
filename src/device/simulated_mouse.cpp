#include "device/simulated_mouse.h"

#include <algorithm>
#include <chrono>

#include "image/checksum.h"

namespace orvane {

namespace {

constexpr std::uint8_t kCommandId = 0x40;
constexpr std::uint8_t kReplyId = 0x41;
constexpr std::uint8_t kInputId = 0x42;
constexpr std::size_t kFeatureLength = 8;
constexpr std::size_t kChunk = 7;
constexpr std::size_t kInputQueueLimit = 64;  // like a hidraw reader's buffer
constexpr std::uint16_t kInterfaceVersion = 0x0100;

constexpr std::uint8_t kTypeByteI2C = 0xC0;
constexpr std::uint8_t kTypeByteQL840 = 0x40;
constexpr InfoBytes45 kInfo45I2C{0, 0};
constexpr InfoBytes45 kInfo45QL840{0, 26};

std::size_t Be16(std::span<const std::uint8_t> report, std::size_t at) {
  return static_cast<std::size_t>((report[at] << 8) | report[at + 1]);
}

// New DPI level for a key, with the level count's last index.
int DpiUp(int level, int last) { return std::min(level + 1, last); }
int DpiDown(int level, int /*last*/) { return std::max(level - 1, 0); }
int DpiCycle(int level, int last) { return level >= last ? 0 : level + 1; }

struct DpiKey {
  int code;
  int (*next)(int level, int last);
};
constexpr DpiKey kDpiKeys[] = {{1, DpiUp}, {2, DpiDown}, {4, DpiCycle}};
constexpr std::uint8_t kProfileKeyCode = 8;

}  // namespace

std::uint8_t DeviceTypeByte(const SimulatedMouseConfig& config) {
  if (config.typeByte) return *config.typeByte;
  return config.type == SimDeviceType::kQL840 ? kTypeByteQL840 : kTypeByteI2C;
}

InfoBytes45 DeviceInfoBytes45(const SimulatedMouseConfig& config) {
  if (config.info45) return *config.info45;
  return config.type == SimDeviceType::kQL840 ? kInfo45QL840 : kInfo45I2C;
}

std::size_t InfoBlockOffset(SimDeviceType type) {
  return type == SimDeviceType::kQL840 ? image::kInfoBlockQL840 : image::kInfoBlock.first;
}

SimulatedMouse::SimulatedMouse(Clock& clock, SimulatedMouseConfig config)
    : clock_(clock), config_(std::move(config)), xdata_(kXDataSize, 0) {
  latencyMs_ = std::max(config_.latencyMs, 0);
  if (config_.customerIds) {
    const std::size_t at = InfoBlockOffset(config_.type);
    config_.image[at] = config_.customerIds->vendor;
    config_.image[at + 1] = config_.customerIds->product;
  }
  std::lock_guard lock(mutex_);
  PowerUpLocked();
}

// ---- Presence ----

void SimulatedMouse::CatchUpLocked() {
  if (plugged_ && restarting_ && clock_.NowMs() >= restartEndMs_) {
    restarting_ = false;
    PowerUpLocked();
  }
}

void SimulatedMouse::PowerUpLocked() {
  vendorId_ = ReadBe16(config_.image, image::kUsbVendorId);
  productId_ = ReadBe16(config_.image, image::kUsbProductId);
  replies_.clear();
  pendingWrite_ = {};
}

// The mouse leaves the bus: its handles die and readers blocked on them wake.
void SimulatedMouse::VanishLocked() {
  std::erase_if(handles_, [](const auto& entry) { return entry.second.port != Port::kForeign; });
  replies_.clear();
  pendingWrite_ = {};
  inputArrived_.notify_all();
}

bool SimulatedMouse::PortPresentLocked(Port port) const {
  if (port == Port::kForeign) return config_.foreignDevice;
  return plugged_ && !restarting_;
}

std::vector<HidInterfaceInfo> SimulatedMouse::InterfacesLocked() const {
  // Enumeration order; the mouse's own two interfaces carry the ids from the image.
  static constexpr struct {
    Port port;
    const char* path;
    std::uint16_t featureLength;
    std::uint16_t inputLength;
  } kPorts[] = {
      {Port::kForeign, kSimForeignPath, 8, 8},
      {Port::kMouse, kSimMousePath, 0, 5},
      {Port::kVendor, kSimVendorPath, 8, 8},
  };
  std::vector<HidInterfaceInfo> list;
  for (const auto& entry : kPorts) {
    const Port port = entry.port;
    if (!PortPresentLocked(port)) continue;
    HidInterfaceInfo info;
    info.path = entry.path;
    const bool foreign = port == Port::kForeign;
    info.vendorId = foreign ? kSimForeignVendorId : vendorId_;
    info.productId = foreign ? kSimForeignProductId : productId_;
    info.version = kInterfaceVersion;
    info.featureReportLength = entry.featureLength;
    info.inputReportLength = entry.inputLength;
    list.push_back(std::move(info));
  }
  return list;
}

bool SimulatedMouse::Present() {
  std::lock_guard lock(mutex_);
  CatchUpLocked();
  return PortPresentLocked(Port::kVendor);
}

void SimulatedMouse::Plug() {
  std::lock_guard lock(mutex_);
  if (plugged_ && !restarting_) return;
  plugged_ = true;
  restarting_ = false;
  PowerUpLocked();
}

void SimulatedMouse::Unplug() {
  std::lock_guard lock(mutex_);
  if (!plugged_) return;
  plugged_ = false;
  restarting_ = false;
  VanishLocked();
}

// ---- Handles ----

std::vector<HidInterfaceInfo> SimulatedMouse::Enumerate() {
  std::lock_guard lock(mutex_);
  CatchUpLocked();
  return InterfacesLocked();
}

HidHandle SimulatedMouse::OpenLocked(const std::string& path, bool readWrite) {
  CatchUpLocked();
  static constexpr struct {
    const char* path;
    Port port;
  } kPaths[] = {{kSimMousePath, Port::kMouse},
                {kSimVendorPath, Port::kVendor},
                {kSimForeignPath, Port::kForeign}};
  for (const auto& entry : kPaths) {
    if (path != entry.path) continue;
    if (!PortPresentLocked(entry.port)) break;
    const HidHandle handle = nextHandle_++;
    handles_.emplace(handle, OpenHandle{entry.port, readWrite, {}});
    return handle;
  }
  Fail("no such HID interface");
  return kInvalidHandle;
}

HidHandle SimulatedMouse::OpenQuery(const std::string& path) {
  std::lock_guard lock(mutex_);
  return OpenLocked(path, false);
}

HidHandle SimulatedMouse::OpenReadWrite(const std::string& path) {
  std::lock_guard lock(mutex_);
  return OpenLocked(path, true);
}

void SimulatedMouse::Close(HidHandle handle) {
  std::lock_guard lock(mutex_);
  handles_.erase(handle);
  inputArrived_.notify_all();
}

SimulatedMouse::OpenHandle* SimulatedMouse::FindLocked(HidHandle handle) {
  const auto it = handles_.find(handle);
  return it == handles_.end() ? nullptr : &it->second;
}

// The handle for a feature report to the mouse's vendor interface, or null with the reason.
SimulatedMouse::OpenHandle* SimulatedMouse::FindMouseVendorLocked(HidHandle handle,
                                                                  std::size_t length) {
  OpenHandle* open = FindLocked(handle);
  if (!open) {
    Fail("the device is gone or the handle is closed");
    return nullptr;
  }
  if (open->port == Port::kMouse) {
    Fail("this interface has no feature reports");
    return nullptr;
  }
  if (length != kFeatureLength) {
    Fail("feature reports of this interface are 8 bytes");
    return nullptr;
  }
  return open;
}

// ---- Faults ----

bool SimulatedMouse::FaultDueLocked(FaultAction action, bool isSet) const {
  for (const SimFault& fault : config_.faults) {
    if (fault.action != action) continue;
    std::uint64_t count = 0;
    switch (fault.counter) {
      case FaultCounter::kSetFeature:
        if (!isSet) continue;
        count = setCount_;
        break;
      case FaultCounter::kGetFeature:
        if (isSet) continue;
        count = getCount_;
        break;
      case FaultCounter::kReport:
        count = reportCount_;
        break;
    }
    if (count >= fault.first && count <= fault.last) return true;
  }
  return false;
}

// ---- Feature reports ----

bool SimulatedMouse::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
  bool ok = false;
  {
    std::lock_guard lock(mutex_);
    CatchUpLocked();
    OpenHandle* open = FindMouseVendorLocked(handle, report.size());
    if (!open) return false;
    if (open->port == Port::kForeign) return true;  // someone else's device ignores us
    ++setCount_;
    ++reportCount_;
    if (FaultDueLocked(FaultAction::kFail, true)) {
      Fail("the set-feature report failed (injected)");
    } else if (report[0] == kCommandId) {
      CommandLocked(report);
      ok = true;
    } else if (report[0] == kReplyId) {
      DataReportLocked(report);
      ok = true;
    } else {
      Fail("unknown feature report id");
    }
    if (FaultDueLocked(FaultAction::kUnplug, true)) {
      plugged_ = false;
      restarting_ = false;
      VanishLocked();
    }
  }
  if (const int latency = latencyMs_.load(); latency > 0) clock_.SleepMs(latency);
  return ok;
}

bool SimulatedMouse::GetFeature(HidHandle handle, std::span<std::uint8_t> report) {
  bool ok = false;
  {
    std::lock_guard lock(mutex_);
    CatchUpLocked();
    OpenHandle* open = FindMouseVendorLocked(handle, report.size());
    if (!open) return false;
    if (open->port == Port::kForeign) {
      std::fill(report.begin() + 1, report.end(), 0);
      return true;
    }
    ++getCount_;
    ++reportCount_;
    if (report[0] != kReplyId) {
      Fail("unknown feature report id");
    } else {
      ReplyChunk chunk{};  // nothing pending: seven zero bytes
      if (!replies_.empty()) {
        chunk = replies_.front();
        replies_.pop_front();  // a failed fetch loses its reply too
      }
      if (FaultDueLocked(FaultAction::kFail, false)) {
        Fail("the get-feature report failed (injected)");
      } else {
        std::copy(chunk.begin(), chunk.end(), report.begin() + 1);
        ok = true;
      }
    }
    if (FaultDueLocked(FaultAction::kUnplug, false)) {
      plugged_ = false;
      restarting_ = false;
      VanishLocked();
    }
  }
  if (const int latency = latencyMs_.load(); latency > 0) clock_.SleepMs(latency);
  return ok;
}

// ---- Commands ----

void SimulatedMouse::CommandLocked(std::span<const std::uint8_t> report) {
  using Handler = void (SimulatedMouse::*)(std::span<const std::uint8_t>);
  static constexpr struct {
    std::uint8_t code;
    Handler run;
  } kCommands[] = {
      {0x01, &SimulatedMouse::XDataWrite},    {0x02, &SimulatedMouse::XDataRead},
      {0x05, &SimulatedMouse::ConfigWrite},   {0x06, &SimulatedMouse::ParameterRead},
      {0x07, &SimulatedMouse::BlockWrite},    {0x09, &SimulatedMouse::BlockRead},
      {0x0D, &SimulatedMouse::DeviceInfo},    {0x0E, &SimulatedMouse::Restart},
  };
  // Any new command ends what the previous one left pending.
  replies_.clear();
  pendingWrite_ = {};
  for (const auto& command : kCommands) {
    if (command.code == report[1]) {
      (this->*command.run)(report);
      return;
    }
  }
}

void SimulatedMouse::XDataWrite(std::span<const std::uint8_t> report) {
  xdata_[Be16(report, 2)] = report[4];
}

void SimulatedMouse::XDataRead(std::span<const std::uint8_t> report) {
  QueueReply({xdata_[Be16(report, 2)], 0, 0, 0, 0, 0, 0});
}

void SimulatedMouse::ConfigWrite(std::span<const std::uint8_t> report) {
  const std::uint8_t format = report[2];
  const std::size_t offset = report[3];
  std::size_t count = 0;
  if (format == 0 && report[7] >= 1 && report[7] <= 3) count = report[7];
  if (format == 1) count = 4;  // byte 7 is the fourth data byte
  for (std::size_t i = 0; i < count; ++i) WriteImageByte(offset + i, report[4 + i]);
}

void SimulatedMouse::ParameterRead(std::span<const std::uint8_t> report) {
  QueueImageReplies(Be16(report, 2), report[5]);
}

void SimulatedMouse::BlockWrite(std::span<const std::uint8_t> report) {
  pendingWrite_ = {Be16(report, 2), Be16(report, 4)};
}

void SimulatedMouse::BlockRead(std::span<const std::uint8_t> report) {
  QueueImageReplies(Be16(report, 2), Be16(report, 4));
}

void SimulatedMouse::DeviceInfo(std::span<const std::uint8_t> /*report*/) {
  const InfoBytes45 b45 = DeviceInfoBytes45(config_);
  QueueReply({config_.status, config_.marker, DeviceTypeByte(config_), 0, b45[0], b45[1], 0});
}

void SimulatedMouse::Restart(std::span<const std::uint8_t> /*report*/) {
  ++restarts_;
  restarting_ = true;
  restartEndMs_ = clock_.NowMs() + std::max(config_.restartMs, 0);
  VanishLocked();
}

void SimulatedMouse::DataReportLocked(std::span<const std::uint8_t> report) {
  if (pendingWrite_.remaining == 0) return;  // no block write waiting: ignored
  const std::size_t n = std::min(pendingWrite_.remaining, kChunk);
  for (std::size_t i = 0; i < n; ++i) WriteImageByte(pendingWrite_.address + i, report[1 + i]);
  pendingWrite_.address += n;
  pendingWrite_.remaining -= n;
}

void SimulatedMouse::QueueImageReplies(std::size_t address, std::size_t length) {
  for (std::size_t done = 0; done < length; done += kChunk) {
    ReplyChunk chunk{};  // bytes past the last requested one stay zero
    const std::size_t n = std::min(kChunk, length - done);
    for (std::size_t i = 0; i < n; ++i) chunk[i] = ImageByte(address + done + i);
    QueueReply(chunk);
  }
}

std::uint8_t SimulatedMouse::ImageByte(std::size_t address) const {
  return address < kImageSize ? config_.image[address] : 0xFF;
}

void SimulatedMouse::WriteImageByte(std::size_t address, std::uint8_t value) {
  if (address < kImageSize) config_.image[address] = value;
}

// ---- The mouse's own keys ----

// The firmware keeps a sound user section sound when it changes a byte itself.
void SimulatedMouse::ChangeUserByteLocked(std::size_t offset, std::uint8_t value) {
  const bool wasValid = SectionChecksumValid(config_.image, image::kUserSection);
  config_.image[offset] = value;
  if (wasValid) SetSectionChecksum(config_.image, image::kUserSection);
}

void SimulatedMouse::QueueKeyLocked(std::uint8_t code) {
  const InputReport press{kInputId, 0, 0, code, 0, 0, 0, 0};
  const InputReport release{kInputId, 0, 0, 0, 0, 0, 0, 0};
  for (auto& [id, open] : handles_) {
    if (open.port != Port::kVendor || !open.readWrite) continue;
    for (const InputReport& r : {press, release}) {
      if (open.input.size() < kInputQueueLimit) open.input.push_back(r);
    }
  }
  inputArrived_.notify_all();
}

bool SimulatedMouse::PressDpiKey(int code) {
  const auto key = std::find_if(std::begin(kDpiKeys), std::end(kDpiKeys),
                                [code](const DpiKey& k) { return k.code == code; });
  if (key == std::end(kDpiKeys)) return false;
  std::lock_guard lock(mutex_);
  CatchUpLocked();
  if (!PortPresentLocked(Port::kVendor)) return false;
  const int last = std::min<int>(config_.image[image::kDpiLevelCountMinus1], 7);
  const int level = std::min<int>(config_.image[image::kCurrentDpiLevel], last);
  ChangeUserByteLocked(image::kCurrentDpiLevel, static_cast<std::uint8_t>(key->next(level, last)));
  QueueKeyLocked(static_cast<std::uint8_t>(code));
  return true;
}

bool SimulatedMouse::PressProfileKey() {
  std::lock_guard lock(mutex_);
  CatchUpLocked();
  if (!PortPresentLocked(Port::kVendor)) return false;
  const std::uint8_t byte = config_.image[image::kModeAndProfileColour];
  const std::uint8_t mode = (byte & 0x0F) == 0 ? 1 : 0;
  ChangeUserByteLocked(image::kModeAndProfileColour,
                       static_cast<std::uint8_t>((byte & 0xF0) | mode));
  QueueKeyLocked(kProfileKeyCode);
  return true;
}

// ---- Input reports ----

ReadStatus SimulatedMouse::ReadInput(HidHandle handle, std::span<std::uint8_t> buffer,
                                     int timeoutMs) {
  std::unique_lock lock(mutex_);
  CatchUpLocked();
  const OpenHandle* open = FindLocked(handle);
  if (!open) {
    Fail("the device is gone or the handle is closed");
    return ReadStatus::kGone;
  }
  if (!open->readWrite || buffer.empty()) {
    Fail("input reports need a read-write handle and a buffer");
    return ReadStatus::kError;
  }
  // The handle is looked up afresh on every wake: Close or an unplug may have removed it.
  const auto ready = [&] {
    const OpenHandle* h = FindLocked(handle);
    return !h || !h->input.empty();
  };
  if (timeoutMs < 0) {
    inputArrived_.wait(lock, ready);
  } else if (!inputArrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready)) {
    return ReadStatus::kTimeout;
  }
  OpenHandle* now = FindLocked(handle);
  if (!now) return ReadStatus::kGone;
  const InputReport report = now->input.front();
  now->input.pop_front();
  std::copy_n(report.begin(), std::min(buffer.size(), report.size()), buffer.begin());
  return ReadStatus::kOk;
}

std::string SimulatedMouse::LastError() const {
  std::lock_guard lock(mutex_);
  return lastError_;
}

// ---- For tests and the tools ----

Image SimulatedMouse::Image() const {
  std::lock_guard lock(mutex_);
  return config_.image;
}

std::vector<std::uint8_t> SimulatedMouse::XData() const {
  std::lock_guard lock(mutex_);
  return xdata_;
}

int SimulatedMouse::Restarts() const {
  std::lock_guard lock(mutex_);
  return restarts_;
}

std::uint64_t SimulatedMouse::SetFeatureCount() const {
  std::lock_guard lock(mutex_);
  return setCount_;
}

std::uint64_t SimulatedMouse::GetFeatureCount() const {
  std::lock_guard lock(mutex_);
  return getCount_;
}

std::uint64_t SimulatedMouse::ReportCount() const {
  std::lock_guard lock(mutex_);
  return reportCount_;
}

void SimulatedMouse::SetFaults(std::vector<SimFault> faults) {
  std::lock_guard lock(mutex_);
  config_.faults = std::move(faults);
}

void SimulatedMouse::AddFault(const SimFault& fault) {
  std::lock_guard lock(mutex_);
  config_.faults.push_back(fault);
}

void SimulatedMouse::SetStatus(std::uint8_t status) {
  std::lock_guard lock(mutex_);
  config_.status = status;
}

void SimulatedMouse::SetMarker(std::uint8_t marker) {
  std::lock_guard lock(mutex_);
  config_.marker = marker;
}

void SimulatedMouse::SetTypeByte(std::optional<std::uint8_t> typeByte) {
  std::lock_guard lock(mutex_);
  config_.typeByte = typeByte;
}

void SimulatedMouse::SetInfoBytes45(std::optional<InfoBytes45> bytes) {
  std::lock_guard lock(mutex_);
  config_.info45 = bytes;
}

void SimulatedMouse::SetCustomerIds(CustomerIds ids) {
  std::lock_guard lock(mutex_);
  const std::size_t at = InfoBlockOffset(config_.type);
  config_.image[at] = ids.vendor;
  config_.image[at + 1] = ids.product;
}

void SimulatedMouse::SetLatencyMs(int ms) {
  latencyMs_ = std::max(ms, 0);
}

}  // namespace orvane
