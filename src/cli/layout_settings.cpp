#include "cli/layout_settings.h"

#include <string_view>

#include "skin/builtin_tables.h"
#include "skin/ini_file.h"

namespace orvane::cli {

std::pair<int, int> LayoutExpectedIds() {
  const auto bytes = SkinResource("org");
  const IniFile org = IniFile::Parse(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return {org.ReadInteger("org", "Rev_Manu_ID", -1), org.ReadInteger("org", "Rev_Pro_ID", -1)};
}

}  // namespace orvane::cli
