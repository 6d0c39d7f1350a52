#include "skin/pictures/window_frame.h"

namespace orvane::frame {

QPolygon WindowOutline() {
  const int w = kWindowSize.width(), h = kWindowSize.height();
  constexpr int kTop = 14, kCorner = 26, kBottom = 650;
  constexpr int kCrestLeft = 376, kCrestRight = 654, kCrestSlant = 18;
  constexpr int kNotchTop = 300, kNotchBottom = 362, kNotchDepth = 6;
  constexpr int kLipLeft = 330, kLipRight = 700;
  const int lipDrop = h - kBottom;
  return QPolygon({
      {0, kTop + kCorner}, {kCorner, kTop},
      {kCrestLeft - kCrestSlant, kTop}, {kCrestLeft, 0},
      {kCrestRight, 0}, {kCrestRight + kCrestSlant, kTop},
      {w - kCorner, kTop}, {w, kTop + kCorner},
      {w, kNotchTop}, {w - kNotchDepth, kNotchTop + kNotchDepth},
      {w - kNotchDepth, kNotchBottom - kNotchDepth}, {w, kNotchBottom},
      {w, kBottom - kCorner}, {w - kCorner, kBottom},
      {kLipRight + lipDrop, kBottom}, {kLipRight, h},
      {kLipLeft, h}, {kLipLeft - lipDrop, kBottom},
      {kCorner, kBottom}, {0, kBottom - kCorner},
      {0, kNotchBottom}, {kNotchDepth, kNotchBottom - kNotchDepth},
      {kNotchDepth, kNotchTop + kNotchDepth}, {0, kNotchTop},
  });
}

}  // namespace orvane::frame
