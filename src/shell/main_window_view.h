#pragma once
// TForm1: the borderless skinned main window. It is a composition: the pages, the main
// button bar, the button page's key captions, the input blockers, the busy window, and
// the device services whose screen requests it answers.

#include <QBitmap>
#include <QFont>
#include <QHash>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "device/device_stack.h"
#include "image/profile_files_view.h"
#include "shell/busy_window_view.h"
#include "shell/device_services.h"
#include "shell/dialogs_view.h"
#include "shell/engineer_buttons_view.h"
#include "shell/event_pump_view.h"
#include "shell/hover_effects_view.h"
#include "shell/main_buttons_view.h"
#include "shell/mode_buttons.h"
#include "shell/skin_applier_view.h"
#include "shell/status_reader.h"
#include "skin/global_settings.h"
#include "skin/language_table.h"
#include "skin/skin_table.h"

namespace orvane {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPageCount = 7;
  static constexpr int kEngineerWidth = 1256;
  static constexpr int kEngineerHeight = 680;
  static constexpr const char* kCaption = "Orvane Gaming Mouse v1.0";

  MainWindow(DeviceStack& stack, Dialogs& dialogs, std::optional<UsbIds> deviceOverride);
  ~MainWindow() override;

  // What the busy window's creation does: the device watch starts ticking.
  void StartDeviceWatch();
  DeviceServices& Services() { return *services_; }
  DeviceWatch& Watch() { return services_->watch; }
  QTimer& DevTimer() { return devTimer_; }
  BusyWindow& Busy() { return *busy_; }
  HoverEffects& Hover() { return *hover_; }

  QWidget* Page(int n) const { return pages_[static_cast<std::size_t>(n - 1)]; }
  int CurrentPage() const { return currentPage_; }
  bool NoDeviceShown() const { return noDeviceShown_; }
  int LanguageIndex() const { return languageIndex_; }
  const QFont& SkinFont() const { return skinFont_; }

  void OnMainAction(MainAction action);
  // `--engineer`: no button reaches the engineer page, so engineers open it this way; it
  // opens at once, before any mouse is read.
  void OpenEngineerPage();
  // The screens' refreshes that the status reader asks for.
  void RefreshCurrentDPIStatus();
  void RefreshCurrentProfileStatus();

  // Screen parts of the device procedures.
  void RefreshErrorAP();
  void FillScreens();
  void ClearDeviceState();
  void ShowInputBlockers();
  void HideInputBlockers();
  // Closes every pop-up menu. The window has no function menus yet (they come with the
  // button assignment screens); every caller already goes through here.
  void HideAllMenu() {}
  void ShowMessageId(int id);

  // Skin set n: its pictures, the layout of "org"n and the texts of "lang"n. A table value
  // that is absent or no integer shows the conversion error and leaves the look as it was.
  bool ApplySkinSet(int languageIndex);
  bool ApplySkinSet(int languageIndex, const SkinTable& skin);
  // Btn_Lang1_0Click..Btn_Lang3_0Click: the whole window in language n.
  void SwitchLanguage(int languageIndex);
  // Re-shows the current page after the skin changed; the engineer page stays as it is.
  void RefreshAPPage();
  // The hovered control's hint in the status line `lbl_Content`.
  void ShowHint(const QString& hint);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  class Screens;

  void FormCreate();
  void BuildTrayIcon();
  void BuildPages();
  void BuildKeyCaptions();
  void BuildInputBlockers();
  void BuildLanguageRadios();
  void BuildStatusLine();
  void ApplySkinPictures(int languageIndex);
  void ApplySkinTexts(int languageIndex);
  QFont CaptionFont(const QWidget& caption) const;
  void FitPagesToBackground(int page);
  void ApplyWindowShape();
  void ShowPage(int page);
  void CheckRadio(int radio);
  void RunPageButton(MainAction action);
  void ApplyMode(Mode mode, bool writeToMouse);
  void ApplyMenuLayout(const ModeMenuLayout& layout);
  void SetMenuHeights(int mainHeight, int specialHeight);
  void RefreshProfileKeys(int profile);
  void ShowModeLook(Mode mode);

  DeviceStack& stack_;
  Dialogs& dialogs_;
  GlobalSettings global_;
  LanguageSet languages_;
  int languageIndex_ = 1;
  QFont skinFont_;
  std::unique_ptr<SkinApplier> skinApplier_;
  QString backgroundPicture_ = "L1_BackGround";
  QHash<QString, QBitmap> windowShapes_;  // the shape cut by each background, made once
  std::vector<QWidget*> languageRadios_;  // rb_Lang1..rb_Lang3
  QLabel* statusLine_ = nullptr;          // lbl_Content
  std::unique_ptr<BusyWindow> busy_;
  std::unique_ptr<EventPump> pump_;
  std::unique_ptr<Screens> screens_;
  std::unique_ptr<DeviceServices> services_;
  std::unique_ptr<StatusReader> statusReader_;
  QTimer devTimer_;

  std::vector<QWidget*> pages_;
  std::vector<QWidget*> radios_;  // rb_1..rb_8
  std::unique_ptr<MainButtonBar> mainButtons_;
  std::vector<QWidget*> blockers_;  // Disable_All_1..5, then Disable_All_4_1
  int currentPage_ = 1;
  bool noDeviceShown_ = false;
  QSize layoutSize_;
  int shapedPage_ = 1;  // the page whose size and shape the window has
  ModeSwitches modeSwitches_;
  bool comboKey8Enable_ = false;  // skin key ComboKey8_Enable
  int shownProfile_ = 1;
  std::unique_ptr<HoverEffects> hover_;
  std::unique_ptr<ProfileFileScreens> profileFiles_;
  std::unique_ptr<EngineerButtons> engineerButtons_;
  QSystemTrayIcon* tray_ = nullptr;
};

}  // namespace orvane
