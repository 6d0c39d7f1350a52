#include "device/mouse_session.h"

#include <algorithm>

#include "image/distribute.h"

namespace orvane {

namespace {
constexpr std::uint8_t kMarker = 0x5A;
constexpr std::uint8_t kTypeByteQL840 = 0x40;
constexpr std::uint8_t kTypeByteI2C = 0xC0;
constexpr std::uint8_t kAcceptedStatus[] = {0, 128, 129, 130};
constexpr std::uint16_t kPresetVersion = 256;
}  // namespace

MouseSession::MouseSession(DeviceLink& link, ScreenHost& screens, SessionConfig config)
    : link_(link), screens_(screens), config_(config) {}

std::array<UsbIds, 2> MouseSession::SearchIds() const {
  if (config_.deviceOverride) return {*config_.deviceOverride, UsbIds{}};
  return config_.startup.CandidateIds;
}

RepairContext MouseSession::Repairs() const {
  return {deviceICType_, ledType_, packageEntry_, config_.factoryIds.vendorId,
          config_.factoryIds.productId};
}

IdentifyResult MouseSession::AcceptType(DeviceType type) {
  deviceICType_ = type;
  const DeviceType image = DefaultICType();
  const bool fits = type == DeviceType::kQL840
                        ? !(image == DeviceType::kI2C || image == DeviceType::kFlash)
                        : !(image == DeviceType::kFlash || image == DeviceType::kQL840);
  if (fits) return IdentifyResult::kAccepted;
  screens_.ShowMessage(message::kFileTypeError);
  screens_.ShowNoDeviceDisplay();
  return IdentifyResult::kTypeMismatch;
}

IdentifyResult MouseSession::ReadDevInfo() {
  lastIdentify_ = Identify();
  return lastIdentify_;
}

IdentifyResult MouseSession::Identify() {
  HidTransport& transport = link_.Transport();
  lastInfo_ = {};
  if (!transport.SendCommand(command::kDeviceInfo, 0, 0, 0, 0)) return IdentifyResult::kNotSent;
  transport.ReadReply();
  const auto reply = transport.ReplyData();
  lastInfo_ = {reply[0], reply[1], reply[2], reply[4], reply[5]};
  const bool statusOk =
      std::find(std::begin(kAcceptedStatus), std::end(kAcceptedStatus), reply[0]) !=
      std::end(kAcceptedStatus);
  if (!statusOk || reply[1] != kMarker) return IdentifyResult::kReplyRejected;

  std::array<std::uint8_t, image::kInfoBlock.size> info;
  if (reply[2] == kTypeByteQL840) {
    if (AcceptType(DeviceType::kQL840) != IdentifyResult::kAccepted)
      return IdentifyResult::kTypeMismatch;
    if (reply[4] != 0 || reply[5] != 26) return IdentifyResult::kQL840Refused;
    link_.ReadBlock(image::kInfoBlockQL840, info);
  } else if (reply[2] == kTypeByteI2C) {
    if (AcceptType(DeviceType::kI2C) != IdentifyResult::kAccepted)
      return IdentifyResult::kTypeMismatch;
    link_.ReadBlock(image::kInfoBlock.first, info);
  } else {
    return IdentifyResult::kUnknownType;
  }

  lastCustomerIds_ = {info[0], info[1]};
  screens_.ShowCustomerIds(info[0], info[1]);
  const StartupIds& s = config_.startup;
  const bool defaultPair = info[0] == s.expectedVendor && info[1] == s.expectedProduct;
  const bool layoutPair = info[0] == config_.layoutExpectedVendor &&
                          info[1] == config_.layoutExpectedProduct;
  if (defaultPair || layoutPair) {
    Btn_Read();
    return IdentifyResult::kAccepted;
  }
  screens_.SetDevTimerEnabled(false);
  screens_.ShowPlainMessage(message::kCustomerIdError);
  screens_.SetDevTimerEnabled(true);
  return IdentifyResult::kIdsRejected;
}

RepairReport MouseSession::Distribute() {
  lastRepairs_ = DistributeImage(state_, Repairs());
  screens_.RebuildDeviceMacroList();  // the macro mirror was just replaced
  return lastRepairs_;
}

void MouseSession::FillScreens() {
  screens_.FillScreens();
  // What the filled screens now show, and what the next repairs depend on.
  packageEntry_ = PackageEntryFromImage(state_.ImageMirror);
  ledType_ = LedTypeFromImage(deviceICType_, state_.ImageMirror[image::kLedModeByte], ledType_);
}

bool MouseSession::Btn_Read() {
  BusyIndicator& busy = link_.Busy();
  ++fullReads_;
  refreshing_ = true;
  screens_.SetDevTimerEnabled(false);
  screens_.ShowInputBlockers();
  busy.ShowBusyWindow();
  screens_.RefreshPCMacroList();
  // A QL840 mouse is handled as I2C from here on.
  deviceICType_ = DeviceType::kI2C;
  const bool read = link_.ReadBlockBusy(0, state_.DataBuf);
  Distribute();
  screens_.ShowPatchCheck(PatchCheckValue(state_));
  FillScreens();
  screens_.ReadPointerSettings();
  screens_.ShowModePage();
  busy.HideBusyWindow();
  screens_.SetDevTimerEnabled(true);
  screens_.HideInputBlockers();
  refreshing_ = false;
  return read;
}

void MouseSession::RestartAndRefind() {
  const int readsBefore = fullReads_;
  link_.RestartDevice([this] { ReFindDev(); });
  if (fullReads_ != readsBefore) return;
  // The mouse did not come back readable: the full read that normally ends the operation
  // never ran, so release the screens and keep watching for the mouse.
  refreshing_ = false;
  screens_.SetDevTimerEnabled(true);
  screens_.HideInputBlockers();
}

bool MouseSession::ReFindDev() {
  link_.Transport().ForgetDevice();
  for (const UsbIds& ids : SearchIds()) {
    if (ids.IsZero()) {
      ClearDeviceState();
      continue;
    }
    std::uint16_t version = kPresetVersion;
    if (link_.Transport().OpenDevice(ids.vendorId, ids.productId, version)) {
      ReadDevInfo();
      return true;
    }
  }
  return false;
}

void MouseSession::ClearDeviceState() {
  screens_.ClearDeviceState();
  deviceICType_ = DeviceType::kNone;
  ledType_ = LedType::kNone;
}

void MouseSession::InitNoDevice() {
  refreshing_ = true;
  const DefaultImages defaults = LoadDefaultImages(DefaultICType());
  if (HasConfigImage(DefaultICType())) {
    state_.DataBuf = defaults.images[0];
    Distribute();
  }
  FillScreens();
  refreshing_ = false;
}

}  // namespace orvane
