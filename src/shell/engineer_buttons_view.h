#pragma once
// The engineer page's own row of plain push buttons (suffix 6), wired to the same handlers
// as the main buttons of pages 1..5, with captions from the term table.

#include <QPushButton>
#include <functional>
#include <vector>

#include "shell/main_buttons_view.h"

namespace orvane {

class EngineerButtons {
 public:
  EngineerButtons(QWidget* page, int termLanguage, std::function<void(MainAction)> onClick);
  const std::vector<QPushButton*>& Buttons() const { return buttons_; }

 private:
  std::vector<QPushButton*> buttons_;
};

}  // namespace orvane
