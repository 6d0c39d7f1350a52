#include "shell/main_buttons_view.h"

#include <algorithm>

#include "shell/skin_applier_view.h"
#include "skin/language_table.h"

namespace orvane {

namespace {
const MainButtonFamily kFamilies[] = {
    {"Main", SkinGroup::kB, 4, "SetS_01", MainAction::kOfficeMode},
    {"Switch", SkinGroup::kB, 5, "SetS_01", MainAction::kGameMode},
    {"Fixed", SkinGroup::kB, 6, "SetS_01", MainAction::kThirdMode},
    {"Adv", SkinGroup::kB, 7, "SetS_01", MainAction::kDpiPage},
    {"Breath", SkinGroup::kB, 8, "SetS_01", MainAction::kLightingPage},
    {"Macro", SkinGroup::kB, 14, "SetS_01", MainAction::kMacroPage},
    {"Update", SkinGroup::kB, 15, "SetS_01", MainAction::kUpdatePage},
    {"Save", SkinGroup::kB, 9, "SetS_01", MainAction::kSave},
    {"Load", SkinGroup::kB, 10, "SetS_01", MainAction::kLoad},
    {"Lang1", SkinGroup::kB, 11, "SetS_01", MainAction::kLanguage1},
    {"Lang2", SkinGroup::kB, 12, "SetS_01", MainAction::kLanguage2},
    {"Lang3", SkinGroup::kB, 13, "SetS_01", MainAction::kLanguage3},
    // Created hidden: no operation shows them; `--engineer` opens the page instead.
    {"Engineer", SkinGroup::kHidden, 0, "SetS_01", MainAction::kEngineerPage},
    {"Confirm1", SkinGroup::kA, 1, "BtnS_01", MainAction::kPreset1},
    {"Confirm2", SkinGroup::kA, 2, "BtnS_01", MainAction::kPreset2},
    {"Confirm3", SkinGroup::kA, 16, "BtnS_01", MainAction::kPreset3},
    {"Mini", SkinGroup::kA, 0, "MiniS_01", MainAction::kMinimise},
    {"Exit", SkinGroup::kA, 0, "ExitS_01", MainAction::kExit},
    {"Web", SkinGroup::kWeb, 0, "WebS_01", MainAction::kWeb},
};

}  // namespace

std::span<const MainButtonFamily> MainButtonFamilies() { return kFamilies; }

const MainButtonFamily* FindMainButtonFamily(MainAction action) {
  for (const MainButtonFamily& f : kFamilies)
    if (f.action == action) return &f;
  return nullptr;
}

QString PictureInState(const char* normal, int state) {
  QString name = QString::fromLatin1(normal);
  name.chop(2);
  return name + QString::asprintf("%02d", state);
}

MainButtonBar::MainButtonBar(const std::vector<QWidget*>& pages,
                             std::function<void(MainAction)> onClick) {
  for (const MainButtonFamily& family : kFamilies) {
    for (int page = 1; page <= kPagesWithMainButtons && page <= static_cast<int>(pages.size()); ++page) {
      QWidget* parent = pages[static_cast<std::size_t>(page - 1)];
      const QString suffix = QString("%1_%2").arg(family.name).arg(page);
      auto* picture = new PictureLabel(parent, "Img_" + suffix);
      picture->SetPicture(family.picture);
      auto* caption = new CaptionLabel(parent, "Btn_" + suffix);
      if (family.group == SkinGroup::kHidden) {
        picture->hide();
        caption->hide();
      }
      const MainAction action = family.action;
      QObject::connect(caption, &CaptionLabel::clicked, [onClick, action] { onClick(action); });
      QObject::connect(picture, &PictureLabel::clicked, [onClick, action] { onClick(action); });
      buttons_.push_back({&family, page, picture, caption});
    }
  }
}

std::vector<MainButton*> MainButtonBar::Copies(MainAction action) {
  std::vector<MainButton*> out;
  for (MainButton& b : buttons_)
    if (b.family->action == action) out.push_back(&b);
  return out;
}

void MainButtonBar::ShowAllNormal() {
  for (MainButton& b : buttons_) b.picture->SetPicture(b.family->picture);
}

void MainButtonBar::SetPictures(MainAction action, int state) {
  for (MainButton* b : Copies(action)) b->picture->SetPicture(PictureInState(b->family->picture, state));
}

void MainButtonBar::ApplyTexts(const LanguageTable& language, const QFont& font) {
  for (MainButton& b : buttons_) {
    QFont f = font;
    f.setPointSize(std::max(1, SkinPointSize(*b.caption)));
    const QString text = b.family->captionId > 0
                             ? QString::fromStdString(language.Text(b.family->captionId))
                             : QString();
    b.caption->SetFittedText(text, f);
    b.caption->setStatusTip(text);
  }
}

}  // namespace orvane
