// Panel pictures: the insertion group's three backgrounds, the update page picture and
// the background of the small dialogs.
#include "skin/pictures/paint_kit.h"
#include "skin/pictures/picture_catalogue.h"

#include <QtMath>

namespace orvane {
namespace {

using namespace paint;

enum class Emblem { Clock, Key, Axes };

// Large faint emblem drawn in the lower right of an insertion panel.
void DrawEmblem(QPainter& p, Emblem emblem, const QPointF& m, qreal r) {
  const Palette& c = Colours();
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 60), 3, Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin));
  switch (emblem) {
    case Emblem::Clock:
      p.drawEllipse(m, r, r);
      p.drawLine(m, m + QPointF(0, -r * 0.65));
      p.drawLine(m, m + QPointF(r * 0.45, r * 0.2));
      for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i);
        const QPointF d(std::cos(a), std::sin(a));
        p.drawPoint(m + d * (r * 0.82));
      }
      break;
    case Emblem::Key:
      p.drawRoundedRect(QRectF(m.x() - r, m.y() - r * 0.8, 2 * r, 1.6 * r), 8, 8);
      p.drawRoundedRect(QRectF(m.x() - r * 0.7, m.y() - r * 0.55, 1.4 * r, 1.0 * r), 5, 5);
      p.drawLine(m + QPointF(-r * 0.3, r * 0.15), m + QPointF(r * 0.3, r * 0.15));
      break;
    case Emblem::Axes:
      p.drawLine(m + QPointF(-r, r * 0.8), m + QPointF(r, r * 0.8));
      p.drawLine(m + QPointF(-r * 0.8, r), m + QPointF(-r * 0.8, -r));
      p.drawPolyline(QPolygonF({m + QPointF(r * 0.8, r * 0.6), m + QPointF(r, r * 0.8), m + QPointF(r * 0.8, r)}));
      p.drawPolyline(QPolygonF({m + QPointF(-r, -r * 0.8), m + QPointF(-r * 0.8, -r), m + QPointF(-r * 0.6, -r * 0.8)}));
      p.setPen(QPen(QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 90), 2, Qt::DashLine));
      p.drawLine(m + QPointF(-r * 0.8, r * 0.8), m + QPointF(r * 0.5, -r * 0.5));
      break;
  }
  p.restore();
}

// A raised panel with a label strip across the top.
void DrawPanel(QPainter& p, QSize s, qreal cut, int stripHeight) {
  const Palette& c = Colours();
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath panel = ChamferRect(r, cut, 0, cut, 0);
  DrawPlate(p, panel, QColor(36, 40, 48), QColor(16, 18, 23));
  p.save();
  p.setClipPath(panel);
  DrawHatch(p, panel, 5, QColor(255, 255, 255, 5));
  if (stripHeight > 0) {
    const QRectF strip(r.left(), r.top(), r.width(), stripHeight);
    QLinearGradient band(strip.topLeft(), strip.topRight());
    band.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 60));
    band.setColorAt(0.7, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 6));
    band.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(strip, band);
    p.fillRect(QRectF(strip.left(), strip.bottom(), strip.width(), 1), c.accentDeep);
    p.fillRect(QRectF(strip.left(), strip.bottom() + 1, strip.width(), 1), QColor(0, 0, 0, 140));
  }
  p.restore();
  StrokeInside(p, panel, 1, 1, c.steel);
  DrawCornerTicks(p, r.adjusted(3, 3, -3, -3), 8, c.accent);
}

QImage DrawInsertBase(QSize s, Emblem emblem) {
  QImage image = NewPicture(s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPanel(p, s, 10, 24);
  DrawEmblem(p, emblem, QPointF(s.width() - 46, s.height() - 44), 26);
  p.end();
  return image;
}

// Update page: a firmware chip, a wide groove for the file name and the progress track.
QImage DrawUpdate(QSize s) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPanel(p, s, 14, 0);
  const QRectF chip(26, 23, 56, 56);
  p.setPen(QPen(c.steelLight, 2, Qt::SolidLine, Qt::FlatCap));
  for (int i = 0; i < 5; ++i) {
    const qreal t = chip.left() + 8 + i * 10;
    p.drawLine(QPointF(t, chip.top() - 7), QPointF(t, chip.top()));
    p.drawLine(QPointF(t, chip.bottom()), QPointF(t, chip.bottom() + 7));
    const qreal u = chip.top() + 8 + i * 10;
    p.drawLine(QPointF(chip.left() - 7, u), QPointF(chip.left(), u));
    p.drawLine(QPointF(chip.right(), u), QPointF(chip.right() + 7, u));
  }
  const QPainterPath body = ChamferRect(chip, 6);
  DrawPlate(p, body, QColor(54, 60, 72), QColor(22, 25, 31));
  QPainterPath core = ChamferRect(chip.adjusted(14, 14, -14, -14), 3);
  DrawGlow(p, core, c.accent, 4);
  DrawPlate(p, core, QColor(80, 215, 255), c.accentDeep);
  const QPainterPath field = ChamferRect(QRectF(112, 20, 404, 30), 8, 0, 8, 0);
  DrawWell(p, field);
  const QPainterPath track = ChamferRect(QRectF(112, 64, 404, 14), 5, 0, 5, 0);
  DrawWell(p, track);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 40; ++i) {
    p.setBrush(QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 26));
    p.drawRect(QRectF(117 + i * 9.9, 68, 6, 6));
  }
  p.end();
  return image;
}

// Small dialogs: title band, body well and a button strip; opaque to the corners so the
// dialog window needs no shape of its own.
QImage DrawMessage(QSize s) {
  const Palette& c = Colours();
  QImage image(s, QImage::Format_ARGB32_Premultiplied);
  image.fill(c.ink);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  QPainterPath frame;
  frame.addRect(r);
  DrawPlate(p, frame, QColor(38, 42, 50), QColor(15, 17, 21));
  DrawHatch(p, frame, 6, QColor(255, 255, 255, 5));
  StrokeInside(p, frame, 1, 1, c.steel);
  // Title band.
  const QRectF title(2, 2, s.width() - 4, 32);
  QLinearGradient band(title.topLeft(), title.topRight());
  band.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 70));
  band.setColorAt(0.5, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 14));
  band.setColorAt(1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 40));
  p.fillRect(title, band);
  QPainterPath rule;
  rule.moveTo(2, 34.5);
  rule.lineTo(s.width() - 2, 34.5);
  DrawGlow(p, rule, c.accent, 2);
  p.setPen(QPen(c.accent, 1));
  p.drawPath(rule);
  p.fillRect(QRectF(10, 10, 4, 16), c.accent);
  // Body and accents.
  DrawWell(p, ChamferRect(QRectF(14, 46, s.width() - 28, s.height() - 96), 10, 0, 10, 0));
  const QRectF inner = r.adjusted(6, 40, -6, -6);
  DrawCornerTicks(p, inner, 10, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 150));
  p.end();
  return image;
}

}  // namespace

PictureList PanelPictures() {
  return {
      {QStringLiteral("InsertDelayBase"), {207, 162}, [](QSize s) { return DrawInsertBase(s, Emblem::Clock); }},
      {QStringLiteral("InsertKeyBase"), {207, 162}, [](QSize s) { return DrawInsertBase(s, Emblem::Key); }},
      {QStringLiteral("InsertXYBase"), {207, 162}, [](QSize s) { return DrawInsertBase(s, Emblem::Axes); }},
      {QStringLiteral("Update"), {540, 102}, DrawUpdate},
      {QStringLiteral("Msg"), {530, 200}, DrawMessage},
  };
}

}  // namespace orvane
