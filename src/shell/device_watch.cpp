#include "shell/device_watch.h"

namespace orvane {

DeviceWatch::Sample DeviceWatch::SampleHidPopulation() {
  HidTransport& transport = session_.Transport();
  Sample sample;
  for (int pair = 0; pair < kSamplePairs; ++pair) {
    const int first = transport.CountHidInterfaces();
    const int second = transport.CountHidInterfaces();
    if (first == second) ++sample.agreeingPairs;
    sample.count = first;  // the fifth pair's first count is the sample
  }
  return sample;
}

void DeviceWatch::DeviceRemoved() {
  HidTransport& transport = session_.Transport();
  // Another HID device may have gone; a mouse whose interface is still there stays open.
  if (transport.DeviceOpen() && transport.OpenInterfacePresent()) return;
  session_.ClearDeviceState();
  transport.ForgetDevice();
}

void DeviceWatch::DeviceAdded() {
  for (int round = 0; round < kSettleRounds; ++round) pump_.Wait(kSettleStepMs);
  HidTransport& transport = session_.Transport();
  for (const UsbIds& ids : session_.SearchIds()) {
    if (ids.IsZero()) continue;
    std::uint16_t version = 256;
    if (transport.OpenDevice(ids.vendorId, ids.productId, version)) {
      session_.ReadDevInfo();
      return;
    }
    session_.ClearDeviceState();
  }
}

void DeviceWatch::DevTimerTimer() {
  if (watchBusy_) return;
  watchBusy_ = true;
  const Sample sample = SampleHidPopulation();
  if (sample.count != lastHidCount_ && sample.agreeingPairs >= 2) {
    if (sample.count < lastHidCount_)
      DeviceRemoved();
    else
      DeviceAdded();
    lastHidCount_ = sample.count;
  }
  watchBusy_ = false;
}

}  // namespace orvane
