// orvane-config: the skinned window over the same core as orvanectl.

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "device/sim_options.h"
#include "device/transport.h"
#include "shell/main_window_view.h"

namespace {

struct AppOptions {
  orvane::DeviceStackOptions stack;
  std::optional<orvane::UsbIds> device;
  bool engineer = false;
  int quitAfterMs = -1;  // --quit-after-start: measure start-up, then end
  std::string screenshot;  // --screenshot FILE: picture of the window once the mouse is read
};

const char* const kUsage =
    "Usage: orvane-config [--simulate[=IMAGE]] [--sim KEY=VALUE] [--device VID:PID]\n"
    "                     [--trace FILE] [--engineer] [--quit-after-start]\n";

bool ParseHexIds(const std::string& text, orvane::UsbIds& ids) {
  unsigned vid = 0, pid = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%x:%x%c", &vid, &pid, &tail) != 2 || vid == 0 || pid == 0 ||
      vid > 0xFFFF || pid > 0xFFFF)
    return false;
  ids = {static_cast<std::uint16_t>(vid), static_cast<std::uint16_t>(pid)};
  return true;
}

bool ParseOptions(const std::vector<std::string>& args, AppOptions& o, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--simulate") {
      o.stack.simulate = true;
    } else if (a.rfind("--simulate=", 0) == 0) {
      o.stack.simulate = true;
      o.stack.simulateImage = a.substr(11);
    } else if (a == "--sim" && value(v)) {
      orvane::SimulatedMouseConfig probe;
      if (!orvane::ApplySimOption(probe, v, error)) return false;
      o.stack.simSettings.push_back(v);
    } else if (a == "--device" && value(v)) {
      orvane::UsbIds ids;
      if (!ParseHexIds(v, ids)) {
        error = "--device wants VID:PID in hexadecimal";
        return false;
      }
      o.device = ids;
    } else if (a == "--trace" && value(v)) {
      o.stack.traceFile = v;
    } else if (a == "--engineer") {
      o.engineer = true;
    } else if (a == "--screenshot" && value(v)) {
      o.screenshot = v;
    } else if (a == "--quit-after-start") {
      o.quitAfterMs = 0;
    } else {
      error = "unknown option " + a;
      return false;
    }
  }
  return true;
}

bool HaveDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

// Single instance: a second start asks the first to come to the front, then ends.
QString InstanceName() { return QString("orvane-config-%1").arg(qEnvironmentVariable("USER", "user")); }

bool AskRunningInstanceToShow() {
  QLocalSocket socket;
  socket.connectToServer(InstanceName());
  if (!socket.waitForConnected(300)) return false;
  socket.write("show\n");
  socket.waitForBytesWritten(300);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    }
  }
  AppOptions options;
  std::string error;
  if (!ParseOptions(args, options, error)) {
    std::cerr << "orvane-config: " << error << '\n' << kUsage;
    return 1;
  }
  if (!HaveDisplay()) {
    std::cerr << "orvane-config: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Run it on a desktop, or use the command-line tool: orvanectl --help\n";
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Gaming Mouse");
  if (AskRunningInstanceToShow()) return 0;

  orvane::DeviceStack::Failure failure;
  auto stack = orvane::DeviceStack::Create(options.stack, error, failure);
  if (!stack) {
    std::cerr << "orvane-config: " << error << '\n';
    return failure == orvane::DeviceStack::Failure::kFile ? 4 : 1;
  }
  orvane::QtDialogs dialogs(nullptr);
  orvane::MainWindow window(*stack, dialogs, options.device);

  QLocalServer server;
  QLocalServer::removeServer(InstanceName());
  server.listen(InstanceName());
  QObject::connect(&server, &QLocalServer::newConnection, &window, [&] {
    while (QLocalSocket* peer = server.nextPendingConnection()) {
      peer->deleteLater();
      window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
      window.show();
      window.raise();
      window.activateWindow();
    }
  });

  window.show();
  window.StartDeviceWatch();
  if (options.engineer) window.OnMainAction(orvane::MainAction::kEngineerPage);
  if (!options.screenshot.empty()) {
    // The first device watch tick comes after 1.5 s; by 2.5 s the mouse has been read.
    QTimer::singleShot(2500, &app, [&] {
      window.grab().save(QString::fromStdString(options.screenshot));
      app.quit();
    });
  }
  if (options.quitAfterMs >= 0) QTimer::singleShot(options.quitAfterMs, &app, &QApplication::quit);
  const int status = app.exec();
  if (!stack->Finish(error)) {
    std::cerr << "orvane-config: " << error << '\n';
    return 4;
  }
  return status;
}
