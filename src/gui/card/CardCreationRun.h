#pragma once
// One card creation on a worker thread (JobRun): the job's values and
// captions reach the user-interface thread as queued signals, and finished()
// comes there once the job has ended. The user interface never waits for the
// files.
#include "core/card/CardCreation.h"
#include "core/card/CardJob.h"
#include "gui/ui/JobRun.h"

namespace vexa::gui {

class CardCreationRun : public JobRun {
    Q_OBJECT

public:
    explicit CardCreationRun(CardJob job, QObject* parent = nullptr);
    ~CardCreationRun() override { stopAndWait(); }  // the work uses the members below

    void start();
    // How the job ended; valid once finished() was emitted.
    const CardCreationResult& result() const { return result_; }
    const CardJob& job() const { return job_; }

private:
    CardJob job_;
    CardCreationResult result_;
};

}  // namespace vexa::gui
