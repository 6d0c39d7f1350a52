#pragma once
// Operations that write the whole image into the mouse and restart it: the factory
// presets, the reset to built-in values and loading a profile file; and saving one.

#include <cstdint>
#include <span>
#include <string>

#include "device/mouse_session.h"

namespace orvane {

inline constexpr const char* kProfileLoadError = "Loading .bin is error!";

// Preset n (1..3). False (with the "device not found" message) without a mouse.
bool ApplyPreset(MouseSession& session, int n);

// Reset to the built-in repair values; does nothing without a mouse.
bool ResetToBuiltInValues(MouseSession& session);

enum class ProfileFileVerdict { kApplied, kWrongType };
// Takes a profile file's bytes into the state as a load does: the info block send buffer
// from file offsets 340..351, then up to 2048 bytes into DataBuf (a short file replaces
// only its length). A QL840 mouse refuses a file whose byte 351 is not the QL840 code.
ProfileFileVerdict ApplyProfileFile(ImageState& state, DeviceType deviceType,
                                    std::span<const std::uint8_t> file);

enum class ProfileLoadResult { kNoDevice, kUnreadable, kWrongType, kWritten };
// Load a profile file into the mouse: the file is read completely before anything is sent.
ProfileLoadResult LoadProfile(MouseSession& session, const std::string& path, std::string& error);

enum class ProfileSaveResult { kNoDevice, kReadFailed, kUnwritable, kSaved };
// Save the mouse's image: a full read first, then the 2048 bytes written atomically to path.
ProfileSaveResult SaveProfile(MouseSession& session, const std::string& path, std::string& error);

}  // namespace orvane
