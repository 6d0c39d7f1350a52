#include "shell/skin_applier_view.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "skin/pictures/skin_pictures.h"

namespace orvane {

namespace {
constexpr const char* kSkinPointSize = "skinPointSize";
constexpr int kPageCopies = 5;

using S = SkinStage;
using P = Placement;

// Every control the skin places. Key families of the button page: table key k drives the
// caption Key m (1-1, 2-4, 3-7, 4-2, 5-5, 6-8, 7-3, 8-6, then 9..12 alike).
const SkinRow kRows[] = {
    {S::kA, "Btn_A2", "Img_Confirm1_%1", "Btn_Confirm1_%1", P::kOverPicture, true, true},
    {S::kA, "Btn_A3", "Img_Confirm2_%1", "Btn_Confirm2_%1", P::kOverPicture, true, true},
    {S::kA, "Btn_A4", "Img_Exit_%1", "Btn_Exit_%1", P::kOverPicture, true, true},
    {S::kA, "Btn_A5", "Img_Confirm3_%1", "Btn_Confirm3_%1", P::kOverPicture, true, true},
    {S::kA, "Btn_A6", "Img_Mini_%1", "Btn_Mini_%1", P::kOverPicture, true, true},
    {S::kB, "Btn_B1", "Img_Main_%1", "Btn_Main_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B2", "Img_Switch_%1", "Btn_Switch_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B3", "Img_Fixed_%1", "Btn_Fixed_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B4", "Img_Adv_%1", "Btn_Adv_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B5", "Img_Breath_%1", "Btn_Breath_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B6", "Img_Save_%1", "Btn_Save_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B7", "Img_Load_%1", "Btn_Load_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B8", "Img_Lang1_%1", "Btn_Lang1_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B9", "Img_Lang2_%1", "Btn_Lang2_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B10", "Img_Lang3_%1", "Btn_Lang3_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B11", "Img_Macro_%1", "Btn_Macro_%1", P::kBGroup, true, true},
    {S::kB, "Btn_B12", "Img_Update_%1", "Btn_Update_%1", P::kBGroup, true, true},
    {S::kB, "", "Img_Engineer_%1", "Btn_Engineer_%1", P::kHiddenAtLastB, true, true},
    {S::kB, "Web", "Img_Web_%1", "Btn_Web_%1", P::kWeb, true, false},
    {S::kC, "P1", "Img_P1", nullptr, P::kPicture, false, false},
    {S::kC, "P2", "Img_P2", nullptr, P::kPicture, false, false},
    {S::kC, "P3", "Img_P3", nullptr, P::kPicture, false, false},
    {S::kC, "P4", "Img_P4", nullptr, P::kPicture, false, false},
    {S::kC, "P5", "Img_P5", nullptr, P::kPicture, false, false},
    {S::kC, "P6", "Img_P6", nullptr, P::kPicture, false, false},
    {S::kC, "Key1", "Img_Key1", "Key1", P::kOverPicture, false, true},
    {S::kC, "Key2", "Img_Key4", "Key4", P::kOverPicture, false, true},
    {S::kC, "Key3", "Img_Key7", "Key7", P::kOverPicture, false, true},
    {S::kC, "Key4", "Img_Key2", "Key2", P::kOverPicture, false, true},
    {S::kC, "Key5", "Img_Key5", "Key5", P::kOverPicture, false, true},
    {S::kC, "Key6", "Img_Key8", "Key8", P::kOverPicture, false, true},
    {S::kC, "Key7", "Img_Key3", "Key3", P::kOverPicture, false, true},
    {S::kC, "Key8", "Img_Key6", "Key6", P::kOverPicture, false, true},
    {S::kC, "Key9", "Img_Key9", "Key9", P::kOverPicture, false, true},
    {S::kC, "Key10", "Img_Key10", "Key10", P::kOverPicture, false, true},
    {S::kC, "Key11", "Img_Key11", "Key11", P::kOverPicture, false, true},
    {S::kC, "Key12", "Img_Key12", "Key12", P::kOverPicture, false, true},
};

const SkinGroupRow kGroupRows[] = {
    {S::kA, "A"},
    {S::kB, "B"},
    {S::kC, "C"},
};

constexpr SkinStage kStageOrder[] = {S::kA, S::kB, S::kC, S::kComboSwitches, S::kG, S::kD,
                                     S::kE,  S::kF, S::kI, S::kJ,            S::kLabels};

QString CopyName(const char* pattern, int copy) {
  const QString name = QString::fromLatin1(pattern);
  return copy > 0 ? name.arg(copy) : name;
}

std::vector<int> Copies(const SkinRow& row) {
  if (!row.pageCopies) return {0};
  std::vector<int> copies;
  for (int k = 1; k <= kPageCopies; ++k) copies.push_back(k);
  return copies;
}

QColor ColourOf(std::uint32_t rgb) {
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>((rgb >> 16) & 0xFF));
}

// Reads one stage's rows into the layout.
class StageReader {
 public:
  StageReader(const SkinTable& skin, const GlobalSettings& global, const PictureSizes& sizes,
              SkinLayout& out)
      : skin_(skin), global_(global), sizes_(sizes), out_(out) {}

  void Read(SkinStage stage) {
    std::optional<SkinGroupText> text;
    for (const SkinGroupRow& g : kGroupRows)
      if (g.stage == stage) text = skin_.Group(g.letter);
    if (stage == S::kB) {
      spaceFront_ = skin_.Integer("Btn_Space_F");
      spaceBack_ = skin_.Integer("Btn_Space_B");
    }
    for (const SkinRow& row : kRows) {
      if (row.stage != stage) continue;
      ReadRow(row);
      if (text && row.groupText && row.label)
        for (int copy : Copies(row)) out_.texts.push_back({CopyName(row.label, copy), text->size, text->colour});
    }
  }

 private:
  void ReadRow(const SkinRow& row) {
    bool shown = true;
    QPoint at;
    switch (row.placement) {
      case P::kPicture:
        at = {skin_.X(row.item), skin_.Y(row.item)};
        break;
      case P::kWeb:
        at = {global_.webX, global_.webY};
        break;
      case P::kHiddenAtLastB:
        shown = false;
        at = lastB_;
        break;
      case P::kOverPicture:
      case P::kBGroup:
        shown = skin_.Shown(row.item);
        if (shown) at = {skin_.X(row.item), skin_.Y(row.item)};
        break;
    }
    if (row.placement == P::kBGroup && shown) lastB_ = at;
    const bool place = shown || row.placement == P::kHiddenAtLastB;
    for (int copy : Copies(row)) {
      const QString picture = CopyName(row.picture, copy);
      const QSize size = sizes_.value(picture);
      out_.placements.push_back({picture, shown, place, QRect(at, size), true, false});
      if (!row.label) continue;
      QRect caption(at, size);
      if (row.placement == P::kBGroup || row.placement == P::kHiddenAtLastB)
        caption = QRect(at.x() + spaceFront_, at.y(), size.width() - spaceFront_ - spaceBack_, size.height());
      out_.placements.push_back({CopyName(row.label, copy), shown, place, caption, false, true});
    }
  }

  const SkinTable& skin_;
  const GlobalSettings& global_;
  const PictureSizes& sizes_;
  SkinLayout& out_;
  int spaceFront_ = 0;
  int spaceBack_ = 0;
  QPoint lastB_;
};
}  // namespace

std::span<const SkinRow> SkinRows() { return kRows; }
std::span<const SkinGroupRow> SkinGroupRows() { return kGroupRows; }

SkinLayout ReadSkinLayout(const SkinTable& skin, const GlobalSettings& global,
                          const PictureSizes& pictureSizes) {
  SkinLayout layout;
  StageReader reader(skin, global, pictureSizes, layout);
  for (SkinStage stage : kStageOrder) reader.Read(stage);
  return layout;
}

QStringList SkinPictureObjectNames() {
  QStringList names;
  for (const SkinRow& row : kRows)
    for (int copy : Copies(row)) names << CopyName(row.picture, copy);
  return names;
}

int SkinPointSize(const QWidget& label) { return label.property(kSkinPointSize).toInt(); }

SkinApplier::SkinApplier(QWidget& root) : root_(root) {}

QHash<QString, QWidget*> SkinApplier::Controls() const {
  QHash<QString, QWidget*> controls;
  for (QWidget* w : root_.findChildren<QWidget*>())
    if (!w->objectName().isEmpty()) controls.insert(w->objectName(), w);
  return controls;
}

PictureSizes SkinApplier::CurrentPictureSizes() const {
  const QHash<QString, QWidget*> controls = Controls();
  PictureSizes sizes;
  for (const QString& name : SkinPictureObjectNames())
    if (QWidget* w = controls.value(name)) sizes.insert(name, w->size());
  return sizes;
}

void SkinApplier::Apply(const SkinLayout& layout) const {
  const QHash<QString, QWidget*> controls = Controls();
  for (const SkinPlacement& p : layout.placements) {
    QWidget* w = controls.value(p.name);
    if (!w) continue;
    if (p.place) {
      if (p.keepOwnSize) w->move(p.geometry.topLeft());
      else w->setGeometry(p.geometry);
    }
    w->setVisible(p.shown);
    if (p.raise) w->raise();
  }
  for (const SkinText& t : layout.texts) {
    QWidget* w = controls.value(t.name);
    if (!w) continue;
    w->setProperty(kSkinPointSize, t.pointSize);
    QFont font = w->font();
    font.setPointSize(std::max(1, t.pointSize));
    w->setFont(font);
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, ColourOf(t.colour));
    w->setPalette(palette);
  }
}

QString SkinApplier::PictureOfSet(int languageIndex, const QString& role) {
  const QString own = QString("L%1_%2").arg(languageIndex).arg(role);
  const QString first = QString("L1_%1").arg(role);
  auto sizeOf = [this](const QString& name) {
    auto it = imageSizes_.find(name);
    if (it == imageSizes_.end()) it = imageSizes_.insert(name, SkinPictureSize(name));
    return *it;
  };
  if (languageIndex == 1 || sizeOf(own) == sizeOf(first)) return own;
  return first;
}

}  // namespace orvane
