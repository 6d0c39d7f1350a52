#include "shell/device_services.h"

#include "image/factory_images.h"
#include "skin/global_settings.h"

namespace orvane {

SessionConfig StartupSessionConfig(std::optional<UsbIds> deviceOverride) {
  SessionConfig config;
  config.startup = DeriveStartupIds(ReadDefaultHeader());
  config.factoryIds = config.startup.CandidateIds[0];  // bytes 0..3 of factory image 1
  const GlobalSettings layout = LoadGlobalSettings();
  config.layoutExpectedVendor = layout.revManuId;
  config.layoutExpectedProduct = layout.revProId;
  config.deviceOverride = deviceOverride;
  return config;
}

}  // namespace orvane
