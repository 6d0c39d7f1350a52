#pragma once
// The device watch: every tick it counts the HID interfaces, opens and reads the mouse when
// the count rises, and forgets it when its interface went away.

#include "device/clock.h"
#include "device/mouse_session.h"

namespace orvane {

class DeviceWatch {
 public:
  static constexpr int kIntervalMs = 1500;
  static constexpr int kSamplePairs = 5;
  static constexpr int kSettleRounds = 21;  // about 2.1 s before opening a new device
  static constexpr int kSettleStepMs = 100;

  DeviceWatch(MouseSession& session, Pump& pump) : session_(session), pump_(pump) {}

  // One tick of the watch (`DevTimerTimer`). A tick that arrives while another one is still
  // waiting returns at once.
  void DevTimerTimer();

  int LastHidCount() const { return lastHidCount_; }
  bool WatchBusy() const { return watchBusy_; }

 private:
  struct Sample {
    int count = 0;
    int agreeingPairs = 0;
  };
  Sample SampleHidPopulation();
  void DeviceRemoved();
  void DeviceAdded();

  MouseSession& session_;
  Pump& pump_;
  int lastHidCount_ = 0;
  bool watchBusy_ = false;
};

}  // namespace orvane
