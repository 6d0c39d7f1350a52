#pragma once
// The screens' part of the device procedures, for the command line: messages go to
// stderr, long waits show progress when a real mouse is restarting.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "device/clock.h"
#include "device/screen_host.h"

namespace orvane::cli {

class ConsoleScreens final : public ScreenHost {
 public:
  using TextLookup = std::function<std::string(int stringId)>;
  ConsoleScreens(TextLookup text, std::ostream& err) : text_(std::move(text)), err_(err) {}

  void ShowMessage(int stringId) override;
  void ShowPlainMessage(int stringId) override;
  void ShowText(const char* text) override;

  const std::vector<std::string>& Messages() const { return messages_; }
  std::string MessageText(int stringId) const;

 private:
  void Say(const std::string& text);

  TextLookup text_;
  std::ostream& err_;
  std::vector<std::string> messages_;
};

// Sleeps on the clock; with progress on, prints the seconds waited so far to stderr.
class ConsolePump final : public Pump {
 public:
  ConsolePump(Clock& clock, std::ostream* progress) : clock_(clock), progress_(progress) {}
  void Wait(int ms) override;
  void Finish();

 private:
  Clock& clock_;
  std::ostream* progress_;
  int waitedMs_ = 0;
  int shownSeconds_ = 0;
};

}  // namespace orvane::cli
