#pragma once
// Runs a scenario on the real window and the simulated mouse: actions reach the control that
// lies under the pointer (so the input blockers swallow clicks as they do for a user), waits
// run on the mouse's virtual clock and tick the device watch, and every expectation that
// does not hold is reported with its line.

#include <QObject>
#include <QString>
#include <iosfwd>
#include <string>

#include "device/device_stack.h"
#include "shell/dialogs_view.h"
#include "shell/scenario_script.h"
#include "skin/language_table.h"

class QWidget;

namespace orvane {

class MainWindow;

class ScenarioRunner : public QObject {
  Q_OBJECT

 public:
  // The stack must be simulated (its clock virtual) and traced.
  ScenarioRunner(MainWindow& window, DeviceStack& stack, ScriptedDialogs& dialogs, std::ostream& report);

  // Takes the device watch off its real-time timer: from now on only waits tick it.
  void TakeOverDeviceWatch();

  // Runs every step in order. True when every action could be done and every expectation
  // held; each failure is printed as "NAME:LINE: why".
  bool Run(const Scenario& scenario, const std::string& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Each returns an empty text on success, else what went wrong.
  QString Act(const ScenarioStep& step);
  QString Check(const ScenarioStep& step);
  QString Mouse(const ScenarioStep& step);
  QString Hover(const ScenarioStep& step, bool enter);
  QString Type(const ScenarioStep& step);
  QString Choose(const ScenarioStep& step);
  QString Key(const ScenarioStep& step);
  QString PressMouseKey(const ScenarioStep& step);
  QString Screenshot(const QString& path);
  void Wait(int ms);
  void SettleEvents();

  QWidget* Find(const std::string& name) const;
  QString Resolve(const ScenarioValue& value) const;
  std::size_t TraceSize() const;

  MainWindow& window_;
  DeviceStack& stack_;
  ScriptedDialogs& dialogs_;
  std::ostream& report_;
  LanguageSet languages_;
  std::int64_t nextTickMs_ = 0;
  std::size_t traceMark_ = 0;     // `expect trace` looks from here on
  std::size_t messagesSeen_ = 0;  // messages already matched by `expect message`
  QString busyShotPath_;          // taken the next time the busy window shows
  QString busyShotError_;
  bool busyShotTaken_ = false;
};

}  // namespace orvane
