// Window backgrounds of skins 1 and 2 and the tiny placeholders of skin 3.
#include "skin/pictures/paint_kit.h"
#include "skin/pictures/picture_catalogue.h"
#include "skin/pictures/window_frame.h"

#include <QtMath>

namespace orvane {
namespace {

using namespace paint;
using namespace frame;

enum class Texture { Hexagons, Stripes };

struct SkinLook {
  const char* prefix;
  Texture texture;
};

constexpr SkinLook kSkins[] = {{"L1", Texture::Hexagons}, {"L2", Texture::Stripes}};

void DrawTexture(QPainter& p, const QPainterPath& area, Texture texture) {
  p.save();
  p.setClipPath(area, Qt::IntersectClip);
  if (texture == Texture::Hexagons) {
    DrawHexGrid(p, area.boundingRect(), 14, QColor(255, 255, 255, 9));
  } else {
    DrawHatch(p, area, 6, QColor(255, 255, 255, 8));
  }
  // Light falls from the top centre.
  const QRectF r = area.boundingRect();
  QRadialGradient light(QPointF(r.center().x(), r.top()), r.width() * 0.6);
  light.setColorAt(0, QColor(120, 200, 255, 26));
  light.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(r, light);
  p.restore();
}

// Slim ribs at the sides of the header and the footer, a classic touch of gaming gear.
void DrawVents(QPainter& p, const QPointF& origin, int count, const QColor& colour) {
  p.save();
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF o = origin + QPointF(i * 7, 0);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPolygon(QPolygonF({o, o + QPointF(4, 0), o + QPointF(0, 12), o + QPointF(-4, 12)}));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({o + QPointF(4, 0), o + QPointF(5, 0), o + QPointF(1, 12), o + QPointF(0, 12)}));
  }
  p.restore();
}

void DrawCrest(QPainter& p, const SkinLook& look) {
  const Palette& c = Colours();
  const qreal m = kCrestCentre;
  // The raised crest at the top of the content column carries the wordmark.
  QPainterPath crest;
  crest.addPolygon(QPolygonF({QPointF(m - 152, 8), QPointF(m - 138, 2), QPointF(m + 138, 2),
                              QPointF(m + 152, 8), QPointF(m + 124, 46), QPointF(m - 124, 46)}));
  crest.closeSubpath();
  DrawPlate(p, crest, QColor(50, 56, 67), QColor(20, 23, 29));
  DrawHatch(p, crest, 4, QColor(255, 255, 255, 7));
  StrokeInside(p, crest, 2, 1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 90));
  QPainterPath underline;
  underline.moveTo(m - 108, 42);
  underline.lineTo(m + 108, 42);
  DrawGlow(p, underline, c.accent, 4);
  p.setPen(QPen(c.accent, 2));
  p.drawPath(underline);

  const QRectF wordmark(m - 136, 5, 272, 34);
  p.setFont(LogoFont(28, QFont::Black, 9));
  p.setPen(QColor(0, 0, 0, 180));
  p.drawText(wordmark.translated(0, 2), Qt::AlignCenter, QStringLiteral("ORVANE"));
  QLinearGradient metal(wordmark.topLeft(), wordmark.bottomLeft());
  metal.setColorAt(0, QColor(250, 252, 255));
  metal.setColorAt(0.55, QColor(190, 200, 214));
  metal.setColorAt(1, QColor(120, 200, 240));
  p.setPen(QPen(QBrush(metal), 1));
  p.drawText(wordmark, Qt::AlignCenter, QStringLiteral("ORVANE"));
  // The two skins differ in the crest's side marks.
  p.setPen(Qt::NoPen);
  p.setBrush(c.accent);
  if (look.texture == Texture::Hexagons) {
    for (qreal x : {m - 116, m + 116}) {
      p.drawPolygon(QPolygonF({QPointF(x, 20), QPointF(x + 6, 26), QPointF(x, 32), QPointF(x - 6, 26)}));
    }
  } else {
    for (qreal x : {m - 122, m + 110}) p.drawRect(QRectF(x, 24, 12, 3));
  }
}

void DrawHeader(QPainter& p, const QPainterPath& body, const SkinLook& look) {
  const Palette& c = Colours();
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  QLinearGradient band(QPointF(0, 0), QPointF(0, kHeader.bottom()));
  band.setColorAt(0, QColor(34, 38, 46));
  band.setColorAt(1, QColor(20, 23, 28));
  p.fillRect(QRect(kHeader.left(), 0, kWindowSize.width() - kHeader.left(), kHeader.bottom() + 1), band);
  DrawHatch(p, body, 5, QColor(255, 255, 255, 4));
  p.restore();
  // Glowing rule over the content, brightest under the crest.
  QLinearGradient rule(QPointF(kContent.left(), 0), QPointF(kContent.right(), 0));
  rule.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 30));
  rule.setColorAt(0.5, c.accent);
  rule.setColorAt(1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 30));
  p.fillRect(QRectF(kContent.left() + 20, kHeader.bottom() + 1, kContent.width() - 40, 1.5), rule);
  p.fillRect(QRectF(kContent.left() + 20, kHeader.bottom() + 2.5, kContent.width() - 40, 1), QColor(0, 0, 0, 160));

  DrawWell(p, ChamferRect(kWindowButtons, 6, 0, 6, 0));
  const QColor rib(c.steel.red(), c.steel.green(), c.steel.blue(), 200);
  DrawVents(p, QPointF(kCrestCentre - 230, 24), 8, rib);
  DrawVents(p, QPointF(kCrestCentre + 178, 24), 8, rib);
  DrawCrest(p, look);
}

// Emblem at the top of the sidebar: a ring with the arrow mark.
void DrawEmblem(QPainter& p) {
  const Palette& c = Colours();
  const QPointF m(kEmblemCentre);
  QRadialGradient halo(m, 44);
  halo.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 60));
  halo.setColorAt(1, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(m, 44, 44);
  QPainterPath disc;
  disc.addEllipse(m, 28, 28);
  DrawPlate(p, disc, QColor(52, 58, 70), QColor(16, 18, 23));
  QPainterPath ring;
  ring.addEllipse(m, 21, 21);
  DrawGlow(p, ring, c.accent, 3);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.accent, 2.5));
  p.drawPath(ring);
  p.setPen(Qt::NoPen);
  p.setBrush(c.accent);
  p.drawPolygon(QPolygonF({m + QPointF(0, -12), m + QPointF(11, 8), m + QPointF(-11, 8)}));
  p.setBrush(QColor(16, 20, 26));
  p.drawPolygon(QPolygonF({m + QPointF(0, -3), m + QPointF(5, 5), m + QPointF(-5, 5)}));
}

void DrawSidebar(QPainter& p, const SkinLook& look) {
  const Palette& c = Colours();
  const QPainterPath column = ChamferRect(kSidebar, 22, 0, 0, 22);
  DrawPlate(p, column, QColor(30, 34, 41), QColor(15, 17, 21));
  DrawTexture(p, column, look.texture);
  StrokeInside(p, column, 1, 1, c.steel);
  // Accent rail down the sidebar's right edge.
  QLinearGradient rail(QPointF(0, kSidebar.top()), QPointF(0, kSidebar.bottom()));
  rail.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 0));
  rail.setColorAt(0.25, c.accent);
  rail.setColorAt(0.75, c.accentDeep);
  rail.setColorAt(1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 0));
  p.fillRect(QRectF(kSidebar.right() - 3, kSidebar.top() + 24, 2, kSidebar.height() - 48), rail);
  DrawEmblem(p);
}

void DrawContent(QPainter& p, const SkinLook& look) {
  const Palette& c = Colours();
  const QPainterPath content = ChamferRect(kContent, 0, 18, 0, 18);
  DrawWell(p, content);
  DrawTexture(p, content, look.texture);
  StrokeInside(p, content, 3, 1, QColor(255, 255, 255, 10));
  DrawCornerTicks(p, QRectF(kContent).adjusted(4, 4, -4, -4), 16,
                  QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 160));
  // The free band under the pages, with a faint grid.
  const QRectF below(kContent.left(), kContent.bottom() + 8, kContent.width(), kStatusLine.top() - kContent.bottom() - 14);
  const QPainterPath lower = ChamferRect(below, 0, 0, 12, 0);
  DrawWell(p, lower);
  p.save();
  p.setClipPath(lower);
  p.setPen(QPen(QColor(255, 255, 255, 8), 1));
  for (qreal x = below.left() + 16; x < below.right(); x += 16) p.drawLine(QPointF(x, below.top()), QPointF(x, below.bottom()));
  for (qreal y = below.top() + 16; y < below.bottom(); y += 16) p.drawLine(QPointF(below.left(), y), QPointF(below.right(), y));
  p.restore();
}

void DrawFooter(QPainter& p) {
  const Palette& c = Colours();
  const QPainterPath status = ChamferRect(kStatusLine, 8, 0, 8, 0);
  DrawWell(p, status);
  // Status lamp at the start of the status line.
  const QPointF lamp(kStatusLine.left() + 14, kStatusLine.center().y() + 0.5);
  QRadialGradient glow(lamp, 7);
  glow.setColorAt(0, QColor(180, 240, 255));
  glow.setColorAt(0.35, c.accent);
  glow.setColorAt(1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(lamp, 7, 7);
  DrawWell(p, ChamferRect(kFooter, 10, 0, 16, 0));
}

// The rim along the outline: steel edge, dark band, accent hairline.
void DrawRim(QPainter& p, const QPainterPath& body) {
  const Palette& c = Colours();
  StrokeInside(p, body, 0, 2, c.steelLight);
  StrokeInside(p, body, 2, 4, QColor(12, 14, 18));
  QLinearGradient hairline(QPointF(0, 0), QPointF(0, kWindowSize.height()));
  hairline.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 210));
  hairline.setColorAt(1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 70));
  StrokeInside(p, body, 6, 1, hairline);
}

QImage DrawBackground(QSize size, const SkinLook& look) {
  const Palette& c = Colours();
  const QPolygon outline = WindowOutline();
  QPainterPath body;
  body.addPolygon(QPolygonF(outline));
  body.closeSubpath();

  QImage art(size, QImage::Format_RGB32);
  art.fill(c.ink);
  {
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(art.rect(), Vertical(art.rect(), QColor(30, 34, 41), QColor(13, 15, 19)));
    DrawHeader(p, body, look);
    DrawSidebar(p, look);
    DrawContent(p, look);
    DrawFooter(p);
    DrawRim(p, body);
  }
  AvoidKeyColour(art);

  // The shape itself is drawn without smoothing so that every pixel is either the key
  // colour or part of the window: a blended edge would leave a reddish fringe.
  QImage mask(size, QImage::Format_Grayscale8);
  mask.fill(0);
  {
    QPainter p(&mask);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(outline);
  }
  QImage result(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    const uchar* inside = mask.constScanLine(y);
    const auto* src = reinterpret_cast<const QRgb*>(art.constScanLine(y));
    auto* dst = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < size.width(); ++x) dst[x] = inside[x] ? src[x] : kKeyColour;
  }
  return result;
}

// Skin 3 has no artwork of its own: a thin dark strip stands in for each picture.
QImage DrawPlaceholder(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.fillRect(image.rect(), Vertical(image.rect(), QColor(40, 44, 52), QColor(16, 18, 22)));
  p.fillRect(QRect(0, 0, size.width(), 1), Colours().accentDeep);
  p.end();
  return image;
}

}  // namespace

PictureList BackgroundPictures() {
  PictureList list;
  for (const SkinLook& look : kSkins) {
    list.push_back({QStringLiteral("%1_BackGround").arg(QLatin1String(look.prefix)), kWindowSize,
                    [look](QSize s) { return DrawBackground(s, look); }});
  }
  list.push_back({QStringLiteral("L3_BackGround"), {23, 4}, DrawPlaceholder});
  for (int i = 1; i <= 5; ++i) {
    list.push_back({QStringLiteral("L3_Back%1").arg(i), {23, 4}, DrawPlaceholder});
  }
  return list;
}

}  // namespace orvane
