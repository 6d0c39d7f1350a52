// Geometry of the window background of skins 1 and 2: the outline that shapes the window
// and the regions the controls are laid out in (see docs/pictures.md).
#pragma once

#include <QPolygon>
#include <QRect>
#include <QSize>

namespace orvane::frame {

inline constexpr QSize kWindowSize{1030, 662};

inline constexpr QRect kSidebar{10, 12, 150, 640};        // main, save, load, language buttons
inline constexpr QPoint kEmblemCentre{85, 60};            // emblem at the top of the sidebar
inline constexpr QRect kHeader{166, 12, 856, 124};        // crest with the wordmark, page titles
inline constexpr int kCrestCentre = 594;                  // middle of the content column
inline constexpr QRect kWindowButtons{960, 8, 62, 28};    // minimise and close, 20 x 20
inline constexpr QRect kContent{166, 142, 856, 392};      // page pictures
inline constexpr QRect kStatusLine{172, 612, 372, 30};    // status line
inline constexpr QRect kFooter{552, 608, 470, 42};        // reset buttons, 101 x 30

// The window outline: every pixel outside it is the key colour.
QPolygon WindowOutline();

}  // namespace orvane::frame
