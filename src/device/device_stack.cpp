#include "device/device_stack.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "device/hidraw_backend.h"
#include "device/sim_options.h"
#include "device/simulated_mouse.h"
#include "device/tracing_backend.h"
#include "image/builtin_data.h"
#include "image/file_io.h"

namespace orvane {

namespace {
// A new simulated mouse starts from factory image 1; a saved one from its file.
bool LoadSimulatedImage(const std::string& path, Image& image, std::string& error) {
  const auto factory = FactoryResource("OrvaneData_Cfg1");
  std::copy_n(factory.begin(), std::min(factory.size(), image.size()), image.begin());
  if (path.empty() || ::access(path.c_str(), F_OK) != 0) return true;
  std::vector<std::uint8_t> bytes;
  if (!ReadFilePrefix(path, kImageSize, bytes, error)) return false;
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return true;
}
}  // namespace

DeviceStack::~DeviceStack() = default;

std::unique_ptr<DeviceStack> DeviceStack::Create(const DeviceStackOptions& options,
                                                 std::string& error, Failure& failure) {
  std::unique_ptr<DeviceStack> s(new DeviceStack());
  s->options_ = options;
  failure = Failure::kNone;
  if (options.simulate) {
    SimulatedMouseConfig config;
    if (!LoadSimulatedImage(options.simulateImage, config.image, error)) {
      failure = Failure::kFile;
      return nullptr;
    }
    for (const std::string& setting : options.simSettings) {
      if (!ApplySimOption(config, setting, error)) {
        failure = Failure::kBadSetting;
        return nullptr;
      }
    }
    s->clock_ = std::make_unique<VirtualClock>();
    s->sim_ = std::make_unique<SimulatedMouse>(*s->clock_, config);
    s->backend_ = s->sim_.get();
  } else {
    s->clock_ = std::make_unique<SteadyClock>();
    s->hidraw_ = std::make_unique<HidrawBackend>(options.hidrawRoot, options.devRoot);
    s->backend_ = s->hidraw_.get();
  }
  if (!options.traceFile.empty()) {
    s->tracer_ = std::make_unique<TracingBackend>(*s->backend_);
    s->backend_ = s->tracer_.get();
  }
  return s;
}

bool DeviceStack::Finish(std::string& error) {
  if (sim_ && !options_.simulateImage.empty()) {
    const Image image = sim_->Image();
    if (!WriteFileAtomically(options_.simulateImage, image, error)) return false;
  }
  if (tracer_) {
    std::ofstream out(options_.traceFile, std::ios::trunc);
    if (out) tracer_->Write(out);
    if (!out) {
      error = "cannot write the trace to '" + options_.traceFile + "'";
      return false;
    }
  }
  return true;
}

}  // namespace orvane
