// The skin applier and the language buttons on the real window, offscreen, simulated mouse.

#include <gtest/gtest.h>

#include "shell/window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QRadioButton>
#include <QTest>

#include "device/simulated_mouse.h"
#include "shell/main_window_view.h"
#include "skin/skin_table.h"

namespace orvane {
namespace {

class SkinLanguageTest : public testing::WindowTest {
 protected:
  // A table over the shipped language 1 whose own keys win.
  static SkinTable Over(const char* own) {
    return SkinTable(IniFile::Parse(own), "t", LoadLayoutTable("org1"), "org1");
  }
  static QString Text(int language, int id) {
    return QString::fromStdString(LanguageSet::LoadBuiltIn().Table(language).Text(id));
  }
};

TEST_F(SkinLanguageTest, PlacesEveryFamilyByItsRule) {
  ASSERT_TRUE(window->ApplySkinSet(1, Over("[t]\n"
                                          "Btn_Space_F=12\nBtn_Space_B=5\n"
                                          "Btn_B1_X=40\nBtn_B1_Y=100\n"
                                          "Btn_B11_X=30\nBtn_B11_Y=400\n"
                                          "Btn_A2_X=500\nBtn_A2_Y=600\n"
                                          "Key2_X=300\nKey2_Y=200\n"
                                          "P1_X=250\nP1_Y=140\n")));
  struct Case {
    const char* control;
    QRect geometry;
  };
  const Case cases[] = {
      {"Img_Main_3", {40, 100, 121, 30}},       // the picture keeps its own size
      {"Btn_Main_3", {52, 100, 104, 30}},       // B group: 12 in, 12 + 5 narrower
      {"Img_Confirm1_2", {500, 600, 101, 30}},  // A group: the label covers the picture
      {"Btn_Confirm1_2", {500, 600, 101, 30}},
      {"Img_Key4", {300, 200, 180, 30}},        // skin key 2 drives caption 4
      {"Key4", {300, 200, 180, 30}},
      {"Img_P1", {250, 140, 680, 380}},
      {"Btn_Engineer_1", {42, 400, 104, 30}},   // at the last B place read (B12 is hidden)
      {"Img_Web_5", {9400, 16, 200, 66}},       // from the global table
      {"Btn_Web_5", {9400, 16, 200, 66}},
  };
  for (const Case& c : cases) EXPECT_EQ(Geometry(c.control), c.geometry) << c.control;
  EXPECT_FALSE(Shown("Btn_Engineer_1"));
  EXPECT_FALSE(Shown("Img_Engineer_1"));
}

TEST_F(SkinLanguageTest, AHiddenItemIsNeitherShownNorPlaced) {
  const QRect before = Geometry("Img_Breath_2");
  // The place of a hidden item is never read, so a broken one does no harm.
  ASSERT_TRUE(window->ApplySkinSet(1, Over("[t]\nBtn_B5_Enable=0\nBtn_B5_X=left\nKey12_Enable=2\n")));
  for (const char* name : {"Img_Breath_2", "Btn_Breath_2", "Btn_Breath_5", "Img_Key12", "Key12"})
    EXPECT_FALSE(Shown(name)) << name;
  EXPECT_EQ(Geometry("Img_Breath_2"), before);
  ASSERT_TRUE(window->ApplySkinSet(1, Over("[t]\n")));
  EXPECT_TRUE(Shown("Btn_Breath_5"));
}

TEST_F(SkinLanguageTest, AMalformedTableShowsTheErrorAndKeepsTheLook) {
  const QRect main = Geometry("Btn_Main_1");
  const QString caption = Caption("Btn_Main_1");
  const QFont font = Find("Btn_Main_1")->font();
  struct Case {
    const char* table;
    const char* message;
  };
  const Case cases[] = {
      // Group B is valid and would move the buttons, but group C stops the whole set.
      {"[t]\nBtn_B1_X=90\nSize_B=20\nSize_C=abc\n", "'abc' is not a valid integer value"},
      {"[t]\nBtn_B1_Enable=1\nBtn_B1_X=\n", "'' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    dialogs.shown.clear();
    EXPECT_FALSE(window->ApplySkinSet(2, Over(c.table))) << c.table;
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].toStdString(), c.message);
    EXPECT_EQ(Geometry("Btn_Main_1"), main);
    EXPECT_EQ(Caption("Btn_Main_1"), caption);
    EXPECT_EQ(Find("Btn_Main_1")->font(), font);
    EXPECT_EQ(Picture("Img_Base_1"), "L1_BackGround");
  }
  // A table without language 1 behind it lacks the first key the applier reads.
  dialogs.shown.clear();
  EXPECT_FALSE(window->ApplySkinSet(3, SkinTable(IniFile::Parse("[t]\n"), "t")));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0], "'' is not a valid integer value");
}

TEST_F(SkinLanguageTest, ALanguageButtonRebuildsTheWindowAndKeepsThePage) {
  ReadMouse();
  QTest::mouseClick(Find("Btn_Adv_1"), Qt::LeftButton);
  ASSERT_EQ(window->CurrentPage(), 2);
  struct Case {
    int language;
    const char* background;  // skin 3 has only placeholders and shows language 1's artwork
    const char* pagePicture;
    const char* font;
    std::array<bool, 3> languageButtons;
  };
  const Case cases[] = {
      {3, "L1_BackGround", "L1_Back2", "Liberation Sans Narrow", {true, false, true}},
      {2, "L2_BackGround", "L2_Back2", "Carlito", {true, true, false}},
      {1, "L1_BackGround", "L1_Back2", "Carlito", {false, false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    window->OnMainAction(static_cast<MainAction>(static_cast<int>(MainAction::kLanguage1) + c.language - 1));
    EXPECT_EQ(window->LanguageIndex(), c.language);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window->CurrentPage(), 2);
    EXPECT_TRUE(Find("gbPage2")->isVisible());
    EXPECT_TRUE(Find<QRadioButton>("rb_4")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(QString("rb_Lang%1").arg(c.language))->isChecked());
    EXPECT_FALSE(Find("Disable_All_1")->isVisible());
    EXPECT_EQ(Picture("Img_Base_4"), c.background);
    EXPECT_EQ(Picture("Img_P2"), c.pagePicture);
    EXPECT_EQ(window->size(), QSize(1030, 662));
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(Shown(QString("Btn_Lang%1_2").arg(n)), c.languageButtons[n - 1]) << n;
      EXPECT_EQ(Picture(QString("Img_Lang%1_5").arg(n)), n == c.language ? "SetS_03" : "SetS_01");
    }
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(Caption(QString("Btn_Main_%1").arg(k)), Text(c.language, 4));
    EXPECT_EQ(Caption("Btn_Confirm3_1"), Text(c.language, 16));
    EXPECT_EQ(Find("Btn_Save_3")->font().family(), c.font);
    EXPECT_EQ(Find("Key5")->font().family(), c.font);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(),
              QString::fromStdString(LanguageSet::LoadBuiltIn().Table(c.language).Title()));
  }
}

TEST_F(SkinLanguageTest, KeyCaptionsThatAreTableTextsFollowTheLanguage) {
  // Factory image 1: button 1 is the left key; button 12 gets a caption no table holds.
  Find<CaptionLabel>("Key12")->setText("Sniper burst");
  window->OnMainAction(MainAction::kLanguage3);
  EXPECT_EQ(Caption("Key1"), Text(3, 210));
  EXPECT_EQ(Caption("Key12"), "Sniper burst");
  window->OnMainAction(MainAction::kLanguage1);
  EXPECT_EQ(Caption("Key1"), Text(1, 210));
  EXPECT_EQ(Caption("Key1"), QString::fromUtf8("Левая кнопка"));
}

TEST_F(SkinLanguageTest, NoShownCaptionIsClippedInAnyLanguage) {
  const QString shots = qEnvironmentVariable("ORVANE_SKIN_SHOTS");
  for (int language : {1, 2, 3}) {
    window->OnMainAction(static_cast<MainAction>(static_cast<int>(MainAction::kLanguage1) + language - 1));
    for (CaptionLabel* caption : window->findChildren<CaptionLabel*>()) {
      if (caption->isHidden() || caption->text().isEmpty()) continue;
      const int needed = QFontMetrics(caption->font()).horizontalAdvance(caption->text());
      EXPECT_LE(needed, caption->width()) << language << " " << caption->objectName().toStdString()
                                          << " " << caption->text().toStdString();
    }
    if (!shots.isEmpty()) window->grab().save(QDir(shots).filePath(QString("skin%1.png").arg(language)));
  }
}

TEST_F(SkinLanguageTest, TheHoveredMainButtonShowsItsCaptionAsHint) {
  QLabel* hint = Find<QLabel>("lbl_Content");
  QWidget* button = Find("Btn_Macro_1");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(hint->text(), Text(1, 14));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_EQ(hint->text(), "");
  window->OnMainAction(MainAction::kLanguage3);
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(hint->text(), "Macro");
}

}  // namespace
}  // namespace orvane
