#pragma once
// The open mouse and the image the tool holds of it: identifying a freshly opened mouse,
// the full read, the fresh search after a restart, and forgetting a mouse that went away.

#include <array>
#include <cstdint>
#include <optional>

#include "device/device_link.h"
#include "device/screen_host.h"
#include "image/device_types.h"
#include "image/factory_images.h"
#include "image/image_state.h"
#include "image/section_repairs.h"

namespace orvane {

struct SessionConfig {
  StartupIds startup;  // from the default header
  // The second accepted customer id pair ([org] Rev_Manu_ID, Rev_Pro_ID).
  int layoutExpectedVendor = -1;
  int layoutExpectedProduct = -1;
  UsbIds factoryIds;  // what a vendor section repair writes at 0..3
  // `--device VID:PID`: searched instead of the candidate ids.
  std::optional<UsbIds> deviceOverride;
};

// How the identification of an opened mouse ended.
enum class IdentifyResult {
  kNotSent,        // the device information command could not be sent
  kReplyRejected,  // bad status or marker: stopped without a message
  kUnknownType,    // a type byte that names no known controller
  kTypeMismatch,   // the mouse does not fit the default image: message and default display
  kQL840Refused,   // a QL840 whose bytes 4 and 5 are not 0 and 26
  kIdsRejected,    // customer ids match neither accepted pair: message, image not read
  kAccepted,       // accepted and read in full
};

struct DeviceInfoReply {
  std::uint8_t status = 0xFF, marker = 0xFF, type = 0xFF;
  std::uint8_t byte4 = 0xFF, byte5 = 0xFF;
};

class MouseSession {
 public:
  MouseSession(DeviceLink& link, ScreenHost& screens, SessionConfig config);

  DeviceLink& Link() { return link_; }
  ScreenHost& Screens() { return screens_; }
  HidTransport& Transport() { return link_.Transport(); }
  ImageState& State() { return state_; }
  const ImageState& State() const { return state_; }
  const SessionConfig& Config() const { return config_; }

  DeviceType DefaultICType() const { return config_.startup.DefaultICType; }
  DeviceType DeviceICType() const { return deviceICType_; }
  void SetDeviceICType(DeviceType type) { deviceICType_ = type; }
  LedType LEDType() const { return ledType_; }
  void SetLEDType(LedType type) { ledType_ = type; }
  int PackageEntry() const { return packageEntry_; }
  bool Refreshing() const { return refreshing_; }
  void SetRefreshing(bool on) { refreshing_ = on; }

  // The ids searched for, in order (the override, when given, replaces them).
  std::array<UsbIds, 2> SearchIds() const;
  RepairContext Repairs() const;

  // Right after OpenDevice: device information, the customer ids, and the full read when
  // the mouse is accepted.
  IdentifyResult ReadDevInfo();
  const DeviceInfoReply& LastDeviceInfo() const { return lastInfo_; }
  IdentifyResult LastIdentifyResult() const { return lastIdentify_; }
  std::array<std::uint8_t, 2> LastCustomerIds() const { return lastCustomerIds_; }

  // The full read of the 2048-byte image, distribution and screen filling.
  bool Btn_Read();

  // A fresh search: forgets the mouse, opens it by the search ids and identifies it.
  // True when a mouse was opened.
  bool ReFindDev();
  // The restart that ends every whole-image write: waits, restart command, fresh search.
  // When no full read follows, the screens are released and the device watch resumes.
  void RestartAndRefind();
  int FullReadCount() const { return fullReads_; }
  // Clears what belongs to the mouse after it is gone (types, the screens' lists).
  void ClearDeviceState();

  // Takes DataBuf into the mirrors (with checks) and rebuilds the device macro list.
  RepairReport Distribute();
  void FillScreens();
  const RepairReport& LastRepairs() const { return lastRepairs_; }

  // The default image shown while no mouse is read: factory image 1 for I2C and QL840.
  void InitNoDevice();

 private:
  IdentifyResult AcceptType(DeviceType type);
  IdentifyResult Identify();

  DeviceLink& link_;
  ScreenHost& screens_;
  SessionConfig config_;
  ImageState state_;
  DeviceType deviceICType_ = DeviceType::kNone;
  LedType ledType_ = LedType::kNone;
  int packageEntry_ = -1;
  bool refreshing_ = false;
  DeviceInfoReply lastInfo_;
  IdentifyResult lastIdentify_ = IdentifyResult::kNotSent;
  std::array<std::uint8_t, 2> lastCustomerIds_{0xFF, 0xFF};
  RepairReport lastRepairs_;
  int fullReads_ = 0;
};

}  // namespace orvane
