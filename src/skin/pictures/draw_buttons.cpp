// Button pictures: one drawing per shape, one style per state (normal, hovered,
// pressed or current).
#include "skin/pictures/paint_kit.h"
#include "skin/pictures/picture_catalogue.h"

#include <array>

namespace orvane {
namespace {

using namespace paint;

enum class State { Normal, Hovered, Pressed };
enum class Shape { Tab, Plain, Slot, Close, Minimise, Web };

struct ButtonFamily {
  const char* prefix;
  QSize size;
  Shape shape;
  int states;  // pictures _01 .. _0n
  qreal cut;   // chamfer of the slanted corners
};

constexpr std::array kFamilies = {
    ButtonFamily{"SetS", {121, 30}, Shape::Tab, 3, 9},
    ButtonFamily{"BtnS", {101, 30}, Shape::Plain, 3, 6},
    ButtonFamily{"KeyS", {180, 30}, Shape::Slot, 2, 6},
    ButtonFamily{"ExitS", {20, 20}, Shape::Close, 3, 4},
    ButtonFamily{"MiniS", {20, 20}, Shape::Minimise, 2, 4},
    ButtonFamily{"WebS", {200, 66}, Shape::Web, 3, 14},
    ButtonFamily{"MacroS", {90, 25}, Shape::Plain, 3, 5},
    ButtonFamily{"MacroBtnS", {50, 25}, Shape::Plain, 3, 4},
};

struct StateLook {
  QColor top, bottom;  // plate gradient
  QColor edge;         // outline inside the dark rim
  int glow;            // accent glow radius, 0 for none
};

StateLook LookOf(State state) {
  const Palette& c = Colours();
  switch (state) {
    case State::Hovered:
      return {QColor(60, 68, 82), QColor(30, 35, 44), c.accent, 3};
    case State::Pressed:
      return {QColor(14, 150, 206), c.accentDark, QColor(120, 225, 255), 0};
    case State::Normal:
      break;
  }
  return {QColor(46, 51, 61), QColor(22, 25, 31), c.steel, 0};
}

// The face of a button: plate, accent outline, pressed shadow, a sheen on the upper half.
void DrawFace(QPainter& p, const QPainterPath& shape, State state) {
  const StateLook look = LookOf(state);
  DrawPlate(p, shape, look.top, look.bottom);
  const QRectF r = shape.boundingRect();
  p.save();
  p.setClipPath(shape);
  QLinearGradient sheen(r.topLeft(), r.bottomLeft());
  sheen.setColorAt(0, QColor(255, 255, 255, state == State::Pressed ? 30 : 22));
  sheen.setColorAt(0.5, QColor(255, 255, 255, 4));
  sheen.setColorAt(0.51, QColor(0, 0, 0, 0));
  p.fillRect(r, sheen);
  if (state == State::Pressed) {
    QLinearGradient shadow(r.topLeft(), r.topLeft() + QPointF(0, 6));
    shadow.setColorAt(0, QColor(0, 20, 35, 150));
    shadow.setColorAt(1, QColor(0, 20, 35, 0));
    p.fillRect(r, shadow);
  }
  if (look.glow > 0) {
    QColor glow = look.edge;
    glow.setAlpha(140);
    DrawGlow(p, shape, glow, look.glow);
  }
  p.restore();
  StrokeInside(p, shape, 1, 1, look.edge);
}

void DrawTab(QPainter& p, QSize s, qreal cut, State state) {
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath shape = ChamferRect(r, cut, 0, cut, 0);
  DrawFace(p, shape, state);
  // Accent notch in the lower left and a small rail in the upper right corner.
  const Palette& c = Colours();
  const QColor mark = state == State::Pressed ? QColor(210, 245, 255) : c.accent;
  p.setPen(Qt::NoPen);
  p.setBrush(state == State::Normal ? c.accentDeep : mark);
  p.drawPolygon(QPolygonF({QPointF(3, s.height() - 8), QPointF(8, s.height() - 3),
                           QPointF(3, s.height() - 3)}));
  p.fillRect(QRectF(s.width() - 16, 3, 11, 2), state == State::Normal ? c.steelLight : mark);
}

void DrawPlain(QPainter& p, QSize s, qreal cut, State state) {
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath shape = ChamferRect(r, cut, 0, cut, 0);
  DrawFace(p, shape, state);
  const Palette& c = Colours();
  const QColor mark = state == State::Normal ? c.accentDeep : (state == State::Hovered ? c.accent : QColor(210, 245, 255));
  p.fillRect(QRectF(cut + 2, s.height() - 3, s.width() * 0.3, 1), mark);
}

// Caption slot of a mouse button: a bar with a coloured socket at the left and a chevron
// at the right that hints at the function menu.
void DrawSlot(QPainter& p, QSize s, qreal cut, State state) {
  const Palette& c = Colours();
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath shape = ChamferRect(r, 0, cut, 0, cut);
  DrawFace(p, shape, state);
  const bool lit = state != State::Normal;
  const QRectF socket(3, 4, 5, s.height() - 8);
  p.fillRect(socket, lit ? c.accent : c.accentDeep);
  p.fillRect(socket.adjusted(0, 0, 0, -socket.height() / 2), QColor(255, 255, 255, lit ? 90 : 40));
  QPen pen(lit ? c.accent : c.textDim, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  const qreal x = s.width() - 16, y = s.height() / 2.0;
  p.drawPolyline(QPolygonF({QPointF(x, y - 4), QPointF(x + 4, y), QPointF(x, y + 4)}));
  p.drawPolyline(QPolygonF({QPointF(x + 4, y - 4), QPointF(x + 8, y), QPointF(x + 4, y + 4)}));
}

void DrawWindowButton(QPainter& p, QSize s, qreal cut, State state, bool close) {
  const Palette& c = Colours();
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath shape = ChamferRect(r, cut, 0, cut, 0);
  const QColor danger(232, 56, 74);
  if (close && state != State::Normal) {
    const bool pressed = state == State::Pressed;
    DrawPlate(p, shape, pressed ? QColor(150, 24, 40) : QColor(206, 44, 64),
              pressed ? QColor(84, 10, 22) : QColor(120, 20, 34));
  } else {
    DrawFace(p, shape, state == State::Pressed ? State::Pressed : state);
  }
  QColor glyph = state == State::Normal ? c.text : QColor(255, 255, 255);
  p.setPen(QPen(glyph, 2, Qt::SolidLine, Qt::SquareCap));
  const QPointF m(s.width() / 2.0, s.height() / 2.0);
  if (close) {
    p.drawLine(m + QPointF(-4, -4), m + QPointF(4, 4));
    p.drawLine(m + QPointF(-4, 4), m + QPointF(4, -4));
  } else {
    p.drawLine(m + QPointF(-4.5, 3), m + QPointF(4.5, 3));
  }
  if (!close && state == State::Hovered) {
    StrokeInside(p, shape, 1, 1, c.accent);
  } else if (close && state == State::Normal) {
    StrokeInside(p, shape, 1, 1, QColor(danger.red(), danger.green(), danger.blue(), 90));
  }
}

// A globe emblem: disc with meridians and parallels.
void DrawGlobe(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, 1.6));
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(colour, 1.1));
  p.drawEllipse(centre, radius * 0.45, radius);
  p.drawLine(centre + QPointF(0, -radius), centre + QPointF(0, radius));
  p.drawLine(centre + QPointF(-radius, 0), centre + QPointF(radius, 0));
  for (qreal f : {-0.55, 0.55}) {
    const qreal y = radius * f;
    const qreal half = std::sqrt(radius * radius - y * y);
    p.drawLine(centre + QPointF(-half, y), centre + QPointF(half, y));
  }
  p.restore();
}

void DrawWeb(QPainter& p, QSize s, qreal cut, State state) {
  const Palette& c = Colours();
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath shape = ChamferRect(r, cut, 0, cut, 0);
  DrawFace(p, shape, state);
  p.save();
  p.setClipPath(shape);
  DrawHatch(p, shape, 5, QColor(255, 255, 255, state == State::Pressed ? 10 : 6));
  p.restore();
  const bool lit = state != State::Normal;
  const QColor emblem = state == State::Pressed ? QColor(225, 248, 255) : c.accent;
  // Emblem socket.
  const QPointF centre(36, s.height() / 2.0);
  QRadialGradient halo(centre, 26);
  halo.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), lit ? 90 : 45));
  halo.setColorAt(1, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(centre, 26, 26);
  DrawGlobe(p, centre, 17, emblem);
  // Wordmark and a rule under it.
  p.setPen(state == State::Normal ? c.text : QColor(255, 255, 255));
  p.setFont(LogoFont(24, QFont::Bold, 3));
  const QRectF wordmark(66, 10, s.width() - 76, 30);
  p.drawText(wordmark, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ORVANE"));
  p.fillRect(QRectF(67, 42, 84, 2), emblem);
  p.fillRect(QRectF(155, 42, 8, 2), lit ? emblem : c.steelLight);
  p.setPen(state == State::Normal ? c.textDim : QColor(200, 236, 250));
  p.setFont(LogoFont(10, QFont::DemiBold, 2.4));
  p.drawText(QRectF(67, 45, s.width() - 76, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("GAMING GEAR"));
}

QImage DrawButton(const ButtonFamily& family, State state) {
  QImage image = NewPicture(family.size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QSize s = family.size;
  switch (family.shape) {
    case Shape::Tab: DrawTab(p, s, family.cut, state); break;
    case Shape::Plain: DrawPlain(p, s, family.cut, state); break;
    case Shape::Slot: DrawSlot(p, s, family.cut, state); break;
    case Shape::Close: DrawWindowButton(p, s, family.cut, state, true); break;
    case Shape::Minimise: DrawWindowButton(p, s, family.cut, state, false); break;
    case Shape::Web: DrawWeb(p, s, family.cut, state); break;
  }
  p.end();
  return image;
}

}  // namespace

PictureList ButtonPictures() {
  constexpr std::array kStates = {State::Normal, State::Hovered, State::Pressed};
  PictureList list;
  for (const ButtonFamily& family : kFamilies) {
    for (int i = 0; i < family.states; ++i) {
      const State state = kStates[i];
      list.push_back({QStringLiteral("%1_%2").arg(QLatin1String(family.prefix)).arg(i + 1, 2, 10, QLatin1Char('0')),
                      family.size, [family, state](QSize) { return DrawButton(family, state); }});
    }
  }
  return list;
}

}  // namespace orvane
