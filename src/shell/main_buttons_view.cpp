#include "shell/main_buttons_view.h"

#include "skin/language_table.h"
#include "skin/skin_table.h"

namespace orvane {

namespace {
const MainButtonFamily kFamilies[] = {
    {"Main", "Btn_B1", SkinGroup::kB, 4, "SetS_01", MainAction::kOfficeMode},
    {"Switch", "Btn_B2", SkinGroup::kB, 5, "SetS_01", MainAction::kGameMode},
    {"Fixed", "Btn_B3", SkinGroup::kB, 6, "SetS_01", MainAction::kThirdMode},
    {"Adv", "Btn_B4", SkinGroup::kB, 7, "SetS_01", MainAction::kDpiPage},
    {"Breath", "Btn_B5", SkinGroup::kB, 8, "SetS_01", MainAction::kLightingPage},
    {"Macro", "Btn_B11", SkinGroup::kB, 14, "SetS_01", MainAction::kMacroPage},
    {"Update", "Btn_B12", SkinGroup::kB, 15, "SetS_01", MainAction::kUpdatePage},
    {"Save", "Btn_B6", SkinGroup::kB, 9, "SetS_01", MainAction::kSave},
    {"Load", "Btn_B7", SkinGroup::kB, 10, "SetS_01", MainAction::kLoad},
    {"Lang1", "Btn_B8", SkinGroup::kB, 11, "SetS_01", MainAction::kLanguage1},
    {"Lang2", "Btn_B9", SkinGroup::kB, 12, "SetS_01", MainAction::kLanguage2},
    {"Lang3", "Btn_B10", SkinGroup::kB, 13, "SetS_01", MainAction::kLanguage3},
    // Created hidden: no operation shows them; `--engineer` opens the page instead.
    {"Engineer", "", SkinGroup::kHidden, 0, "SetS_01", MainAction::kEngineerPage},
    {"Confirm1", "Btn_A2", SkinGroup::kA, 1, "BtnS_01", MainAction::kPreset1},
    {"Confirm2", "Btn_A3", SkinGroup::kA, 2, "BtnS_01", MainAction::kPreset2},
    {"Confirm3", "Btn_A5", SkinGroup::kA, 16, "BtnS_01", MainAction::kPreset3},
    {"Mini", "Btn_A6", SkinGroup::kA, 0, "MiniS_01", MainAction::kMinimise},
    {"Exit", "Btn_A4", SkinGroup::kA, 0, "ExitS_01", MainAction::kExit},
    {"Web", "Web", SkinGroup::kWeb, 0, "WebS_01", MainAction::kWeb},
};

QColor SkinColour(std::uint32_t rgb) {
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}
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
      buttons_.push_back({&family, page, picture, caption, 9});
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

void MainButtonBar::ApplySkin(const SkinTable& skin) {
  const int spaceFront = skin.Integer("Btn_Space_F");
  const int spaceBack = skin.Integer("Btn_Space_B");
  for (MainButton& b : buttons_) {
    const MainButtonFamily& f = *b.family;
    // The web button is placed from the global table, the engineer copies stay hidden.
    if (f.group == SkinGroup::kHidden || f.group == SkinGroup::kWeb) continue;
    const bool shown = skin.Shown(f.skinItem);
    b.picture->setVisible(shown);
    b.caption->setVisible(shown);
    if (!shown) continue;
    const int x = skin.X(f.skinItem), y = skin.Y(f.skinItem);
    b.picture->move(x, y);
    const QSize size = b.picture->size();
    if (f.group == SkinGroup::kB)
      b.caption->setGeometry(x + spaceFront, y, size.width() - spaceFront - spaceBack, size.height());
    else
      b.caption->setGeometry(x, y, size.width(), size.height());
    b.caption->raise();
  }
  for (const char* group : {"A", "B"}) {
    const auto text = skin.Group(group);
    for (MainButton& b : buttons_) {
      const bool inGroup = (b.family->group == SkinGroup::kA) == (group[0] == 'A');
      if (!inGroup || b.family->group == SkinGroup::kHidden || b.family->group == SkinGroup::kWeb) continue;
      b.groupPointSize = std::max(1, text.size);
      QPalette palette = b.caption->palette();
      palette.setColor(QPalette::WindowText, SkinColour(text.colour));
      b.caption->setPalette(palette);
    }
  }
}

void MainButtonBar::ApplyTexts(const LanguageTable& language, const QFont& font) {
  for (MainButton& b : buttons_) {
    QFont f = font;
    f.setPointSize(b.groupPointSize);
    const QString text = b.family->captionId > 0
                             ? QString::fromStdString(language.Text(b.family->captionId))
                             : QString();
    b.caption->SetFittedText(text, f);
  }
}

}  // namespace orvane
