#include "shell/hover_effects_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>
#include <exception>

#include "shell/picture_label_widget.h"
#include "skin/skin_table.h"

namespace orvane {

namespace {

constexpr int kCopies = 5;  // main buttons repeat on pages 1..5

const HoverFamily kHoverFamilies[] = {
    {"A", "Btn_Confirm[123]_[1-5]", "BtnS_02", "BtnS_01", HoverScope::kAllCopies, true,
     HoverAfterLeave::kNothing},
    {"B", "Btn_(Main|Switch|Fixed|Adv|Breath|Macro|Update|Engineer|Save|Load)_[1-5]", "SetS_02",
     "SetS_01", HoverScope::kOwnPicture, true, HoverAfterLeave::kCurrentPageButton},
    {"C", "Key([1-9]|1[0-2])", "KeyS_02", "KeyS_01", HoverScope::kOwnPicture, true,
     HoverAfterLeave::kNothing},
    {"D", "Btn_Lang[123]_[1-5]", "SetS_02", "SetS_01", HoverScope::kOwnPicture, true,
     HoverAfterLeave::kCurrentLanguage},
    {"E", "Btn_(Program|LoadBIN)", "KeyS_02", "KeyS_01", HoverScope::kOwnPicture, true,
     HoverAfterLeave::kNothing},
    {"F", "Btn_SaveMacro", "MacroS_02", "MacroS_01", HoverScope::kOwnPicture, true,
     HoverAfterLeave::kNothing},
    {"G", "Btn_(OK|Cancel|FireOK|FireCancel)", "MacroBtnS_02", "MacroBtnS_01",
     HoverScope::kOwnPicture, true, HoverAfterLeave::kNothing},
    {"H",
     "Btn_(NewMacro|ImportOne|Export|Import|ExportOne|NewName|DelPCMacro|AddMacro|DelMacro|"
     "DevExport|NewFireName|FireDel|FireInsert|Del|Insert|Edit)",
     "", "", HoverScope::kColours, false, HoverAfterLeave::kNothing},
    {"I", "Btn_Exit_[1-5]", "ExitS_02", "ExitS_01", HoverScope::kAllCopies, true,
     HoverAfterLeave::kNothing},
    {"J", "Btn_Mini_[1-5]", "MiniS_02", "MiniS_01", HoverScope::kAllCopies, true,
     HoverAfterLeave::kNothing},
    {"Web", "Btn_Web_[1-5]", "WebS_02", "WebS_01", HoverScope::kAllCopies, false,
     HoverAfterLeave::kNothing},
};

// The main button family of each page radio rb_1..rb_8.
const char* const kPageButtonOfRadio[] = {"Main",   "Switch", "Fixed",  "Adv",
                                          "Breath", "Macro",  "Update", "Engineer"};

// Start-up pictures: `name` and `picture` may hold "%1", replaced by every number from
// `first` to `last`; rows without a number have first = last = 0.
struct StartupPicture {
  const char* name;
  int first;
  int last;
  const char* picture;
};

const StartupPicture kStartupPictures[] = {
    {"Img_Base_%1", 1, 6, "L1_BackGround"},
    {"Img_P1", 0, 0, "L1_Back1"},
    {"Img_P2", 0, 0, "L1_Back2"},
    {"Img_P3", 0, 0, "L1_Back3"},
    {"Img_P4", 0, 0, "L1_Back4"},
    {"Img_P5", 0, 0, "Update"},
    {"Img_P6", 0, 0, "L1_Back5"},
    {"Img_Confirm1_%1", 1, 5, "BtnS_01"},
    {"Img_Confirm2_%1", 1, 5, "BtnS_01"},
    {"Img_Confirm3_%1", 1, 5, "BtnS_01"},
    {"Img_FireConfirm", 0, 0, "BtnS_01"},
    {"Img_FireExit", 0, 0, "BtnS_01"},
    {"Img_Exit_%1", 1, 5, "ExitS_01"},
    {"Img_Mini_%1", 1, 5, "MiniS_01"},
    {"Img_Main_%1", 1, 5, "SetS_03"},
    {"Img_Lang1_%1", 1, 5, "SetS_03"},
    {"Img_Switch_%1", 1, 5, "SetS_01"},
    {"Img_Fixed_%1", 1, 5, "SetS_01"},
    {"Img_Adv_%1", 1, 5, "SetS_01"},
    {"Img_Breath_%1", 1, 5, "SetS_01"},
    {"Img_Macro_%1", 1, 5, "SetS_01"},
    {"Img_Update_%1", 1, 5, "SetS_01"},
    {"Img_Engineer_%1", 1, 5, "SetS_01"},
    {"Img_Save_%1", 1, 5, "SetS_01"},
    {"Img_Load_%1", 1, 5, "SetS_01"},
    {"Img_Lang2_%1", 1, 5, "SetS_01"},
    {"Img_Lang3_%1", 1, 5, "SetS_01"},
    {"Img_Key%1", 1, 12, "KeyS_01"},
    {"Img_LoadBIN", 0, 0, "KeyS_01"},
    {"Img_Program", 0, 0, "KeyS_01"},
    {"Img_Web_%1", 1, 5, "WebS_01"},
    {"Img_ComboKey%1", 1, 8, "CbS_D"},
    {"Img_Fire%1Continue", 1, 3, "CbS_D"},
    {"Img_FireSelLeft", 0, 0, "CbS_E"},
    {"Img_DPI%1Col", 1, 8, "Col_F"},
    {"Img_Col%1", 1, 10, "Col_F"},
    {"Img_FireColor%1", 1, 3, "Col_F"},
    {"Img_Fall1", 0, 0, "Bar1_E"},
    {"Img_MCULED3Control", 0, 0, "RdS_E"},
    {"LED_RecDelay", 0, 0, "RdS_E"},
    {"Img_ReleaseContiue", 0, 0, "RdS_E"},
    {"LED_FireRecDelay", 0, 0, "RdS_E"},
    {"Img_MCULED6Control", 0, 0, "RdS_D"},
    {"LED_DelayTime", 0, 0, "RdS_D"},
    {"LED_NoDelay", 0, 0, "RdS_D"},
    {"Img_ReleaseStop", 0, 0, "RdS_D"},
    {"Img_ReleaseStopEnter", 0, 0, "RdS_D"},
    {"Img_ReleaseStopCount", 0, 0, "RdS_D"},
    {"LED_FireDelayTime", 0, 0, "RdS_D"},
    {"LED_FireNoDelay", 0, 0, "RdS_D"},
    {"Img_FireReleaseStop", 0, 0, "RdS_E"},  // the gun page's release-stop mark starts on
    {"Img_New", 0, 0, "MacroS_01"},
    {"Img_Start", 0, 0, "MacroS_01"},
    {"Img_InsertStart", 0, 0, "MacroS_01"},
    {"Img_FireStart", 0, 0, "MacroS_01"},
    {"Img_OK", 0, 0, "MacroBtnS_01"},
    {"Img_Cancel", 0, 0, "MacroBtnS_01"},
    {"Img_FireOK", 0, 0, "MacroBtnS_01"},
    {"Img_FireCancel", 0, 0, "MacroBtnS_01"},
    {"Img_Fire1", 0, 0, "Gun1_02"},
    {"Img_Fire%1", 2, 7, "Gun%1_01"},
    {"Img_GunMode%1", 1, 5, "GunMode%1"},
    {"Img_FireDelay", 0, 0, "InsertDelayBase"},
    {"Img_FireInsert", 0, 0, "InsertDelayBase"},
};

const std::vector<QRegularExpression>& FamilyPatterns() {
  static const std::vector<QRegularExpression> patterns = [] {
    std::vector<QRegularExpression> out;
    for (const HoverFamily& f : kHoverFamilies)
      out.emplace_back(QRegularExpression::anchoredPattern(QString::fromLatin1(f.members)));
    return out;
  }();
  return patterns;
}

void SetPictureOf(QWidget& root, const QString& name, const QString& picture) {
  if (auto* label = root.findChild<PictureLabel*>(name)) label->SetPicture(picture);
}

QColor SkinColour(std::uint32_t rgb) {
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}

}  // namespace

std::span<const HoverFamily> HoverFamilies() { return kHoverFamilies; }

const HoverFamily* FindHoverFamily(const QString& controlName) {
  const auto& patterns = FamilyPatterns();
  for (std::size_t i = 0; i < patterns.size(); ++i)
    if (patterns[i].match(controlName).hasMatch()) return &kHoverFamilies[i];
  return nullptr;
}

QStringList HoverPictureNames(const HoverFamily& family, const QString& controlName) {
  // `Btn_Switch_3` shows `Img_Switch_3`; `Key7` shows `Img_Key7`.
  const QString own =
      "Img_" + (controlName.startsWith("Btn_") ? controlName.mid(4) : controlName);
  switch (family.scope) {
    case HoverScope::kOwnPicture:
      return {own};
    case HoverScope::kAllCopies: {
      QStringList names;
      const QString stem = own.chopped(1);  // "Img_Exit_"
      for (int k = 1; k <= kCopies; ++k) names << stem + QString::number(k);
      return names;
    }
    case HoverScope::kColours:
      break;
  }
  return {};
}

QString ScrolledCaption(const QString& unchanged, const QString& previous, int tick) {
  if (unchanged.isEmpty()) return unchanged;
  if (tick <= 1) return unchanged.mid(1) + QStringLiteral("    ") + unchanged.front();
  if (previous.isEmpty()) return previous;
  return previous.mid(1) + previous.front();
}

void ApplyStartupPictures(QWidget& root) {
  for (const StartupPicture& row : kStartupPictures) {
    const QString name = QString::fromLatin1(row.name);
    const QString picture = QString::fromLatin1(row.picture);
    if (row.first == 0) {
      SetPictureOf(root, name, picture);
      continue;
    }
    for (int n = row.first; n <= row.last; ++n)
      SetPictureOf(root, name.arg(n), picture.contains("%1") ? picture.arg(n) : picture);
  }
}

HoverEffects::HoverEffects(QWidget& root, Context context)
    : root_(root), context_(std::move(context)) {
  labelRun_.setObjectName("LabelRun");
  labelRun_.setInterval(kLabelRunIntervalMs);
  connect(&labelRun_, &QTimer::timeout, this, &HoverEffects::LabelRunTimer);
  Attach();
}

void HoverEffects::Attach() {
  // Installing the same filter twice keeps one, so served controls are not served twice.
  for (QWidget* w : root_.findChildren<QWidget*>())
    if (FindHoverFamily(w->objectName())) w->installEventFilter(this);
}

bool HoverEffects::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) MouseEnter(qobject_cast<QWidget*>(watched));
  else if (event->type() == QEvent::Leave) MouseLeave(qobject_cast<QWidget*>(watched));
  return QObject::eventFilter(watched, event);
}

void HoverEffects::MouseEnter(QWidget* control) {
  if (!control) return;
  const HoverFamily* family = FindHoverFamily(control->objectName());
  if (!family) return;
  if (family->scope == HoverScope::kColours) {
    SetPlainColours(control, true);
    return;
  }
  if (family->scrolls) {
    // A caption still scrolling (its leave never came) gets its text back first.
    StopCaptionScroll();
    if (auto* label = qobject_cast<QLabel*>(control)) {
      hovered_ = label;
      unchangedCaption_ = label->text();
      scrollingCaption_ = unchangedCaption_;
      tick_ = 0;
      if (label->isEnabled()) labelRun_.start();
    }
  }
  SetPictures(*family, control->objectName(), family->enterPicture);
}

void HoverEffects::MouseLeave(QWidget* control) {
  if (!control) return;
  const HoverFamily* family = FindHoverFamily(control->objectName());
  if (!family) return;
  if (family->scope == HoverScope::kColours) {
    SetPlainColours(control, false);
    return;
  }
  if (family->scrolls) labelRun_.stop();
  SetPictures(*family, control->objectName(), family->leavePicture);
  if (family->afterLeave == HoverAfterLeave::kCurrentPageButton) ShowCurrentPageButton();
  if (family->afterLeave == HoverAfterLeave::kCurrentLanguage) ShowCurrentLanguage();
  if (family->scrolls) StopCaptionScroll();
}

void HoverEffects::StopCaptionScroll() {
  labelRun_.stop();
  // A caption that was given a new text while it scrolled keeps the new text.
  if (hovered_ && hovered_->text() == scrollingCaption_) hovered_->setText(unchangedCaption_);
  hovered_.clear();
  unchangedCaption_.clear();
  scrollingCaption_.clear();
  tick_ = 0;
}

QString HoverEffects::HoveredName() const { return hovered_ ? hovered_->objectName() : QString(); }

void HoverEffects::LabelRunTimer() {
  if (!context_.trEnable) return;
  if (!hovered_) {
    labelRun_.stop();
    return;
  }
  if (hovered_->text() != scrollingCaption_) {
    // The screens changed the caption meanwhile: scroll the new text from its start.
    unchangedCaption_ = hovered_->text();
    scrollingCaption_ = unchangedCaption_;
    tick_ = 0;
  }
  if (unchangedCaption_.isEmpty()) return;  // the close and minimise buttons have no caption
  if (++tick_ > 20) tick_ = 2;
  scrollingCaption_ = ScrolledCaption(unchangedCaption_, scrollingCaption_, tick_);
  hovered_->setText(scrollingCaption_);
}

void HoverEffects::SetPictures(const HoverFamily& family, const QString& controlName,
                               const char* picture) {
  const QString name = QString::fromLatin1(picture);
  for (const QString& target : HoverPictureNames(family, controlName))
    SetPictureOf(root_, target, name);
}

void HoverEffects::ShowCurrentPageButton() {
  for (int r = 1; r <= 8; ++r) {
    auto* radio = root_.findChild<QAbstractButton*>(QString("rb_%1").arg(r));
    if (!radio || !radio->isChecked()) continue;
    for (int k = 1; k <= kCopies; ++k)
      SetPictureOf(root_, QString("Img_%1_%2").arg(kPageButtonOfRadio[r - 1]).arg(k), "SetS_03");
    return;
  }
}

void HoverEffects::ShowCurrentLanguage() {
  const int current = context_.languageIndex ? context_.languageIndex() : 1;
  for (int k = 1; k <= kCopies; ++k)
    SetPictureOf(root_, QString("Img_Lang%1_%2").arg(current).arg(k), "SetS_03");
  if (!context_.languageText) return;
  for (int n = 1; n <= 3; ++n) {
    const QString caption = context_.languageText(10 + n);  // Str011..Str013
    for (int k = 1; k <= kCopies; ++k) {
      auto* label = root_.findChild<QLabel*>(QString("Btn_Lang%1_%2").arg(n).arg(k));
      if (!label || label->text() == caption) continue;
      if (auto* fitted = qobject_cast<CaptionLabel*>(label)) fitted->SetFittedText(caption, label->font());
      else label->setText(caption);
    }
  }
}

void HoverEffects::SetPlainColours(QWidget* control, bool hovered) {
  QColor text = Qt::white;
  QColor back = QApplication::palette().color(QPalette::Highlight);
  if (!hovered) {
    const int language = context_.languageIndex ? context_.languageIndex() : 1;
    if (language != plainColoursLanguage_) {
      try {
        const SkinTable skin = SkinTable::Load(language);
        plainFont_ = SkinColour(skin.Colour("Color_F_Font"));
        plainBack_ = SkinColour(skin.Colour("Color_F_Back"));
      } catch (const std::exception&) {
        // A table without the colours leaves the buttons in the window's own colours.
        plainFont_ = QApplication::palette().color(QPalette::ButtonText);
        plainBack_ = QApplication::palette().color(QPalette::Button);
      }
      plainColoursLanguage_ = language;
    }
    text = plainFont_;
    back = plainBack_;
  }
  QPalette palette = control->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    palette.setColor(role, text);
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
    palette.setColor(role, back);
  control->setPalette(palette);
  control->setAutoFillBackground(true);
}

}  // namespace orvane
