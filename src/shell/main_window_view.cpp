#include "shell/main_window_view.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QUrl>
#include <QSystemTrayIcon>
#include <QWindow>
#include <algorithm>

#include "buttons/image_naming.h"
#include "image/image_layout.h"
#include "image/whole_image_ops.h"
#include "skin/pictures/skin_pictures.h"
#include "skin/term_table.h"
#include "skin/skin_table.h"

namespace orvane {

namespace {
struct PageButton {
  MainAction action;
  int page;
  int radio;
};
constexpr PageButton kPageButtons[] = {
    {MainAction::kOfficeMode, 1, 1},  {MainAction::kGameMode, 1, 2},
    {MainAction::kThirdMode, 1, 3},   {MainAction::kDpiPage, 2, 4},
    {MainAction::kLightingPage, 3, 5}, {MainAction::kMacroPage, 4, 6},
    {MainAction::kUpdatePage, 5, 7},  {MainAction::kEngineerPage, 7, 8},
};

const PageButton* FindPageButton(MainAction action) {
  for (const PageButton& p : kPageButtons)
    if (p.action == action) return &p;
  return nullptr;
}

// The skin fonts mapped to metric-compatible free fonts where Debian has them; a narrow
// font that is not installed falls back to the plain face of its family first.
QFont FreeFontFor(const std::string& skinFont) {
  QFont font;
  if (skinFont == "Calibri") font.setFamilies({"Carlito"});
  else if (skinFont == "Arial Narrow") font.setFamilies({"Liberation Sans Narrow", "Liberation Sans"});
  else font.setFamilies({QString::fromStdString(skinFont)});
  return font;
}

// The parts of the "KeyS" caption slot that its text must not cover.
constexpr int kKeySocketWidth = 10;
constexpr int kKeyChevronWidth = 24;

// The status line of the background, right of its lamp.
constexpr QRect kStatusLine{200, 612, 336, 30};
constexpr int kStatusPointSize = 9;
const QColor kStatusColour(170, 190, 205);

// The page pictures of a skin set: page control and picture role.
struct PagePicture {
  int page;
  const char* role;
};
constexpr PagePicture kPagePictures[] = {{1, "Back1"}, {2, "Back2"}, {3, "Back3"}, {4, "Back4"}, {6, "Back5"}};
}  // namespace

// The window's answers to the device procedures.
class MainWindow::Screens final : public ScreenHost {
 public:
  explicit Screens(MainWindow& w) : w_(w) {}
  void ShowMessage(int id) override { w_.ShowMessageId(id); }
  void ShowPlainMessage(int id) override {
    w_.dialogs_.PlainMessage(QString::fromStdString(w_.languages_.Table(w_.languageIndex_).Text(id)));
  }
  void ShowText(const char* text) override { w_.dialogs_.Message(QString::fromUtf8(text), w_.skinFont_.family()); }
  void ShowNoDeviceDisplay() override { w_.RefreshErrorAP(); }
  void ShowInputBlockers() override { w_.ShowInputBlockers(); }
  void HideInputBlockers() override { w_.HideInputBlockers(); }
  void SetDevTimerEnabled(bool on) override {
    if (on) w_.devTimer_.start(); else w_.devTimer_.stop();
  }
  void FillScreens() override { w_.FillScreens(); }
  void ShowModePage() override {
    w_.ShowPage(1);
    w_.noDeviceShown_ = false;
    QCoreApplication::processEvents();
  }
  void ClearDeviceState() override { w_.ClearDeviceState(); }

 private:
  MainWindow& w_;
};

MainWindow::MainWindow(DeviceStack& stack, Dialogs& dialogs, std::optional<UsbIds> deviceOverride)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Window),
      stack_(stack),
      dialogs_(dialogs),
      global_(LoadGlobalSettings()),
      languages_(LanguageSet::LoadBuiltIn()) {
  setObjectName("TForm1");
  setWindowTitle(kCaption);
  busy_ = std::make_unique<BusyWindow>(this);
  pump_ = std::make_unique<EventPump>(stack_.Time());
  screens_ = std::make_unique<Screens>(*this);
  services_ = std::make_unique<DeviceServices>(stack_.Backend(), *busy_, *pump_, *screens_,
                                               StartupSessionConfig(deviceOverride));
  devTimer_.setInterval(DeviceWatch::kIntervalMs);
  connect(&devTimer_, &QTimer::timeout, this, [this] { services_->watch.DevTimerTimer(); });
  modeSwitches_.beEnable = global_.beEnable;
  modeSwitches_.gdEnable = global_.gdEnable;
  FormCreate();
}

MainWindow::~MainWindow() {
  if (statusReader_) statusReader_->Stop();
  services_->transport.ForgetDevice();
}

void MainWindow::FormCreate() {
  BuildPages();
  layoutSize_ = SkinPictureSize(u"L1_BackGround");
  BuildInputBlockers();
  ShowInputBlockers();
  FitPagesToBackground(1);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect r = screen->availableGeometry();
    move(r.left() + (r.width() - width()) / 2, r.top() + (r.height() - height()) / 2);
  }
  mainButtons_ = std::make_unique<MainButtonBar>(
      std::vector<QWidget*>(pages_.begin(), pages_.begin() + kPagesWithMainButtons),
      [this](MainAction a) { OnMainAction(a); });
  BuildKeyCaptions();
  BuildLanguageRadios();
  BuildStatusLine();
  ApplyStartupPictures(*this);
  skinApplier_ = std::make_unique<SkinApplier>(*this);
  ApplySkinSet(1);
  RefreshErrorAP();
  ShowPage(1);
  // The status reader hands its refreshes to this thread and never waits for them.
  statusReader_ = std::make_unique<StatusReader>(
      services_->transport, stack_.Time(), [this](StatusRefresh what) {
        QMetaObject::invokeMethod(this, [this, what] {
          if (what == StatusRefresh::kCurrentDpi) RefreshCurrentDPIStatus();
          else RefreshCurrentProfileStatus();
        }, Qt::QueuedConnection);
      });
  statusReader_->Start();
  busy_->PlaceAtStart();
  hover_ = std::make_unique<HoverEffects>(
      *this, HoverEffects::Context{global_.trEnable, [this] { return languageIndex_; }, [this](int id) {
        return QString::fromStdString(languages_.Table(languageIndex_).Text(id));
      }});
  engineerButtons_ = std::make_unique<EngineerButtons>(
      Page(7), TermLanguageForLocale(LocaleNameFromEnvironment()), [this](MainAction a) { OnMainAction(a); });
  profileFiles_ = std::make_unique<ProfileFileScreens>(services_->session, dialogs_,
                                                       [this](int id) { ShowMessageId(id); });
  BuildTrayIcon();
  // Every control now exists: the blockers go over all of them until the first device event.
  ShowInputBlockers();
}

void MainWindow::BuildTrayIcon() {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  tray_ = new QSystemTrayIcon(QIcon(LoadSkinPicture(u"SetS_03")), this);
  tray_->setObjectName("CoolTrayIcon1");
  tray_->setToolTip(kCaption);
  tray_->show();
}

void MainWindow::StartDeviceWatch() { devTimer_.start(); }

void MainWindow::BuildPages() {
  for (int n = 1; n <= kPageCount; ++n) {
    auto* page = new QWidget(this);
    page->setObjectName(QString("gbPage%1").arg(n));
    pages_.push_back(page);
    if (n <= 6) {
      auto* base = new PictureLabel(page, QString("Img_Base_%1").arg(n));
      base->move(0, 0);
      connect(base, &PictureLabel::pressed, this, [this](QMouseEvent*) {
        HideAllMenu();
        if (windowHandle()) windowHandle()->startSystemMove();
      });
      if (n != 5) new PictureLabel(page, QString("Img_P%1").arg(n));
    }
  }
  for (int r = 1; r <= 8; ++r) {
    auto* radio = new QRadioButton(this);
    radio->setObjectName(QString("rb_%1").arg(r));
    radio->hide();
    radios_.push_back(radio);
  }
  static_cast<QRadioButton*>(radios_[0])->setChecked(true);
}

void MainWindow::BuildKeyCaptions() {
  for (int m = 1; m <= 12; ++m) {
    auto* picture = new PictureLabel(Page(1), QString("Img_Key%1").arg(m));
    picture->SetPicture("KeyS_01");
    auto* caption = new CaptionLabel(Page(1), QString("Key%1").arg(m));
    caption->setGeometry(picture->geometry());
    // The caption slot has a socket on its left and a chevron on its right: the text keeps
    // clear of both.
    caption->setContentsMargins(kKeySocketWidth, 0, kKeyChevronWidth, 0);
  }
}

void MainWindow::BuildInputBlockers() {
  for (int n = 1; n <= 5; ++n) {
    auto* blocker = new QLabel(Page(n));
    blocker->setObjectName(QString("Disable_All_%1").arg(n));
    blocker->setAttribute(Qt::WA_TranslucentBackground);
    blocker->hide();
    blockers_.push_back(blocker);
  }
  auto* extra = new QLabel(Page(4));
  extra->setObjectName("Disable_All_4_1");
  extra->setAttribute(Qt::WA_TranslucentBackground);
  extra->hide();
  blockers_.push_back(extra);
  for (QWidget* b : blockers_) b->resize(layoutSize_);
}

void MainWindow::ShowInputBlockers() {
  for (int i = 0; i < 5; ++i) {
    blockers_[static_cast<std::size_t>(i)]->show();
    blockers_[static_cast<std::size_t>(i)]->raise();
  }
}

void MainWindow::HideInputBlockers() {
  for (int i = 0; i < 5; ++i) blockers_[static_cast<std::size_t>(i)]->hide();
}

void MainWindow::BuildLanguageRadios() {
  // Their own parent keeps them out of the page radios' exclusive set.
  auto* holder = new QWidget(this);
  holder->setObjectName("LanguageRadios");
  holder->hide();
  for (int n = 1; n <= kLanguageCount; ++n) {
    auto* radio = new QRadioButton(holder);
    radio->setObjectName(QString("rb_Lang%1").arg(n));
    languageRadios_.push_back(radio);
  }
  static_cast<QRadioButton*>(languageRadios_[0])->setChecked(true);
}

void MainWindow::BuildStatusLine() {
  statusLine_ = new QLabel(this);
  statusLine_->setObjectName("lbl_Content");
  statusLine_->setGeometry(kStatusLine);
  statusLine_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  statusLine_->setAttribute(Qt::WA_TranslucentBackground);
  statusLine_->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette palette = statusLine_->palette();
  palette.setColor(QPalette::WindowText, kStatusColour);
  statusLine_->setPalette(palette);
}

bool MainWindow::ApplySkinSet(int languageIndex) {
  return ApplySkinSet(languageIndex, SkinTable::Load(languageIndex));
}

bool MainWindow::ApplySkinSet(int languageIndex, const SkinTable& skin) {
  SkinLayout layout;
  try {
    layout = ReadSkinLayout(skin, global_, skinApplier_->CurrentPictureSizes());
  } catch (const IniConversionError& error) {
    dialogs_.Message(QString::fromUtf8(error.what()), skinFont_.family());
    return false;
  }
  ApplySkinPictures(languageIndex);
  skinApplier_->Apply(layout);
  comboKey8Enable_ = skin.Integer("ComboKey8_Enable", 0) == 1;
  ApplySkinTexts(languageIndex);
  statusLine_->raise();
  return true;
}

void MainWindow::ApplySkinPictures(int languageIndex) {
  backgroundPicture_ = skinApplier_->PictureOfSet(languageIndex, "BackGround");
  for (int n = 1; n <= 6; ++n)
    Page(n)->findChild<PictureLabel*>(QString("Img_Base_%1").arg(n))->SetPicture(backgroundPicture_);
  for (const PagePicture& p : kPagePictures)
    Page(p.page)->findChild<PictureLabel*>(QString("Img_P%1").arg(p.page))
        ->SetPicture(skinApplier_->PictureOfSet(languageIndex, p.role));
}

QFont MainWindow::CaptionFont(const QWidget& caption) const {
  QFont font = skinFont_;
  font.setPointSize(std::max(1, SkinPointSize(caption)));
  return font;
}

void MainWindow::ApplySkinTexts(int languageIndex) {
  const LanguageTable& language = languages_.Table(languageIndex);
  skinFont_ = FreeFontFor(language.FontName());
  mainButtons_->ApplyTexts(language, skinFont_);
  // A mouse-button caption that is a table text is shown in the new language.
  for (int m = 1; m <= 12; ++m) {
    auto* caption = Page(1)->findChild<CaptionLabel*>(QString("Key%1").arg(m));
    const std::string text = caption->text().toStdString();
    caption->SetFittedText(QString::fromStdString(languages_.TranslateCaption(text, languageIndex)),
                           CaptionFont(*caption));
  }
  QFont statusFont = skinFont_;
  statusFont.setPointSize(kStatusPointSize);
  statusLine_->setFont(statusFont);
  QApplication::setApplicationDisplayName(QString::fromStdString(language.Title()));
}

void MainWindow::SwitchLanguage(int languageIndex) {
  blockers_[0]->show();  // Disable_All_1 while the window is rebuilt
  blockers_[0]->raise();
  if (ApplySkinSet(languageIndex)) {
    languageIndex_ = languageIndex;
    static constexpr MainAction kLanguageButtons[] = {MainAction::kLanguage1, MainAction::kLanguage2,
                                                      MainAction::kLanguage3};
    for (int n = 1; n <= kLanguageCount; ++n)
      mainButtons_->SetPictures(kLanguageButtons[n - 1], n == languageIndex ? 3 : 1);
    static_cast<QRadioButton*>(languageRadios_[static_cast<std::size_t>(languageIndex - 1)])->setChecked(true);
    RefreshAPPage();
  }
  blockers_[0]->hide();
}

void MainWindow::RefreshAPPage() {
  int page = 1;
  if (!noDeviceShown_) {
    const auto checked = std::find_if(radios_.begin(), radios_.end(), [](QWidget* r) {
      return static_cast<QRadioButton*>(r)->isChecked();
    });
    const int radio = checked == radios_.end() ? 1 : static_cast<int>(checked - radios_.begin()) + 1;
    if (radio == 8) return;  // the engineer page stays as it is
    for (const PageButton& p : kPageButtons)
      if (p.radio == radio) page = p.page;
  }
  ShowPage(page);
  FitPagesToBackground(page);
}

void MainWindow::ShowHint(const QString& hint) { statusLine_->setText(hint); }

bool MainWindow::event(QEvent* event) {
  // Status tips of every control under the window arrive here (ShowHint).
  if (event->type() == QEvent::StatusTip) {
    ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QWidget::event(event);
}

void MainWindow::FitPagesToBackground(int page) {
  const QSize size = page == 7 ? QSize(kEngineerWidth, kEngineerHeight) : layoutSize_;
  setFixedSize(size);
  for (int n = 1; n <= 6; ++n) Page(n)->setGeometry(0, 0, layoutSize_.width(), layoutSize_.height());
  Page(7)->setGeometry(0, 0, kEngineerWidth, kEngineerHeight);
  shapedPage_ = page;
  if (isVisible()) ApplyWindowShape();  // a window not shown yet gets its shape when it shows
}

void MainWindow::ApplyWindowShape() {
  // The background's maroon pixels cut the window's shape; the engineer page is square.
  if (shapedPage_ == 7) {
    clearMask();
    return;
  }
  auto shape = windowShapes_.find(backgroundPicture_);
  if (shape == windowShapes_.end()) {
    const QImage background = LoadSkinPicture(backgroundPicture_).toImage();  // decoded once
    QBitmap mask;
    if (!background.isNull())
      mask = QBitmap::fromImage(background.createMaskFromColor(qRgb(128, 0, 0), Qt::MaskInColor));
    shape = windowShapes_.insert(backgroundPicture_, mask);
  }
  if (shape->isNull()) clearMask();
  else setMask(*shape);
}

void MainWindow::showEvent(QShowEvent* event) {
  ApplyWindowShape();
  QWidget::showEvent(event);
}

void MainWindow::ShowPage(int page) {
  currentPage_ = page;
  for (int n = 1; n <= kPageCount; ++n) Page(n)->setVisible(n == page);
  if (statusLine_) statusLine_->setVisible(page != 7);  // the engineer page has no status line
}

void MainWindow::CheckRadio(int radio) {
  static_cast<QRadioButton*>(radios_[static_cast<std::size_t>(radio - 1)])->setChecked(true);
}

void MainWindow::ShowMessageId(int id) {
  dialogs_.Message(QString::fromStdString(languages_.Table(languageIndex_).Text(id)), skinFont_.family());
}

void MainWindow::OnMainAction(MainAction action) {
  if (FindPageButton(action)) {
    RunPageButton(action);
    return;
  }
  MouseSession& session = services_->session;
  switch (action) {
    case MainAction::kPreset1:
    case MainAction::kPreset2:
    case MainAction::kPreset3: {
      mainButtons_->SetPictures(action, 3);
      const int n = 1 + static_cast<int>(action) - static_cast<int>(MainAction::kPreset1);
      ApplyPreset(session, n);  // without a mouse it shows the message itself
      break;
    }
    case MainAction::kMinimise:
      showMinimized();
      break;
    case MainAction::kExit:
      close();
      break;
    case MainAction::kWeb:
      mainButtons_->SetPictures(action, 3);
      if (global_.webEnable) QDesktopServices::openUrl(QUrl(QString::fromStdString(global_.web)));
      break;
    case MainAction::kLanguage1:
    case MainAction::kLanguage2:
    case MainAction::kLanguage3:
      SwitchLanguage(1 + static_cast<int>(action) - static_cast<int>(MainAction::kLanguage1));
      break;
    case MainAction::kSave:
    case MainAction::kLoad:
      mainButtons_->SetPictures(action, 3);
      if (action == MainAction::kSave) profileFiles_->Save();
      else profileFiles_->Load();
      break;
    default:
      break;
  }
}

void MainWindow::OpenEngineerPage() {
  HideAllMenu();
  CheckRadio(8);
  SetMenuHeights(194, 314);
  ShowPage(7);
  FitPagesToBackground(7);
}

void MainWindow::RunPageButton(MainAction action) {
  const PageButton& button = *FindPageButton(action);
  const bool mode = button.page == 1;
  if (!services_->transport.DeviceOpen()) {
    ShowMessageId(message::kDeviceNotFound);
    return;
  }
  if (noDeviceShown_) return;
  if (mode && services_->session.Refreshing()) return;
  const bool engineer = action == MainAction::kEngineerPage;
  if (!engineer) ShowInputBlockers();
  HideAllMenu();
  mainButtons_->ShowAllNormal();
  noDeviceShown_ = false;
  CheckRadio(button.radio);
  if (mode) ApplyMode(static_cast<Mode>(button.radio - 1), true);
  if (engineer) SetMenuHeights(194, 314);
  ShowPage(button.page);
  FitPagesToBackground(button.page);
  mainButtons_->SetPictures(action, 3);
  HideInputBlockers();
}

void MainWindow::ApplyMode(Mode mode, bool writeToMouse) {
  if (writeToMouse) {
    const ModeWrites writes = ModeButtonWrites(mode, modeSwitches_);
    for (const ModeWrite& w : writes.writes) services_->link.WriteConfigBytes(w.offset, w.value, 0, 0, 1);
    services_->session.State().ImageMirror[image::kModeAndProfileColour] = writes.mirror164;
  }
  ApplyMenuLayout(ModeMenuLayoutFor(mode, modeSwitches_, comboKey8Enable_));
  if (mode == Mode::kOffice) RefreshProfileKeys(1);
  if (mode == Mode::kGame) RefreshProfileKeys(2);
}

void MainWindow::SetMenuHeights(int mainHeight, int specialHeight) {
  // The function menus are found by name; a menu that is not built changes nothing.
  for (const auto& [name, h] : {std::pair{"Pnl_Main", mainHeight}, std::pair{"Pnl_Special", specialHeight}})
    if (QWidget* w = findChild<QWidget*>(name)) w->resize(w->width(), h);
}

void MainWindow::ApplyMenuLayout(const ModeMenuLayout& layout) {
  auto top = [this](const char* name, std::optional<int> y) {
    if (QWidget* w = findChild<QWidget*>(name); w && y) w->move(w->x(), *y);
  };
  auto shown = [this](const char* name, std::optional<bool> on) {
    if (QWidget* w = findChild<QWidget*>(name); w && on) w->setVisible(*on);
  };
  SetMenuHeights(layout.mainHeight, layout.specialHeight);
  top("Key_BtnEFT", layout.buttonEffectTop);
  top("Key_FireMacroKey", layout.fireMacroKeyTop);
  shown("Key_Profile1", layout.profile1Shown);
  if (layout.profile2Shown) top("Key_Profile2", 1);
  shown("Key_Profile2", layout.profile2Shown);
  shown("IB_ComboKey8", layout.comboKey8Shown);
  shown("Img_ComboKey8", layout.comboKey8Shown);
}

void MainWindow::RefreshProfileKeys(int profile) {
  shownProfile_ = profile;
  const MouseSession& session = services_->session;
  const Mirror& m = session.State().ImageMirror;
  CodeNameContext naming =
      NamingContextFromImage(m, session.DeviceICType(), languages_.Table(languageIndex_));
  naming.refreshUnderWay = session.Refreshing();
  for (int b = 1; b <= 12; ++b) {
    const std::size_t at = profile == 1 ? image::Profile1ButtonOffset(b) : image::Profile2ButtonOffset(b);
    const FunctionCode code(m[at], m[at + 1], m[at + 2], m[at + 3]);
    if (auto* caption = Page(1)->findChild<CaptionLabel*>(QString("Key%1").arg(b)))
      caption->SetFittedText(QString::fromStdString(FunctionCodeName(code, naming)), CaptionFont(*caption));
  }
}

void MainWindow::ShowModeLook(Mode mode) {
  static constexpr MainAction kModeButtons[] = {MainAction::kOfficeMode, MainAction::kGameMode};
  if (mode == Mode::kThird) return;
  mainButtons_->ShowAllNormal();
  mainButtons_->SetPictures(kModeButtons[static_cast<int>(mode)], 3);
  CheckRadio(static_cast<int>(mode) + 1);
  ApplyMenuLayout(ModeMenuLayoutFor(mode, modeSwitches_, comboKey8Enable_));
  ShowPage(1);
  RefreshProfileKeys(mode == Mode::kOffice ? 1 : 2);
}

void MainWindow::RefreshErrorAP() {
  services_->session.InitNoDevice();
  noDeviceShown_ = true;
  CheckRadio(1);
  ShowPage(1);
  RefreshProfileKeys(1);
  mainButtons_->ShowAllNormal();
  mainButtons_->SetPictures(MainAction::kOfficeMode, 3);
}

void MainWindow::FillScreens() {
  const Mirror& m = services_->session.State().ImageMirror;
  const int colour = m[image::kModeAndProfileColour] >> 4;
  if (colour <= 9) modeSwitches_.profileColour = colour;
  if (colour == 15) modeSwitches_.profileColour = 10;
  const int effect = m[image::kButtonEffect];
  modeSwitches_.buttonEffect = effect < 2 ? effect : (effect - 4 == 1 ? 1 : 0);
  RefreshProfileKeys(shownProfile_);
}

void MainWindow::ClearDeviceState() {
  HideAllMenu();
  noDeviceShown_ = false;
  if (hover_) hover_->StopCaptionScroll();  // LabelRun stops with the mouse gone
  HideInputBlockers();
}

void MainWindow::RefreshCurrentDPIStatus() {
  MouseSession& session = services_->session;
  std::array<std::uint8_t, 1> level{0};
  if (HasConfigImage(session.DeviceICType())) session.Link().ReadBlock(image::kCurrentDpiLevel, level);
  // The DPI page's level pictures arrive with that page; the level is kept for it.
  services_->session.State().ImageMirror[image::kCurrentDpiLevel] = level[0];
}

void MainWindow::RefreshCurrentProfileStatus() {
  MouseSession& session = services_->session;
  std::array<std::uint8_t, 1> profile{0};
  if (HasConfigImage(session.DeviceICType())) session.Link().ReadBlock(image::kModeAndProfileColour, profile);
  const int mode = profile[0] & 0x0F;
  if (mode == 0 || mode == 1) ShowModeLook(static_cast<Mode>(mode));
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && windowHandle()) windowHandle()->startSystemMove();
  QWidget::mousePressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // FormCloseQuery: no further transfer starts; closing is always allowed.
  devTimer_.stop();
  if (statusReader_) statusReader_->Stop();
  services_->transport.ForgetDevice();
  busy_->hide();
  if (tray_) tray_->hide();  // the tray icon is released with the window
  event->accept();
}

}  // namespace orvane
