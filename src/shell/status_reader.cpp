#include "shell/status_reader.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace orvane {

void StatusEvents::OnReport(std::span<const std::uint8_t> report, Clock& clock, const Post& post) {
  if (report.size() < 4 || report[0] != kInputReportId) return;
  static constexpr std::uint8_t kDpiCodes[3] = {input_event::kDpi1, input_event::kDpi2,
                                                input_event::kDpi3};
  const std::uint8_t code = report[3];
  for (int i = 0; i < 3; ++i)
    if (code == kDpiCodes[i]) dpiChanged_[i] = true;
  if (code == input_event::kProfile) profileChanged_ = true;
  if (code != input_event::kReleased) return;
  for (bool& changed : dpiChanged_) {
    if (!changed) continue;
    clock.SleepMs(kRefreshDelayMs);
    post(StatusRefresh::kCurrentDpi);
    changed = false;
  }
  if (profileChanged_) {
    clock.SleepMs(kRefreshDelayMs);
    post(StatusRefresh::kCurrentProfile);
    profileChanged_ = false;
  }
}

StatusReader::StatusReader(HidTransport& transport, Clock& clock, StatusEvents::Post post)
    : transport_(transport), clock_(clock), post_(std::move(post)) {}

StatusReader::~StatusReader() { Stop(); }

void StatusReader::Start() {
  if (thread_.joinable()) return;
  stop_ = false;
  thread_ = std::thread([this] { Run(); });
}

void StatusReader::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void StatusReader::Run() {
  std::vector<std::uint8_t> report;
  while (!stop_) {
    const std::size_t length = std::max<std::size_t>(transport_.InputReportLength(), kReportSize);
    report.assign(length, 0);
    const ReadStatus status = transport_.ReadInputReport(report, kPollMs);
    if (status == ReadStatus::kOk) {
      events_.OnReport(report, clock_, post_);
    } else if (status != ReadStatus::kTimeout) {
      // No mouse, or it went away: idle until the device watch opens it again.
      std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
  }
}

}  // namespace orvane
