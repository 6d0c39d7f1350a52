#pragma once
// The decoded image that `orvanectl show` prints.

#include "cli/report_tree.h"
#include "device/mouse_session.h"

namespace orvane::cli {

// The language of the names beside the function codes unless another is chosen: English.
inline constexpr int kDefaultReportLanguage = 3;

// Every function code is shown as {code, name}: the eight hex digits and the name the
// button shows for it in language `languageIndex` (1..3).
ReportNode BuildImageReport(const MouseSession& session, int languageIndex = kDefaultReportLanguage);

}  // namespace orvane::cli
