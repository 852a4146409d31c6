#pragma once
// What the user is told and asked about a running or ended conversion or
// silence job.
#include "core/ui/UserDialogs.h"
#include "core/wavetools/JobResult.h"

namespace vexa {

// Nothing for a completed job; the stop or the failure message otherwise
// (warning icon, title "確認"). A job that completed although the user had
// answered Yes to stopping it (it ended while the question was open, or
// before it looked at the request) is told as such: its files are whole,
// not the stopped ones the user expects.
void ShowJobEnd(JobResult result, bool stopAsked, UserDialogs& dialogs);

// The text of a job that had already completed when the user asked it to stop.
inline constexpr const char* kJobAlreadyCompleted =
    "処理は既に完了していたため、中止しませんでした。\n作成したファイルは最後まで書き込まれています。";

// "処理を中止してよろしいですか？" (question icon, Yes/No, title "確認"),
// asked by a stop button and by closing the window while a job runs; true
// for Yes.
bool ConfirmStop(UserDialogs& dialogs);

// Whether the bar is filled once the job has ended: after all but a failure.
constexpr bool FillsBarAtEnd(JobResult result) { return result != JobResult::Failed; }

}  // namespace vexa
