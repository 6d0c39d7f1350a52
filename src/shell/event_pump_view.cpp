#include "shell/event_pump_view.h"

#include <QCoreApplication>

namespace orvane {

void EventPump::Wait(int ms) {
  clock_.SleepMs(ms);
  QCoreApplication::processEvents();
}

}  // namespace orvane
