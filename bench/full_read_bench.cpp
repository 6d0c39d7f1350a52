// The cost the link adds to a full 2048-byte read: through the command set (ReadBlockBusy,
// as the full read does it) against the same 294 reports exchanged directly on the
// backend, both on the zero-latency simulated mouse.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

#include "device/device_link.h"
#include "device/simulated_mouse.h"
#include "image/builtin_data.h"

namespace orvane {
namespace {

SimulatedMouseConfig FactoryMouse() {
  SimulatedMouseConfig config;
  const auto data = FactoryResource("OrvaneData_Cfg1");
  std::copy_n(data.begin(), std::min(data.size(), config.image.size()), config.image.begin());
  return config;
}

template <bool kBusy>
void FullReadThroughTheCommandSet(benchmark::State& state) {
  VirtualClock clock;
  SimulatedMouse mouse(clock, FactoryMouse());
  HidTransport transport(mouse);
  NoBusyIndicator busy;
  ClockPump pump(clock);
  DeviceLink link(transport, busy, pump);
  std::uint16_t version = 256;
  if (!transport.OpenDevice(0x1209, 0x0001, version)) {
    state.SkipWithError("no simulated mouse");
    return;
  }
  Image image{};
  for (auto _ : state) {
    if constexpr (kBusy) link.ReadBlockBusy(0, image);
    else link.ReadBlock(0, image);
    benchmark::DoNotOptimize(image.data());
  }
  state.SetItemsProcessed(state.iterations() * 294);
}

void FullReadDirectOnTheBackend(benchmark::State& state) {
  VirtualClock clock;
  SimulatedMouse mouse(clock, FactoryMouse());
  HidHandle handle = kInvalidHandle;
  for (const HidInterfaceInfo& info : mouse.Enumerate())
    if (info.featureReportLength == 8) handle = mouse.OpenQuery(info.path);
  if (handle == kInvalidHandle) {
    state.SkipWithError("no simulated mouse");
    return;
  }
  const std::array<std::uint8_t, 8> command{0x40, 0x09, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00};
  Image image{};
  for (auto _ : state) {
    mouse.SetFeature(handle, command);
    for (std::size_t at = 0; at < image.size(); at += 7) {
      std::array<std::uint8_t, 8> reply{0x41};
      mouse.GetFeature(handle, reply);
      std::copy_n(reply.begin() + 1, std::min<std::size_t>(7, image.size() - at), image.begin() + at);
    }
    benchmark::DoNotOptimize(image.data());
  }
  state.SetItemsProcessed(state.iterations() * 294);
}

BENCHMARK(FullReadThroughTheCommandSet<true>)->Name("FullReadThroughTheCommandSet");
BENCHMARK(FullReadThroughTheCommandSet<false>)->Name("BlockReadWithoutBusyWindow");
BENCHMARK(FullReadDirectOnTheBackend);

}  // namespace
}  // namespace orvane
