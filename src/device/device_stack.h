#pragma once
// The backend a run of the tool talks to: the system's hidraw nodes or the simulated mouse
// (whose image may persist in a file), optionally traced, with the clock its waits run on.
// orvanectl and the window build theirs from the same options.

#include <memory>
#include <string>
#include <vector>

#include "device/clock.h"
#include "device/hid_backend.h"

namespace orvane {

class SimulatedMouse;
class TracingBackend;
class HidrawBackend;

struct DeviceStackOptions {
  bool simulate = false;
  std::string simulateImage;             // load from and save back to this file
  std::vector<std::string> simSettings;  // KEY=VALUE settings of the simulated mouse
  std::string traceFile;                 // every report, written by Finish()
  std::string hidrawRoot = "/sys/class/hidraw";
  std::string devRoot = "/dev";
};

class DeviceStack {
 public:
  enum class Failure { kNone, kBadSetting, kFile };

  // Null with an error when a setting is bad or the simulated image cannot be read.
  static std::unique_ptr<DeviceStack> Create(const DeviceStackOptions& options,
                                             std::string& error, Failure& failure);
  ~DeviceStack();

  HidBackend& Backend() { return *backend_; }
  // Virtual for the simulated mouse (its waits take no real time), steady otherwise.
  Clock& Time() { return *clock_; }
  bool Simulated() const { return sim_ != nullptr; }
  SimulatedMouse* Sim() { return sim_.get(); }
  HidrawBackend* Hidraw() { return hidraw_.get(); }
  TracingBackend* Tracer() { return tracer_.get(); }

  // Saves the simulated mouse's image and writes the trace. False with an error.
  bool Finish(std::string& error);

 private:
  DeviceStack() = default;

  DeviceStackOptions options_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<SimulatedMouse> sim_;
  std::unique_ptr<HidrawBackend> hidraw_;
  std::unique_ptr<TracingBackend> tracer_;
  HidBackend* backend_ = nullptr;
};

}  // namespace orvane
