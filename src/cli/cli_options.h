#pragma once
// orvanectl's command line.

#include <optional>
#include <string>
#include <vector>

#include "device/transport.h"

namespace orvane::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitUsage = 1,
  kExitNoMouse = 2,
  kExitRejected = 3,
  kExitFile = 4,
};

struct CliOptions {
  bool simulate = false;
  std::string simulateImage;             // --simulate=IMAGE: persists between runs
  std::vector<std::string> simSettings;  // --sim KEY=VALUE
  std::optional<UsbIds> device;          // --device VID:PID
  std::string traceFile;                 // --trace FILE
  std::string hidrawRoot = "/sys/class/hidraw";
  std::string devRoot = "/dev";
  int language = 3;                      // --lang 1|2|3 (English by default)
  bool json = false;                     // show --json
  std::string command;
  std::vector<std::string> arguments;
};

enum class ParseOutcome { kRun, kHelp, kVersion, kError };

ParseOutcome ParseCommandLine(const std::vector<std::string>& args, CliOptions& options,
                              std::string& error);
// "VID:PID" in hexadecimal, both non-zero.
bool ParseUsbIds(const std::string& text, UsbIds& ids);

std::string UsageText();

}  // namespace orvane::cli
