// The busy window's animation: a spinner on a dark disc whose bright segment runs once
// round the ring over all frames, so the last frame leads straight back to the first.
#include "skin/pictures/busy_frames.h"
#include "skin/pictures/paint_kit.h"
#include "skin/pictures/picture_catalogue.h"

#include <QtMath>

namespace orvane {
namespace {

using namespace paint;

constexpr int kSegments = kBusyFrameCount;

QImage DrawBusyFrame(int frame) {
  const Palette& c = Colours();
  QImage image = NewPicture(kBusyFrameSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF m(kBusyFrameSize.width() / 2.0, kBusyFrameSize.height() / 2.0);

  QPainterPath disc;
  disc.addEllipse(m, 86, 86);
  DrawPlate(p, disc, QColor(40, 45, 54), QColor(12, 14, 18));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.steel, 2));
  p.drawEllipse(m, 83, 83);
  p.setPen(QPen(QColor(0, 0, 0, 160), 6));
  p.drawEllipse(m, 62, 62);

  // Ring of segments: the head is bright, the tail fades behind it.
  for (int i = 0; i < kSegments; ++i) {
    const int behind = (frame - i + kSegments) % kSegments;
    const qreal strength = behind < 6 ? 1.0 - behind / 6.0 : 0.0;
    const qreal a0 = -90.0 + i * 360.0 / kSegments + 3;
    const qreal sweep = 360.0 / kSegments - 6;
    QPainterPath segment;
    segment.arcMoveTo(QRectF(m.x() - 74, m.y() - 74, 148, 148), -a0);
    segment.arcTo(QRectF(m.x() - 74, m.y() - 74, 148, 148), -a0, -sweep);
    segment.arcTo(QRectF(m.x() - 54, m.y() - 54, 108, 108), -(a0 + sweep), sweep);
    segment.closeSubpath();
    QColor base(36, 42, 52);
    QColor lit = c.accent;
    QColor fill(int(base.red() + (lit.red() - base.red()) * strength),
                int(base.green() + (lit.green() - base.green()) * strength),
                int(base.blue() + (lit.blue() - base.blue()) * strength));
    if (strength > 0.5) {
      DrawGlow(p, segment, QColor(lit.red(), lit.green(), lit.blue(), int(200 * strength)), 4);
    }
    p.setPen(QPen(c.ink, 1));
    p.setBrush(fill);
    p.drawPath(segment);
  }

  // Inner arc turning the other way.
  const qreal turn = -frame * 360.0 / kBusyFrameCount;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 200), 3, Qt::SolidLine, Qt::RoundCap));
  const QRectF inner(m.x() - 40, m.y() - 40, 80, 80);
  p.drawArc(inner, int((90 + turn) * 16), 100 * 16);
  p.drawArc(inner, int((270 + turn) * 16), 100 * 16);

  // Core emblem.
  QRadialGradient core(m, 26);
  core.setColorAt(0, QColor(30, 60, 78));
  core.setColorAt(1, QColor(14, 16, 20));
  p.setPen(QPen(c.steel, 1.5));
  p.setBrush(core);
  p.drawEllipse(m, 26, 26);
  p.setPen(Qt::NoPen);
  p.setBrush(c.accent);
  p.drawPolygon(QPolygonF({m + QPointF(0, -12), m + QPointF(11, 8), m + QPointF(-11, 8)}));
  p.setBrush(QColor(14, 20, 26));
  p.drawPolygon(QPolygonF({m + QPointF(0, -3), m + QPointF(5, 5), m + QPointF(-5, 5)}));
  p.end();
  return image;
}

}  // namespace

std::vector<QImage> DrawBusyFrames() {
  std::vector<QImage> frames;
  for (int i = 0; i < kBusyFrameCount; ++i) frames.push_back(DrawBusyFrame(i));
  return frames;
}

}  // namespace orvane
