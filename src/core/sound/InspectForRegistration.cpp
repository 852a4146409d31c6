#include "core/sound/InspectForRegistration.h"

namespace vexa {

InspectionRun InspectForRegistration(const std::vector<std::string>& paths, bool stereoAllowed, Progress& progress) {
    InspectionRun run;
    run.checks.reserve(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (progress.stopRequested()) {
            run.complete = false;
            break;
        }
        run.checks.push_back(CheckWaveForRegistration(paths[i], stereoAllowed));
        progress.setValue(static_cast<int>((i + 1) * 100 / paths.size()));
        if (!run.checks.back().accepted())
            break;
    }
    return run;
}

}  // namespace vexa
