#pragma once
// The sound list print-out: one numbered row per Sound Entry in table order
// and the totals of the lengths ("0.000") and of the sizes (bytes).
#include "core/model/Project.h"
#include "core/print/PrintTime.h"

namespace vexa::print {

// With the Sound Present flag off every entry's row is empty and the totals
// are 0.000 and 0.
Report SoundListReport(const Project& project, const PrintTime& time);

}  // namespace vexa::print
