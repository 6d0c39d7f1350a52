#include "cli/console_screens.h"

#include <cstdio>

namespace orvane::cli {

std::string ConsoleScreens::MessageText(int stringId) const {
  std::string text = text_ ? text_(stringId) : std::string();
  if (text.empty()) {
    char id[8];
    std::snprintf(id, sizeof id, "Str%03d", stringId);
    text = id;
  }
  return text;
}

void ConsoleScreens::Say(const std::string& text) {
  messages_.push_back(text);
  err_ << text << '\n';
}

void ConsoleScreens::ShowMessage(int stringId) { Say(MessageText(stringId)); }
void ConsoleScreens::ShowPlainMessage(int stringId) { Say(MessageText(stringId)); }
void ConsoleScreens::ShowText(const char* text) { Say(text); }

void ConsolePump::Wait(int ms) {
  clock_.SleepMs(ms);
  waitedMs_ += ms;
  if (!progress_) return;
  const int seconds = waitedMs_ / 1000;
  if (seconds != shownSeconds_) {
    shownSeconds_ = seconds;
    *progress_ << "\rwaiting for the mouse: " << seconds << " s" << std::flush;
  }
}

void ConsolePump::Finish() {
  if (progress_ && shownSeconds_ > 0) *progress_ << '\n';
  waitedMs_ = shownSeconds_ = 0;
}

}  // namespace orvane::cli
