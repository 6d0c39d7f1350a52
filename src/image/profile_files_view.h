#pragma once
// The save and load profile buttons of the window: the file dialogs, the messages, and the
// core operations that read or write the mouse.

#include <functional>

#include "device/mouse_session.h"
#include "shell/dialogs_view.h"

namespace orvane {

class ProfileFileScreens {
 public:
  // `message` shows a language message by id; `pressed` gives the five button pictures of
  // the pressed button their pressed look.
  ProfileFileScreens(MouseSession& session, Dialogs& dialogs, std::function<void(int)> message)
      : session_(session), dialogs_(dialogs), message_(std::move(message)) {}

  // Save profile: a full read, then the 2048 bytes to the chosen file.
  void Save();
  // Load profile: the chosen file into the mouse, which restarts and is read again.
  void Load();

 private:
  MouseSession& session_;
  Dialogs& dialogs_;
  std::function<void(int)> message_;
};

}  // namespace orvane
