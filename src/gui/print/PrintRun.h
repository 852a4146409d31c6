#pragma once
// One rendering of the reports (to a printer or to a PDF file) on a worker
// thread; QPainter may paint on a printer or a PDF writer there. finished()
// comes on the user-interface thread once the work has ended. The destructor
// asks the work to stop at its next page and waits for it.
#include "core/ui/Progress.h"

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

namespace vexa::gui {

class PrintRun : public QObject, public Progress {
    Q_OBJECT

public:
    using Work = std::function<void(Progress&)>;

    explicit PrintRun(QObject* parent = nullptr);
    ~PrintRun() override;

    // Runs `work` on the worker; one work at a time.
    void start(Work work);
    bool running() const;

    // Progress, called on the worker thread.
    void setValue(int) override {}
    void setCaption(const std::string&) override {}
    bool stopRequested() override { return stop_; }

signals:
    void finished();

private:
    std::atomic<bool> stop_ = false;
    QThread* thread_ = nullptr;
};

}  // namespace vexa::gui
