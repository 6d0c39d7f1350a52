#pragma once
// Everything one orvanectl run talks to the mouse with: the backend (hidraw or the
// simulated mouse, optionally traced), the clock, the link and the session.

#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "cli/console_screens.h"
#include "device/device_link.h"
#include "device/hid_backend.h"
#include "device/mouse_session.h"
#include "device/transport.h"
#include "skin/language_table.h"

namespace orvane {
class SimulatedMouse;
class TracingBackend;
class HidrawBackend;
}  // namespace orvane

namespace orvane::cli {

class CliSession {
 public:
  // Builds the stack for these options; false with an error (exit status in `status`).
  static std::unique_ptr<CliSession> Create(const CliOptions& options, std::ostream& err,
                                            std::string& error, int& status);
  ~CliSession();

  HidBackend& Backend() { return *backend_; }
  HidTransport& Transport() { return *transport_; }
  MouseSession& Session() { return *session_; }
  ConsoleScreens& Screens() { return screens_; }
  HidrawBackend* Hidraw() { return hidraw_.get(); }

  // Opens and identifies the mouse (the full read follows when it is accepted).
  // Returns the exit status that describes the outcome, printing why on failure.
  int OpenMouse();

  // Saves the simulated mouse's image and writes the trace. False with an error.
  bool Finish(std::string& error);

 private:
  CliSession(const CliOptions& options, std::ostream& err, ConsoleScreens::TextLookup text);
  bool LoadSimulatedImage(Image& image, std::string& error) const;

  CliOptions options_;
  std::ostream& err_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<SimulatedMouse> sim_;
  std::unique_ptr<HidrawBackend> hidraw_;
  std::unique_ptr<TracingBackend> tracer_;
  HidBackend* backend_ = nullptr;
  ConsoleScreens screens_;
  std::unique_ptr<ConsolePump> pump_;
  NoBusyIndicator busy_;
  std::unique_ptr<HidTransport> transport_;
  std::unique_ptr<DeviceLink> link_;
  std::unique_ptr<MouseSession> session_;
};

}  // namespace orvane::cli
