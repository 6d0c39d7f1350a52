// Page pictures of skins 1 and 2: a raised panel divided into recessed wells; the button
// page shows the mouse from above with leader lines to its caption slots.
#include "skin/pictures/page_layout.h"
#include "skin/pictures/paint_kit.h"
#include "skin/pictures/picture_catalogue.h"

#include <cmath>

namespace orvane {
namespace {

using namespace paint;
using namespace pages;

constexpr int kHeaderHeight = 22;

void DrawWellHeader(QPainter& p, const QRectF& r) {
  const Palette& c = Colours();
  const QRectF strip(r.left() + 1, r.top() + 1, r.width() - 2, kHeaderHeight);
  QLinearGradient band(strip.topLeft(), strip.topRight());
  band.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 46));
  band.setColorAt(0.6, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 8));
  band.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(strip, band);
  p.fillRect(QRectF(strip.left(), strip.top() + 4, 3, strip.height() - 8), c.accent);
  QLinearGradient rule(strip.bottomLeft(), strip.bottomRight());
  rule.setColorAt(0, c.accentDeep);
  rule.setColorAt(1, QColor(c.accentDeep.red(), c.accentDeep.green(), c.accentDeep.blue(), 0));
  p.fillRect(QRectF(strip.left(), strip.bottom(), strip.width(), 1), rule);
}

void DrawRows(QPainter& p, const QRectF& body, int rows) {
  const qreal step = body.height() / rows;
  for (int i = 0; i < rows; ++i) {
    const QRectF row(body.left() + 4, body.top() + i * step + 1, body.width() - 8, step - 2);
    if (i % 2 == 0) p.fillRect(row, QColor(255, 255, 255, 7));
    p.fillRect(QRectF(row.left(), row.bottom(), row.width(), 1), QColor(0, 0, 0, 90));
  }
}

void DrawSocket(QPainter& p, const QRectF& cell) {
  const QPainterPath shape = ChamferRect(cell, 6, 0, 6, 0);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 6));
  p.drawPath(shape);
  p.restore();
  StrokeInside(p, shape, 0, 1, QColor(255, 255, 255, 16));
}

void DrawGunSockets(QPainter& p, int count) {
  for (int i = 0; i < count; ++i) DrawSocket(p, QRectF(kFirstGunSocket.translated(0, i * kGunSocketStep)));
}

void DrawSockets(QPainter& p, const QRectF& body, int count) {
  const bool column = body.height() > body.width();
  const int columns = column ? 1 : (count <= 5 ? count : (count + 1) / 2);
  const int rows = (count + columns - 1) / columns;
  const qreal gap = 8;
  const QRectF inner = body.adjusted(gap, gap, -gap, -gap);
  const qreal w = (inner.width() - gap * (columns - 1)) / columns;
  const qreal h = (inner.height() - gap * (rows - 1)) / rows;
  for (int i = 0; i < count; ++i) {
    DrawSocket(p, QRectF(inner.left() + (i % columns) * (w + gap), inner.top() + (i / columns) * (h + gap), w, h));
  }
}

void DrawGrid(QPainter& p, const QRectF& body, int columns) {
  const qreal colWidth = body.width() / (columns + 1.5);
  p.save();
  p.setPen(QPen(QColor(255, 255, 255, 14), 1, Qt::DotLine));
  for (int i = 0; i < columns; ++i) {
    const qreal x = body.left() + colWidth * (1.5 + i);
    p.drawLine(QPointF(x, body.top() + 6), QPointF(x, body.bottom() - 6));
  }
  p.restore();
  DrawRows(p, body, 7);
}

void DrawWellOf(QPainter& p, const Well& well) {
  const QRectF r(well.rect);
  DrawWell(p, ChamferRect(r, 10, 0, 10, 0));
  QRectF body = r.adjusted(0, 0, 0, 0);
  if (well.header) {
    DrawWellHeader(p, r);
    body.setTop(r.top() + kHeaderHeight + 2);
  }
  switch (well.fill) {
    case Fill::Rows: DrawRows(p, body, well.count); break;
    case Fill::Sockets: DrawSockets(p, body, well.count); break;
    case Fill::GunSockets: DrawGunSockets(p, well.count); break;
    case Fill::Grid: DrawGrid(p, body, well.count); break;
    case Fill::Plain: break;
  }
}

// The mouse from above, centred on x = cx, between y = 24 and y = 364.
QPainterPath MouseBody(qreal cx) {
  QPainterPath right;
  right.moveTo(cx, 26);
  right.cubicTo(cx + 40, 24, cx + 72, 34, cx + 78, 70);
  right.cubicTo(cx + 84, 110, cx + 82, 160, cx + 78, 200);
  right.cubicTo(cx + 76, 230, cx + 100, 260, cx + 98, 300);
  right.cubicTo(cx + 96, 346, cx + 50, 366, cx, 366);
  // Mirror for the left half.
  QTransform mirror;
  mirror.translate(cx, 0);
  mirror.scale(-1, 1);
  mirror.translate(-cx, 0);
  const QPainterPath left = mirror.map(right).toReversed();
  QPainterPath body = right;
  body.connectPath(left);
  body.closeSubpath();
  return body.simplified();
}

struct Leader {
  QPointF target;  // point on the mouse, relative to its centre line
};

constexpr Leader kLeftLeaders[kSlotCount] = {
    {{-42, 70}}, {{-72, 64}}, {{-76, 104}}, {{-80, 180}}, {{-78, 218}}, {{-56, 300}}};
constexpr Leader kRightLeaders[kSlotCount] = {
    {{42, 70}}, {{0, 64}}, {{0, 106}}, {{0, 138}}, {{80, 196}}, {{44, 330}}};

void DrawLeader(QPainter& p, const QPointF& from, const QPointF& to, bool fromLeft) {
  const Palette& c = Colours();
  const QPointF elbow(from.x() + (fromLeft ? 18 : -18), from.y());
  QPainterPath line;
  line.moveTo(from);
  line.lineTo(elbow);
  line.lineTo(to);
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 150), 3));
  p.drawPath(line);
  p.setPen(QPen(QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 150), 1.2));
  p.drawPath(line);
  p.setPen(Qt::NoPen);
  p.setBrush(c.accent);
  p.drawEllipse(to, 2.6, 2.6);
  p.setBrush(QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 60));
  p.drawEllipse(to, 5, 5);
  p.restore();
}

void DrawMouse(QPainter& p, qreal cx) {
  const Palette& c = Colours();
  const QPainterPath body = MouseBody(cx);
  // Shadow and lighting halo under the mouse.
  QRadialGradient floor(QPointF(cx, 210), 190);
  floor.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 40));
  floor.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(QRectF(cx - 200, 10, 400, 370), floor);
  DrawGlow(p, body, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 110), 5);

  QLinearGradient shell(QPointF(cx - 100, 0), QPointF(cx + 100, 0));
  shell.setColorAt(0, QColor(28, 31, 37));
  shell.setColorAt(0.35, QColor(62, 68, 80));
  shell.setColorAt(0.55, QColor(52, 58, 68));
  shell.setColorAt(1, QColor(18, 20, 25));
  p.setPen(QPen(c.ink, 1.5));
  p.setBrush(shell);
  p.drawPath(body);

  p.save();
  p.setClipPath(body);
  // Side grips.
  for (int side : {-1, 1}) {
    QPainterPath grip;
    grip.moveTo(cx + side * 60, 170);
    grip.cubicTo(cx + side * 84, 200, cx + side * 100, 260, cx + side * 92, 318);
    grip.lineTo(cx + side * 120, 318);
    grip.lineTo(cx + side * 120, 170);
    grip.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 12, 15, 200));
    p.drawPath(grip);
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int y = 180; y < 316; y += 6) p.drawLine(QPointF(cx + side * 70, y), QPointF(cx + side * 110, y + 6));
  }
  // Seam between the buttons and the palm rest, and the split of the two buttons.
  QPainterPath seam;
  seam.moveTo(cx - 100, 150);
  seam.quadTo(cx, 176, cx + 100, 150);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.ink, 2.5));
  p.drawPath(seam);
  p.drawLine(QPointF(cx, 20), QPointF(cx, 160));
  p.setPen(QPen(QColor(255, 255, 255, 30), 1));
  p.drawPath(seam.translated(0, 2));
  // Accent line along the palm.
  QPainterPath stripe;
  stripe.moveTo(cx - 56, 338);
  stripe.quadTo(cx, 356, cx + 56, 338);
  DrawGlow(p, stripe, c.accent, 3);
  p.setPen(QPen(c.accent, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(stripe);
  p.restore();

  // Thumb buttons on the left flank and two extra keys beside the left button.
  for (const QRectF& key : {QRectF(cx - 90, 166, 12, 30), QRectF(cx - 88, 202, 12, 30)}) {
    QPainterPath shape;
    shape.addRoundedRect(key, 5, 5);
    DrawPlate(p, shape, QColor(70, 78, 92), QColor(30, 34, 41));
  }
  for (const QRectF& key : {QRectF(cx - 78, 58, 14, 16), QRectF(cx - 80, 96, 14, 16)}) {
    QPainterPath shape = ChamferRect(key, 3);
    DrawPlate(p, shape, QColor(70, 78, 92), QColor(30, 34, 41));
  }
  // Wheel and DPI button.
  QPainterPath wheel;
  wheel.addRoundedRect(QRectF(cx - 9, 52, 18, 62), 8, 8);
  DrawGlow(p, wheel, c.accent, 3);
  DrawPlate(p, wheel, QColor(40, 44, 52), QColor(12, 14, 18));
  p.setPen(QPen(QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 170), 1));
  for (int y = 58; y < 110; y += 5) p.drawLine(QPointF(cx - 6, y), QPointF(cx + 6, y));
  QPainterPath dpi;
  dpi.addRoundedRect(QRectF(cx - 7, 126, 14, 20), 3, 3);
  DrawPlate(p, dpi, QColor(60, 66, 78), QColor(24, 28, 34));
  p.fillRect(QRectF(cx - 3, 130, 6, 2), c.accent);
  p.fillRect(QRectF(cx - 3, 140, 6, 2), c.accent);
  // Emblem on the palm.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.accent, 2.2));
  QPainterPath emblem;
  emblem.addEllipse(QPointF(cx, 262), 15, 15);
  DrawGlow(p, emblem, c.accent, 3);
  p.drawPath(emblem);
  p.setPen(Qt::NoPen);
  p.setBrush(c.accent);
  p.drawPolygon(QPolygonF({QPointF(cx, 252), QPointF(cx + 8, 268), QPointF(cx - 8, 268)}));
}

void DrawButtonPage(QPainter& p, QSize s) {
  const qreal cx = s.width() / 2.0;
  DrawMouse(p, cx);
  for (int i = 0; i < kSlotCount; ++i) {
    const QRectF left = QRectF(kFirstLeftSlot).translated(0, i * kSlotStep);
    const QRectF right(kRightSlotLeft, left.top(), left.width(), left.height());
    DrawWell(p, ChamferRect(left, 0, 7, 0, 7));
    DrawWell(p, ChamferRect(right, 0, 7, 0, 7));
    DrawLeader(p, QPointF(left.right() + 2, left.center().y()), QPointF(cx, 0) + kLeftLeaders[i].target, true);
    DrawLeader(p, QPointF(right.left() - 2, right.center().y()), QPointF(cx, 0) + kRightLeaders[i].target, false);
  }
}

QImage DrawPage(QSize s, const PageLayout& layout, bool honeycomb) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath panel = ChamferRect(r, 16, 0, 16, 0);
  DrawPlate(p, panel, QColor(34, 38, 46), QColor(17, 19, 24));
  p.save();
  p.setClipPath(panel);
  if (honeycomb) {
    DrawHexGrid(p, r, 12, QColor(255, 255, 255, 7));
  } else {
    DrawHatch(p, panel, 6, QColor(255, 255, 255, 6));
  }
  p.restore();
  StrokeInside(p, panel, 1, 1, c.steel);
  StrokeInside(p, panel, 4, 1, QColor(0, 0, 0, 110));
  DrawCornerTicks(p, r.adjusted(4, 4, -4, -4), 12, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 170));
  for (const Well& well : layout.wells) DrawWellOf(p, well);
  if (layout.mouse) DrawButtonPage(p, s);
  p.end();
  return image;
}

}  // namespace

PictureList PagePictures() {
  PictureList list;
  // Skin 1 has a honeycomb texture, skin 2 fine stripes, as on their backgrounds.
  for (const bool honeycomb : {true, false}) {
    const QLatin1String skin(honeycomb ? "L1" : "L2");
    for (const PageLayout& layout : PageLayouts()) {
      list.push_back({QStringLiteral("%1_%2").arg(skin, QLatin1String(layout.name)), layout.size,
                      [&layout, honeycomb](QSize s) { return DrawPage(s, layout, honeycomb); }});
    }
  }
  return list;
}

}  // namespace orvane
