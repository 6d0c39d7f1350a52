#include "skin/pictures/skin_pictures.h"

#include <QImageReader>
#include <QPixmapCache>

#include <QDir>
#include <QHash>

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

// The resource path of every picture by its lower-cased name, and its size, read once from
// the built-in set (which never changes while the program runs).
struct PictureIndex {
  QHash<QString, QString> paths;
  QHash<QString, QSize> sizes;
};

const PictureIndex& Index() {
  static const PictureIndex index = [] {
    RegisterSkinPictures();
    PictureIndex built;
    for (const QString& name : QDir(kSkinFolder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
      const QString path = kSkinFolder + QLatin1Char('/') + name;
      built.paths.insert(name.toLower(), path);
      built.sizes.insert(name.toLower(), QImageReader(path, "PNG").size());  // header only
    }
    return built;
  }();
  return index;
}

}  // namespace

QStringList SkinPictureNames() {
  RegisterSkinPictures();
  return QDir(kSkinFolder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QImage LoadSkinImage(QStringView name) {
  const auto path = Index().paths.constFind(name.toString().toLower());
  if (path == Index().paths.constEnd()) return {};
  return QImage(*path, "PNG");
}

QSize SkinPictureSize(QStringView name) {
  return Index().sizes.value(name.toString().toLower());
}

namespace {
// Every picture is decoded once: the window asks for the same ones on every page switch,
// hover and language change. Qt's pixmap cache keeps them.
QString CacheKey(QStringView name) { return QStringLiteral("orvane-skin:") + name.toString().toLower(); }

void Keep(const QString& key, const QPixmap& pixmap) {
  static constexpr int kCacheKilobytes = 64 * 1024;  // the whole set fits
  if (QPixmapCache::cacheLimit() < kCacheKilobytes) QPixmapCache::setCacheLimit(kCacheKilobytes);
  QPixmapCache::insert(key, pixmap);
}
}  // namespace

QPixmap LoadSkinPicture(QStringView name) {
  const QString key = CacheKey(name);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  const QImage image = LoadSkinImage(name);
  if (image.isNull()) return {};
  pixmap = QPixmap::fromImage(image);
  Keep(key, pixmap);
  return pixmap;
}

std::vector<std::pair<QString, QImage>> DecodeSkinPictures(const QStringList& names) {
  std::vector<std::pair<QString, QImage>> decoded;
  for (const QString& name : names) decoded.emplace_back(name, LoadSkinImage(name));
  return decoded;
}

void KeepSkinPictures(const std::vector<std::pair<QString, QImage>>& decoded) {
  for (const auto& [name, image] : decoded)
    if (!image.isNull()) Keep(CacheKey(name), QPixmap::fromImage(image));
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
