#pragma once
// TFormLoadingUI: the busy window shown around every transfer with the mouse. Borderless,
// on top, its black background transparent so only the animation shows.

#include <QTimer>
#include <QWidget>
#include <vector>

#include "device/clock.h"
#include "shell/picture_label_widget.h"

namespace orvane {

class BusyWindow : public QWidget, public BusyIndicator {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 206;
  static constexpr int kClientHeight = 196;

  // `owner` is the main window the busy window centres on.
  explicit BusyWindow(QWidget* owner);

  // Centred over the main window (divisions truncating), shown, and painted at once.
  void ShowBusyWindow() override;
  void HideBusyWindow() override;
  // Placement at creation: centred, 40 pixels lower than centre.
  void PlaceAtStart();

 private:
  void NextFrame();
  void LoadFrames();

  QWidget* owner_;
  QLabel* waitGif_;
  std::vector<QPixmap> frames_;
  std::size_t frame_ = 0;
  QTimer animation_;
};

}  // namespace orvane
