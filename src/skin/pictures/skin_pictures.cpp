#include "skin/pictures/skin_pictures.h"

#include <QDir>

// The pictures live in a static library; registering them by hand keeps the linker from
// dropping them.
static void RegisterSkinPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(skin_pictures);
    return true;
  }();
  (void)registered;
}

namespace orvane {
namespace {

const QString kSkinFolder = QStringLiteral(":/orvane/skin");

}  // namespace

QStringList SkinPictureNames() {
  RegisterSkinPictures();
  return QDir(kSkinFolder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QImage LoadSkinImage(QStringView name) {
  RegisterSkinPictures();
  if (name.isEmpty()) return {};
  for (const QString& known : SkinPictureNames()) {
    if (name.compare(known, Qt::CaseInsensitive) == 0) {
      return QImage(kSkinFolder + QLatin1Char('/') + known, "PNG");
    }
  }
  return {};
}

QPixmap LoadSkinPicture(QStringView name) {
  const QImage image = LoadSkinImage(name);
  return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

std::vector<QImage> LoadBusyFrames() {
  RegisterSkinPictures();
  const QImage strip(QStringLiteral(":/orvane/busy/frames"), "PNG");
  std::vector<QImage> frames;
  if (strip.height() != kBusyFrameSize.height()) return frames;
  for (int x = 0; x + kBusyFrameSize.width() <= strip.width(); x += kBusyFrameSize.width()) {
    frames.push_back(strip.copy(QRect(QPoint(x, 0), kBusyFrameSize)));
  }
  return frames;
}

}  // namespace orvane
