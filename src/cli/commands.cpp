#include "cli/commands.h"

#include <cstdio>

#include "cli/cli_session.h"
#include "cli/image_report.h"
#include "device/hidraw_backend.h"
#include "image/file_io.h"
#include "image/whole_image_ops.h"

namespace orvane::cli {

namespace {

std::string Hex4(std::uint16_t v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", v);
  return buf;
}

std::string Ids(std::uint16_t vid, std::uint16_t pid) { return Hex4(vid) + ":" + Hex4(pid); }

// Why an interface is or is not the mouse the tool looks for.
std::string Verdict(const HidInterfaceInfo& i, const std::array<UsbIds, 2>& search) {
  bool idsMatch = false;
  for (const UsbIds& ids : search)
    if (!ids.IsZero() && ids.vendorId == i.vendorId && ids.productId == i.productId) idsMatch = true;
  if (!idsMatch) return "not the mouse: other USB ids";
  if (i.featureReportLength != kReportSize)
    return "not the mouse's vendor interface: feature reports of " +
           std::to_string(i.featureReportLength) + " bytes, not 8";
  return "the mouse";
}

int RunList(CommandContext& c) {
  const auto search = c.session.Session().SearchIds();
  if (HidrawBackend* hidraw = c.session.Hidraw()) {
    const auto nodes = hidraw->Diagnose();
    if (nodes.empty()) c.out << "no hidraw nodes under " << c.options.hidrawRoot << '\n';
    for (const HidrawNodeDiagnosis& n : nodes) {
      c.out << n.path;
      if (n.idsKnown) c.out << "  " << Ids(n.vendorId, n.productId);
      if (n.descriptorRead)
        c.out << "  feature " << n.featureReportLength << "  input " << n.inputReportLength;
      if (n.idsKnown && n.descriptorRead) {
        HidInterfaceInfo info{n.path, n.vendorId, n.productId, 0, n.featureReportLength,
                              n.inputReportLength};
        c.out << "  " << Verdict(info, search);
      }
      if (!n.problem.empty()) c.out << "  (" << n.problem << ")";
      c.out << '\n';
    }
    return kExitOk;
  }
  for (const HidInterfaceInfo& i : c.session.Backend().Enumerate()) {
    c.out << i.path << "  " << Ids(i.vendorId, i.productId) << "  feature "
          << i.featureReportLength << "  input " << i.inputReportLength << "  "
          << Verdict(i, search) << '\n';
  }
  return kExitOk;
}

int RunInfo(CommandContext& c) {
  const int status = c.session.OpenMouse();
  MouseSession& s = c.session.Session();
  if (!s.Transport().CommandChannelOpen() && status == kExitNoMouse) return status;
  const DeviceInfoReply& reply = s.LastDeviceInfo();
  const UsbIds ids = s.Transport().CurrentIds();
  char line[160];
  std::snprintf(line, sizeof line, "usb ids: %s\nstatus: %u  marker: %02X  type byte: %02X\n",
                Ids(ids.vendorId, ids.productId).c_str(), reply.status, reply.marker, reply.type);
  c.out << line;
  const auto customer = s.LastCustomerIds();
  c.out << "device type: " << DeviceTypeName(s.DeviceICType()) << '\n';
  c.out << "customer ids: " << int(customer[0]) << ' ' << int(customer[1]) << '\n';
  c.out << "accepted: " << (status == kExitOk ? "yes" : "no") << '\n';
  for (const std::string& m : c.session.Screens().Messages()) c.out << "message: " << m << '\n';
  return status;
}

int RunRead(CommandContext& c) {
  if (const int status = c.session.OpenMouse(); status != kExitOk) return status;
  std::string error;
  if (!WriteFileAtomically(c.options.arguments[0], c.session.Session().State().DataBuf, error)) {
    c.err << error << '\n';
    return kExitFile;
  }
  c.out << "saved the mouse's image to " << c.options.arguments[0] << '\n';
  return kExitOk;
}

// After a whole-image write the mouse restarts; the operation worked when it was read again.
int AfterRestart(CommandContext& c, int readsBefore) {
  if (c.session.Session().FullReadCount() > readsBefore) return kExitOk;
  c.err << "the mouse was written but could not be read again after its restart\n";
  return kExitNoMouse;
}

int RunWrite(CommandContext& c) {
  // Read the file first: a file that cannot be read sends nothing at all.
  std::vector<std::uint8_t> probe;
  std::string error;
  if (!ReadFilePrefix(c.options.arguments[0], kImageSize, probe, error)) {
    c.err << error << '\n';
    return kExitFile;
  }
  if (const int status = c.session.OpenMouse(); status != kExitOk) return status;
  MouseSession& s = c.session.Session();
  const int reads = s.FullReadCount();
  switch (LoadProfile(s, c.options.arguments[0], error)) {
    case ProfileLoadResult::kNoDevice: return kExitNoMouse;
    case ProfileLoadResult::kUnreadable: c.err << error << '\n'; return kExitFile;
    case ProfileLoadResult::kWrongType: return kExitFile;
    case ProfileLoadResult::kWritten: break;
  }
  const int status = AfterRestart(c, reads);
  if (status == kExitOk) c.out << "wrote " << c.options.arguments[0] << " into the mouse\n";
  return status;
}

int RunPreset(CommandContext& c) {
  const std::string& arg = c.options.arguments[0];
  if (arg.size() != 1 || arg[0] < '1' || arg[0] > '3') {
    c.err << "preset wants 1, 2 or 3\n";
    return kExitUsage;
  }
  if (const int status = c.session.OpenMouse(); status != kExitOk) return status;
  MouseSession& s = c.session.Session();
  const int reads = s.FullReadCount();
  if (!ApplyPreset(s, arg[0] - '0')) return kExitNoMouse;
  const int status = AfterRestart(c, reads);
  if (status == kExitOk) c.out << "wrote preset " << arg << " into the mouse\n";
  return status;
}

int RunShow(CommandContext& c) {
  if (const int status = c.session.OpenMouse(); status != kExitOk) return status;
  const ReportNode report = BuildImageReport(c.session.Session(), c.options.language);
  if (c.options.json) {
    report.WriteJson(c.out);
    c.out << '\n';
  } else {
    report.WriteText(c.out);
  }
  return kExitOk;
}

constexpr Command kCommands[] = {
    {"list", 0, 0, RunList},   {"info", 0, 0, RunInfo},     {"read", 1, 1, RunRead},
    {"write", 1, 1, RunWrite}, {"preset", 1, 1, RunPreset}, {"show", 0, 0, RunShow},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  for (const Command& c : kCommands)
    if (c.name == name) return &c;
  return nullptr;
}

}  // namespace orvane::cli
