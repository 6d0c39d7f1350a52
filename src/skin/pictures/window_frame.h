// Geometry of the window background of skins 1 and 2: the outline that shapes the window
// and the regions the controls are laid out in (see docs/pictures.md).
#pragma once

#include <QPolygon>
#include <QRect>
#include <QSize>

namespace orvane::frame {

inline constexpr QSize kWindowSize{1030, 662};

inline constexpr QRect kHeader{14, 14, 1002, 76};       // crest, web button, window buttons
inline constexpr QRect kWebSlot{22, 20, 204, 70};       // web button 200 x 66 at (24, 22)
inline constexpr QRect kWindowButtons{950, 22, 60, 28};  // minimise (958, 26), close (984, 26)
inline constexpr QRect kTabBar{18, 96, 994, 38};        // main buttons 121 x 30 at y 100
inline constexpr QRect kContent{14, 140, 1002, 470};    // page pictures
inline constexpr QRect kStatusLine{22, 616, 580, 26};   // status line
inline constexpr QRect kFooter{616, 614, 396, 30};      // reset, save and load buttons

// The window outline: every pixel outside it is the key colour.
QPolygon WindowOutline();

}  // namespace orvane::frame
