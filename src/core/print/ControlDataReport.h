#pragma once
// The control data print-out: the Card Information as labelled values.
#include "core/model/CardInformation.h"
#include "core/print/PrintTime.h"

namespace vexa::print {

Report ControlDataReport(const CardInformation& card, const PrintTime& time);

}  // namespace vexa::print
