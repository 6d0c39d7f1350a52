// Draws the skin picture set into a folder as PNG files together with the Qt resource
// list that embeds them:
//   picture_generator OUTDIR [--sheet FILE.png]
#include "skin/pictures/busy_frames.h"
#include "skin/pictures/contact_sheet.h"
#include "skin/pictures/paint_kit.h"
#include "skin/pictures/picture_catalogue.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace {

using namespace orvane;

bool Fail(const QString& message) {
  std::fprintf(stderr, "picture_generator: %s\n", qPrintable(message));
  return false;
}

bool WritePicture(const QImage& image, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
    return Fail(QStringLiteral("cannot write %1").arg(path));
  }
  return true;
}

QImage BusyStrip(const std::vector<QImage>& frames) {
  QImage strip(kBusyFrameSize.width() * int(frames.size()), kBusyFrameSize.height(),
               QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  for (size_t i = 0; i < frames.size(); ++i) {
    p.drawImage(QPoint(int(i) * kBusyFrameSize.width(), 0), frames[i]);
  }
  p.end();
  return strip;
}

bool Generate(const QString& outDir, const QString& sheetPath) {
  if (!QDir().mkpath(outDir + QStringLiteral("/skin")) || !QDir().mkpath(outDir + QStringLiteral("/busy"))) {
    return Fail(QStringLiteral("cannot create %1").arg(outDir));
  }
  QString qrc;
  QTextStream out(&qrc);
  out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/orvane\">\n";

  std::vector<NamedPicture> drawn;
  QSet<QString> seen;
  for (const PictureSpec& spec : SkinPictureCatalogue()) {
    if (seen.contains(spec.name.toLower())) return Fail(QStringLiteral("duplicate name %1").arg(spec.name));
    seen.insert(spec.name.toLower());
    QImage image = spec.draw(spec.size);
    if (image.size() != spec.size) {
      return Fail(QStringLiteral("%1 drawn at %2 x %3, expected %4 x %5").arg(spec.name)
                      .arg(image.width()).arg(image.height()).arg(spec.size.width()).arg(spec.size.height()));
    }
    // Only a window background may hold the key colour, outside its outline.
    if (!spec.name.endsWith(QLatin1String("_BackGround"))) paint::AvoidKeyColour(image);
    const QString file = QStringLiteral("skin/%1.png").arg(spec.name);
    if (!WritePicture(image, outDir + QLatin1Char('/') + file)) return false;
    out << "  <file alias=\"skin/" << spec.name << "\">" << file << "</file>\n";
    drawn.push_back({spec.name, image});
  }

  const std::vector<QImage> frames = DrawBusyFrames();
  const QImage strip = BusyStrip(frames);
  if (!WritePicture(strip, outDir + QStringLiteral("/busy/frames.png"))) return false;
  out << "  <file alias=\"busy/frames\">busy/frames.png</file>\n";
  out << "</qresource>\n</RCC>\n";
  out.flush();

  QSaveFile list(outDir + QStringLiteral("/skin_pictures.qrc"));
  if (!list.open(QIODevice::WriteOnly) || list.write(qrc.toUtf8()) < 0 || !list.commit()) {
    return Fail(QStringLiteral("cannot write the resource list"));
  }

  if (!sheetPath.isEmpty()) {
    for (size_t i = 0; i < frames.size(); ++i) {
      drawn.push_back({QStringLiteral("busy %1").arg(i + 1), frames[i]});
    }
    if (!WritePicture(RenderContactSheet(drawn, 2200), sheetPath)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--sheet"))) {
    std::fprintf(stderr, "usage: picture_generator OUTDIR [--sheet FILE.png]\n");
    return 2;
  }
  return Generate(args[1], args.size() == 4 ? args[3] : QString()) ? 0 : 1;
}
