// Layout of the page pictures: the recessed wells each page is divided into, and the
// caption slots of the button page (see docs/pictures.md).
#pragma once

#include <QRect>
#include <QSize>

#include <span>

namespace orvane::pages {

enum class Fill { Plain, Rows, Sockets, GunSockets, Grid };

struct Well {
  QRect rect;
  bool header;  // a 22 pixel strip at the top for the section's label
  Fill fill;
  int count;    // rows, sockets or grid columns
};

struct PageLayout {
  const char* name;  // "Back1" .. "Back5"
  QSize size;
  std::span<const Well> wells;
  bool mouse;        // the button page shows the mouse with its caption slots
};

std::span<const PageLayout> PageLayouts();

// Caption slots of the button page: two columns of six, each holding a 180 x 30 caption.
inline constexpr int kSlotCount = 6;
inline constexpr QRect kFirstLeftSlot{14, 30, 182, 32};
inline constexpr int kRightSlotLeft = 484;
inline constexpr int kSlotStep = 56;

// Sockets of the gun page's seven gun buttons (120 x 56, one inside each socket).
inline constexpr QRect kFirstGunSocket{27, 46, 124, 60};
inline constexpr int kGunSocketStep = 74;

}  // namespace orvane::pages
