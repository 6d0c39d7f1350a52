#pragma once
// The skin applier: places, shows or hides, sizes and colours the window's controls from the
// skin table of a language number. One table of rows maps each key family to its controls
// and its placement rule; a page that brings new controls adds its rows there.
//
// Applying is done in two steps so that a malformed table changes nothing: ReadSkinLayout
// reads every value the rows need (and throws IniConversionError at the first key that is
// absent or not an integer); only a complete layout is then applied to the controls.

#include <QHash>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/global_settings.h"
#include "skin/skin_table.h"

class QWidget;

namespace orvane {

// The fixed order in which the key groups are applied.
enum class SkinStage { kA, kB, kC, kComboSwitches, kG, kD, kE, kF, kI, kJ, kLabels };

enum class Placement {
  kOverPicture,  // picture at X, Y; the caption label on it with the picture's size
  kBGroup,       // picture at X, Y; the label Btn_Space_F in, Btn_Space_F + Btn_Space_B narrower
  kPicture,      // only the picture, at X, Y; the item has no _Enable key
  kWeb,          // as kOverPicture, placed from the global table's Web_X, Web_Y
  kHiddenAtLastB,  // hidden; placed as kBGroup at the last B-group place read
};

struct SkinRow {
  SkinStage stage;
  const char* item;     // the key family: "Btn_B1" reads Btn_B1_Enable, Btn_B1_X, Btn_B1_Y
  const char* picture;  // the picture's object name; %1 stands for the page copy 1..5
  const char* label;    // the caption label's object name, or nullptr
  Placement placement;
  bool pageCopies;      // true: the controls exist on pages 1..5
  bool groupText;       // the label takes its stage's group text size and colour
};

// The text size and colour of a group (Size_L, Color_L_R/G/B) go to the labels of every
// row of its stage.
struct SkinGroupRow {
  SkinStage stage;
  const char* letter;
};

std::span<const SkinRow> SkinRows();
std::span<const SkinGroupRow> SkinGroupRows();

// One control's new look, read from the table.
struct SkinPlacement {
  QString name;
  bool shown = false;
  bool place = false;        // false: only the visibility changes (a hidden item)
  QRect geometry;            // the place when `place`
  bool keepOwnSize = false;  // a picture: moved to the geometry's corner, keeps its size
  bool raise = false;        // a caption label: lies over its picture
};

struct SkinText {
  QString name;
  int pointSize = 0;
  std::uint32_t colour = 0;  // R + 256 G + 65536 B
};

struct SkinLayout {
  std::vector<SkinPlacement> placements;  // in stage order
  std::vector<SkinText> texts;
};

// The picture sizes the placement rules need ("Img_Main_1" -> 121 x 30), by object name.
using PictureSizes = QHash<QString, QSize>;

// Reads every row in stage order. Throws IniConversionError.
SkinLayout ReadSkinLayout(const SkinTable& skin, const GlobalSettings& global,
                          const PictureSizes& pictureSizes);

// The object names of every row's controls (pictures first), for PictureSizes.
QStringList SkinPictureObjectNames();

// A label's text size as the skin gave it, before its caption was fitted; 0 when unset.
int SkinPointSize(const QWidget& label);

class SkinApplier {
 public:
  explicit SkinApplier(QWidget& root);

  // The current sizes of every row's pictures under the root.
  PictureSizes CurrentPictureSizes() const;
  // Applies a complete layout to the controls under the root; names it lacks are skipped.
  void Apply(const SkinLayout& layout) const;

  // The picture of a skin set's role ("BackGround", "Back3"): "L<n>_<role>", or language 1's
  // picture when the set's own is only a placeholder of another size.
  QString PictureOfSet(int languageIndex, const QString& role);

 private:
  QHash<QString, QWidget*> Controls() const;

  QWidget& root_;
  QHash<QString, QSize> imageSizes_;
};

}  // namespace orvane
