#pragma once
// A wait that keeps the window alive: a step on the clock (real or virtual), then the
// pending window events.

#include "device/clock.h"

namespace orvane {

class EventPump final : public Pump {
 public:
  explicit EventPump(Clock& clock) : clock_(clock) {}
  void Wait(int ms) override;

 private:
  Clock& clock_;
};

}  // namespace orvane
