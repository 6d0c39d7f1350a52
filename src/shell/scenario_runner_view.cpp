#include "shell/scenario_runner_view.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <chrono>
#include <limits>
#include <ostream>
#include <thread>

#include "device/simulated_mouse.h"
#include "device/tracing_backend.h"
#include "shell/main_window_view.h"
#include "shell/picture_label_widget.h"

namespace orvane {

namespace {

constexpr int kStatusRefreshWaitMs = 2000;  // real time the mouse's own keys may take to show

QString Quoted(const QString& text) { return '"' + text + '"'; }
QString YesNo(bool on) { return on ? "yes" : "no"; }

// The text a control shows as its caption, if it has one.
std::optional<QString> CaptionOf(const QWidget* w) {
  if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  if (auto* group = qobject_cast<const QGroupBox*>(w)) return group->title();
  if (w->isWindow()) return w->windowTitle();
  return std::nullopt;
}

// The text a control holds for the user to edit or choose, if it has one.
std::optional<QString> TextOf(const QWidget* w) {
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
  if (auto* edit = qobject_cast<const QPlainTextEdit*>(w)) return edit->toPlainText();
  if (auto* edit = qobject_cast<const QTextEdit*>(w)) return edit->toPlainText();
  if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
  if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w)) return spin->text();
  return CaptionOf(w);
}

std::optional<int> IndexOf(const QWidget* w) {
  if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentIndex();
  if (auto* view = qobject_cast<const QAbstractItemView*>(w))
    return view->currentIndex().isValid() ? view->currentIndex().row() : -1;
  if (auto* tabs = qobject_cast<const QTabWidget*>(w)) return tabs->currentIndex();
  if (auto* stack = qobject_cast<const QStackedWidget*>(w)) return stack->currentIndex();
  return std::nullopt;
}

// The widget a pointer at `local` inside `control` really reaches: whatever lies on top there.
QWidget* WidgetUnder(QWidget* control, QPoint local, QPoint& hitLocal) {
  QWidget* top = control->window();
  const QPoint inTop = control->mapTo(top, local);
  QWidget* hit = top->childAt(inTop);
  if (!hit) hit = top;
  hitLocal = hit->mapFrom(top, inTop);
  return hit;
}

// The window as the screen shows it: the shape's cut-out corners transparent.
QPixmap Shaped(const QWidget& window, const QPixmap& picture) {
  if (window.mask().isEmpty()) return picture;
  QPixmap shaped(picture.size());
  shaped.fill(Qt::transparent);
  QPainter painter(&shaped);
  painter.setClipRegion(window.mask());
  painter.drawPixmap(0, 0, picture);
  return shaped;
}

// Saved at the strongest PNG compression.
bool SavePicture(const QPixmap& picture, const QString& path) { return picture.save(path, "PNG", 0); }

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, local, target->mapToGlobal(local), button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

}  // namespace

ScenarioRunner::ScenarioRunner(MainWindow& window, DeviceStack& stack, ScriptedDialogs& dialogs,
                               std::ostream& report)
    : window_(window), stack_(stack), dialogs_(dialogs), report_(report),
      languages_(LanguageSet::LoadBuiltIn()) {
  window_.Busy().installEventFilter(this);
}

void ScenarioRunner::TakeOverDeviceWatch() {
  // The timer keeps its enabled state (transfers switch it off and on) but never fires by
  // itself; Wait() ticks the watch on virtual time while the timer is enabled.
  window_.DevTimer().setInterval(std::numeric_limits<int>::max());
  if (window_.DevTimer().isActive()) window_.DevTimer().start();
  nextTickMs_ = stack_.Time().NowMs() + DeviceWatch::kIntervalMs;
}

bool ScenarioRunner::Run(const Scenario& scenario, const std::string& name) {
  bool allHeld = true;
  for (const ScenarioStep& step : scenario.steps) {
    const QString why = step.verb == ScenarioVerb::kExpect ? Check(step) : Act(step);
    if (why.isEmpty()) continue;
    allHeld = false;
    report_ << name << ':' << step.line << ": " << ScenarioVerbName(step.verb);
    if (step.verb == ScenarioVerb::kExpect) report_ << ' ' << ScenarioCheckName(step.check);
    if (!step.control.empty()) report_ << ' ' << step.control;
    report_ << ": " << why.toStdString() << '\n';
  }
  if (!busyShotPath_.isEmpty() && !busyShotTaken_) {
    report_ << name << ": the busy window never showed for screenshot-busy\n";
    allHeld = false;
  }
  if (!busyShotError_.isEmpty()) {
    report_ << name << ": " << busyShotError_.toStdString() << '\n';
    allHeld = false;
  }
  return allHeld;
}

QWidget* ScenarioRunner::Find(const std::string& name) const {
  const QString n = QString::fromStdString(name);
  if (window_.objectName() == n) return &window_;
  if (auto* w = window_.findChild<QWidget*>(n)) return w;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == n) return top;
    if (auto* w = top->findChild<QWidget*>(n)) return w;
  }
  return nullptr;
}

QString ScenarioRunner::Resolve(const ScenarioValue& value) const {
  if (value.languageId < 0) return QString::fromStdString(value.text);
  return QString::fromStdString(languages_.Table(window_.LanguageIndex()).Text(value.languageId));
}

std::size_t ScenarioRunner::TraceSize() const {
  return stack_.Tracer() ? stack_.Tracer()->Entries().size() : 0;
}

void ScenarioRunner::SettleEvents() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

QString ScenarioRunner::Act(const ScenarioStep& step) {
  SimulatedMouse* sim = stack_.Sim();
  QString why;
  switch (step.verb) {
    case ScenarioVerb::kClick:
    case ScenarioVerb::kDoubleClick:
    case ScenarioVerb::kRightClick:
    case ScenarioVerb::kPress:
    case ScenarioVerb::kRelease:
      why = Mouse(step);
      break;
    case ScenarioVerb::kHover:
    case ScenarioVerb::kLeave:
      why = Hover(step, step.verb == ScenarioVerb::kHover);
      break;
    case ScenarioVerb::kType:
      why = Type(step);
      break;
    case ScenarioVerb::kChoose:
      why = Choose(step);
      break;
    case ScenarioVerb::kKey:
      why = Key(step);
      break;
    case ScenarioVerb::kWait:
      Wait(step.number);
      break;
    case ScenarioVerb::kPlug:
      sim->Plug();
      break;
    case ScenarioVerb::kUnplug:
      sim->Unplug();
      break;
    case ScenarioVerb::kMouseDpiKey:
    case ScenarioVerb::kMouseProfileKey:
      why = PressMouseKey(step);
      break;
    case ScenarioVerb::kAnswer: {
      ScriptedDialogs::Answer a;
      a.accept = step.answer != ScenarioAnswer::kCancel;
      a.path = QString::fromStdString(step.value.text);
      dialogs_.answers.push_back(a);
      break;
    }
    case ScenarioVerb::kClearTrace:
      traceMark_ = TraceSize();
      break;
    case ScenarioVerb::kScreenshot:
      why = Screenshot(Resolve(step.value));
      break;
    case ScenarioVerb::kScreenshotBusy:
      busyShotPath_ = Resolve(step.value);
      busyShotTaken_ = false;
      break;
    case ScenarioVerb::kExpect:
      break;
  }
  SettleEvents();
  return why;
}

QString ScenarioRunner::Mouse(const ScenarioStep& step) {
  QWidget* control = Find(step.control);
  if (!control) return "no control of that name";
  if (!control->isVisible()) return "the control is not visible";
  const QPoint at = step.at ? QPoint(step.at->x, step.at->y) : control->rect().center();
  QPoint local;
  QWidget* target = WidgetUnder(control, at, local);
  switch (step.verb) {
    case ScenarioVerb::kPress:
      SendMouse(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
      break;
    case ScenarioVerb::kRelease:
      SendMouse(target, QEvent::MouseButtonRelease, local, Qt::LeftButton);
      break;
    case ScenarioVerb::kRightClick: {
      SendMouse(target, QEvent::MouseButtonPress, local, Qt::RightButton);
      SendMouse(target, QEvent::MouseButtonRelease, local, Qt::RightButton);
      QContextMenuEvent menu(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
      QApplication::sendEvent(target, &menu);
      break;
    }
    default:
      SendMouse(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
      SendMouse(target, QEvent::MouseButtonRelease, local, Qt::LeftButton);
      if (step.verb == ScenarioVerb::kDoubleClick) {
        SendMouse(target, QEvent::MouseButtonDblClick, local, Qt::LeftButton);
        SendMouse(target, QEvent::MouseButtonRelease, local, Qt::LeftButton);
      }
      break;
  }
  return {};
}

QString ScenarioRunner::Hover(const ScenarioStep& step, bool enter) {
  QWidget* control = Find(step.control);
  if (!control) return "no control of that name";
  if (!control->isVisible()) return "the control is not visible";
  QPoint local;
  QWidget* target = WidgetUnder(control, control->rect().center(), local);
  if (enter) {
    QEnterEvent event(local, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &event);
  } else {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(target, &event);
  }
  return {};
}

QString ScenarioRunner::Type(const ScenarioStep& step) {
  QWidget* control = Find(step.control);
  if (!control) return "no control of that name";
  if (!control->isEnabled() || !control->isVisible()) return "the control does not take input";
  if (auto* e = qobject_cast<QLineEdit*>(control)) e->selectAll();
  else if (auto* e = qobject_cast<QPlainTextEdit*>(control)) e->selectAll();
  else if (auto* e = qobject_cast<QTextEdit*>(control)) e->selectAll();
  else if (auto* e = qobject_cast<QAbstractSpinBox*>(control)) e->selectAll();
  else return "the control is not an edit";
  control->setFocus();
  for (const QChar c : Resolve(step.value)) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(control, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(control, &release);
  }
  return {};
}

QString ScenarioRunner::Choose(const ScenarioStep& step) {
  QWidget* control = Find(step.control);
  if (!control) return "no control of that name";
  if (!control->isEnabled() || !control->isVisible()) return "the control does not take input";
  const int i = step.number;
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (i < 0 || i >= combo->count()) return QString("it has %1 entries").arg(combo->count());
    // A user's choice: the change handlers that only the user triggers run too.
    combo->setCurrentIndex(i);
    emit combo->activated(i);
    emit combo->textActivated(combo->itemText(i));
    return {};
  }
  if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
    const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
    if (i < 0 || i >= rows) return QString("it has %1 entries").arg(rows);
    const QModelIndex index = view->model()->index(i, 0, view->rootIndex());
    view->setCurrentIndex(index);
    emit view->clicked(index);
    return {};
  }
  return "the control is not a list or a combo box";
}

QString ScenarioRunner::Key(const ScenarioStep& step) {
  QWidget* control = Find(step.control);
  if (!control) return "no control of that name";
  const QKeySequence sequence = QKeySequence::fromString(Resolve(step.value));
  if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
    return "unknown key " + Quoted(Resolve(step.value));
  const QKeyCombination key = sequence[0];
  const QString text = key.key() < 0x80 && key.keyboardModifiers() == Qt::NoModifier
                           ? QString(QChar(key.key())).toLower()
                           : key.key() == Qt::Key_Return ? QString("\r") : QString();
  control->setFocus();
  QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers(), text);
  QApplication::sendEvent(control, &press);
  QKeyEvent release(QEvent::KeyRelease, key.key(), key.keyboardModifiers(), text);
  QApplication::sendEvent(control, &release);
  return {};
}

QString ScenarioRunner::PressMouseKey(const ScenarioStep& step) {
  SimulatedMouse* sim = stack_.Sim();
  const auto inputReads = [this] {
    std::size_t n = 0;
    if (stack_.Tracer())
      for (const TraceEntry& e : stack_.Tracer()->Entries()) n += e.kind == 'I';
    return n;
  };
  const std::size_t before = inputReads();
  const bool pressed = step.verb == ScenarioVerb::kMouseDpiKey ? sim->PressDpiKey(step.number)
                                                                : sim->PressProfileKey();
  if (!pressed) return "the mouse is not plugged in";
  if (!window_.Services().transport.InputChannelOpen()) return {};  // nobody reads the keys
  // The status reader reads the press and the release, then asks for the refresh; wait
  // (in real time) until both reports were read and the refresh's transfers are over.
  using Steady = std::chrono::steady_clock;
  const auto deadline = Steady::now() + std::chrono::milliseconds(kStatusRefreshWaitMs);
  while (inputReads() < before + 2 && Steady::now() < deadline) {
    SettleEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  const std::size_t afterKeys = TraceSize();
  const auto quietFrom = Steady::now() + std::chrono::milliseconds(100);
  while (TraceSize() == afterKeys && Steady::now() < quietFrom) {
    SettleEvents();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  SettleEvents();
  return {};
}

void ScenarioRunner::Wait(int ms) {
  Clock& clock = stack_.Time();
  const std::int64_t until = clock.NowMs() + ms;
  while (nextTickMs_ <= until) {
    const std::int64_t now = clock.NowMs();
    if (now < nextTickMs_) clock.SleepMs(static_cast<int>(nextTickMs_ - now));
    SettleEvents();
    if (window_.DevTimer().isActive()) window_.Watch().DevTimerTimer();
    SettleEvents();
    // A tick that took virtual time (the settling wait, a read) delays the next one, as a
    // timer switched off and on again around the transfers would.
    nextTickMs_ = std::max(nextTickMs_, clock.NowMs()) + DeviceWatch::kIntervalMs;
  }
  const std::int64_t now = clock.NowMs();
  if (now < until) clock.SleepMs(static_cast<int>(until - now));
  SettleEvents();
}

QString ScenarioRunner::Screenshot(const QString& path) {
  if (!SavePicture(Shaped(window_, window_.grab()), path)) return "cannot write " + Quoted(path);
  return {};
}

bool ScenarioRunner::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched == &window_.Busy() && !busyShotPath_.isEmpty() &&
      !busyShotTaken_) {
    busyShotTaken_ = true;
    // Taken at the next round of events, while the transfer runs and the busy window is up.
    QTimer::singleShot(0, this, [this] {
      QPixmap picture = window_.grab();
      {
        QPainter painter(&picture);
        painter.drawPixmap(window_.Busy().pos() - window_.pos(), window_.Busy().grab());
      }
      if (!SavePicture(Shaped(window_, picture), busyShotPath_)) busyShotError_ = "cannot write " + Quoted(busyShotPath_);
    });
  }
  return QObject::eventFilter(watched, event);
}

QString ScenarioRunner::Check(const ScenarioStep& step) {
  if (step.check == ScenarioCheck::kMessage || step.check == ScenarioCheck::kNoMessage) {
    const bool pending = messagesSeen_ < dialogs_.shown.size();
    if (step.check == ScenarioCheck::kNoMessage)
      return pending ? "a message was shown: " + Quoted(dialogs_.shown[messagesSeen_]) : QString();
    if (!pending) return "no message was shown";
    const QString shown = dialogs_.shown[messagesSeen_++];
    const QString want = Resolve(step.value);
    return shown == want ? QString() : "expected " + Quoted(want) + ", the message was " + Quoted(shown);
  }
  if (step.check == ScenarioCheck::kTrace) {
    if (!stack_.Tracer()) return "the reports are not traced";
    const std::vector<TraceEntry> entries = stack_.Tracer()->Entries();
    const std::string want = step.value.text;
    for (std::size_t i = traceMark_; i < entries.size(); ++i)
      if (FormatTraceEntry(entries[i]) == want) return {};
    return QString("no report %1 among the %2 since the last clear-trace")
        .arg(Quoted(QString::fromStdString(want)))
        .arg(entries.size() - std::min(traceMark_, entries.size()));
  }
  QWidget* w = Find(step.control);
  if (!w) return "no control of that name";
  const auto compare = [&](const std::optional<QString>& got, const char* what) -> QString {
    if (!got) return QString("the control has no %1").arg(what);
    const QString want = Resolve(step.value);
    return *got == want ? QString() : "expected " + Quoted(want) + ", got " + Quoted(*got);
  };
  const auto compareFlag = [&](bool got) -> QString {
    return got == step.flag ? QString() : "expected " + YesNo(step.flag) + ", got " + YesNo(got);
  };
  switch (step.check) {
    case ScenarioCheck::kCaption:
      return compare(CaptionOf(w), "caption");
    case ScenarioCheck::kText:
      return compare(TextOf(w), "text");
    case ScenarioCheck::kPicture: {
      const auto* picture = qobject_cast<const PictureLabel*>(w);
      return compare(picture ? std::optional<QString>(picture->Picture()) : std::nullopt, "picture");
    }
    case ScenarioCheck::kVisible:
      return compareFlag(w->isVisible());
    case ScenarioCheck::kEnabled:
      return compareFlag(w->isEnabled());
    case ScenarioCheck::kChecked: {
      const auto* button = qobject_cast<const QAbstractButton*>(w);
      if (!button || !button->isCheckable()) return "the control cannot be checked";
      return compareFlag(button->isChecked());
    }
    case ScenarioCheck::kIndex: {
      const std::optional<int> got = IndexOf(w);
      if (!got) return "the control has no index";
      return *got == step.number ? QString() : QString("expected %1, got %2").arg(step.number).arg(*got);
    }
    default:
      return "cannot be checked";
  }
}

}  // namespace orvane
