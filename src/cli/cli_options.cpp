#include "cli/cli_options.h"

#include <charconv>
#include <sstream>

#include "device/sim_options.h"

namespace orvane::cli {

namespace {

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

bool ParseHex16(const std::string& text, std::uint16_t& value) {
  std::string digits = text;
  if (StartsWith(digits, "0x") || StartsWith(digits, "0X")) digits = digits.substr(2);
  if (digits.empty() || digits.size() > 4) return false;
  unsigned v = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, 16);
  if (ec != std::errc() || end != digits.data() + digits.size()) return false;
  value = static_cast<std::uint16_t>(v);
  return true;
}

// Options that take a value, as "--name VALUE" or "--name=VALUE".
bool TakeValue(const std::vector<std::string>& args, std::size_t& i, const char* name,
               std::string& value, bool& matched, std::string& error) {
  const std::string& a = args[i];
  const std::string flag = std::string("--") + name;
  matched = false;
  if (a == flag) {
    matched = true;
    if (i + 1 >= args.size()) {
      error = flag + " needs a value";
      return false;
    }
    value = args[++i];
    return true;
  }
  if (StartsWith(a, (flag + "=").c_str())) {
    matched = true;
    value = a.substr(flag.size() + 1);
    return true;
  }
  return true;
}

}  // namespace

bool ParseUsbIds(const std::string& text, UsbIds& ids) {
  const auto colon = text.find(':');
  if (colon == std::string::npos) return false;
  UsbIds parsed;
  if (!ParseHex16(text.substr(0, colon), parsed.vendorId) ||
      !ParseHex16(text.substr(colon + 1), parsed.productId) || parsed.IsZero())
    return false;
  ids = parsed;
  return true;
}

ParseOutcome ParseCommandLine(const std::vector<std::string>& args, CliOptions& options,
                              std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") return ParseOutcome::kHelp;
    if (a == "--version") return ParseOutcome::kVersion;
    if (a == "--simulate") {
      options.simulate = true;
      continue;
    }
    if (StartsWith(a, "--simulate=")) {
      options.simulate = true;
      options.simulateImage = a.substr(11);
      if (options.simulateImage.empty()) {
        error = "--simulate= needs a file name";
        return ParseOutcome::kError;
      }
      continue;
    }
    if (a == "--json") {
      options.json = true;
      continue;
    }
    std::string value;
    bool matched = false;
    struct ValueOption {
      const char* name;
      bool (*apply)(CliOptions&, const std::string&, std::string&);
    };
    static const ValueOption kValueOptions[] = {
        {"sim", [](CliOptions& o, const std::string& v, std::string& e) {
           SimulatedMouseConfig probe;
           if (!ApplySimOption(probe, v, e)) return false;
           o.simSettings.push_back(v);
           return true;
         }},
        {"device", [](CliOptions& o, const std::string& v, std::string& e) {
           UsbIds ids;
           if (!ParseUsbIds(v, ids)) {
             e = "--device wants VID:PID in hexadecimal, for example 1209:0001";
             return false;
           }
           o.device = ids;
           return true;
         }},
        {"trace", [](CliOptions& o, const std::string& v, std::string&) {
           o.traceFile = v;
           return true;
         }},
        {"hidraw-root", [](CliOptions& o, const std::string& v, std::string&) {
           o.hidrawRoot = v;
           return true;
         }},
        {"dev-root", [](CliOptions& o, const std::string& v, std::string&) {
           o.devRoot = v;
           return true;
         }},
        {"lang", [](CliOptions& o, const std::string& v, std::string& e) {
           if (v != "1" && v != "2" && v != "3") {
             e = "--lang wants 1, 2 or 3";
             return false;
           }
           o.language = v[0] - '0';
           return true;
         }},
    };
    bool handled = false;
    for (const ValueOption& opt : kValueOptions) {
      if (!TakeValue(args, i, opt.name, value, matched, error)) return ParseOutcome::kError;
      if (!matched) continue;
      if (!opt.apply(options, value, error)) return ParseOutcome::kError;
      handled = true;
      break;
    }
    if (handled) continue;
    if (StartsWith(a, "--")) {
      error = "unknown option " + a;
      return ParseOutcome::kError;
    }
    if (options.command.empty())
      options.command = a;
    else
      options.arguments.push_back(a);
  }
  if (options.command.empty()) {
    error = "no command given";
    return ParseOutcome::kError;
  }
  return ParseOutcome::kRun;
}

std::string UsageText() {
  std::ostringstream out;
  out << "Usage: orvanectl [OPTIONS] COMMAND [ARGS]\n"
         "\n"
         "Configure a gaming mouse built on the Orvane controller.\n"
         "\n"
         "Commands:\n"
         "  list            every HID interface: path, ids, report lengths, and whether it is the mouse\n"
         "  info            open and identify the mouse: type, USB ids, customer ids\n"
         "  read FILE       read the mouse's 2048-byte image and save it as a profile file\n"
         "  write FILE      write a profile file into the mouse, restart it and read it back\n"
         "  preset N        write factory preset N (1, 2 or 3) into the mouse\n"
         "  show [--json]   read the mouse and print every setting it holds\n"
         "\n"
         "Options:\n"
         "  --simulate[=IMAGE]  use the built-in simulated mouse; with IMAGE its image is\n"
         "                      loaded from and saved back to that file\n"
         "  --sim KEY=VALUE     a setting or fault of the simulated mouse (repeatable)\n"
         "  --device VID:PID    look for a mouse with these USB ids (hexadecimal)\n"
         "  --trace FILE        write every report exchanged to FILE\n"
         "  --hidraw-root DIR   read HID interfaces from DIR instead of /sys/class/hidraw\n"
         "  --dev-root DIR      open device nodes under DIR instead of /dev\n"
         "  --lang 1|2|3        language of names and messages (3, English, by default)\n"
         "  --help, --version\n"
         "\n"
         "Simulated mouse settings (--sim):\n"
      << SimOptionsHelp()
      << "\n"
         "Exit status: 0 done, 1 usage error, 2 no mouse found, 3 mouse rejected,\n"
         "4 file or I/O error.\n";
  return out.str();
}

}  // namespace orvane::cli
