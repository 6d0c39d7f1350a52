// Hover looks and the scrolling caption, on the real window offscreen.

#include <gtest/gtest.h>

#include "shell/window_fixture.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include "shell/hover_effects_view.h"
#include "shell/main_window_view.h"
#include "skin/skin_table.h"

namespace orvane {
namespace {

class HoverTest : public testing::WindowTest {
 protected:
  HoverEffects& Hover() { return window->Hover(); }
  // The events the pointer gives a control, through whatever filters the window installed.
  void Enter(const QString& name) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(Find(name), &event);
  }
  void Leave(const QString& name) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(Find(name), &event);
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) Hover().LabelRunTimer();
  }
  QMap<QString, QString> AllPictures() const {
    QMap<QString, QString> out;
    for (PictureLabel* p : window->findChildren<PictureLabel*>()) out[p->objectName()] = p->Picture();
    return out;
  }
  // A caption over a picture, as later pages build them.
  void AddButton(int page, const QString& caption, const QString& picture, const QString& normal) {
    auto* p = new PictureLabel(window->Page(page), picture);
    p->SetPicture(normal);
    auto* c = new CaptionLabel(window->Page(page), caption);
    c->setGeometry(p->geometry());
  }
};

QStringList Copies(const QString& stem) {
  QStringList out;
  for (int k = 1; k <= 5; ++k) out << stem + QString::number(k);
  return out;
}

TEST_F(HoverTest, EnterAndLeaveChangeExactlyTheFamilysPictures) {
  AddButton(5, "Btn_Program", "Img_Program", "KeyS_01");
  AddButton(4, "Btn_SaveMacro", "Img_SaveMacro", "MacroS_01");
  AddButton(4, "Btn_FireCancel", "Img_FireCancel", "MacroBtnS_01");
  Hover().Attach();
  struct Case {
    const char* control;
    QStringList changed;
    const char* entered;
    const char* left;
  };
  const Case cases[] = {
      {"Btn_Confirm2_3", Copies("Img_Confirm2_"), "BtnS_02", "BtnS_01"},
      {"Btn_Switch_2", {"Img_Switch_2"}, "SetS_02", "SetS_01"},
      {"Btn_Load_5", {"Img_Load_5"}, "SetS_02", "SetS_01"},
      {"Key7", {"Img_Key7"}, "KeyS_02", "KeyS_01"},
      {"Key12", {"Img_Key12"}, "KeyS_02", "KeyS_01"},
      {"Btn_Lang3_4", {"Img_Lang3_4"}, "SetS_02", "SetS_01"},
      {"Btn_Program", {"Img_Program"}, "KeyS_02", "KeyS_01"},
      {"Btn_SaveMacro", {"Img_SaveMacro"}, "MacroS_02", "MacroS_01"},
      {"Btn_FireCancel", {"Img_FireCancel"}, "MacroBtnS_02", "MacroBtnS_01"},
      {"Btn_Exit_2", Copies("Img_Exit_"), "ExitS_02", "ExitS_01"},
      {"Btn_Mini_5", Copies("Img_Mini_"), "MiniS_02", "MiniS_01"},
      {"Btn_Web_1", Copies("Img_Web_"), "WebS_02", "WebS_01"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    const QMap<QString, QString> before = AllPictures();
    Enter(c.control);
    const QMap<QString, QString> hovered = AllPictures();
    QStringList changed;
    for (auto it = hovered.begin(); it != hovered.end(); ++it)
      if (before.value(it.key()) != it.value()) changed << it.key();
    changed.sort();
    QStringList expected = c.changed;
    expected.sort();
    EXPECT_EQ(changed, expected);
    for (const QString& name : c.changed) EXPECT_EQ(hovered.value(name), c.entered) << name.toStdString();
    Leave(c.control);
    for (const QString& name : c.changed) EXPECT_EQ(Picture(name), c.left) << name.toStdString();
  }
}

TEST_F(HoverTest, TheCurrentPageAndLanguageButtonsShowPressedAgainAfterALeave) {
  ReadMouse();
  QTest::mouseClick(Find("Btn_Breath_1"), Qt::LeftButton);
  ASSERT_EQ(window->CurrentPage(), 3);
  Enter("Btn_Breath_3");
  EXPECT_EQ(Picture("Img_Breath_3"), "SetS_02");
  Leave("Btn_Breath_3");
  for (const QString& name : Copies("Img_Breath_")) EXPECT_EQ(Picture(name), "SetS_03") << name.toStdString();
  Enter("Btn_Main_3");
  Leave("Btn_Main_3");
  EXPECT_EQ(Picture("Img_Main_3"), "SetS_01");
  EXPECT_EQ(Picture("Img_Breath_3"), "SetS_03");

  // Language buttons: the current language's button is pressed on every page and every
  // language caption reads its own text again.
  const QString lang3 = Caption("Btn_Lang3_2");
  Find<QLabel>("Btn_Lang3_2")->setText("stale");
  Enter("Btn_Lang2_3");
  Leave("Btn_Lang2_3");
  EXPECT_EQ(Picture("Img_Lang2_3"), "SetS_01");
  for (const QString& name : Copies("Img_Lang1_")) EXPECT_EQ(Picture(name), "SetS_03") << name.toStdString();
  EXPECT_EQ(Caption("Btn_Lang3_2"), lang3);
}

TEST_F(HoverTest, HoveredCaptionScrollsOnTheTimerAndComesBackOnLeave) {
  Hover().SetTrEnable(true);
  const QString text = Caption("Key1");
  ASSERT_GE(text.size(), 3);
  Enter("Key1");
  EXPECT_TRUE(Hover().LabelRun().isActive());
  EXPECT_EQ(Hover().LabelRun().interval(), 200);
  Ticks(1);
  EXPECT_EQ(Caption("Key1"), text.mid(1) + "    " + text.left(1));
  Ticks(1);
  EXPECT_EQ(Caption("Key1"), text.mid(2) + "    " + text.left(2));
  Leave("Key1");
  EXPECT_EQ(Caption("Key1"), text);
  EXPECT_FALSE(Hover().LabelRun().isActive());
  EXPECT_EQ(Picture("Img_Key1"), "KeyS_01");
}

TEST_F(HoverTest, ScrollingKeepsRotatingPastTheCounterWrap) {
  Hover().SetTrEnable(true);
  Enter("Btn_Main_2");
  Ticks(1);
  const QString first = Caption("Btn_Main_2");
  for (int tick = 2; tick <= 30; ++tick) {
    Ticks(1);
    const int shift = (tick - 1) % static_cast<int>(first.size());
    EXPECT_EQ(Caption("Btn_Main_2"), first.mid(shift) + first.left(shift)) << "tick " << tick;
  }
}

TEST_F(HoverTest, CaptionsStayStillWithoutTheLayoutSwitchOrWhenDisabled) {
  const QString text = Caption("Key3");
  Enter("Key3");
  Ticks(3);
  EXPECT_EQ(Caption("Key3"), text);
  EXPECT_EQ(Picture("Img_Key3"), "KeyS_02");
  Leave("Key3");

  Hover().SetTrEnable(true);
  Find("Key4")->setEnabled(false);
  Enter("Key4");
  EXPECT_EQ(Picture("Img_Key4"), "KeyS_02");
  EXPECT_FALSE(Hover().LabelRun().isActive());
}

TEST_F(HoverTest, ScrollingNeverLosesACaption) {
  Hover().SetTrEnable(true);
  // The close button has no caption: nothing to scroll, nothing to break.
  Enter("Btn_Exit_1");
  Ticks(3);
  EXPECT_EQ(Caption("Btn_Exit_1"), "");
  Leave("Btn_Exit_1");

  // A second enter without a leave first gives the first caption its text back.
  const QString key5 = Caption("Key5");
  Enter("Key5");
  Ticks(2);
  Enter("Key6");
  EXPECT_EQ(Caption("Key5"), key5);
  EXPECT_EQ(Hover().HoveredName(), "Key6");
  Leave("Key6");

  // A caption renamed while it scrolls (a status refresh) keeps its new name.
  Enter("Key8");
  Ticks(2);
  Find<QLabel>("Key8")->setText("Renamed");
  Ticks(1);
  EXPECT_EQ(Caption("Key8"), QString("enamed    R"));
  Leave("Key8");
  EXPECT_EQ(Caption("Key8"), "Renamed");
  Find<QLabel>("Key8")->setText("Again");
  Enter("Key8");
  Ticks(1);
  Find<QLabel>("Key8")->setText("Renamed twice");
  Leave("Key8");
  EXPECT_EQ(Caption("Key8"), "Renamed twice");
}

TEST_F(HoverTest, StopCaptionScrollRestoresTheHoveredCaption) {
  Hover().SetTrEnable(true);
  const QString text = Caption("Key9");
  Enter("Key9");
  Ticks(4);
  Hover().StopCaptionScroll();
  EXPECT_EQ(Caption("Key9"), text);
  EXPECT_FALSE(Hover().LabelRun().isActive());
  EXPECT_EQ(Hover().HoveredName(), "");
}

TEST_F(HoverTest, PlainButtonsChangeColoursInsteadOfPictures) {
  auto* button = new QPushButton("Insert", window->Page(4));
  button->setObjectName("Btn_Insert");
  Hover().Attach();
  Hover().SetTrEnable(true);
  Enter("Btn_Insert");
  EXPECT_EQ(button->palette().color(QPalette::ButtonText), QColor(Qt::white));
  EXPECT_EQ(button->palette().color(QPalette::Button), QApplication::palette().color(QPalette::Highlight));
  EXPECT_FALSE(Hover().LabelRun().isActive());
  Leave("Btn_Insert");
  const SkinTable skin = SkinTable::Load(1);
  const std::uint32_t font = skin.Colour("Color_F_Font");
  const std::uint32_t back = skin.Colour("Color_F_Back");
  EXPECT_EQ(button->palette().color(QPalette::ButtonText),
            QColor(font & 0xFF, (font >> 8) & 0xFF, (font >> 16) & 0xFF));
  EXPECT_EQ(button->palette().color(QPalette::Button),
            QColor(back & 0xFF, (back >> 8) & 0xFF, (back >> 16) & 0xFF));
  EXPECT_EQ(button->text(), "Insert");
}

TEST_F(HoverTest, ControlsOutsideTheFamiliesAreLeftAlone) {
  // The engineer page's plain copies and the page pictures have no hover look.
  for (const char* name : {"Btn_Main_6", "Img_Main_1", "Key13", "Btn_Confirm4_1", "Btn_Exit_6", "Keyboard"})
    EXPECT_EQ(FindHoverFamily(name), nullptr) << name;
  const QMap<QString, QString> before = AllPictures();
  Enter("Img_Main_2");
  Leave("Img_Main_2");
  EXPECT_EQ(AllPictures(), before);
}

TEST_F(HoverTest, StartupPicturesFollowTheTableAndSkipMissingControls) {
  auto* gun1 = new PictureLabel(window->Page(6), "Img_Fire1");
  auto* gun4 = new PictureLabel(window->Page(6), "Img_Fire4");
  auto* mode5 = new PictureLabel(window->Page(6), "Img_GunMode5");
  ApplyStartupPictures(*window);
  EXPECT_EQ(gun1->Picture(), "Gun1_02");
  EXPECT_EQ(gun4->Picture(), "Gun4_01");
  EXPECT_EQ(mode5->Picture(), "GunMode5");
  for (const QString& name : Copies("Img_Main_")) EXPECT_EQ(Picture(name), "SetS_03");
  for (const QString& name : Copies("Img_Lang1_")) EXPECT_EQ(Picture(name), "SetS_03");
  for (const QString& name : Copies("Img_Lang2_")) EXPECT_EQ(Picture(name), "SetS_01");
  EXPECT_EQ(Picture("Img_Base_6"), "L1_BackGround");
  EXPECT_EQ(Picture("Img_P6"), "L1_Back5");
  EXPECT_EQ(Picture("Img_Key12"), "KeyS_01");
}

TEST_F(HoverTest, ThePointerMovingOntoACaptionHoversIt) {
  ReadMouse();
  QWidget* key = Find("Key2");
  ASSERT_TRUE(key->isVisible());
  QTest::mouseMove(window.get(), key->mapTo(window.get(), key->rect().center()));
  QTest::qWait(20);
  EXPECT_EQ(Picture("Img_Key2"), "KeyS_02");
  QWidget* main = Find("Btn_Adv_1");
  QTest::mouseMove(window.get(), main->mapTo(window.get(), main->rect().center()));
  QTest::qWait(20);
  EXPECT_EQ(Picture("Img_Key2"), "KeyS_01");
  EXPECT_EQ(Picture("Img_Adv_1"), "SetS_02");
}

}  // namespace
}  // namespace orvane
