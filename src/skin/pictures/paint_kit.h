// Shared colours and drawing primitives of the skin pictures: plates with bevels,
// recessed wells, chamfered outlines, glows.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

namespace orvane::paint {

// The window's transparent key colour: maroon cuts the window shape.
inline constexpr QRgb kKeyColour = qRgb(128, 0, 0);

struct Palette {
  QColor ink{9, 11, 14};           // deepest shadow
  QColor panelTop{38, 42, 50};     // raised plate, top of gradient
  QColor panelBottom{20, 23, 28};  // raised plate, bottom of gradient
  QColor wellTop{11, 13, 17};      // recessed well
  QColor wellBottom{17, 20, 25};
  QColor steel{58, 64, 75};        // bevel edges
  QColor steelLight{96, 104, 118};
  QColor accent{24, 196, 255};     // electric cyan
  QColor accentDeep{6, 104, 150};
  QColor accentDark{4, 50, 74};
  QColor text{222, 231, 240};
  QColor textDim{120, 132, 148};
};

const Palette& Colours();

// A new picture of the given size, fully transparent.
QImage NewPicture(QSize size);

// A rectangle whose corners are cut at 45 degrees; a cut of 0 keeps the corner square.
QPainterPath ChamferRect(const QRectF& r, qreal topLeft, qreal topRight, qreal bottomRight,
                         qreal bottomLeft);
inline QPainterPath ChamferRect(const QRectF& r, qreal cut) {
  return ChamferRect(r, cut, cut, cut, cut);
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom);

// A raised plate: gradient body, dark outline, light top edge.
void DrawPlate(QPainter& p, const QPainterPath& shape, const QColor& top, const QColor& bottom);

// A recessed well: dark body, shadow along the top, light lip along the bottom.
void DrawWell(QPainter& p, const QPainterPath& shape);

// A soft glow around a shape, drawn by widening strokes of fading colour.
void DrawGlow(QPainter& p, const QPainterPath& shape, const QColor& colour, int radius);

// Strokes the shape's outline clipped to its inside, so only a band of `width` pixels
// inside the edge is painted (works for any outline).
void StrokeInside(QPainter& p, const QPainterPath& shape, qreal inset, qreal width,
                  const QBrush& brush);

// Fine diagonal hatching inside a shape, for brushed-metal texture.
void DrawHatch(QPainter& p, const QPainterPath& shape, int spacing, const QColor& colour);

// A honeycomb of hexagon outlines over an area.
void DrawHexGrid(QPainter& p, const QRectF& area, qreal radius, const QColor& colour);

// Small accent brackets in the four corners of a rectangle.
void DrawCornerTicks(QPainter& p, const QRectF& r, qreal length, const QColor& colour);

// Replaces every opaque pixel of the key colour by a neighbour colour so that the picture
// never punches a hole into the window.
void AvoidKeyColour(QImage& image);

// Font of the skin's own lettering (logo, badges).
QFont LogoFont(int pixelSize, int weight, qreal spacing);

}  // namespace orvane::paint
