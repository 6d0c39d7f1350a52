#include "cli/cli_session.h"

#include <fstream>
#include <unistd.h>

#include "device/hidraw_backend.h"
#include "device/sim_options.h"
#include "device/simulated_mouse.h"
#include "device/tracing_backend.h"
#include "image/factory_images.h"
#include "image/builtin_data.h"
#include "image/file_io.h"
#include "skin/global_settings.h"

namespace orvane::cli {

CliSession::CliSession(const CliOptions& options, std::ostream& err,
                       ConsoleScreens::TextLookup text)
    : options_(options), err_(err), screens_(std::move(text), err) {}

CliSession::~CliSession() = default;

bool CliSession::LoadSimulatedImage(Image& image, std::string& error) const {
  const auto factory = FactoryResource("OrvaneData_Cfg1");
  std::copy_n(factory.begin(), std::min(factory.size(), image.size()), image.begin());
  if (options_.simulateImage.empty() || access(options_.simulateImage.c_str(), F_OK) != 0)
    return true;  // a new simulated mouse starts from factory image 1
  std::vector<std::uint8_t> bytes;
  if (!ReadFilePrefix(options_.simulateImage, kImageSize, bytes, error)) return false;
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return true;
}

std::unique_ptr<CliSession> CliSession::Create(const CliOptions& options, std::ostream& err,
                                               std::string& error, int& status) {
  auto languages = std::make_shared<LanguageSet>(LanguageSet::LoadBuiltIn());
  const int language = options.language;
  std::unique_ptr<CliSession> s(new CliSession(
      options, err, [languages, language](int id) { return languages->Table(language).Text(id); }));
  status = kExitOk;
  if (options.simulate) {
    auto clock = std::make_unique<VirtualClock>();
    SimulatedMouseConfig config;
    if (!s->LoadSimulatedImage(config.image, error)) {
      status = kExitFile;
      return nullptr;
    }
    for (const std::string& setting : options.simSettings) {
      if (!ApplySimOption(config, setting, error)) {
        status = kExitUsage;
        return nullptr;
      }
    }
    s->sim_ = std::make_unique<SimulatedMouse>(*clock, config);
    s->backend_ = s->sim_.get();
    s->pump_ = std::make_unique<ConsolePump>(*clock, nullptr);
    s->clock_ = std::move(clock);
  } else {
    s->clock_ = std::make_unique<SteadyClock>();
    s->hidraw_ = std::make_unique<HidrawBackend>(options.hidrawRoot, options.devRoot);
    s->backend_ = s->hidraw_.get();
    s->pump_ = std::make_unique<ConsolePump>(*s->clock_, isatty(STDERR_FILENO) ? &err : nullptr);
  }
  if (!options.traceFile.empty()) {
    s->tracer_ = std::make_unique<TracingBackend>(*s->backend_);
    s->backend_ = s->tracer_.get();
  }
  s->transport_ = std::make_unique<HidTransport>(*s->backend_);
  s->link_ = std::make_unique<DeviceLink>(*s->transport_, s->busy_, *s->pump_);

  SessionConfig config;
  config.startup = DeriveStartupIds(ReadDefaultHeader());
  config.factoryIds = FactoryUsbIds();
  const GlobalSettings layout = LoadGlobalSettings();
  config.layoutExpectedVendor = layout.revManuId;
  config.layoutExpectedProduct = layout.revProId;
  config.deviceOverride = options.device;
  s->session_ = std::make_unique<MouseSession>(*s->link_, s->screens_, config);
  return s;
}

int CliSession::OpenMouse() {
  const bool opened = session_->ReFindDev();
  pump_->Finish();
  if (!opened) {
    err_ << "no mouse found";
    if (hidraw_ && !hidraw_->LastError().empty()) err_ << ": " << hidraw_->LastError();
    err_ << '\n';
    return kExitNoMouse;
  }
  switch (session_->LastIdentifyResult()) {
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

bool CliSession::Finish(std::string& error) {
  if (sim_ && !options_.simulateImage.empty()) {
    const Image image = sim_->Image();
    if (!WriteFileAtomically(options_.simulateImage, image, error)) return false;
  }
  if (tracer_) {
    std::ofstream out(options_.traceFile, std::ios::trunc);
    if (out) tracer_->Write(out);
    if (!out) {
      error = "cannot write the trace to '" + options_.traceFile + "'";
      return false;
    }
  }
  return true;
}

}  // namespace orvane::cli
