#include "shell/engineer_buttons_view.h"

#include "skin/term_table.h"

namespace orvane {

namespace {
struct EngineerButton {
  const char* name;
  int termId;
  MainAction action;
};
// In the order of their term ids: the mode and page buttons, then load and save.
constexpr EngineerButton kButtons[] = {
    {"Btn_Main_6", 0, MainAction::kOfficeMode},     {"Btn_Switch_6", 1, MainAction::kGameMode},
    {"Btn_Fixed_6", 2, MainAction::kThirdMode},     {"Btn_Adv_6", 3, MainAction::kDpiPage},
    {"Btn_Breath_6", 4, MainAction::kLightingPage}, {"Btn_Macro_6", 5, MainAction::kMacroPage},
    {"Btn_Update_6", 6, MainAction::kUpdatePage},   {"Btn_Engineer_6", 7, MainAction::kEngineerPage},
    {"Btn_Load_6", 8, MainAction::kLoad},           {"Btn_Save_6", 9, MainAction::kSave},
};
constexpr int kLeft = 12, kTop = 8, kWidth = 112, kHeight = 26, kGap = 6;
}  // namespace

EngineerButtons::EngineerButtons(QWidget* page, int termLanguage,
                                 std::function<void(MainAction)> onClick) {
  QFont font(QString::fromUtf8(EngineerFontName(termLanguage).data()));
  font.setPointSize(9);
  int x = kLeft;
  for (const EngineerButton& b : kButtons) {
    auto* button = new QPushButton(page);
    button->setObjectName(b.name);
    button->setFont(font);
    const auto term = FindTerm(b.termId, termLanguage);
    button->setText(term ? QString::fromUtf8(term->data(), static_cast<int>(term->size())) : QString());
    button->setGeometry(x, kTop, kWidth, kHeight);
    x += kWidth + kGap;
    const MainAction action = b.action;
    QObject::connect(button, &QPushButton::clicked, [onClick, action] { onClick(action); });
    buttons_.push_back(button);
  }
}

}  // namespace orvane
