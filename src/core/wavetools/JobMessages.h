#pragma once
// What the user is told and asked about a running or ended conversion or
// silence job.
#include "ui/UserDialogs.h"
#include "wavetools/JobResult.h"

namespace vexa {

// Nothing for a completed job; the stop or the failure message otherwise
// (warning icon, title "確認").
void ShowJobEnd(JobResult result, UserDialogs& dialogs);

// "処理を中止してよろしいですか？" (question icon, Yes/No, title "確認"),
// asked by a stop button and by closing the window while a job runs; true
// for Yes.
bool ConfirmStop(UserDialogs& dialogs);

// Whether the bar is filled once the job has ended: after all but a failure.
constexpr bool FillsBarAtEnd(JobResult result) { return result != JobResult::Failed; }

}  // namespace vexa
