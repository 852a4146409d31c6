#include "gui/wavetools/ToolsJobRun.h"

#include <QtConcurrent/QtConcurrent>

namespace vexa::gui {

ToolsJobRun::ToolsJobRun(Job job, QObject* parent) : QObject(parent), job_(std::move(job)) {
    connect(&watcher_, &QFutureWatcher<JobResult>::finished, this, &ToolsJobRun::finished);
}

ToolsJobRun::~ToolsJobRun() {
    stop_ = true;
    watcher_.waitForFinished();
}

void ToolsJobRun::start(const std::function<void()>& beforeJob) {
    if (running())
        return;
    watcher_.setFuture(QtConcurrent::run([this, beforeJob] {
        if (beforeJob)
            beforeJob();
        return job_(*this);
    }));
}

// The signals are emitted on the worker; the receivers live on the
// user-interface thread, so the connections are queued there.
void ToolsJobRun::setValue(int percent) { emit valueChanged(percent); }

void ToolsJobRun::setCaption(const std::string& text) { emit captionChanged(QString::fromStdString(text)); }

}  // namespace vexa::gui
