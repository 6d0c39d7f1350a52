// The busy window's animation: frames of equal size stored side by side in one strip.
#pragma once

#include <QSize>

namespace orvane {

inline constexpr QSize kBusyFrameSize{200, 192};
inline constexpr int kBusyFrameCount = 12;
inline constexpr int kBusyFrameIntervalMs = 75;

}  // namespace orvane
