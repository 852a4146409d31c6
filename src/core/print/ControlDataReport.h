#pragma once
// The control data print-out: the Card Information as labelled values.
#include "model/CardInformation.h"
#include "print/PrintTime.h"

namespace vexa::print {

Report ControlDataReport(const CardInformation& card, const PrintTime& time);

}  // namespace vexa::print
