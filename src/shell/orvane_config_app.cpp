// orvane-config: the skinned window over the same core as orvanectl.

#include <QApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <cstdio>
#include <future>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "device/sim_options.h"
#include "device/transport.h"
#include "shell/main_window_view.h"
#include "skin/pictures/skin_pictures.h"
#include "shell/scenario_runner_view.h"
#include "shell/scenario_script.h"

namespace {

struct AppOptions {
  orvane::DeviceStackOptions stack;
  std::optional<orvane::UsbIds> device;
  bool engineer = false;
  int quitAfterMs = -1;  // --quit-after-start: measure start-up, then end
  std::string screenshot;  // --screenshot FILE: picture of the window once the mouse is read
  std::string script;      // --script FILE: a scenario run on the simulated mouse
  bool quitAfterPaint = false;  // --quit-after-paint: print the first paint's time, then end
};

const char* const kUsage =
    "Usage: orvane-config [--simulate[=IMAGE]] [--sim KEY=VALUE] [--device VID:PID]\n"
    "                     [--trace FILE] [--engineer] [--quit-after-start]\n"
    "                     [--quit-after-paint] [--screenshot FILE] [--script FILE]\n";

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
    } else if (a == "--quit-after-paint") {
      o.quitAfterPaint = true;
    } else if (a == "--script" && value(v)) {
      o.script = v;
    } else {
      error = "unknown option " + a;
      return false;
    }
  }
  if (!o.script.empty() && !o.stack.simulate) {
    error = "--script runs on the simulated mouse: add --simulate";
    return false;
  }
  return true;
}

// Reads and parses a scenario file; false with the reasons printed.
bool LoadScenario(const std::string& path, orvane::Scenario& scenario) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "orvane-config: cannot read the scenario '" << path << "'\n";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  scenario = orvane::ParseScenario(text.str());
  for (const orvane::ScenarioError& e : scenario.errors) std::cerr << path << ':' << e.line << ": " << e.message << '\n';
  return scenario.errors.empty();
}

// Notes the first time the window is painted (the skin is applied by then), prints how long
// after the start of main() that was, and ends the program.
class FirstPaintWatch final : public QObject {
 public:
  FirstPaintWatch(const QElapsedTimer& sinceStart, QWidget& window) : sinceStart_(sinceStart) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, qApp, [this] {
        std::cout << "painted " << sinceStart_.nsecsElapsed() / 1000 / 1000.0 << " ms after main\n" << std::flush;
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const QElapsedTimer& sinceStart_;
  bool seen_ = false;
};

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
  QElapsedTimer sinceStart;
  sinceStart.start();
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
  orvane::Scenario scenario;
  if (!options.script.empty()) {
    if (!LoadScenario(options.script, scenario)) return 2;
    // The scenario's trace expectations need the reports recorded.
    if (options.stack.traceFile.empty()) options.stack.traceFile = "/dev/null";
  }
  if (!HaveDisplay()) {
    std::cerr << "orvane-config: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Run it on a desktop, or use the command-line tool: orvanectl --help\n";
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Gaming Mouse");
  // A scenario runs its own window, beside any other instance.
  const bool singleInstance = options.script.empty();
  if (singleInstance && AskRunningInstanceToShow()) return 0;
  // The first screen's large pictures are decoded on another core while the window is set
  // up (once the application object exists, so Qt's image readers are ready).
  auto firstPictures = std::async(std::launch::async, [] {
    return orvane::DecodeSkinPictures({QStringLiteral("L1_BackGround"), QStringLiteral("L1_Back1")});
  });

  orvane::DeviceStack::Failure failure;
  auto stack = orvane::DeviceStack::Create(options.stack, error, failure);
  if (!stack) {
    std::cerr << "orvane-config: " << error << '\n';
    return failure == orvane::DeviceStack::Failure::kFile ? 4 : 1;
  }
  orvane::QtDialogs qtDialogs(nullptr);
  orvane::ScriptedDialogs scriptedDialogs;
  orvane::Dialogs& dialogs = options.script.empty() ? static_cast<orvane::Dialogs&>(qtDialogs) : scriptedDialogs;
  orvane::MainWindow window(*stack, dialogs, options.device);
  // The window decodes nothing until it shows: by then the first pictures are ready.
  orvane::KeepSkinPictures(firstPictures.get());

  QLocalServer server;
  if (singleInstance) {
    QLocalServer::removeServer(InstanceName());
    server.listen(InstanceName());
  }
  QObject::connect(&server, &QLocalServer::newConnection, &window, [&] {
    while (QLocalSocket* peer = server.nextPendingConnection()) {
      peer->deleteLater();
      window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
      window.show();
      window.raise();
      window.activateWindow();
    }
  });

  std::unique_ptr<FirstPaintWatch> paintWatch;
  if (options.quitAfterPaint) paintWatch = std::make_unique<FirstPaintWatch>(sinceStart, window);
  window.show();
  window.StartDeviceWatch();
  std::unique_ptr<orvane::ScenarioRunner> runner;
  if (!options.script.empty()) {
    runner = std::make_unique<orvane::ScenarioRunner>(window, *stack, scriptedDialogs, std::cerr);
    runner->TakeOverDeviceWatch();
    QTimer::singleShot(0, &app, [&] { app.exit(runner->Run(scenario, options.script) ? 0 : 1); });
  }
  if (options.engineer) window.OpenEngineerPage();
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
