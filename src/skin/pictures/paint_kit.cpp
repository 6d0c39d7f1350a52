#include "skin/pictures/paint_kit.h"

#include <QFont>
#include <QPainterPathStroker>
#include <QtMath>

#include <cmath>

namespace orvane::paint {

const Palette& Colours() {
  static const Palette kPalette;
  return kPalette;
}

QImage NewPicture(QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QPainterPath ChamferRect(const QRectF& r, qreal topLeft, qreal topRight, qreal bottomRight,
                         qreal bottomLeft) {
  QPainterPath path;
  path.moveTo(r.left() + topLeft, r.top());
  path.lineTo(r.right() - topRight, r.top());
  path.lineTo(r.right(), r.top() + topRight);
  path.lineTo(r.right(), r.bottom() - bottomRight);
  path.lineTo(r.right() - bottomRight, r.bottom());
  path.lineTo(r.left() + bottomLeft, r.bottom());
  path.lineTo(r.left(), r.bottom() - bottomLeft);
  path.lineTo(r.left(), r.top() + topLeft);
  path.closeSubpath();
  return path;
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

void DrawPlate(QPainter& p, const QPainterPath& shape, const QColor& top, const QColor& bottom) {
  const QRectF r = shape.boundingRect();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(r, top, bottom));
  p.drawPath(shape);
  // Light top edge, fading towards the bottom.
  QLinearGradient edge(r.topLeft(), r.bottomLeft());
  edge.setColorAt(0, QColor(255, 255, 255, 70));
  edge.setColorAt(0.45, QColor(255, 255, 255, 8));
  edge.setColorAt(1, QColor(255, 255, 255, 0));
  StrokeInside(p, shape, 1, 1, edge);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Colours().ink, 1));
  p.drawPath(shape);
  p.restore();
}

void DrawWell(QPainter& p, const QPainterPath& shape) {
  const Palette& c = Colours();
  const QRectF r = shape.boundingRect();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(r, c.wellTop, c.wellBottom));
  p.drawPath(shape);
  QLinearGradient shade(r.topLeft(), r.bottomLeft());
  shade.setColorAt(0, QColor(0, 0, 0, 150));
  shade.setColorAt(0.12, QColor(0, 0, 0, 0));
  shade.setColorAt(0.9, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(255, 255, 255, 28));
  StrokeInside(p, shape, 0, 3, shade);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 200), 1));
  p.drawPath(shape);
  p.restore();
}

void DrawGlow(QPainter& p, const QPainterPath& shape, const QColor& colour, int radius) {
  p.save();
  p.setBrush(Qt::NoBrush);
  for (int w = radius; w >= 1; --w) {
    QColor c = colour;
    c.setAlphaF(colour.alphaF() * (1.0 - qreal(w) / (radius + 1)) * 0.35);
    p.setPen(QPen(c, 2.0 * w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
  }
  p.restore();
}

void StrokeInside(QPainter& p, const QPainterPath& shape, qreal inset, qreal width,
                  const QBrush& brush) {
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  QPainterPathStroker outer;
  outer.setWidth(2 * (inset + width));
  outer.setJoinStyle(Qt::MiterJoin);
  QPainterPath band = outer.createStroke(shape);
  if (inset > 0) {
    QPainterPathStroker inner;
    inner.setWidth(2 * inset);
    inner.setJoinStyle(Qt::MiterJoin);
    band = band.subtracted(inner.createStroke(shape));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(brush);
  p.drawPath(band);
  p.restore();
}

void DrawHatch(QPainter& p, const QPainterPath& shape, int spacing, const QColor& colour) {
  const QRectF r = shape.boundingRect();
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  p.setPen(QPen(colour, 1));
  for (qreal x = r.left() - r.height(); x < r.right(); x += spacing) {
    p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
  }
  p.restore();
}

void DrawHexGrid(QPainter& p, const QRectF& area, qreal radius, const QColor& colour) {
  p.save();
  p.setPen(QPen(colour, 1));
  p.setBrush(Qt::NoBrush);
  const qreal dx = radius * std::sqrt(3.0), dy = radius * 1.5;
  int row = 0;
  for (qreal y = area.top(); y < area.bottom() + radius; y += dy, ++row) {
    for (qreal x = area.left() + (row % 2 ? dx / 2 : 0); x < area.right() + dx; x += dx) {
      QPolygonF hex;
      for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(60.0 * i + 30);
        hex << QPointF(x + radius * std::cos(a), y + radius * std::sin(a));
      }
      p.drawPolygon(hex);
    }
  }
  p.restore();
}

void DrawCornerTicks(QPainter& p, const QRectF& r, qreal length, const QColor& colour) {
  p.save();
  p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  const QRectF in = r.adjusted(1, 1, -1, -1);
  const QPointF corners[4] = {in.topLeft(), in.topRight(), in.bottomRight(), in.bottomLeft()};
  const QPointF dx[4] = {{length, 0}, {-length, 0}, {-length, 0}, {length, 0}};
  const QPointF dy[4] = {{0, length}, {0, length}, {0, -length}, {0, -length}};
  for (int i = 0; i < 4; ++i) {
    const QPointF pts[3] = {corners[i] + dy[i], corners[i], corners[i] + dx[i]};
    p.drawPolyline(pts, 3);
  }
  p.restore();
}

void AvoidKeyColour(QImage& image) {
  if (image.format() != QImage::Format_ARGB32_Premultiplied &&
      image.format() != QImage::Format_ARGB32 && image.format() != QImage::Format_RGB32) {
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  }
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) == 255 && (line[x] & 0xFFFFFF) == (kKeyColour & 0xFFFFFF)) {
        line[x] = qRgb(130, 4, 4);
      }
    }
  }
}

QFont LogoFont(int pixelSize, int weight, qreal spacing) {
  QFont font(QStringLiteral("Carlito"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setWeight(QFont::Weight(weight));
  font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace orvane::paint
