// The main window offscreen on the simulated mouse with a virtual clock.

#include <gtest/gtest.h>

#include "shell/window_fixture.h"
#include "skin/term_table.h"

#include <QApplication>
#include <QDir>
#include <map>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "device/simulated_mouse.h"
#include "device/tracing_backend.h"
#include "shell/main_window_view.h"

namespace orvane {
namespace {

class MainWindowTest : public testing::WindowTest {
 protected:
  std::vector<std::string> ConfigWrites() const {
    std::vector<std::string> out;
    for (const TraceEntry& e : stack->Tracer()->Entries())
      if (e.kind == 'S' && e.bytes[0] == 0x40 && e.bytes[1] == 0x05) out.push_back(FormatTraceEntry(e));
    return out;
  }

  // Message Str022 in language 1, the language every start begins with.
  static QString NotFound() { return QString::fromStdString(LanguageSet::LoadBuiltIn().Table(1).Text(22)); }
};

TEST_F(MainWindowTest, StartsOnTheNoDeviceDisplayBehindTheBlockers) {
  EXPECT_EQ(window->objectName(), "TForm1");
  EXPECT_EQ(window->size(), QSize(1030, 662));
  EXPECT_TRUE(window->NoDeviceShown());
  EXPECT_TRUE(Find("Disable_All_1")->isVisible());
  EXPECT_TRUE(Find("gbPage1")->isVisible());
  EXPECT_FALSE(Find("gbPage2")->isVisible());
  EXPECT_EQ(Picture("Img_Main_1"), "SetS_03");
  EXPECT_EQ(Picture("Img_Switch_3"), "SetS_01");
  // Factory image 1 is shown: button 1 of profile 1 is the left key.
  EXPECT_EQ(Caption("Key1"), QString::fromUtf8("Левая кнопка"));
  EXPECT_EQ(Caption("Btn_Main_2"), QString::fromUtf8("Офисный режим"));
  EXPECT_TRUE(stack->Tracer()->Entries().empty());
}

TEST_F(MainWindowTest, TheFirstTickReadsTheMouseAndReleasesTheWindow) {
  ReadMouse();
  EXPECT_FALSE(window->NoDeviceShown());
  EXPECT_FALSE(Find("Disable_All_1")->isVisible());
  EXPECT_FALSE(window->Services().session.Refreshing());
  EXPECT_FALSE(window->Busy().isVisible());
}

TEST_F(MainWindowTest, GameModeWritesTheUserSectionAndShowsProfileTwo) {
  ReadMouse();
  stack->Tracer()->Clear();
  Click("Btn_Switch_1");  // the shipped layout has GD_Enable on and BE_Enable off
  EXPECT_EQ(ConfigWrites(), (std::vector<std::string>{
                                "S 40 05 00 A4 01 00 00 01", "S 40 05 00 A7 04 00 00 01",
                                "S 40 05 00 A8 0F 00 00 01", "S 40 05 00 A9 00 00 00 01",
                                "S 40 05 00 AA 18 00 00 01"}));
  EXPECT_TRUE(Find<QRadioButton>("rb_2")->isChecked());
  EXPECT_EQ(Picture("Img_Switch_4"), "SetS_03");
  EXPECT_EQ(Picture("Img_Main_4"), "SetS_01");
  EXPECT_EQ(window->Services().session.State().ImageMirror[164], 0xF1);
}

TEST_F(MainWindowTest, PageButtonsNeedAMouse) {
  Click("Btn_Adv_1");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0], NotFound());
  EXPECT_EQ(window->CurrentPage(), 1);
}

TEST_F(MainWindowTest, PageButtonsSwitchPagesOnceTheMouseIsRead) {
  ReadMouse();
  Click("Btn_Adv_2");
  EXPECT_EQ(window->CurrentPage(), 2);
  EXPECT_TRUE(Find("gbPage2")->isVisible());
  EXPECT_FALSE(Find("gbPage1")->isVisible());
  EXPECT_TRUE(Find<QRadioButton>("rb_4")->isChecked());
  EXPECT_EQ(Picture("Img_Adv_3"), "SetS_03");
  window->OnMainAction(MainAction::kEngineerPage);
  EXPECT_EQ(window->size(), QSize(1256, 680));
}

TEST_F(MainWindowTest, TheMouseOwnProfileKeyShowsTheOtherMode) {
  ReadMouse();
  ASSERT_TRUE(stack->Sim()->PressProfileKey());
  // The status reader posts the refresh; let it arrive.
  for (int i = 0; i < 200 && !Find<QRadioButton>("rb_2")->isChecked(); ++i) {
    QTest::qWait(10);
  }
  EXPECT_TRUE(Find<QRadioButton>("rb_2")->isChecked());
  EXPECT_EQ(Picture("Img_Switch_1"), "SetS_03");
}

TEST_F(MainWindowTest, UnplugForgetsTheMouse) {
  ReadMouse();
  stack->Sim()->Unplug();
  window->Watch().DevTimerTimer();
  EXPECT_FALSE(window->Services().transport.DeviceOpen());
  Click("Btn_Breath_1");
  EXPECT_EQ(dialogs.shown.back(), NotFound());
}

TEST_F(MainWindowTest, ModeButtonsLayOutTheFunctionMenus) {
  // Stand-ins for the function menu's controls, found by name as the menus will be.
  std::map<QString, QWidget*> menu;
  for (const char* name : {"Pnl_Main", "Pnl_Special", "Key_BtnEFT", "Key_FireMacroKey",
                           "Key_Profile1", "Key_Profile2", "IB_ComboKey8"}) {
    auto* w = new QWidget(window.get());
    w->setObjectName(name);
    w->setGeometry(0, 50, 100, 20);
    menu[name] = w;
  }
  ReadMouse();
  Click("Btn_Switch_1");  // GD on, BE off in the shipped layout
  EXPECT_EQ(menu["Pnl_Main"]->height(), 194);
  EXPECT_EQ(menu["Pnl_Special"]->height(), 290);
  EXPECT_EQ(menu["Key_BtnEFT"]->y(), 289);
  EXPECT_EQ(menu["Key_FireMacroKey"]->y(), 217);
  EXPECT_FALSE(menu["Key_Profile1"]->isHidden());
  EXPECT_TRUE(menu["Key_Profile2"]->isHidden());
  Click("Btn_Main_1");
  EXPECT_EQ(menu["Pnl_Main"]->height(), 170);
  EXPECT_EQ(menu["Pnl_Special"]->height(), 218);
  EXPECT_TRUE(menu["Key_Profile1"]->isHidden());
  EXPECT_FALSE(menu["Key_Profile2"]->isHidden());
  EXPECT_EQ(menu["Key_Profile2"]->y(), 1);
  EXPECT_TRUE(menu["IB_ComboKey8"]->isHidden());
}

TEST_F(MainWindowTest, EngineerPageButtonsServeTheSameHandlers) {
  ReadMouse();
  window->OpenEngineerPage();
  // Captions follow the system's locale, through the term table.
  const int terms = TermLanguageForLocale(LocaleNameFromEnvironment());
  EXPECT_EQ(Find<QPushButton>("Btn_Main_6")->text().toStdString(), *FindTerm(0, terms));
  EXPECT_EQ(Find<QPushButton>("Btn_Save_6")->text().toStdString(), *FindTerm(9, terms));
  stack->Tracer()->Clear();
  Find<QPushButton>("Btn_Switch_6")->click();
  EXPECT_EQ(window->CurrentPage(), 1);
  EXPECT_TRUE(Find<QRadioButton>("rb_2")->isChecked());
  EXPECT_EQ(ConfigWrites().size(), 5u);
  Find<QPushButton>("Btn_Adv_6")->click();
  EXPECT_EQ(window->CurrentPage(), 2);
}

TEST_F(MainWindowTest, BlockersLieOverEveryControlUntilTheFirstRead) {
  for (const char* name : {"Btn_Adv_1", "Key1", "Btn_Main_1", "Btn_Confirm1_1"}) {
    QWidget* control = Find(name);
    const QPoint centre = control->mapTo(window.get(), control->rect().center());
    EXPECT_EQ(window->childAt(centre), Find("Disable_All_1")) << name;
  }
  ReadMouse();
  QWidget* control = Find("Btn_Adv_1");
  EXPECT_EQ(window->childAt(control->mapTo(window.get(), control->rect().center())), control);
}

TEST_F(MainWindowTest, SaveProfileWritesTheChosenFileOnce) {
  ReadMouse();
  const QString folder = QDir::tempPath() + QString("/orvane-save-%1").arg(QCoreApplication::applicationPid());
  QDir().mkpath(folder);
  struct Case {
    QString chosen, written;
  } cases[] = {{folder + "/one", folder + "/one.bin"}, {folder + "/two.bin", folder + "/two.bin"}};
  for (const Case& c : cases) {
    dialogs.answers.push_back({true, c.chosen});
    Click("Btn_Save_1");
    QFile file(c.written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.written.toStdString();
    const QByteArray bytes = file.readAll();
    const Image mouse = stack->Sim()->Image();
    EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char*>(mouse.data()), 2048));
  }
  EXPECT_FALSE(QFile::exists(folder + "/two.bin.bin"));
  QDir(folder).removeRecursively();
}

TEST_F(MainWindowTest, LoadProfileSendsTheFileAndReadsTheMouseAgain) {
  ReadMouse();
  const QString path = QDir::tempPath() + QString("/orvane-load-%1.bin").arg(QCoreApplication::applicationPid());
  Image file = stack->Sim()->Image();
  file[170] = 0x18;  // a changed offset value
  file[191] = 0;     // and a user checksum that no longer fits: sent as it is
  {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(reinterpret_cast<const char*>(file.data()), 2048);
  }
  const int reads = window->Services().session.FullReadCount();
  dialogs.answers.push_back({true, path});
  Click("Btn_Load_1");
  EXPECT_EQ(stack->Sim()->Image(), file);
  EXPECT_EQ(window->Services().session.FullReadCount(), reads + 1);
  EXPECT_TRUE(window->Services().session.LastRepairs().user);
  // Cancelling the dialog sends nothing.
  stack->Tracer()->Clear();
  dialogs.answers.push_back({false, QString()});
  Click("Btn_Load_1");
  EXPECT_TRUE(stack->Tracer()->Entries().empty());
  QFile::remove(path);
}

}  // namespace
}  // namespace orvane
