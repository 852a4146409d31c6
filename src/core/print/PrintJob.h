#pragma once
// The reports of one print job: the chosen ones in box order, the editor
// print-out once per printed sheet (sheets 0 … 7 in Multi-sheet mode, else
// sheet 0 only). Reading the Project changes nothing in it.
#include "core/config/Configuration.h"
#include "core/config/ElementPatternFile.h"
#include "core/model/Project.h"
#include "core/print/PrintChoices.h"
#include "core/print/PrintTime.h"

#include <vector>

namespace vexa::print {

// The week table is printed once for each of `weekMonths` (kAllYear or 1 …
// 12; none: the current month).
std::vector<Report> BuildPrintJob(const Project& project, const Configuration& configuration,
                                  const ElementPatternFile& elements, const PrintChoices& choices,
                                  const PrintTime& time, const std::vector<int>& weekMonths = {});

}  // namespace vexa::print
