#pragma once
// The device side of one run of the tool, wired together: transport, command set, session
// and device watch over a backend, with the busy window, waits and screens the caller
// supplies (the window's own, or orvanectl's quiet ones).

#include <optional>

#include "device/device_link.h"
#include "device/mouse_session.h"
#include "device/transport.h"
#include "shell/device_watch.h"

namespace orvane {

// The session settings every run starts from: the default header of factory image 1, the
// factory ids, the second accepted customer id pair of the global settings.
SessionConfig StartupSessionConfig(std::optional<UsbIds> deviceOverride);

struct DeviceServices {
  DeviceServices(HidBackend& backend, BusyIndicator& busy, Pump& pump, ScreenHost& screens,
                 const SessionConfig& config)
      : transport(backend), link(transport, busy, pump), session(link, screens, config),
        watch(session, pump) {}

  HidTransport transport;
  DeviceLink link;
  MouseSession session;
  DeviceWatch watch;
};

}  // namespace orvane
