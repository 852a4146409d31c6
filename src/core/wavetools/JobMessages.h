#pragma once
// What the user is told when a conversion or a silence job did not complete.
#include "ui/UserDialogs.h"
#include "wavetools/JobResult.h"

namespace vexa {

// Nothing for a completed job; the stop or the failure message otherwise
// (warning icon, title "確認").
void ShowJobEnd(JobResult result, UserDialogs& dialogs);

}  // namespace vexa
