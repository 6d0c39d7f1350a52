#pragma once
// Hover looks of the window's buttons: which picture a button shows while the pointer is
// over it and after it leaves, found by the control's name, and the scrolling caption of the
// hovered button. One table holds every button family; one enter and one leave handler
// serve them all.

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <span>
#include <vector>

class QLabel;
class QWidget;

namespace orvane {

// Which pictures a hover changes.
enum class HoverScope {
  kOwnPicture,  // the hovered control's own picture (`Btn_Switch_3` -> `Img_Switch_3`)
  kAllCopies,   // the pictures of all five page copies (`Btn_Exit_2` -> `Img_Exit_1`..`_5`)
  kColours,     // no picture: the plain button's own text and background colours
};

// What a leave restores after the family's leave picture.
enum class HoverAfterLeave {
  kNothing,
  kCurrentPageButton,  // the current page's main button shows pressed again
  kCurrentLanguage,    // the current language's button shows pressed, language captions reset
};

struct HoverFamily {
  const char* letter;   // "A".."J", "Web"
  const char* members;  // the member controls' names, a whole-name pattern
  const char* enterPicture;
  const char* leavePicture;
  HoverScope scope;
  bool scrolls;
  HoverAfterLeave afterLeave;
};

std::span<const HoverFamily> HoverFamilies();
// The family a control belongs to by its name; null for none.
const HoverFamily* FindHoverFamily(const QString& controlName);
// The names of the pictures a hover of that control changes.
QStringList HoverPictureNames(const HoverFamily& family, const QString& controlName);

// The scrolling caption: the caption shown on tick `tick` (1, 2, ...) of a caption that
// started as `unchanged`, given what was shown on the tick before.
QString ScrolledCaption(const QString& unchanged, const QString& previous, int tick);

// The pictures every control shows when the window is built, before the skin is applied.
// Controls that do not exist (yet) are skipped.
void ApplyStartupPictures(QWidget& root);

class HoverEffects : public QObject {
  Q_OBJECT

 public:
  struct Context {
    bool trEnable = false;                       // layout switch TR_Enable: captions scroll
    std::function<int()> languageIndex;          // the current language number 1..3
    std::function<QString(int id)> languageText; // a text of the current language table
  };

  static constexpr int kLabelRunIntervalMs = 200;

  HoverEffects(QWidget& root, Context context);

  // Serves every control of the window whose name belongs to a family; call again after
  // building more controls (already served controls are not served twice).
  void Attach();

  // Enter and leave, for the control of that name's family.
  void MouseEnter(QWidget* control);
  void MouseLeave(QWidget* control);
  // Stops the scrolling and gives the hovered caption its text back (a caption that opens
  // a menu when clicked does this).
  void StopCaptionScroll();
  // One tick of `LabelRun`.
  void LabelRunTimer();

  QTimer& LabelRun() { return labelRun_; }
  QString HoveredName() const;
  void SetTrEnable(bool on) { context_.trEnable = on; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetPictures(const HoverFamily& family, const QString& controlName, const char* picture);
  void ShowCurrentPageButton();
  void ShowCurrentLanguage();
  void SetPlainColours(QWidget* control, bool hovered);

  QWidget& root_;
  Context context_;
  QTimer labelRun_;
  // The hovered caption: its text as it was, and what the scrolling last showed on it.
  QPointer<QLabel> hovered_;
  QString unchangedCaption_;
  QString scrollingCaption_;
  int tick_ = 0;
  // The plain buttons' own colours, read from the skin of this language number.
  int plainColoursLanguage_ = 0;
  QColor plainFont_;
  QColor plainBack_;
};

}  // namespace orvane
