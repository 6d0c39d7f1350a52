#include "skin/pictures/window_frame.h"

namespace orvane::frame {

QPolygon WindowOutline() {
  const int w = kWindowSize.width(), h = kWindowSize.height();
  constexpr int kTop = 6, kBigCorner = 30, kSmallCorner = 12, kBottomCorner = 22;
  constexpr int kCrestHalf = 140, kCrestSlant = 6;
  constexpr int kNotchTop = 296, kNotchBottom = 366, kNotchDepth = 6;
  const int crestLeft = kCrestCentre - kCrestHalf, crestRight = kCrestCentre + kCrestHalf;
  return QPolygon({
      {0, kTop + kBigCorner}, {kBigCorner, kTop},
      {crestLeft - kCrestSlant, kTop}, {crestLeft, 0},
      {crestRight, 0}, {crestRight + kCrestSlant, kTop},
      {w - kSmallCorner, kTop}, {w, kTop + kSmallCorner},
      {w, kNotchTop}, {w - kNotchDepth, kNotchTop + kNotchDepth},
      {w - kNotchDepth, kNotchBottom - kNotchDepth}, {w, kNotchBottom},
      {w, h - kBottomCorner}, {w - kBottomCorner, h},
      {kBigCorner, h}, {0, h - kBigCorner},
      {0, kNotchBottom}, {kNotchDepth, kNotchBottom - kNotchDepth},
      {kNotchDepth, kNotchTop + kNotchDepth}, {0, kNotchTop},
  });
}

}  // namespace orvane::frame
