#include "skin/pictures/skin_pictures.h"

#include <QGuiApplication>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane {
namespace {

// QPixmap needs a GUI application for the whole run.
class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "skin_ui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

const auto* const kGui = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

struct Expected {
  const char* name;
  int width;
  int height;
};

// The picture set the skin relies on, by name and size.
constexpr Expected kExpected[] = {
    {"L1_BackGround", 1030, 662}, {"L2_BackGround", 1030, 662},
    {"L1_Back1", 680, 380}, {"L1_Back2", 850, 374}, {"L1_Back3", 800, 374},
    {"L1_Back4", 850, 374}, {"L1_Back5", 720, 650},
    {"L2_Back1", 680, 380}, {"L2_Back2", 850, 374}, {"L2_Back3", 800, 374},
    {"L2_Back4", 850, 374}, {"L2_Back5", 720, 650},
    {"L3_BackGround", 23, 4}, {"L3_Back1", 23, 4}, {"L3_Back2", 23, 4}, {"L3_Back3", 23, 4},
    {"L3_Back4", 23, 4}, {"L3_Back5", 23, 4},
    {"SetS_01", 121, 30}, {"SetS_02", 121, 30}, {"SetS_03", 121, 30},
    {"BtnS_01", 101, 30}, {"BtnS_02", 101, 30}, {"BtnS_03", 101, 30},
    {"KeyS_01", 180, 30}, {"KeyS_02", 180, 30},
    {"ExitS_01", 20, 20}, {"ExitS_02", 20, 20}, {"ExitS_03", 20, 20},
    {"MiniS_01", 20, 20}, {"MiniS_02", 20, 20},
    {"WebS_01", 200, 66}, {"WebS_02", 200, 66}, {"WebS_03", 200, 66},
    {"MacroS_01", 90, 25}, {"MacroS_02", 90, 25}, {"MacroS_03", 90, 25},
    {"MacroBtnS_01", 50, 25}, {"MacroBtnS_02", 50, 25}, {"MacroBtnS_03", 50, 25},
    {"RdS_D", 15, 15}, {"RdS_E", 15, 15}, {"CbS_D", 16, 16}, {"CbS_E", 16, 16},
    {"Bar1_D", 26, 18}, {"Bar1_E", 26, 18}, {"Col_F", 18, 18},
    {"Gun1_01", 120, 56}, {"Gun2_01", 120, 56}, {"Gun3_01", 120, 56}, {"Gun4_01", 120, 56},
    {"Gun5_01", 120, 56}, {"Gun6_01", 120, 56}, {"Gun7_01", 120, 56},
    {"Gun1_02", 120, 56}, {"Gun2_02", 120, 56}, {"Gun3_02", 120, 56}, {"Gun4_02", 120, 56},
    {"Gun5_02", 120, 56}, {"Gun6_02", 120, 56}, {"Gun7_02", 120, 56},
    {"GunMode1", 42, 42}, {"GunMode2", 52, 52}, {"GunMode3", 42, 42}, {"GunMode4", 52, 52},
    {"GunMode5", 62, 62},
    {"InsertDelayBase", 207, 162}, {"InsertKeyBase", 207, 162}, {"InsertXYBase", 207, 162},
    {"Update", 540, 102}, {"Msg", 530, 200},
    {"Slider_Ruler", 25, 25}, {"Slider_Thumb", 25, 25},
};

constexpr QRgb kMaroon = qRgb(128, 0, 0);

bool IsKey(QRgb pixel) { return qAlpha(pixel) == 255 && (pixel & 0xFFFFFF) == (kMaroon & 0xFFFFFF); }

// Pixels of one kind (key colour or not) that a four-way flood fill from the seeds
// through pixels of that kind does not reach. For the key colour every border pixel of
// that kind is a seed as well.
int CountUnreached(const QImage& image, bool key, std::vector<QPoint> seeds) {
  const int w = image.width(), h = image.height();
  auto kind = [&](int x, int y) { return IsKey(image.pixel(x, y)) == key; };
  if (key) {
    for (int x = 0; x < w; ++x) seeds.insert(seeds.end(), {QPoint(x, 0), QPoint(x, h - 1)});
    for (int y = 0; y < h; ++y) seeds.insert(seeds.end(), {QPoint(0, y), QPoint(w - 1, y)});
  }
  std::vector<char> seen(size_t(w) * h, 0);
  std::vector<QPoint> todo;
  for (const QPoint s : seeds) {
    if (kind(s.x(), s.y()) && !seen[size_t(s.y()) * w + s.x()]) {
      seen[size_t(s.y()) * w + s.x()] = 1;
      todo.push_back(s);
    }
  }
  while (!todo.empty()) {
    const QPoint p = todo.back();
    todo.pop_back();
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint q = p + d;
      if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h) continue;
      char& mark = seen[size_t(q.y()) * w + q.x()];
      if (!mark && kind(q.x(), q.y())) {
        mark = 1;
        todo.push_back(q);
      }
    }
  }
  int unreached = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) unreached += kind(x, y) && !seen[size_t(y) * w + x];
  }
  return unreached;
}

QImage Load(const char* name) {
  return LoadSkinImage(QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32);
}

TEST(SkinPictures, EveryNameIsPresentAtItsSize) {
  QSet<QString> expectedNames;
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(e.name);
    expectedNames.insert(QString::fromLatin1(e.name));
    const QImage image = Load(e.name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(e.width, e.height));
  }
  const QStringList names = SkinPictureNames();
  const QSet<QString> listed(names.begin(), names.end());
  EXPECT_EQ(listed, expectedNames);
  EXPECT_EQ(names.size(), listed.size()) << "a name is listed twice";
}

TEST(SkinPictures, LookupIgnoresLetterCase) {
  const struct {
    const char* asked;
    const char* stored;
  } kCases[] = {
      {"sets_01", "SetS_01"}, {"SETS_03", "SetS_03"}, {"l1_background", "L1_BackGround"},
      {"GUNMODE5", "GunMode5"}, {"insertxybase", "InsertXYBase"}, {"col_f", "Col_F"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.asked);
    const QImage asked = Load(c.asked);
    ASSERT_FALSE(asked.isNull());
    EXPECT_EQ(asked, Load(c.stored));
    EXPECT_EQ(LoadSkinPicture(QString::fromLatin1(c.asked)).size(), asked.size());
  }
}

TEST(SkinPictures, UnknownNamesGiveNullPictures) {
  for (const char* name : {"", "SetS_04", "SetS_0", "SetS_01.png", "skin/SetS_01", "L4_BackGround",
                           " SetS_01", "WaitGif"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(LoadSkinImage(QString::fromLatin1(name)).isNull());
    EXPECT_TRUE(LoadSkinPicture(QString::fromLatin1(name)).isNull());
  }
}

// The background's maroon pixels become transparent and cut the window's shape: the
// window must be one solid piece with maroon only around it, never a hole inside.
TEST(SkinPictures, BackgroundIsMaroonOnlyOutsideTheOutline) {
  for (const char* name : {"L1_BackGround", "L2_BackGround"}) {
    SCOPED_TRACE(name);
    const QImage image = Load(name);
    ASSERT_EQ(image.size(), QSize(1030, 662));
    const int w = image.width(), h = image.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
      EXPECT_TRUE(IsKey(image.pixel(corner))) << corner.x() << "," << corner.y();
    }
    const QRect centre(60, 60, w - 120, h - 120);
    int keyInCentre = 0;
    for (int y = centre.top(); y <= centre.bottom(); ++y) {
      for (int x = centre.left(); x <= centre.right(); ++x) keyInCentre += IsKey(image.pixel(x, y));
    }
    EXPECT_EQ(keyInCentre, 0);

    // Maroon pixels all connect to the border (no hole in the window), and the window's
    // pixels all connect to its centre (one piece).
    EXPECT_EQ(CountUnreached(image, true, {}), 0);
    EXPECT_EQ(CountUnreached(image, false, {QPoint(w / 2, h / 2)}), 0);
    // Fully opaque, so the shape depends on the colour alone.
    for (int y = 0; y < h; y += 7) {
      for (int x = 0; x < w; x += 7) ASSERT_EQ(qAlpha(image.pixel(x, y)), 255);
    }
  }
}

TEST(SkinPictures, NoOtherPictureHoldsTheKeyColour) {
  for (const Expected& e : kExpected) {
    const std::string name = e.name;
    if (name == "L1_BackGround" || name == "L2_BackGround") continue;
    SCOPED_TRACE(name);
    const QImage image = Load(e.name);
    int keyPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) keyPixels += IsKey(image.pixel(x, y));
    }
    EXPECT_EQ(keyPixels, 0);
  }
}

// The swatch frame lies over a colour swatch: its middle must let the colour through.
TEST(SkinPictures, SwatchFrameIsClearInTheMiddle) {
  const QImage frame = Load("Col_F");
  ASSERT_FALSE(frame.isNull());
  for (int y = 6; y < 12; ++y) {
    for (int x = 6; x < 12; ++x) EXPECT_EQ(qAlpha(frame.pixel(x, y)), 0) << x << "," << y;
  }
  EXPECT_EQ(qAlpha(frame.pixel(9, 0)), 255);
  EXPECT_EQ(qAlpha(frame.pixel(17, 9)), 255);
}

// The slider track is repeated along the slider: its two ends must meet without a seam.
TEST(SkinPictures, SliderTrackTiles) {
  const QImage ruler = Load("Slider_Ruler");
  ASSERT_FALSE(ruler.isNull());
  int opaque = 0;
  for (int y = 0; y < ruler.height(); ++y) {
    EXPECT_EQ(ruler.pixel(0, y), ruler.pixel(ruler.width() - 1, y)) << "row " << y;
    opaque += qAlpha(ruler.pixel(0, y)) > 0;
  }
  EXPECT_GT(opaque, 0) << "the track is not drawn at its ends";
}

TEST(SkinPictures, BusyAnimationLoops) {
  const std::vector<QImage> frames = LoadBusyFrames();
  ASSERT_GE(frames.size(), 4u);
  EXPECT_EQ(frames.size(), size_t(kBusyFrameCount));
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    const QImage frame = frames[i].convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(frame.size(), QSize(200, 192));
    // Only the spinner shows: the corners are clear, the middle is drawn.
    EXPECT_EQ(qAlpha(frame.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(frame.pixel(199, 191)), 0);
    EXPECT_EQ(qAlpha(frame.pixel(100, 96)), 255);
    // Every frame moves on from the one before, the last one included.
    const QImage& next = frames[(i + 1) % frames.size()];
    EXPECT_NE(frames[i], next);
  }
  EXPECT_GT(kBusyFrameIntervalMs, 0);
}

}  // namespace
}  // namespace orvane
