#pragma once
// What the kernel's sysfs tree says about the hidraw nodes: which nodes exist, the bus and
// ids from each node's uevent, and the report lengths from its report descriptor.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/report_descriptor.h"

namespace orvane {

struct HidIdentity {
  std::uint16_t bus = 0;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
};

// The HID_ID=bus:vendor:product line of a uevent file (hex, up to eight digits each; the
// low 16 bits are kept). Empty when there is no well-formed line.
std::optional<HidIdentity> ParseHidId(std::string_view uevent);

struct HidrawNodeName {
  std::string name;  // "hidraw3"
  std::uint64_t number = 0;
};

// Every hidrawN entry under the sysfs root, in numeric order of N. Empty when the root
// cannot be listed.
std::vector<HidrawNodeName> ListHidrawNodes(const std::string& sysfsRoot);

struct HidrawSysfsEntry {
  std::string name;
  std::optional<HidIdentity> identity;           // empty when the uevent gave none
  std::optional<ReportDescriptorSummary> reports;  // empty when the descriptor is unreadable
  std::string problem;                           // empty when both were read cleanly
  // Usable for enumeration: ids and descriptor were both read (a descriptor that stops
  // early still counts, with what it gave).
  bool Usable() const { return identity && reports; }
};

HidrawSysfsEntry ReadHidrawSysfsEntry(const std::string& sysfsRoot, const std::string& name);

}  // namespace orvane
