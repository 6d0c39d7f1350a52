#include "image/profile_file_names.h"

#include <algorithm>
#include <cctype>

namespace orvane {

std::string ProfileFileName(const std::string& chosen) {
  static constexpr char kExtension[] = ".bin";
  constexpr std::size_t kLength = sizeof kExtension - 1;
  if (chosen.size() >= kLength) {
    std::string tail = chosen.substr(chosen.size() - kLength);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (tail == kExtension) return chosen;
  }
  return chosen + kExtension;
}

}  // namespace orvane
