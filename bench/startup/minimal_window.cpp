// The smallest Qt Widgets window, measured the same way as orvane-config: with
// --quit-after-paint it prints when its first paint happened, then ends.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <cstring>
#include <iostream>

namespace {

class FirstPaint final : public QLabel {
 public:
  FirstPaint(const QElapsedTimer& sinceStart, bool quit)
      : QLabel("Hello"), sinceStart_(sinceStart), quit_(quit) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (seen_ || !quit_) return;
    seen_ = true;
    QTimer::singleShot(0, qApp, [this] {
      std::cout << "painted " << sinceStart_.nsecsElapsed() / 1000 / 1000.0 << " ms after main\n" << std::flush;
      QCoreApplication::quit();
    });
  }

 private:
  const QElapsedTimer& sinceStart_;
  bool quit_;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  const bool quit = argc > 1 && std::strcmp(argv[1], "--quit-after-paint") == 0;
  QApplication app(argc, argv);
  FirstPaint window(sinceStart, quit);
  window.resize(320, 200);
  window.show();
  return app.exec();
}
