#pragma once
// The global layout settings that the command line needs.

#include <utility>

namespace orvane::cli {

// The second accepted customer id pair of the layout table (Rev_Manu_ID, Rev_Pro_ID).
std::pair<int, int> LayoutExpectedIds();

}  // namespace orvane::cli
