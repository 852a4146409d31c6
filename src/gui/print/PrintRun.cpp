#include "gui/print/PrintRun.h"

#include <QThread>

namespace vexa::gui {

PrintRun::PrintRun(QObject* parent) : QObject(parent) {}

PrintRun::~PrintRun() {
    if (thread_) {
        stop_ = true;
        thread_->wait();
        delete thread_;
    }
}

bool PrintRun::running() const { return thread_ && thread_->isRunning(); }

void PrintRun::start(Work work) {
    if (running())
        return;
    delete thread_;
    stop_ = false;
    thread_ = QThread::create([this, work = std::move(work)] { work(*this); });
    // QThread says "finished" just before its thread ends: wait for the end.
    connect(
        thread_, &QThread::finished, this,
        [this] {
            thread_->wait();
            emit finished();
        },
        Qt::QueuedConnection);
    thread_->start();
}

}  // namespace vexa::gui
