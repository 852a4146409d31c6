#pragma once
// One conversion, silence or import job of the tools window (or of the sound
// registration's import) on a worker thread (JobRun), with its result.
#include "core/wavetools/JobResult.h"
#include "gui/ui/JobRun.h"

#include <functional>

namespace vexa::gui {

class ToolsJobRun : public JobRun {
    Q_OBJECT

public:
    using Job = std::function<JobResult(Progress&)>;

    explicit ToolsJobRun(Job job, QObject* parent = nullptr);
    ~ToolsJobRun() override { stopAndWait(); }  // the work uses the members below

    // `beforeJob` runs on the worker before the job (tests hold the job there).
    void start(const std::function<void()>& beforeJob = {});
    // How the job ended; valid once finished() was emitted.
    JobResult result() const { return result_; }

private:
    Job job_;
    JobResult result_{};
};

}  // namespace vexa::gui
