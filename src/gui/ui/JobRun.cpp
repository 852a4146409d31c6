#include "gui/ui/JobRun.h"

#include <QThread>

namespace vexa::gui {

JobRun::JobRun(QObject* parent) : QObject(parent) {}

JobRun::~JobRun() {
    stopAndWait();
    delete thread_;
}

void JobRun::start(Work work) {
    if (running())
        return;
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
    stop_ = false;
    thread_ = QThread::create([this, work = std::move(work)] { work(*this); });
    // QThread says "finished" on the worker just before it ends: the queued
    // call waits for the end, so running() is false when finished() comes.
    connect(
        thread_, &QThread::finished, this,
        [this] {
            thread_->wait();
            emit finished();
        },
        Qt::QueuedConnection);
    thread_->start();
}

bool JobRun::running() const { return thread_ && !thread_->isFinished(); }

void JobRun::wait() {
    if (thread_)
        thread_->wait();
}

void JobRun::stopAndWait() {
    stop_ = true;
    wait();
}

// Emitted on the worker; the receivers live on the user-interface thread, so
// the connections are queued there.
void JobRun::setValue(int percent) { emit valueChanged(percent); }

void JobRun::setCaption(const std::string& text) { emit captionChanged(QString::fromStdString(text)); }

}  // namespace vexa::gui
