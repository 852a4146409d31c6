#pragma once
// One conversion or silence job of the tools window on a worker thread. The
// job reports through Progress on the worker; values and captions reach the
// user-interface thread as queued signals, and finished() comes there after
// them, once the job has ended. The stop request is an atomic flag that the
// job polls at its progress steps.
#include "core/ui/Progress.h"
#include "core/wavetools/JobResult.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

namespace vexa::gui {

class ToolsJobRun : public QObject, public Progress {
    Q_OBJECT

public:
    using Job = std::function<JobResult(Progress&)>;

    explicit ToolsJobRun(Job job, QObject* parent = nullptr);
    // Asks a running job to stop and waits for it to end.
    ~ToolsJobRun() override;

    // `beforeJob` runs on the worker before the job (tests hold the job there).
    void start(const std::function<void()>& beforeJob = {});
    bool running() const { return watcher_.isRunning(); }
    void requestStop() { stop_ = true; }
    // How the job ended; valid once finished() was emitted.
    JobResult result() const { return watcher_.result(); }

    // Progress, called on the worker thread.
    void setValue(int percent) override;
    void setCaption(const std::string& text) override;
    bool stopRequested() override { return stop_; }

signals:
    void valueChanged(int percent);
    void captionChanged(const QString& text);
    void finished();

private:
    Job job_;
    std::atomic<bool> stop_ = false;
    QFutureWatcher<JobResult> watcher_;
};

}  // namespace vexa::gui
