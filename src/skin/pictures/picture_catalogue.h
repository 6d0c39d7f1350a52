// The catalogue of skin pictures: every named picture with its size and how it is drawn.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace orvane {

struct PictureSpec {
  QString name;
  QSize size;
  std::function<QImage(QSize)> draw;
};

using PictureList = std::vector<PictureSpec>;

// Groups of the catalogue, one drawing file each.
PictureList BackgroundPictures();  // window backgrounds and skin 3 placeholders
PictureList PagePictures();        // the five page pictures of skins 1 and 2
PictureList ButtonPictures();      // button states, close and minimise, web button
PictureList MarkPictures();        // choice and check marks, level bars, swatch frame, slider
PictureList GunPictures();         // gun buttons and gun mode pictures
PictureList PanelPictures();       // insertion backgrounds, update picture, dialog background

// Every picture of the set, in catalogue order.
PictureList SkinPictureCatalogue();

// The busy window's animation, one picture per frame.
std::vector<QImage> DrawBusyFrames();

}  // namespace orvane
