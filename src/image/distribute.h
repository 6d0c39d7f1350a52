#pragma once
// Taking an image apart into the working copies, and putting it back together.

#include "image/image_state.h"
#include "image/section_repairs.h"

namespace orvane {

// Copies DataBuf into the mirrors, checking (and repairing) the four sections on the way.
// Callers only distribute images of mice that hold one (I2C, QL840).
RepairReport DistributeImage(ImageState& state, const RepairContext& context);

// The LED package list entry that image byte 5 selects: 0 -> 0, 2 -> 1, 3 -> 2, 1 -> none (-1).
int PackageEntryFromImage(const Mirror& mirror);

}  // namespace orvane
