#pragma once
// Everything one orvanectl run talks to the mouse with: the device stack (hidraw or the
// simulated mouse, optionally traced), the link and the session.

#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/console_screens.h"
#include "device/device_stack.h"
#include "shell/device_services.h"

namespace orvane::cli {

class CliSession {
 public:
  // Builds the stack for these options; null with an error and the exit status.
  static std::unique_ptr<CliSession> Create(const CliOptions& options, std::ostream& err,
                                            std::string& error, int& status);

  HidBackend& Backend() { return stack_->Backend(); }
  HidTransport& Transport() { return services_->transport; }
  MouseSession& Session() { return services_->session; }
  ConsoleScreens& Screens() { return screens_; }
  HidrawBackend* Hidraw() { return stack_->Hidraw(); }

  // Opens and identifies the mouse (the full read follows when it is accepted).
  // Returns the exit status that describes the outcome, printing why on failure.
  int OpenMouse();

  // Saves the simulated mouse's image and writes the trace. False with an error.
  bool Finish(std::string& error) { return stack_->Finish(error); }

 private:
  CliSession(std::ostream& err, ConsoleScreens::TextLookup text) : err_(err), screens_(std::move(text), err) {}

  std::ostream& err_;
  std::unique_ptr<DeviceStack> stack_;
  ConsoleScreens screens_;
  std::unique_ptr<ConsolePump> pump_;
  NoBusyIndicator busy_;
  std::unique_ptr<DeviceServices> services_;
};

}  // namespace orvane::cli
