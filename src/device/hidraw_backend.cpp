#include "device/hidraw_backend.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <system_error>

#include "device/hidraw_sysfs.h"

namespace orvane {
namespace {

// The ioctl encodes the length in 14 bits.
constexpr std::size_t kMaxIoctlReportBytes = (1u << 14) - 1;

std::string ErrorText(int error) { return std::system_category().message(error); }

std::string OpenFailureMessage(const std::string& node, int error) {
  if (error == EACCES || error == EPERM) return HidrawPermissionMessage(node);
  if (error == ENOENT) return "Device node " + node + " does not exist.";
  return "Cannot open " + node + ": " + ErrorText(error) + ".";
}

std::string IdsText(std::uint16_t vendorId, std::uint16_t productId) {
  char text[16];
  std::snprintf(text, sizeof text, "%04X:%04X", vendorId, productId);
  return text;
}

int OpenNodeFd(const std::string& path) {
  return ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
}

}  // namespace

std::string HidrawPermissionMessage(const std::string& node) {
  return "No permission to open " + node + ". Install the udev rule " + kUdevRulePath +
         " into /etc/udev/rules.d/, run `sudo udevadm control --reload && sudo udevadm "
         "trigger`, then unplug the mouse and plug it in again.";
}

// One open node. The node and the wake-up eventfd are closed when the last user lets go,
// so a reader that is still inside poll() never sees its descriptor closed or reused.
struct HidrawBackend::OpenNode {
  OpenNode(int nodeFd, int eventFd) : fd(nodeFd), wakeFd(eventFd) {}
  ~OpenNode() {
    ::close(fd);
    ::close(wakeFd);
  }
  OpenNode(const OpenNode&) = delete;
  OpenNode& operator=(const OpenNode&) = delete;

  const int fd;
  const int wakeFd;
};

HidrawBackend::HidrawBackend(std::string sysfsRoot, std::string devRoot)
    : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot)) {}

HidrawBackend::~HidrawBackend() = default;

std::string HidrawBackend::NodePath(const std::string& name) const {
  return devRoot_ + "/" + name;
}

std::vector<HidInterfaceInfo> HidrawBackend::Enumerate() {
  std::vector<HidInterfaceInfo> interfaces;
  std::vector<HidrawSkippedNode> skipped;
  std::map<std::string, std::pair<std::uint16_t, std::uint16_t>> ids;
  for (const HidrawNodeName& node : ListHidrawNodes(sysfsRoot_)) {
    const HidrawSysfsEntry entry = ReadHidrawSysfsEntry(sysfsRoot_, node.name);
    if (!entry.Usable()) {
      skipped.push_back({entry.name, entry.problem});
      continue;
    }
    HidInterfaceInfo info;
    info.path = NodePath(node.name);
    info.vendorId = entry.identity->vendorId;
    info.productId = entry.identity->productId;
    info.featureReportLength = entry.reports->Length(ReportKind::kFeature);
    info.inputReportLength = entry.reports->Length(ReportKind::kInput);
    ids[info.path] = {info.vendorId, info.productId};
    interfaces.push_back(std::move(info));
  }
  std::lock_guard lock(mutex_);
  skipped_ = std::move(skipped);
  enumeratedIds_ = std::move(ids);
  return interfaces;
}

std::vector<HidrawSkippedNode> HidrawBackend::SkippedNodes() const {
  std::lock_guard lock(mutex_);
  return skipped_;
}

std::vector<HidrawNodeDiagnosis> HidrawBackend::Diagnose() const {
  std::vector<HidrawNodeDiagnosis> result;
  for (const HidrawNodeName& node : ListHidrawNodes(sysfsRoot_)) {
    const HidrawSysfsEntry entry = ReadHidrawSysfsEntry(sysfsRoot_, node.name);
    HidrawNodeDiagnosis d;
    d.name = node.name;
    d.path = NodePath(node.name);
    if (entry.identity) {
      d.idsKnown = true;
      d.bus = entry.identity->bus;
      d.vendorId = entry.identity->vendorId;
      d.productId = entry.identity->productId;
    }
    if (entry.reports) {
      d.descriptorRead = true;
      d.featureReportLength = entry.reports->Length(ReportKind::kFeature);
      d.inputReportLength = entry.reports->Length(ReportKind::kInput);
      d.featureReportIds = entry.reports->ReportIds(ReportKind::kFeature);
      d.inputReportIds = entry.reports->ReportIds(ReportKind::kInput);
    }
    d.problem = entry.problem;
    const int fd = OpenNodeFd(d.path);
    if (fd >= 0) {
      ::close(fd);
    } else {
      const int error = errno;
      if (!d.problem.empty()) d.problem += "; ";
      d.problem += OpenFailureMessage(d.path, error);
    }
    result.push_back(std::move(d));
  }
  return result;
}

HidHandle HidrawBackend::OpenQuery(const std::string& path) { return Open(path); }

HidHandle HidrawBackend::OpenReadWrite(const std::string& path) { return Open(path); }

HidHandle HidrawBackend::Open(const std::string& path) {
  const int fd = OpenNodeFd(path);
  if (fd < 0) {
    SetLastError(OpenFailureMessage(path, errno));
    return kInvalidHandle;
  }
  // A real hidraw node can say whose it is: refuse a node that another device took over
  // since the last enumeration (fixture nodes cannot answer and are taken as they are).
  hidraw_devinfo devInfo{};
  if (::ioctl(fd, HIDIOCGRAWINFO, &devInfo) == 0) {
    const auto vendorId = static_cast<std::uint16_t>(devInfo.vendor);
    const auto productId = static_cast<std::uint16_t>(devInfo.product);
    std::unique_lock lock(mutex_);
    const auto known = enumeratedIds_.find(path);
    if (known != enumeratedIds_.end() && known->second != std::pair(vendorId, productId)) {
      const auto expected = known->second;
      lock.unlock();
      ::close(fd);
      SetLastError(path + " now belongs to device " + IdsText(vendorId, productId) +
                   ", not " + IdsText(expected.first, expected.second) +
                   "; search for the mouse again.");
      return kInvalidHandle;
    }
  }
  const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wakeFd < 0) {
    const int error = errno;
    ::close(fd);
    SetLastError("Cannot create a wake-up event for " + path + ": " + ErrorText(error) + ".");
    return kInvalidHandle;
  }
  auto node = std::make_shared<OpenNode>(fd, wakeFd);
  std::lock_guard lock(mutex_);
  const HidHandle handle = nextHandle_++;
  handles_.emplace(handle, std::move(node));
  return handle;
}

void HidrawBackend::Close(HidHandle handle) {
  std::shared_ptr<OpenNode> node;
  {
    std::lock_guard lock(mutex_);
    const auto it = handles_.find(handle);
    if (it == handles_.end()) return;
    node = std::move(it->second);
    handles_.erase(it);
  }
  // The eventfd stays readable, so every reader inside or about to poll wakes up.
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t written = ::write(node->wakeFd, &one, sizeof one);
}

std::shared_ptr<HidrawBackend::OpenNode> HidrawBackend::Acquire(HidHandle handle) {
  std::lock_guard lock(mutex_);
  const auto it = handles_.find(handle);
  return it == handles_.end() ? nullptr : it->second;
}

bool HidrawBackend::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
  const auto node = Acquire(handle);
  if (!node) {
    SetLastError("Set-feature on a handle that is not open.");
    return false;
  }
  if (report.empty() || report.size() > kMaxIoctlReportBytes) {
    SetLastError("Set-feature with an invalid report length.");
    return false;
  }
  std::vector<std::uint8_t> buffer(report.begin(), report.end());
  int rc;
  do {
    rc = ::ioctl(node->fd, HIDIOCSFEATURE(buffer.size()), buffer.data());
  } while (rc < 0 && errno == EINTR);
  if (rc < 0) {
    SetLastError("Set-feature failed: " + ErrorText(errno) + ".");
    return false;
  }
  return true;
}

bool HidrawBackend::GetFeature(HidHandle handle, std::span<std::uint8_t> report) {
  const auto node = Acquire(handle);
  if (!node) {
    SetLastError("Get-feature on a handle that is not open.");
    return false;
  }
  if (report.empty() || report.size() > kMaxIoctlReportBytes) {
    SetLastError("Get-feature with an invalid report length.");
    return false;
  }
  std::vector<std::uint8_t> buffer(report.size(), 0);
  buffer[0] = report[0];
  int rc;
  do {
    rc = ::ioctl(node->fd, HIDIOCGFEATURE(buffer.size()), buffer.data());
  } while (rc < 0 && errno == EINTR);
  if (rc < 0) {
    SetLastError("Get-feature failed: " + ErrorText(errno) + ".");
    return false;
  }
  if (static_cast<std::size_t>(rc) != buffer.size()) {
    SetLastError("Get-feature returned " + std::to_string(rc) + " bytes, not " +
                 std::to_string(buffer.size()) + ".");
    return false;
  }
  if (buffer[0] != report[0]) {
    SetLastError("Get-feature returned report id " + std::to_string(buffer[0]) + ", not " +
                 std::to_string(report[0]) + ".");
    return false;
  }
  std::copy(buffer.begin(), buffer.end(), report.begin());
  return true;
}

ReadStatus HidrawBackend::ReadInput(HidHandle handle, std::span<std::uint8_t> buffer,
                                    int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto node = Acquire(handle);
  if (!node) return ReadStatus::kGone;
  if (buffer.empty()) return ReadStatus::kError;
  const bool forever = timeoutMs < 0;
  const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
  for (;;) {
    int waitMs = -1;
    if (!forever) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
      waitMs = static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
    }
    pollfd fds[2] = {{node->fd, POLLIN, 0}, {node->wakeFd, POLLIN, 0}};
    const int ready = ::poll(fds, 2, waitMs);
    if (ready < 0) {
      if (errno == EINTR) continue;
      return ReadStatus::kError;
    }
    if (fds[1].revents != 0) return ReadStatus::kGone;  // closed while we waited
    if (ready == 0) return ReadStatus::kTimeout;
    if ((fds[0].revents & POLLIN) != 0) {
      const ssize_t n = ::read(node->fd, buffer.data(), buffer.size());
      if (n > 0) {
        std::fill(buffer.begin() + n, buffer.end(), std::uint8_t{0});
        return ReadStatus::kOk;
      }
      if (n == 0) return ReadStatus::kGone;  // end of the node: nothing will come
      if (errno == EAGAIN || errno == EINTR) continue;
      if (errno == EIO || errno == ENODEV) return ReadStatus::kGone;
      return ReadStatus::kError;
    }
    if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return ReadStatus::kGone;
  }
}

std::string HidrawBackend::LastError() const {
  std::lock_guard lock(mutex_);
  return lastError_;
}

void HidrawBackend::SetLastError(std::string message) {
  std::lock_guard lock(mutex_);
  lastError_ = std::move(message);
}

}  // namespace orvane
