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
  // The raised crest at the top centre carries the wordmark.
  QPainterPath crest;
  crest.addPolygon(QPolygonF({QPointF(362, 14), QPointF(378, 2), QPointF(652, 2), QPointF(668, 14),
                              QPointF(640, 46), QPointF(390, 46)}));
  crest.closeSubpath();
  DrawPlate(p, crest, QColor(50, 56, 67), QColor(20, 23, 29));
  DrawHatch(p, crest, 4, QColor(255, 255, 255, 7));
  StrokeInside(p, crest, 2, 1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 90));
  QPainterPath underline;
  underline.moveTo(404, 42);
  underline.lineTo(626, 42);
  DrawGlow(p, underline, c.accent, 4);
  p.setPen(QPen(c.accent, 2));
  p.drawPath(underline);

  const QRectF wordmark(378, 5, 274, 34);
  QFont font = LogoFont(28, QFont::Black, 9);
  p.setFont(font);
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
    for (qreal x : {398.0, 626.0}) {
      p.drawPolygon(QPolygonF({QPointF(x, 20), QPointF(x + 6, 26), QPointF(x, 32), QPointF(x - 6, 26)}));
    }
  } else {
    for (qreal x : {392.0, 626.0}) p.drawRect(QRectF(x, 24, 12, 3));
  }
}

void DrawHeader(QPainter& p, const QPainterPath& body, const SkinLook& look) {
  const Palette& c = Colours();
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  QLinearGradient band(QPointF(0, kHeader.top()), QPointF(0, kHeader.bottom()));
  band.setColorAt(0, QColor(34, 38, 46));
  band.setColorAt(1, QColor(18, 21, 26));
  p.fillRect(QRect(0, 0, kWindowSize.width(), kHeader.bottom() + 1), band);
  DrawHatch(p, body, 5, QColor(255, 255, 255, 5));
  p.restore();
  // Glowing rule under the header, brightest in the middle.
  QLinearGradient rule(QPointF(kTabBar.left(), 0), QPointF(kTabBar.right(), 0));
  rule.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 30));
  rule.setColorAt(0.5, c.accent);
  rule.setColorAt(1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 30));
  p.fillRect(QRectF(kTabBar.left(), kHeader.bottom() + 1, kTabBar.width(), 1.5), rule);
  p.fillRect(QRectF(kTabBar.left(), kHeader.bottom() + 2.5, kTabBar.width(), 1), QColor(0, 0, 0, 160));

  DrawWell(p, ChamferRect(kWebSlot, 14, 0, 14, 0));
  DrawWell(p, ChamferRect(kWindowButtons, 6, 0, 6, 0));
  DrawVents(p, QPointF(248, 30), 9, QColor(c.steel.red(), c.steel.green(), c.steel.blue(), 200));
  DrawVents(p, QPointF(722, 30), 9, QColor(c.steel.red(), c.steel.green(), c.steel.blue(), 200));
  DrawCrest(p, look);
}

void DrawContent(QPainter& p, const SkinLook& look) {
  const Palette& c = Colours();
  const QPainterPath bar = ChamferRect(kTabBar, 10, 0, 10, 0);
  DrawWell(p, bar);
  const QPainterPath content = ChamferRect(kContent, 0, 18, 0, 18);
  DrawWell(p, content);
  DrawTexture(p, content, look.texture);
  StrokeInside(p, content, 3, 1, QColor(255, 255, 255, 10));
  DrawCornerTicks(p, QRectF(kContent).adjusted(6, 6, -6, -6), 16,
                  QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 160));
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

// Accent bar on the lip under the footer, over the rim.
void DrawLip(QPainter& p) {
  const Palette& c = Colours();
  QPainterPath lip;
  lip.moveTo(440, 656);
  lip.lineTo(590, 656);
  DrawGlow(p, lip, c.accent, 3);
  p.setPen(QPen(c.accent, 2, Qt::SolidLine, Qt::FlatCap));
  p.drawPath(lip);
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
    DrawContent(p, look);
    DrawFooter(p);
    DrawRim(p, body);
    DrawLip(p);
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
