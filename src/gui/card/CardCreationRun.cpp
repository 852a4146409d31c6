#include "gui/card/CardCreationRun.h"

#include <QThread>

namespace vexa::gui {

CardCreationRun::CardCreationRun(CardJob job, QObject* parent) : QObject(parent), job_(std::move(job)) {}

CardCreationRun::~CardCreationRun() {
    if (!thread_)
        return;
    stop_ = true;
    thread_->wait();
    delete thread_;
}

void CardCreationRun::start() {
    if (thread_)
        return;
    thread_ = QThread::create([this] { result_ = CreateCard(job_, *this); });
    // finished() is emitted on the worker; `this` lives on the user-interface
    // thread, so the connection is queued there.
    connect(thread_, &QThread::finished, this, &CardCreationRun::finished);
    thread_->start();
}

bool CardCreationRun::running() const { return thread_ && !thread_->isFinished(); }

void CardCreationRun::setValue(int percent) { emit valueChanged(percent); }

void CardCreationRun::setCaption(const std::string& text) { emit captionChanged(QString::fromStdString(text)); }

}  // namespace vexa::gui
