#include "gui/wavetools/ToolsJobRun.h"

namespace vexa::gui {

ToolsJobRun::ToolsJobRun(Job job, QObject* parent) : JobRun(parent), job_(std::move(job)) {}

void ToolsJobRun::start(const std::function<void()>& beforeJob) {
    JobRun::start([this, beforeJob](Progress& progress) {
        if (beforeJob)
            beforeJob();
        result_ = job_(progress);
    });
}

}  // namespace vexa::gui
