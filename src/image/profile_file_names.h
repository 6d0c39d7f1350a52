#pragma once
// The name a saved profile file gets from the name chosen in the save dialog.

#include <string>

namespace orvane {

// ".bin" is appended unless the chosen name already ends in ".bin" (in any letter case), so
// the file written is the one the dialog asked about replacing.
std::string ProfileFileName(const std::string& chosen);

}  // namespace orvane
