// Small control pictures: choice and check marks, level bars, the colour swatch frame and
// the slider's track and thumb.
#include "skin/pictures/paint_kit.h"
#include "skin/pictures/picture_catalogue.h"

namespace orvane {
namespace {

using namespace paint;

void Begin(QPainter& p, QImage& image) {
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing);
}

QImage DrawRadio(QSize s, bool on) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p;
  Begin(p, image);
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  QPainterPath ring;
  ring.addEllipse(r);
  DrawWell(p, ring);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(on ? c.accent : c.steelLight, 1.2));
  p.drawEllipse(r.adjusted(1, 1, -1, -1));
  if (on) {
    const QPointF m = r.center();
    QRadialGradient dot(m - QPointF(1, 1), 4.5);
    dot.setColorAt(0, QColor(220, 248, 255));
    dot.setColorAt(0.5, c.accent);
    dot.setColorAt(1, c.accentDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    p.drawEllipse(m, 3.6, 3.6);
  }
  p.end();
  return image;
}

QImage DrawCheck(QSize s, bool on) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p;
  Begin(p, image);
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath box = ChamferRect(r, 3, 0, 3, 0);
  if (on) {
    DrawPlate(p, box, QColor(20, 160, 215), c.accentDark);
  } else {
    DrawWell(p, box);
  }
  StrokeInside(p, box, 1, 1, on ? QColor(140, 230, 255) : c.steel);
  if (on) {
    p.setPen(QPen(QColor(255, 255, 255), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(4, 8.2), QPointF(7, 11.2), QPointF(12.2, 4.8)}));
  }
  p.end();
  return image;
}

// One segment of a level bar, drawn as a slanted block.
QImage DrawBar(QSize s, bool on) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p;
  Begin(p, image);
  QPainterPath block;
  block.addPolygon(QPolygonF({QPointF(5, 1), QPointF(s.width() - 1, 1),
                              QPointF(s.width() - 5, s.height() - 1), QPointF(1, s.height() - 1)}));
  block.closeSubpath();
  if (on) {
    DrawGlow(p, block, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 120), 1);
    DrawPlate(p, block, QColor(90, 220, 255), c.accentDeep);
  } else {
    DrawWell(p, block);
    StrokeInside(p, block, 1, 1, QColor(c.steel.red(), c.steel.green(), c.steel.blue(), 150));
  }
  p.end();
  return image;
}

// Frame over a colour swatch: only the rim is painted, the middle stays clear.
QImage DrawSwatchFrame(QSize s) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p;
  Begin(p, image);
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath outline = ChamferRect(r, 3, 0, 3, 0);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.ink, 1));
  p.drawPath(outline);
  StrokeInside(p, outline, 1, 1.5, c.steelLight);
  StrokeInside(p, outline, 2.5, 1, QColor(0, 0, 0, 150));
  // A glint on the upper left.
  p.setPen(QPen(QColor(255, 255, 255, 150), 1));
  p.drawLine(QPointF(4, 2), QPointF(9, 2));
  p.end();
  return image;
}

// Track piece of a slider: a horizontal groove that tiles seamlessly from left to right.
QImage DrawSliderRuler(QSize s) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p;
  Begin(p, image);
  p.setRenderHint(QPainter::Antialiasing, false);
  const int mid = s.height() / 2;
  p.fillRect(QRect(0, mid - 3, s.width(), 1), QColor(0, 0, 0, 200));
  p.fillRect(QRect(0, mid - 2, s.width(), 4), c.wellTop);
  p.fillRect(QRect(0, mid - 1, s.width(), 2), c.accentDark);
  p.fillRect(QRect(0, mid + 2, s.width(), 1), QColor(255, 255, 255, 34));
  // Scale tick at the middle of each piece.
  p.fillRect(QRect(s.width() / 2, mid + 5, 1, 3), c.steel);
  p.end();
  return image;
}

QImage DrawSliderThumb(QSize s) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p;
  Begin(p, image);
  const QPointF m(s.width() / 2.0, s.height() / 2.0);
  QPainterPath knob;
  knob.addEllipse(m, 9.5, 9.5);
  DrawGlow(p, knob, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 150), 2);
  DrawPlate(p, knob, QColor(78, 86, 100), QColor(24, 28, 34));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.accent, 1.6));
  p.drawEllipse(m, 7.2, 7.2);
  QRadialGradient core(m - QPointF(1, 1), 4);
  core.setColorAt(0, QColor(230, 250, 255));
  core.setColorAt(1, c.accent);
  p.setPen(Qt::NoPen);
  p.setBrush(core);
  p.drawEllipse(m, 2.6, 2.6);
  p.end();
  return image;
}

}  // namespace

PictureList MarkPictures() {
  return {
      {QStringLiteral("RdS_D"), {15, 15}, [](QSize s) { return DrawRadio(s, false); }},
      {QStringLiteral("RdS_E"), {15, 15}, [](QSize s) { return DrawRadio(s, true); }},
      {QStringLiteral("CbS_D"), {16, 16}, [](QSize s) { return DrawCheck(s, false); }},
      {QStringLiteral("CbS_E"), {16, 16}, [](QSize s) { return DrawCheck(s, true); }},
      {QStringLiteral("Bar1_D"), {26, 18}, [](QSize s) { return DrawBar(s, false); }},
      {QStringLiteral("Bar1_E"), {26, 18}, [](QSize s) { return DrawBar(s, true); }},
      {QStringLiteral("Col_F"), {18, 18}, DrawSwatchFrame},
      {QStringLiteral("Slider_Ruler"), {25, 25}, DrawSliderRuler},
      {QStringLiteral("Slider_Thumb"), {25, 25}, DrawSliderThumb},
  };
}

}  // namespace orvane
