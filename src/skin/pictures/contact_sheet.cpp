#include "skin/pictures/contact_sheet.h"

#include "skin/pictures/paint_kit.h"

#include <QPainter>

#include <algorithm>

namespace orvane {

QImage RenderContactSheet(const std::vector<NamedPicture>& pictures, int width) {
  constexpr int kMargin = 12, kLabel = 16;
  // Flow layout: pictures left to right, wrapping at the sheet's width.
  struct Placed {
    QPoint at;
    const NamedPicture* picture;
  };
  std::vector<Placed> placed;
  int x = kMargin, y = kMargin, rowHeight = 0;
  for (const NamedPicture& picture : pictures) {
    const QSize cell = picture.image.size().expandedTo(QSize(90, 0)) + QSize(kMargin, kLabel + kMargin);
    if (x + cell.width() > width && x > kMargin) {
      x = kMargin;
      y += rowHeight;
      rowHeight = 0;
    }
    placed.push_back({{x, y}, &picture});
    x += cell.width();
    rowHeight = std::max(rowHeight, cell.height());
  }
  QImage sheet(width, y + rowHeight + kMargin, QImage::Format_RGB32);
  sheet.fill(QColor(70, 74, 80));
  QPainter p(&sheet);
  p.setFont(paint::LogoFont(11, QFont::Normal, 0));
  for (const Placed& item : placed) {
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRect(item.at, QSize(400, kLabel)), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("%1 %2x%3").arg(item.picture->name).arg(item.picture->image.width())
                   .arg(item.picture->image.height()));
    p.drawImage(item.at + QPoint(0, kLabel), item.picture->image);
  }
  p.end();
  return sheet;
}

}  // namespace orvane
