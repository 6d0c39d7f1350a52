#pragma once
// HID interfaces through the Linux kernel's raw HID nodes (/dev/hidrawN), found through
// sysfs. Feature reports go through the hidraw ioctls, input reports through read() with
// poll(), so that Close() from another thread wakes a blocked reader.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "device/hid_backend.h"

namespace orvane {

// The rule file that gives the logged-in user access to the mouse's nodes.
inline constexpr char kUdevRulePath[] = "packaging/70-orvane-mouse.rules";

// The text shown when a node exists but may not be opened.
std::string HidrawPermissionMessage(const std::string& node);

// A hidraw node that enumeration left out, and why.
struct HidrawSkippedNode {
  std::string name;     // "hidraw3"
  std::string problem;
};

// Everything `orvanectl list` shows about one hidraw node.
struct HidrawNodeDiagnosis {
  std::string name;  // "hidraw3"
  std::string path;  // "/dev/hidraw3"
  bool idsKnown = false;
  std::uint16_t bus = 0;  // 0x0003 USB, 0x0005 Bluetooth
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  bool descriptorRead = false;
  std::uint16_t featureReportLength = 0;
  std::uint16_t inputReportLength = 0;
  std::vector<std::uint8_t> featureReportIds;
  std::vector<std::uint8_t> inputReportIds;
  std::string problem;  // empty when the node looks usable
};

class HidrawBackend final : public HidBackend {
 public:
  explicit HidrawBackend(std::string sysfsRoot = "/sys/class/hidraw",
                         std::string devRoot = "/dev");
  // Closes every handle still open. No reader may still be inside ReadInput.
  ~HidrawBackend() override;

  HidrawBackend(const HidrawBackend&) = delete;
  HidrawBackend& operator=(const HidrawBackend&) = delete;

  // Nodes whose uevent or report descriptor cannot be read are left out; SkippedNodes()
  // tells which and why.
  std::vector<HidInterfaceInfo> Enumerate() override;
  // Both open the node read-write: the feature ioctls need it.
  HidHandle OpenQuery(const std::string& path) override;
  HidHandle OpenReadWrite(const std::string& path) override;
  // Safe while another thread reads on the handle: the reader wakes and gets kGone, and
  // the node is closed once it has left. Handle ids are never reused.
  void Close(HidHandle handle) override;

  bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
  // Succeeds only when the node returns the whole report with the id that was asked for;
  // on failure `report` is left as it was.
  bool GetFeature(HidHandle handle, std::span<std::uint8_t> report) override;
  // kGone also for a handle that is not open. Bytes after a short report are zeroed.
  ReadStatus ReadInput(HidHandle handle, std::span<std::uint8_t> buffer,
                       int timeoutMs) override;

  std::string LastError() const override;

  // The nodes the last Enumerate() left out.
  std::vector<HidrawSkippedNode> SkippedNodes() const;
  // Every hidrawN in the tree, whether usable or not, with a problem text for those that
  // are not (unreadable uevent or descriptor, node missing, no permission).
  std::vector<HidrawNodeDiagnosis> Diagnose() const;

 private:
  struct OpenNode;

  HidHandle Open(const std::string& path);
  std::shared_ptr<OpenNode> Acquire(HidHandle handle);
  void SetLastError(std::string message);
  std::string NodePath(const std::string& name) const;

  const std::string sysfsRoot_;
  const std::string devRoot_;

  mutable std::mutex mutex_;
  std::map<HidHandle, std::shared_ptr<OpenNode>> handles_;
  HidHandle nextHandle_ = 1;
  // Ids by node path from the last enumeration, to notice a node that changed owner.
  std::map<std::string, std::pair<std::uint16_t, std::uint16_t>> enumeratedIds_;
  std::vector<HidrawSkippedNode> skipped_;
  std::string lastError_;
};

}  // namespace orvane
