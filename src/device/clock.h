#pragma once
// Time for the mouse's waits. Production code sleeps for real and lets the window paint;
// tests use a virtual clock so a 17 s restart takes no real time.

#include <atomic>
#include <cstdint>

namespace orvane {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t NowMs() const = 0;
  virtual void SleepMs(int ms) = 0;
};

// One round of a wait that keeps the window alive: sleep a step, then let events run.
class Pump {
 public:
  virtual ~Pump() = default;
  virtual void Wait(int ms) = 0;
};

// The busy window shown around transfers with the mouse.
class BusyIndicator {
 public:
  virtual ~BusyIndicator() = default;
  virtual void ShowBusyWindow() = 0;
  virtual void HideBusyWindow() = 0;
};

class SteadyClock final : public Clock {
 public:
  std::int64_t NowMs() const override;
  void SleepMs(int ms) override;
};

// Time moves only when someone sleeps on it. Thread-safe.
class VirtualClock final : public Clock {
 public:
  std::int64_t NowMs() const override;
  void SleepMs(int ms) override;
  void Advance(int ms) { SleepMs(ms); }

 private:
  std::atomic<std::int64_t> now_{0};
};

// A pump that only sleeps on a clock (no window to keep alive).
class ClockPump final : public Pump {
 public:
  explicit ClockPump(Clock& clock) : clock_(clock) {}
  void Wait(int ms) override { clock_.SleepMs(ms); }

 private:
  Clock& clock_;
};

class NoBusyIndicator final : public BusyIndicator {
 public:
  void ShowBusyWindow() override {}
  void HideBusyWindow() override {}
};

}  // namespace orvane
