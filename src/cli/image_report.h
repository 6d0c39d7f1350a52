#pragma once
// The decoded image that `orvanectl show` prints.

#include "cli/report_tree.h"
#include "device/mouse_session.h"

namespace orvane::cli {

ReportNode BuildImageReport(const MouseSession& session);

}  // namespace orvane::cli
