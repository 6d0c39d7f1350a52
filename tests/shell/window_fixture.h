#pragma once
// The main window offscreen on a simulated mouse with a virtual clock, traced, with modal
// questions answered from a queue; and the look-ups the screen tests share.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <memory>
#include <string>

#include "device/device_stack.h"
#include "shell/dialogs_view.h"
#include "shell/main_window_view.h"
#include "shell/picture_label_widget.h"

namespace orvane::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeviceStackOptions options;
    options.simulate = true;
    options.traceFile = "/dev/null";  // keeps the tracer in the stack; nothing is saved
    std::string error;
    DeviceStack::Failure failure;
    stack = DeviceStack::Create(options, error, failure);
    ASSERT_TRUE(stack) << error;
    window = std::make_unique<MainWindow>(*stack, dialogs, std::nullopt);
    window->show();
  }
  void TearDown() override { window.reset(); }

  template <typename T = QWidget>
  T* Find(const QString& name) const {
    T* w = window->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QString Caption(const QString& name) const { return Find<QLabel>(name)->text(); }
  QString Picture(const QString& name) const { return Find<PictureLabel>(name)->Picture(); }
  QRect Geometry(const QString& name) const { return Find(name)->geometry(); }
  bool Shown(const QString& name) const { return !Find(name)->isHidden(); }
  void Click(const QString& name) { QTest::mouseClick(Find(name), Qt::LeftButton); }
  // One device watch tick: the simulated mouse is found and read.
  void ReadMouse() {
    window->Watch().DevTimerTimer();
    ASSERT_TRUE(window->Services().transport.DeviceOpen());
  }

  ScriptedDialogs dialogs;
  std::unique_ptr<DeviceStack> stack;
  std::unique_ptr<MainWindow> window;
};

}  // namespace orvane::testing
