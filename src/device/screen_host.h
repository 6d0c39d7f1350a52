#pragma once
// What the device procedures ask of the screens. The window implements it; orvanectl and
// the tests use quieter versions. Every call has a do-nothing default.

#include <cstdint>

namespace orvane {

// Message ids of the language tables used by the device procedures.
namespace message {
inline constexpr int kDeviceNotFound = 22;    // "Not find the specified device"
inline constexpr int kFileTypeError = 102;    // "OrvaneData.bin file type error"
inline constexpr int kCustomerIdError = 107;  // "The mouse manufacturer or product id error"
}  // namespace message

class ScreenHost {
 public:
  virtual ~ScreenHost() = default;

  // The program's message dialog (modal, one OK button).
  virtual void ShowMessage(int /*stringId*/) {}
  // A plain message box with an empty title; returns when the user has confirmed it.
  virtual void ShowPlainMessage(int /*stringId*/) {}
  // A message whose text is not in the language tables.
  virtual void ShowText(const char* /*text*/) {}
  // The default image shown for want of a fitting mouse.
  virtual void ShowNoDeviceDisplay() {}
  virtual void ShowCustomerIds(std::uint8_t /*vendor*/, std::uint8_t /*product*/) {}
  virtual void ShowInputBlockers() {}
  virtual void HideInputBlockers() {}
  virtual void SetDevTimerEnabled(bool /*enabled*/) {}
  virtual void RefreshPCMacroList() {}
  virtual void RebuildDeviceMacroList() {}
  virtual void ShowPatchCheck(std::uint16_t /*value*/) {}
  // Fill every screen from the image (the code strings, then every page).
  virtual void FillScreens() {}
  virtual void ReadPointerSettings() {}
  virtual void ShowModePage() {}
  // The screens' half of forgetting the mouse: menus, lists, blockers.
  virtual void ClearDeviceState() {}
};

}  // namespace orvane
