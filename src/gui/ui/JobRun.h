#pragma once
// The one way a window runs long work off the user-interface thread. The
// work gets this object as its Progress on a worker thread; its values and
// captions reach the user-interface thread as queued signals, and finished()
// comes there after them, once the worker has ended. The stop request is an
// atomic flag the work reads at its steps. The destructor asks a running job
// to stop and waits for it, so a window that owns its run is never torn down
// under it.
#include "core/ui/Progress.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class QThread;

namespace vexa::gui {

class JobRun : public QObject, public Progress {
    Q_OBJECT

public:
    using Work = std::function<void(Progress&)>;

    explicit JobRun(QObject* parent = nullptr);
    ~JobRun() override;

    // Runs `work` on a new worker; nothing while a job runs.
    void start(Work work);
    bool running() const;
    void requestStop() { stop_ = true; }
    // Waits until the worker has ended; finished() still comes, queued.
    void wait();
    // Asks a running job to stop and waits for it. A subclass whose work
    // uses its own members calls it in its destructor, before they go.
    void stopAndWait();

    // Progress, called on the worker thread.
    void setValue(int percent) override;
    void setCaption(const std::string& text) override;
    bool stopRequested() override { return stop_; }

signals:
    void valueChanged(int percent);
    void captionChanged(const QString& text);
    void finished();

private:
    std::atomic<bool> stop_ = false;
    QThread* thread_ = nullptr;
};

}  // namespace vexa::gui
