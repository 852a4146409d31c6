#pragma once
// One card creation on a worker thread. The job reports through Progress on
// the worker; the values and captions reach the user-interface thread as
// queued signals, and finished() comes there once the job has ended. The user
// interface never waits for the files.
#include "core/card/CardCreation.h"
#include "core/card/CardJob.h"
#include "core/ui/Progress.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

namespace vexa::gui {

class CardCreationRun : public QObject, public Progress {
    Q_OBJECT

public:
    explicit CardCreationRun(CardJob job, QObject* parent = nullptr);
    // Asks a running job to stop and waits for it.
    ~CardCreationRun() override;

    void start();
    bool running() const;
    void requestStop() { stop_ = true; }
    // How the job ended; valid once finished() was emitted.
    const CardCreationResult& result() const { return result_; }
    const CardJob& job() const { return job_; }

    // Progress, called on the worker thread.
    void setValue(int percent) override;
    void setCaption(const std::string& text) override;
    bool stopRequested() override { return stop_; }

signals:
    void valueChanged(int percent);
    void captionChanged(const QString& text);
    void finished();

private:
    CardJob job_;
    CardCreationResult result_;
    std::atomic<bool> stop_ = false;
    QThread* thread_ = nullptr;
};

}  // namespace vexa::gui
