#pragma once
// KEY=VALUE settings of the simulated mouse, as the command line and the window take them
// (--sim type=QL840, --sim fail-fetch=3, ...).

#include <string>
#include <string_view>

#include "device/simulated_mouse.h"

namespace orvane {

// Applies one KEY=VALUE setting to the configuration. On a bad key or value the
// configuration is left as it was, `error` says why, and the result is false.
bool ApplySimOption(SimulatedMouseConfig& config, std::string_view option, std::string& error);

// One line per key, for --help.
std::string SimOptionsHelp();

}  // namespace orvane
