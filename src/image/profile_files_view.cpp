#include "image/profile_files_view.h"

#include "image/profile_file_names.h"
#include "image/whole_image_ops.h"

namespace orvane {

namespace {
constexpr const char* kSaveFilter = "SaveFile(*.bin)";
constexpr const char* kLoadFilter = "LoadFile(*.bin)";
}  // namespace

void ProfileFileScreens::Save() {
  if (!session_.Transport().DeviceOpen()) {
    message_(message::kDeviceNotFound);
    return;
  }
  const std::optional<QString> chosen = dialogs_.SaveFile(kSaveFilter);
  if (!chosen) return;
  std::string error;
  const std::string path = ProfileFileName(chosen->toStdString());
  if (SaveProfile(session_, path, error) != ProfileSaveResult::kSaved && !error.empty())
    dialogs_.Message(QString::fromStdString(error), QString());
}

void ProfileFileScreens::Load() {
  if (!session_.Transport().DeviceOpen()) {
    message_(message::kDeviceNotFound);
    return;
  }
  const std::optional<QString> chosen = dialogs_.OpenFile(kLoadFilter);
  if (!chosen) return;
  std::string error;
  // A file that cannot be read sends nothing; the system's reason is shown.
  if (LoadProfile(session_, chosen->toStdString(), error) == ProfileLoadResult::kUnreadable)
    dialogs_.Message(QString::fromStdString(error), QString());
}

}  // namespace orvane
