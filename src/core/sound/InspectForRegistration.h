#pragma once
// The file work of registering: each chosen file checked in order (format
// read, name and format rules, header scan, as `vexa inspect` does), ending
// with the first refused file, since registration stops there and never
// looks at the files after it. It reads files only and changes nothing, so
// the window runs it off the user-interface thread and registers the result.
#include "core/sound/WaveRegistrationCheck.h"
#include "core/ui/Progress.h"

#include <string>
#include <vector>

namespace vexa {

struct InspectionRun {
    std::vector<WaveRegistrationCheck> checks;
    bool complete = true;  // false: the stop request ended it before the last file
};

InspectionRun InspectForRegistration(const std::vector<std::string>& paths, bool stereoAllowed, Progress& progress);

}  // namespace vexa
