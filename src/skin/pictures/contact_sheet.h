// A contact sheet of the picture set: every picture on a grey board with its name, to
// judge the artwork at a glance.
#pragma once

#include "skin/pictures/picture_catalogue.h"

#include <QImage>
#include <QString>

#include <vector>

namespace orvane {

struct NamedPicture {
  QString name;
  QImage image;
};

QImage RenderContactSheet(const std::vector<NamedPicture>& pictures, int width);

}  // namespace orvane
