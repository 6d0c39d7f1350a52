#pragma once
// The status reader: a thread that reads the mouse's input reports and, after the mouse's
// own DPI or profile key is released, asks the user-interface thread to show the new
// current DPI level or profile.

#include <atomic>
#include <functional>
#include <thread>

#include "device/clock.h"
#include "device/transport.h"

namespace orvane {

// Input report event codes (byte 3).
namespace input_event {
inline constexpr std::uint8_t kReleased = 0;
inline constexpr std::uint8_t kDpi1 = 1;
inline constexpr std::uint8_t kDpi2 = 2;
inline constexpr std::uint8_t kDpi3 = 4;
inline constexpr std::uint8_t kProfile = 8;
}  // namespace input_event

enum class StatusRefresh { kCurrentDpi, kCurrentProfile };

// The reader's flags and what a report does with them, apart from the thread.
class StatusEvents {
 public:
  using Post = std::function<void(StatusRefresh)>;
  static constexpr int kRefreshDelayMs = 200;

  // Takes one input report. On a release it waits (on the clock) and posts one refresh per
  // flag that was set: DPI flags 1, 2, 3 in that order, then the profile flag.
  void OnReport(std::span<const std::uint8_t> report, Clock& clock, const Post& post);

 private:
  bool dpiChanged_[3] = {false, false, false};
  bool profileChanged_ = false;
};

class StatusReader {
 public:
  // `post` hands a refresh to the user-interface thread and must not wait for it.
  StatusReader(HidTransport& transport, Clock& clock, StatusEvents::Post post);
  ~StatusReader();  // stops the thread
  StatusReader(const StatusReader&) = delete;
  StatusReader& operator=(const StatusReader&) = delete;

  void Start();
  // Asks the thread to end and waits for it; it leaves any read within one poll interval.
  void Stop();

  static constexpr int kPollMs = 100;

 private:
  void Run();

  HidTransport& transport_;
  Clock& clock_;
  StatusEvents::Post post_;
  StatusEvents events_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace orvane
