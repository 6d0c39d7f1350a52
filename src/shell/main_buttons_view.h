#pragma once
// The main buttons of pages 1..5: each is a caption label over a picture, repeated on every
// page with the suffix 1..5 (`Btn_Main_3` over `Img_Main_3`). One table names every family,
// its caption and what it does; one handler serves each family. The skin applier places them.

#include <QString>
#include <QWidget>
#include <functional>
#include <span>
#include <vector>

#include "shell/picture_label_widget.h"

namespace orvane {

class LanguageTable;

enum class MainAction {
  kOfficeMode, kGameMode, kThirdMode, kDpiPage, kLightingPage, kMacroPage, kUpdatePage,
  kEngineerPage, kSave, kLoad, kLanguage1, kLanguage2, kLanguage3, kPreset1, kPreset2,
  kPreset3, kMinimise, kExit, kWeb,
};

enum class SkinGroup { kA, kB, kWeb, kHidden };

struct MainButtonFamily {
  const char* name;         // "Main": controls Btn_Main_k and Img_Main_k
  SkinGroup group;
  int captionId;            // language id of the caption, 0 for none
  const char* picture;      // the normal picture; the family's _02/_03 are its states
  MainAction action;
};

std::span<const MainButtonFamily> MainButtonFamilies();
const MainButtonFamily* FindMainButtonFamily(MainAction action);

// The picture name of a state ("SetS_01" -> "SetS_03" for pressed).
QString PictureInState(const char* normal, int state);

inline constexpr int kPagesWithMainButtons = 5;

// The controls of one family on one page.
struct MainButton {
  const MainButtonFamily* family;
  int page;  // 1..5
  PictureLabel* picture;
  CaptionLabel* caption;
};

class MainButtonBar {
 public:
  // Creates every family's controls on the given pages; clicks go to `onClick`.
  MainButtonBar(const std::vector<QWidget*>& pages, std::function<void(MainAction)> onClick);

  // All copies of a family ("Img_Main_1".."Img_Main_5").
  std::vector<MainButton*> Copies(MainAction action);
  // Every button's picture to the family's normal picture.
  void ShowAllNormal();
  void SetPictures(MainAction action, int state);

  // Every caption in the language's text, in `font` at the skin's text size of its group;
  // the caption is also the button's hint.
  void ApplyTexts(const LanguageTable& language, const QFont& font);

 private:
  std::vector<MainButton> buttons_;
};

}  // namespace orvane
