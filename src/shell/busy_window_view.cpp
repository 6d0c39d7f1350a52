#include "shell/busy_window_view.h"

#include <QCoreApplication>

#include "skin/pictures/skin_pictures.h"

namespace orvane {

BusyWindow::BusyWindow(QWidget* owner)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      owner_(owner) {
  setObjectName("TFormLoadingUI");
  setAttribute(Qt::WA_TranslucentBackground);
  setFixedSize(kClientWidth, kClientHeight);
  waitGif_ = new QLabel(this);
  waitGif_->setObjectName("WaitGif");
  waitGif_->setGeometry(3, 2, 200, 192);
  waitGif_->setScaledContents(true);
  connect(&animation_, &QTimer::timeout, this, &BusyWindow::NextFrame);
  animation_.start(kBusyFrameIntervalMs);
}

void BusyWindow::NextFrame() {
  if (frames_.empty() || !isVisible()) return;
  frame_ = (frame_ + 1) % frames_.size();
  waitGif_->setPixmap(frames_[frame_]);
}

void BusyWindow::PlaceAtStart() {
  const QRect main = owner_->frameGeometry();
  move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2 + 40);
}

void BusyWindow::LoadFrames() {
  // Decoded when the window first shows, not at start-up.
  for (const QImage& image : LoadBusyFrames()) frames_.push_back(QPixmap::fromImage(image));
  if (!frames_.empty()) waitGif_->setPixmap(frames_[0]);
}

void BusyWindow::ShowBusyWindow() {
  if (frames_.empty()) LoadFrames();
  const QRect main = owner_->frameGeometry();
  move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2);
  if (!isVisible()) show();
  QCoreApplication::processEvents();
}

void BusyWindow::HideBusyWindow() {
  hide();
  QCoreApplication::processEvents();
}

}  // namespace orvane
