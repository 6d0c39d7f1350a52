#include "skin/pictures/skin_pictures.h"

#include <QPixmapCache>

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
  // Every picture is decoded once: the window asks for the same ones on every page switch,
  // hover and language change. Qt's pixmap cache keeps them.
  static constexpr int kCacheKilobytes = 64 * 1024;  // the whole set fits
  if (QPixmapCache::cacheLimit() < kCacheKilobytes) QPixmapCache::setCacheLimit(kCacheKilobytes);
  const QString key = QStringLiteral("orvane-skin:") + name.toString().toLower();
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  const QImage image = LoadSkinImage(name);
  if (image.isNull()) return {};
  pixmap = QPixmap::fromImage(image);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
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
