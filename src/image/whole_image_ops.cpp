#include "image/whole_image_ops.h"

#include <algorithm>
#include <vector>

#include "image/file_io.h"
#include "image/section_repairs.h"
#include "image/write_back.h"

namespace orvane {

namespace {

// A mouse is open when both its command and its reply handle are.
bool RequireMouse(MouseSession& session) { return session.Transport().DeviceOpen(); }

// The built-in images carry no controller program, only filler. A preset keeps the
// mouse's own patch code and the header bytes that describe it (1008..1015), and takes
// the lighting bytes of the patch header (1016..1023) from the preset.
void KeepMousePatchCode(const Image& mouse, Image& preset) {
  const std::size_t header = image::kPatchHeader.first;
  std::copy_n(mouse.begin() + header, image::kMcuLedSettings.first - header, preset.begin() + header);
  std::copy_n(mouse.begin() + image::kPatchCode.first, image::kPatchCode.size,
              preset.begin() + image::kPatchCode.first);
}

// Sends DataBuf whole (for mice that hold an image), then restarts and reads again.
void WriteImageAndRestart(MouseSession& session) {
  if (HasConfigImage(session.DeviceICType())) session.Link().WriteBlock(0, session.State().DataBuf);
  session.RestartAndRefind();
}

}  // namespace

bool ApplyPreset(MouseSession& session, int n) {
  if (n < 1 || n > kFactoryImageCount) return false;
  ScreenHost& screens = session.Screens();
  if (!RequireMouse(session)) {
    screens.ShowMessage(message::kDeviceNotFound);
    return false;
  }
  BusyIndicator& busy = session.Link().Busy();
  session.SetRefreshing(true);
  screens.SetDevTimerEnabled(false);
  screens.ShowInputBlockers();
  busy.ShowBusyWindow();
  const DefaultImages defaults = LoadDefaultImages(session.DefaultICType());
  if (HasConfigImage(session.DeviceICType())) {
    ImageState& state = session.State();
    const Image mouse = state.DataBuf;
    state.DataBuf = defaults.images[static_cast<std::size_t>(n - 1)];
    KeepMousePatchCode(mouse, state.DataBuf);
    session.Distribute();
  }
  busy.ShowBusyWindow();
  session.FillScreens();
  WriteImageAndRestart(session);
  return true;
}

bool ResetToBuiltInValues(MouseSession& session) {
  if (!RequireMouse(session)) return false;
  ScreenHost& screens = session.Screens();
  screens.SetDevTimerEnabled(false);
  session.SetRefreshing(true);
  session.Link().Busy().ShowBusyWindow();

  ImageState& state = session.State();
  const RepairContext context = session.Repairs();
  RepairVendorSection(state.ImageMirror, context);
  RepairUserSection(state.ImageMirror, context);
  RepairProfileSection(state.ImageMirror, image::kProfile1Section, context);
  RepairProfileSection(state.ImageMirror, image::kProfile2Section, context);
  RepairInfoBlock(state.ImageMirror, context);
  session.FillScreens();

  if (HasConfigImage(session.DeviceICType())) {
    std::copy(state.ImageMirror.begin(), state.ImageMirror.end(), state.DataBuf.begin());
    // Only the macro records are cleared; the patch code that shares the macro block
    // (1024..1151) goes back as it was read.
    std::fill_n(state.deviceMacroMirror.begin(), image::kDeviceMacroArea.size, 0);
    screens.RebuildDeviceMacroList();
    std::copy(state.deviceMacroMirror.begin(), state.deviceMacroMirror.end(),
              state.DataBuf.begin() + image::kDeviceMacroBlock.first);
    std::copy(state.patchHeader.begin(), state.patchHeader.end(),
              state.DataBuf.begin() + image::kPatchHeader.first);
    state.gunWorkingCopy.fill(0);
    std::copy(state.gunTable.begin(), state.gunTable.end(),
              state.DataBuf.begin() + image::kGunTable.first);
  }
  WriteImageAndRestart(session);
  return true;
}

ProfileFileVerdict ApplyProfileFile(ImageState& state, DeviceType deviceType,
                                    std::span<const std::uint8_t> file) {
  if (!HasConfigImage(deviceType)) return ProfileFileVerdict::kApplied;
  const std::size_t infoAt = image::kInfoBlockQL840;
  if (file.size() > infoAt) {
    const std::size_t n = std::min(state.infoSendBuffer.size(), file.size() - infoAt);
    std::copy_n(file.begin() + infoAt, n, state.infoSendBuffer.begin());
  }
  constexpr std::size_t kTypeAt = image::kInfoBlockQL840 + (image::kInfoTypeCode - image::kInfoBlock.first);
  if (deviceType == DeviceType::kQL840 &&
      (file.size() <= kTypeAt || file[kTypeAt] != image::kTypeCodeQL840))
    return ProfileFileVerdict::kWrongType;
  std::copy_n(file.begin(), std::min(file.size(), kImageSize), state.DataBuf.begin());
  return ProfileFileVerdict::kApplied;
}

ProfileLoadResult LoadProfile(MouseSession& session, const std::string& path, std::string& error) {
  ScreenHost& screens = session.Screens();
  session.SetRefreshing(true);
  if (!RequireMouse(session)) {
    screens.ShowMessage(message::kDeviceNotFound);
    session.SetRefreshing(false);
    return ProfileLoadResult::kNoDevice;
  }
  std::vector<std::uint8_t> file;
  if (!ReadFilePrefix(path, kImageSize, file, error)) {
    session.SetRefreshing(false);
    return ProfileLoadResult::kUnreadable;
  }
  if (ApplyProfileFile(session.State(), session.DeviceICType(), file) ==
      ProfileFileVerdict::kWrongType) {
    screens.ShowText(kProfileLoadError);
    session.SetRefreshing(false);
    return ProfileLoadResult::kWrongType;
  }
  screens.SetDevTimerEnabled(false);
  screens.ShowInputBlockers();
  if (HasConfigImage(session.DeviceICType())) {
    session.Distribute();
  }
  session.FillScreens();
  session.Link().Busy().ShowBusyWindow();
  // The file goes to the mouse as loaded: repairs live only in the mirror.
  WriteImageAndRestart(session);
  session.SetRefreshing(false);
  return ProfileLoadResult::kWritten;
}

ProfileSaveResult SaveProfile(MouseSession& session, const std::string& path, std::string& error) {
  if (!RequireMouse(session)) {
    session.Screens().ShowMessage(message::kDeviceNotFound);
    return ProfileSaveResult::kNoDevice;
  }
  if (!session.Btn_Read()) {
    error = "the mouse's image could not be read";
    return ProfileSaveResult::kReadFailed;
  }
  if (!WriteFileAtomically(path, session.State().DataBuf, error))
    return ProfileSaveResult::kUnwritable;
  return ProfileSaveResult::kSaved;
}

}  // namespace orvane
