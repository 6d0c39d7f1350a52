// The built-in skin picture set, looked up by name regardless of letter case.
#pragma once

#include "skin/pictures/busy_frames.h"

#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

namespace orvane {

// The names of every picture of the set, as the skin spells them ("SetS_01", "L1_Back2").
QStringList SkinPictureNames();

// The picture of that name in any letter case; a null image for an unknown name.
QImage LoadSkinImage(QStringView name);

// The size of the named picture without decoding it; empty for an unknown name.
QSize SkinPictureSize(QStringView name);
// As LoadSkinImage, as a pixmap (needs the GUI application to exist).
QPixmap LoadSkinPicture(QStringView name);

// Decodes the named pictures (on any thread, even before the application object exists);
// hand the result to KeepSkinPictures on the GUI thread.
std::vector<std::pair<QString, QImage>> DecodeSkinPictures(const QStringList& names);
// Puts decoded pictures where LoadSkinPicture finds them.
void KeepSkinPictures(const std::vector<std::pair<QString, QImage>>& decoded);

// The busy window's animation frames, each kBusyFrameSize, shown kBusyFrameIntervalMs apart
// and looping from the last frame back to the first.
std::vector<QImage> LoadBusyFrames();

}  // namespace orvane
