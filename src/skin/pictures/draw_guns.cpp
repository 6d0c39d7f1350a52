// Gun buttons (side-view weapon silhouettes, normal and chosen) and the gun mode badges.
#include "skin/pictures/paint_kit.h"
#include "skin/pictures/picture_catalogue.h"

#include <QtMath>

#include <array>
#include <initializer_list>
#include <vector>

namespace orvane {
namespace {

using namespace paint;

using Points = std::vector<QPointF>;

// A silhouette in a 120 x 56 box, muzzle to the right: filled parts plus stroked parts
// (trigger guards, wire stocks, bipod legs).
struct GunShape {
  std::vector<Points> solids;
  std::vector<Points> strokes;
  std::vector<QRectF> holes;  // cooling slots, thumb holes
};

Points Box(qreal x0, qreal y0, qreal x1, qreal y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// Pistol.
GunShape Pistol() {
  return {{{{34, 15}, {88, 15}, {88, 25}, {34, 25}},
           Box(37, 12.5, 41, 15), Box(83, 12.5, 86, 15),
           {{38, 25}, {84, 25}, {84, 28.5}, {38, 28.5}},
           {{38, 27}, {55, 27}, {51, 47}, {35, 47}, {34, 41}}},
          {{{55, 28}, {56.5, 34.5}, {66, 34.5}, {67.5, 28.5}}},
          {QRectF(62, 18, 20, 2)}};
}

// Submachine gun with a folding wire stock.
GunShape SubmachineGun() {
  return {{{{30, 17}, {86, 17}, {88, 20}, {88, 28}, {30, 28}},
           Box(88, 20.5, 101, 24.5), Box(96, 15, 99, 20.5), Box(33, 14.5, 37, 17),
           {{59, 28}, {67, 28}, {66, 49}, {59, 49}},
           {{39, 27}, {50, 27}, {47, 43}, {37, 43}}},
          {{{31, 20}, {11, 21}, {11, 30}, {31, 26.5}}, {{50, 28}, {51, 33}, {58, 33}}},
          {QRectF(70, 21, 12, 2)}};
}

// Assault rifle with a curved magazine.
GunShape AssaultRifle() {
  return {{{{5, 22}, {30, 19}, {30, 28}, {10, 37}, {5, 36}},
           Box(30, 18, 70, 28),
           {{70, 19}, {90, 19}, {91, 21}, {91, 27}, {70, 27}},
           Box(91, 21, 113, 23.8), Box(70, 15.5, 95, 18.5), Box(104, 16.5, 106.5, 21),
           {{57, 28}, {66, 28}, {71, 39}, {66, 49}, {58, 47}, {61, 39}},
           {{36, 27}, {45, 27}, {41, 41}, {33, 41}}},
          {{{45, 28}, {47, 33}, {55, 33}}},
          {QRectF(74, 21.5, 3, 3), QRectF(80, 21.5, 3, 3)}};
}

// Carbine with a rail, a straight magazine and a collapsible stock.
GunShape Carbine() {
  return {{{{6, 19}, {24, 19}, {29, 22}, {29, 28}, {24, 31}, {6, 31}},
           Box(24, 21, 30, 25),
           Box(28, 16.5, 66, 27), Box(34, 13, 63, 16.5),
           {{66, 17.5}, {92, 17.5}, {92, 26.5}, {66, 26.5}},
           Box(92, 20.5, 113, 23), {{86, 12.5}, {89, 12.5}, {90, 17.5}, {85, 17.5}},
           {{52, 27}, {60, 27}, {62, 45}, {54, 45}},
           {{34, 26}, {42, 26}, {38, 41}, {31, 41}}},
          {{{42, 27}, {44, 32}, {52, 32}}},
          {QRectF(70, 20, 4, 2), QRectF(77, 20, 4, 2), QRectF(84, 20, 4, 2)}};
}

// Pump-action shotgun with a long tube magazine.
GunShape Shotgun() {
  return {{{{3, 22}, {26, 19}, {27, 28}, {8, 35}, {3, 33}},
           Box(26, 18, 50, 28), Box(50, 18, 115, 22.5), Box(50, 23, 103, 26.5),
           {{62, 22}, {86, 22}, {86, 29}, {62, 29}}, Box(110, 16, 112.5, 18)},
          {{{33, 28}, {35, 33.5}, {44, 33.5}, {45, 28}}},
          {QRectF(66, 25, 2, 3), QRectF(71, 25, 2, 3), QRectF(76, 25, 2, 3), QRectF(81, 25, 2, 3)}};
}

// Bolt-action sniper rifle with a scope.
GunShape SniperRifle() {
  return {{{{3, 24}, {30, 21}, {34, 28}, {25, 37}, {5, 39}},
           Box(30, 20, 63, 27.5), Box(63, 21.5, 117, 24),
           Box(37, 11, 63, 14.5), {{32, 8.5}, {38, 10.5}, {38, 15}, {32, 17}},
           {{59, 10}, {67, 7.5}, {67, 18}, {59, 15.5}},
           Box(43, 14.5, 46, 20), Box(54, 14.5, 57, 20), Box(46, 27, 54, 33)},
          {{{40, 27}, {42.5, 31.5}}, {{34.5, 28}, {36.5, 32}, {43, 32}}},
          {QRectF(11, 27, 10, 4)}};
}

// Light machine gun on a bipod with a box magazine.
GunShape MachineGun() {
  return {{{{5, 20}, {28, 18.5}, {28, 30}, {5, 32}},
           Box(28, 15.5, 75, 30), Box(75, 17.5, 101, 27.5), Box(101, 20.5, 115, 24),
           {{45, 30}, {67, 30}, {67, 44}, {45, 44}},
           {{31, 29}, {40, 29}, {37, 42}, {29, 42}}},
          {{{98, 27}, {92, 46}}, {{100, 27}, {106, 46}}, {{44, 15.5}, {48, 10.5}, {64, 10.5}, {68, 15.5}}},
          {QRectF(79, 20, 3, 3), QRectF(85, 20, 3, 3), QRectF(91, 20, 3, 3)}};
}

constexpr std::array kGuns = {Pistol, SubmachineGun, AssaultRifle, Carbine, Shotgun,
                              SniperRifle, MachineGun};

QPainterPath Outline(const GunShape& gun) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (const Points& part : gun.solids) {
    path.addPolygon(QPolygonF(QList<QPointF>(part.begin(), part.end())));
    path.closeSubpath();
  }
  QPainterPathStroker stroker;
  stroker.setWidth(2.6);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  for (const Points& line : gun.strokes) {
    QPainterPath wire;
    wire.moveTo(line.front());
    for (size_t i = 1; i < line.size(); ++i) wire.lineTo(line[i]);
    path.addPath(stroker.createStroke(wire));
  }
  path = path.simplified();
  for (const QRectF& hole : gun.holes) {
    QPainterPath cut;
    cut.addRect(hole);
    path = path.subtracted(cut);
  }
  return path;
}

QImage DrawGun(QSize s, int index, bool chosen) {
  const Palette& c = Colours();
  QImage image = NewPicture(s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
  const QPainterPath plate = ChamferRect(r, 8, 0, 8, 0);
  if (chosen) {
    DrawPlate(p, plate, QColor(18, 58, 80), QColor(8, 20, 28));
  } else {
    DrawPlate(p, plate, QColor(36, 40, 48), QColor(16, 18, 23));
  }
  p.save();
  p.setClipPath(plate);
  DrawHatch(p, plate, 4, QColor(255, 255, 255, chosen ? 10 : 6));
  if (chosen) {
    QRadialGradient halo(r.center(), s.width() * 0.55);
    halo.setColorAt(0, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 70));
    halo.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(r, halo);
  }
  p.restore();
  StrokeInside(p, plate, 1, 1, chosen ? c.accent : c.steel);
  if (chosen) DrawCornerTicks(p, r.adjusted(3, 3, -3, -3), 6, c.accent);

  const QPainterPath gun = Outline(kGuns[index]());
  if (chosen) DrawGlow(p, gun, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 160), 3);
  const QRectF box = gun.boundingRect();
  p.setPen(QPen(c.ink, 1.2));
  p.setBrush(chosen ? Vertical(box, QColor(200, 244, 255), QColor(20, 170, 230))
                    : Vertical(box, QColor(176, 186, 200), QColor(84, 92, 106)));
  p.drawPath(gun);
  // Top edge highlight of the silhouette.
  p.save();
  p.setClipPath(gun);
  p.translate(0, 1.3);
  p.setPen(QPen(QColor(255, 255, 255, chosen ? 150 : 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(gun);
  p.restore();
  // Slot number in the upper right corner.
  p.setPen(chosen ? c.accent : c.textDim);
  p.setFont(LogoFont(10, QFont::Bold, 0.5));
  p.drawText(QRectF(s.width() - 28, 3, 16, 12), Qt::AlignRight | Qt::AlignVCenter,
             QString::number(index + 1));
  p.end();
  return image;
}

// Gun mode badge: a hexagon with a fire pattern inside.
enum class ModeIcon { Single, Double, Burst, Spray, Target };

struct GunMode {
  int size;
  ModeIcon icon;
};

constexpr std::array kModes = {GunMode{42, ModeIcon::Single}, GunMode{52, ModeIcon::Double},
                               GunMode{42, ModeIcon::Burst}, GunMode{52, ModeIcon::Spray},
                               GunMode{62, ModeIcon::Target}};

QPainterPath Hexagon(const QPointF& m, qreal radius) {
  QPolygonF hex;
  for (int i = 0; i < 6; ++i) {
    const qreal a = qDegreesToRadians(60.0 * i + 30);
    hex << m + QPointF(radius * std::cos(a), radius * std::sin(a));
  }
  QPainterPath path;
  path.addPolygon(hex);
  path.closeSubpath();
  return path;
}

void DrawBullet(QPainter& p, const QPointF& base, qreal h) {
  const qreal w = h * 0.36;
  QPainterPath bullet;
  bullet.moveTo(base + QPointF(-w / 2, 0));
  bullet.lineTo(base + QPointF(-w / 2, -h * 0.62));
  bullet.quadTo(base + QPointF(-w / 2, -h), base + QPointF(0, -h));
  bullet.quadTo(base + QPointF(w / 2, -h), base + QPointF(w / 2, -h * 0.62));
  bullet.lineTo(base + QPointF(w / 2, 0));
  bullet.closeSubpath();
  p.drawPath(bullet);
  p.save();
  p.setPen(QPen(QColor(0, 0, 0, 120), 1));
  p.drawLine(base + QPointF(-w / 2, -h * 0.62), base + QPointF(w / 2, -h * 0.62));
  p.restore();
}

void DrawCrosshair(QPainter& p, const QPointF& m, qreal r, const QColor& colour) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, 1.6));
  p.drawEllipse(m, r, r);
  p.drawEllipse(m, r * 0.45, r * 0.45);
  for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
    p.drawLine(m + d * (r * 0.2), m + d * (r * 1.25));
  }
  p.restore();
}

QImage DrawGunMode(const GunMode& mode) {
  const Palette& c = Colours();
  const QSize s(mode.size, mode.size);
  QImage image = NewPicture(s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF m(s.width() / 2.0, s.height() / 2.0);
  const qreal radius = s.width() / 2.0 - 1;
  const QPainterPath hex = Hexagon(m, radius);
  DrawPlate(p, hex, QColor(44, 50, 60), QColor(14, 16, 21));
  StrokeInside(p, hex, 1, 1.4, c.accentDeep);
  StrokeInside(p, hex, 3.5, 1, QColor(0, 0, 0, 120));

  const QColor brass(232, 190, 96);
  p.setPen(QPen(c.ink, 0.8));
  p.setBrush(Vertical(QRectF(0, 0, s.width(), s.height()), QColor(255, 226, 150), brass.darker(130)));
  const qreal h = s.height() * 0.42;
  const QPointF base = m + QPointF(0, h / 2);
  switch (mode.icon) {
    case ModeIcon::Single:
      DrawBullet(p, base, h);
      break;
    case ModeIcon::Double:
      for (qreal dx : {-0.12, 0.12}) DrawBullet(p, base + QPointF(dx * s.width(), 0), h);
      break;
    case ModeIcon::Burst:
      for (qreal dx : {-0.18, 0.0, 0.18}) DrawBullet(p, base + QPointF(dx * s.width(), 0), h * 0.85);
      break;
    case ModeIcon::Spray:
      DrawCrosshair(p, m, s.width() * 0.22, c.accent);
      p.setPen(Qt::NoPen);
      p.setBrush(brass);
      for (const QPointF d : {QPointF(-0.1, -0.12), QPointF(0.08, -0.05), QPointF(-0.04, 0.1),
                              QPointF(0.12, 0.13), QPointF(0.02, -0.2)}) {
        p.drawEllipse(m + d * s.width(), 1.8, 1.8);
      }
      break;
    case ModeIcon::Target:
      DrawCrosshair(p, m, s.width() * 0.26, c.accent);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 90, 90));
      p.drawEllipse(m, 2.4, 2.4);
      break;
  }
  p.end();
  return image;
}

}  // namespace

PictureList GunPictures() {
  PictureList list;
  for (int chosen = 0; chosen < 2; ++chosen) {
    for (int i = 0; i < int(kGuns.size()); ++i) {
      list.push_back({QStringLiteral("Gun%1_0%2").arg(i + 1).arg(chosen + 1), {120, 56},
                      [i, chosen](QSize s) { return DrawGun(s, i, chosen == 1); }});
    }
  }
  for (int i = 0; i < int(kModes.size()); ++i) {
    const GunMode mode = kModes[i];
    list.push_back({QStringLiteral("GunMode%1").arg(i + 1), {mode.size, mode.size},
                    [mode](QSize) { return DrawGunMode(mode); }});
  }
  return list;
}

}  // namespace orvane
