#pragma once
// A simulated mouse on a virtual clock with the whole device stack on top of it, and a
// record of what the screens were asked to do.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/mouse_session.h"
#include "device/simulated_mouse.h"
#include "device/tracing_backend.h"
#include "image/builtin_data.h"
#include "image/factory_images.h"

namespace orvane::testing {

// Every call the device procedures make on the screens, as short words in order.
class RecordingScreens : public ScreenHost {
 public:
  std::vector<std::string> calls;
  std::vector<int> messages;
  std::vector<std::string> texts;

  void ShowMessage(int id) override { messages.push_back(id), calls.push_back("message"); }
  void ShowPlainMessage(int id) override { messages.push_back(id), calls.push_back("plain"); }
  void ShowText(const char* t) override { texts.push_back(t), calls.push_back("text"); }
  void ShowNoDeviceDisplay() override { calls.push_back("nodevice"); }
  void ShowInputBlockers() override { calls.push_back("blockers"); }
  void HideInputBlockers() override { calls.push_back("unblock"); }
  void SetDevTimerEnabled(bool on) override { calls.push_back(on ? "timer" : "notimer"); }
  void FillScreens() override { calls.push_back("fill"); }
  void ClearDeviceState() override { calls.push_back("clear"); }
  bool Called(const std::string& what) const {
    return std::find(calls.begin(), calls.end(), what) != calls.end();
  }
};

inline Image FactoryImage(int n) {
  Image image{};
  const auto data = FactoryResource("OrvaneData_Cfg" + std::to_string(n));
  std::copy_n(data.begin(), std::min(data.size(), image.size()), image.begin());
  return image;
}

inline SessionConfig DefaultSessionConfig() {
  SessionConfig config;
  config.startup = DeriveStartupIds(ReadDefaultHeader());
  config.factoryIds = config.startup.CandidateIds[0];
  config.layoutExpectedVendor = 0;
  config.layoutExpectedProduct = 0;
  return config;
}

struct SimStack {
  explicit SimStack(SimulatedMouseConfig mouseConfig = Defaults(),
                    SessionConfig sessionConfig = DefaultSessionConfig())
      : sim(clock, std::move(mouseConfig)),
        trace(sim),
        transport(trace),
        pump(clock),
        link(transport, busy, pump),
        session(link, screens, sessionConfig) {}

  static SimulatedMouseConfig Defaults() {
    SimulatedMouseConfig c;
    c.image = FactoryImage(1);
    return c;
  }

  // The reports since the last Clear(), one formatted line each.
  std::vector<std::string> Lines() const {
    std::vector<std::string> out;
    for (const TraceEntry& e : trace.Entries()) out.push_back(FormatTraceEntry(e));
    return out;
  }
  int Count(char kind, std::uint8_t id, int code = -1) const {
    int n = 0;
    for (const TraceEntry& e : trace.Entries())
      if (e.kind == kind && e.bytes[0] == id && (code < 0 || e.bytes[1] == code)) ++n;
    return n;
  }

  VirtualClock clock;
  SimulatedMouse sim;
  TracingBackend trace;
  HidTransport transport;
  NoBusyIndicator busy;
  ClockPump pump;
  DeviceLink link;
  RecordingScreens screens;
  MouseSession session;
};

}  // namespace orvane::testing
