#include "device/hidraw_sysfs.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace orvane {
namespace {

// Descriptors are at most 4 KiB and uevents a few hundred bytes; anything longer is cut.
constexpr std::size_t kMaxSysfsFileBytes = 64 * 1024;
constexpr std::string_view kHidIdKey = "HID_ID=";
constexpr std::string_view kNodePrefix = "hidraw";

struct FileRead {
  std::vector<std::uint8_t> bytes;
  int error = 0;  // errno of the failed open or read; 0 on success
};

FileRead ReadSmallFile(const std::string& path) {
  FileRead result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    result.error = errno;
    return result;
  }
  std::uint8_t chunk[4096];
  while (result.bytes.size() < kMaxSysfsFileBytes) {
    const std::size_t want = std::min(sizeof chunk, kMaxSysfsFileBytes - result.bytes.size());
    const ssize_t n = ::read(fd, chunk, want);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.error = errno;
      break;
    }
    if (n == 0) break;
    result.bytes.insert(result.bytes.end(), chunk, chunk + n);
  }
  ::close(fd);
  return result;
}

std::optional<std::uint32_t> ParseHexField(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void AddProblem(std::string& problems, const std::string& problem) {
  if (!problems.empty()) problems += "; ";
  problems += problem;
}

std::string ReadFailure(const std::string& path, int error) {
  return "cannot read " + path + ": " + std::system_category().message(error);
}

}  // namespace

std::optional<HidIdentity> ParseHidId(std::string_view uevent) {
  while (!uevent.empty()) {
    const std::size_t eol = uevent.find('\n');
    std::string_view line = uevent.substr(0, eol);
    uevent = eol == std::string_view::npos ? std::string_view() : uevent.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.starts_with(kHidIdKey)) continue;
    line.remove_prefix(kHidIdKey.size());
    std::array<std::uint32_t, 3> fields{};
    std::size_t count = 0;
    for (; count < fields.size(); ++count) {
      const std::size_t colon = line.find(':');
      const bool last = count + 1 == fields.size();
      if (last != (colon == std::string_view::npos)) return std::nullopt;
      const auto value = ParseHexField(line.substr(0, colon));
      if (!value) return std::nullopt;
      fields[count] = *value;
      if (!last) line.remove_prefix(colon + 1);
    }
    return HidIdentity{static_cast<std::uint16_t>(fields[0] & 0xFFFF),
                       static_cast<std::uint16_t>(fields[1] & 0xFFFF),
                       static_cast<std::uint16_t>(fields[2] & 0xFFFF)};
  }
  return std::nullopt;
}

std::vector<HidrawNodeName> ListHidrawNodes(const std::string& sysfsRoot) {
  std::vector<HidrawNodeName> nodes;
  std::error_code ec;
  std::filesystem::directory_iterator it(sysfsRoot, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!name.starts_with(kNodePrefix)) continue;
    const std::string_view digits = std::string_view(name).substr(kNodePrefix.size());
    std::uint64_t number = 0;
    const auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || err != std::errc() || end != digits.data() + digits.size()) continue;
    nodes.push_back({std::move(name), number});
  }
  std::sort(nodes.begin(), nodes.end(), [](const HidrawNodeName& a, const HidrawNodeName& b) {
    return a.number != b.number ? a.number < b.number : a.name < b.name;
  });
  return nodes;
}

HidrawSysfsEntry ReadHidrawSysfsEntry(const std::string& sysfsRoot, const std::string& name) {
  HidrawSysfsEntry entry;
  entry.name = name;
  const std::string deviceDir = sysfsRoot + "/" + name + "/device/";

  const std::string ueventPath = deviceDir + "uevent";
  const FileRead uevent = ReadSmallFile(ueventPath);
  if (uevent.error != 0) {
    AddProblem(entry.problem, ReadFailure(ueventPath, uevent.error));
  } else {
    entry.identity = ParseHidId(std::string_view(
        reinterpret_cast<const char*>(uevent.bytes.data()), uevent.bytes.size()));
    if (!entry.identity) AddProblem(entry.problem, ueventPath + " has no valid HID_ID line");
  }

  const std::string descriptorPath = deviceDir + "report_descriptor";
  const FileRead descriptor = ReadSmallFile(descriptorPath);
  if (descriptor.error != 0) {
    AddProblem(entry.problem, ReadFailure(descriptorPath, descriptor.error));
  } else if (descriptor.bytes.empty()) {
    AddProblem(entry.problem, descriptorPath + " is empty");
    entry.reports = ParseReportDescriptor(descriptor.bytes);
  } else {
    entry.reports = ParseReportDescriptor(descriptor.bytes);
    if (!entry.reports->complete) {
      AddProblem(entry.problem, "report descriptor stops at a malformed or truncated item at byte " +
                                    std::to_string(entry.reports->parsedBytes) + " of " +
                                    std::to_string(descriptor.bytes.size()));
    }
  }
  return entry;
}

}  // namespace orvane
