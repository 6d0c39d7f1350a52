#include "skin/pictures/page_layout.h"

#include <array>

namespace orvane::pages {
namespace {

constexpr std::array<Well, 0> kButtonWells{};

constexpr std::array kDpiWells = {
    Well{{14, 14, 546, 346}, true, Fill::Rows, 8},     // DPI levels
    Well{{574, 14, 262, 162}, true, Fill::Sockets, 4},  // report rate
    Well{{574, 190, 262, 170}, true, Fill::Rows, 3},    // aim DPI and pointer
};

constexpr std::array kLightingWells = {
    Well{{14, 14, 286, 346}, true, Fill::Rows, 7},      // lighting modes
    Well{{314, 14, 472, 162}, true, Fill::Sockets, 10}, // colours
    Well{{314, 190, 472, 170}, true, Fill::Rows, 2},    // speed and steps
};

constexpr std::array kMacroWells = {
    Well{{14, 14, 256, 290}, true, Fill::Rows, 10},   // PC macro library
    Well{{284, 14, 256, 290}, true, Fill::Rows, 10},  // macros in the mouse
    Well{{554, 14, 282, 290}, true, Fill::Rows, 10},  // macro content
    Well{{14, 318, 822, 42}, false, Fill::Plain, 0},  // buttons
};

constexpr std::array kGunWells = {
    Well{{14, 14, 150, 560}, true, Fill::GunSockets, 7},  // the seven guns
    Well{{14, 588, 150, 48}, false, Fill::Plain, 0},    // confirm and exit
    Well{{178, 14, 528, 316}, true, Fill::Grid, 3},     // shots of the gun
    Well{{178, 344, 528, 292}, true, Fill::Rows, 9},    // fire macro
};

constexpr std::array kLayouts = {
    PageLayout{"Back1", {680, 380}, kButtonWells, true},
    PageLayout{"Back2", {850, 374}, kDpiWells, false},
    PageLayout{"Back3", {800, 374}, kLightingWells, false},
    PageLayout{"Back4", {850, 374}, kMacroWells, false},
    PageLayout{"Back5", {720, 650}, kGunWells, false},
};

}  // namespace

std::span<const PageLayout> PageLayouts() { return kLayouts; }

}  // namespace orvane::pages
