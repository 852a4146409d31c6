#pragma once
// The LED and BUZZER pattern print-out: the twelve Pattern Times as held.
#include "core/config/Configuration.h"
#include "core/print/PrintTime.h"

namespace vexa::print {

Report PatternTimesReport(const PatternTimes& patterns, const PrintTime& time);

}  // namespace vexa::print
