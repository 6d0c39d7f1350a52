#include "shell/picture_label_widget.h"

#include <algorithm>

#include <QFontMetrics>
#include <QMouseEvent>

#include "skin/pictures/skin_pictures.h"

namespace orvane {

PictureLabel::PictureLabel(QWidget* parent, const QString& objectName) : QLabel(parent) {
  setObjectName(objectName);
  setAttribute(Qt::WA_TranslucentBackground);
}

void PictureLabel::SetPicture(const QString& name) {
  picture_ = name;
  loaded_ = false;
  const QSize size = SkinPictureSize(name);
  if (size.isValid()) resize(size);
  if (isVisible()) LoadPixmap();
}

void PictureLabel::LoadPixmap() {
  loaded_ = true;
  setPixmap(LoadSkinPicture(picture_));
}

void PictureLabel::showEvent(QShowEvent* event) {
  if (!loaded_) LoadPixmap();
  QLabel::showEvent(event);
}

void PictureLabel::mousePressEvent(QMouseEvent* event) {
  emit pressed(event);
  QLabel::mousePressEvent(event);
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

CaptionLabel::CaptionLabel(QWidget* parent, const QString& objectName) : QLabel(parent) {
  setObjectName(objectName);
  setAlignment(Qt::AlignCenter);
  setAttribute(Qt::WA_TranslucentBackground);
}

void CaptionLabel::SetFittedText(const QString& text, const QFont& font) {
  static constexpr int kSmallestPoints = 7;
  QFont fitted = font;
  const int room = contentsRect().width() - 4;
  const int wide = text.isEmpty() ? 0 : QFontMetrics(fitted).horizontalAdvance(text);
  if (wide > room && fitted.pointSize() > kSmallestPoints) {
    // Text width grows with the point size: start from the size that should just fit, then
    // step down while it is still too wide.
    fitted.setPointSize(std::max(kSmallestPoints, fitted.pointSize() * std::max(room, 1) / wide));
    while (fitted.pointSize() > kSmallestPoints && QFontMetrics(fitted).horizontalAdvance(text) > room)
      fitted.setPointSize(fitted.pointSize() - 1);
  }
  setFont(fitted);
  setText(text);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void CaptionLabel::enterEvent(QEnterEvent* event) {
  emit hovered();
  QLabel::enterEvent(event);
}

void CaptionLabel::leaveEvent(QEvent* event) {
  emit left();
  QLabel::leaveEvent(event);
}

}  // namespace orvane
