#include "device/clock.h"

#include <chrono>
#include <thread>

namespace orvane {

std::int64_t SteadyClock::NowMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::SleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::int64_t VirtualClock::NowMs() const {
  return now_.load();
}

void VirtualClock::SleepMs(int ms) {
  if (ms > 0) now_.fetch_add(ms);
}

}  // namespace orvane
