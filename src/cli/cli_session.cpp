#include "cli/cli_session.h"

#include <unistd.h>

#include "device/hidraw_backend.h"
#include "shell/device_services.h"
#include "skin/language_table.h"

namespace orvane::cli {

std::unique_ptr<CliSession> CliSession::Create(const CliOptions& options, std::ostream& err,
                                               std::string& error, int& status) {
  auto languages = std::make_shared<LanguageSet>(LanguageSet::LoadBuiltIn());
  const int language = options.language;
  std::unique_ptr<CliSession> s(new CliSession(
      err, [languages, language](int id) { return languages->Table(language).Text(id); }));
  status = kExitOk;
  DeviceStackOptions stackOptions{options.simulate, options.simulateImage, options.simSettings,
                                  options.traceFile, options.hidrawRoot, options.devRoot};
  DeviceStack::Failure failure;
  s->stack_ = DeviceStack::Create(stackOptions, error, failure);
  if (!s->stack_) {
    status = failure == DeviceStack::Failure::kFile ? kExitFile : kExitUsage;
    return nullptr;
  }
  // Real waits show their progress when stderr is a terminal.
  std::ostream* progress = !s->stack_->Simulated() && isatty(STDERR_FILENO) ? &err : nullptr;
  s->pump_ = std::make_unique<ConsolePump>(s->stack_->Time(), progress);
  s->services_ = std::make_unique<DeviceServices>(s->stack_->Backend(), s->busy_, *s->pump_,
                                                  s->screens_, StartupSessionConfig(options.device));
  return s;
}

int CliSession::OpenMouse() {
  const bool opened = Session().ReFindDev();
  pump_->Finish();
  if (!opened) {
    err_ << "no mouse found";
    if (Hidraw() && !Hidraw()->LastError().empty()) err_ << ": " << Hidraw()->LastError();
    err_ << '\n';
    return kExitNoMouse;
  }
  switch (Session().LastIdentifyResult()) {
    case IdentifyResult::kAccepted:
      return kExitOk;
    case IdentifyResult::kNotSent:
      err_ << "the mouse does not answer its command channel\n";
      return kExitNoMouse;
    case IdentifyResult::kReplyRejected:
    case IdentifyResult::kUnknownType:
    case IdentifyResult::kQL840Refused:
      err_ << "the mouse's device information was not accepted\n";
      return kExitRejected;
    case IdentifyResult::kTypeMismatch:
    case IdentifyResult::kIdsRejected:
      return kExitRejected;  // the message was shown
  }
  return kExitRejected;
}

}  // namespace orvane::cli
