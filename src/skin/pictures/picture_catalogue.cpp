#include "skin/pictures/picture_catalogue.h"

namespace orvane {

PictureList SkinPictureCatalogue() {
  PictureList all;
  for (auto group : {BackgroundPictures, PagePictures, ButtonPictures, MarkPictures,
                     GunPictures, PanelPictures}) {
    PictureList part = group();
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

}  // namespace orvane
