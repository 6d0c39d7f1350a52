#include "skin/global_settings.h"

#include <algorithm>

#include "skin/skin_table.h"

namespace orvane {

GlobalSettings ReadGlobalSettings(const IniFile& table) {
  constexpr std::string_view kSection = "org";
  const auto integer = [&](std::string_view key) { return table.ReadInteger(kSection, key); };
  const auto on = [&](std::string_view key) { return integer(key) == 1; };

  GlobalSettings settings;
  settings.webEnable = on("Web_Enable");
  settings.web = table.ReadString(kSection, "Web");
  settings.webX = integer("Web_X");
  settings.webY = integer("Web_Y");
  settings.revManuId = integer("Rev_Manu_ID");
  settings.revProId = integer("Rev_Pro_ID");
  settings.path = table.ReadString(kSection, "Path");
  settings.trEnable = on("TR_Enable");
  settings.beEnable = on("BE_Enable");
  settings.gdEnable = on("GD_Enable");
  settings.dpiLedStatus = integer("DPILED_Status");
  settings.gun6Num = std::clamp(integer("Gun6_Num"), 1, 2);
  settings.gun7Num = std::clamp(integer("Gun7_Num"), 1, 3);
  settings.numOrder = integer("Num_Order");
  settings.numMouseOrder = integer("Num_Mouse_Order");
  settings.dpiCount = std::clamp(integer("DPI_Count"), kMinDpiCount, kMaxDpiCount);
  return settings;
}

GlobalSettings LoadGlobalSettings() { return ReadGlobalSettings(LoadLayoutTable("org")); }

}  // namespace orvane
