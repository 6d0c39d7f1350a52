#pragma once
// The naming context as the image gives it: the fire key settings of the info block and
// the controller type, for naming the codes the image holds.

#include "buttons/function_names.h"
#include "image/image_layout.h"

namespace orvane {

CodeNameContext NamingContextFromImage(const Mirror& mirror, DeviceType icType,
                                       const LanguageTable& language);

}  // namespace orvane
