#pragma once
// "週間表": the week plan of a month (or all year) on paper — for each day
// Monday … Sunday, each sheet that plays with its time window and volume and
// what to look at, then the findings. One report (one page) per month.
#include "core/print/PrintTime.h"
#include "core/print/Report.h"
#include "core/week/WeekPlan.h"

namespace vexa::print {

Report WeekReport(const WeekPlan& plan, const PrintTime& time);

}  // namespace vexa::print
