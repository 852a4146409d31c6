#include "gui/ui/WorkAreaFit.h"

#include "core/app/MainWindowSize.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace vexa::gui {
namespace {

FrameMargins marginsOf(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool unframed(const FrameMargins& m) { return m.left == 0 && m.top == 0 && m.right == 0 && m.bottom == 0; }

class WorkAreaKeeper : public QObject {
public:
    explicit WorkAreaKeeper(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            fit();  // the size before it is mapped: no jump
            fitLater();  // and the place a dialog takes over its owner
            break;
        case QEvent::Resize:
        case QEvent::Move:
            // A size the layout grew to, or the frame the window manager has
            // just drawn; not a move by the user.
            if (window_->isVisible() && (window_->size() != lastSize_ || marginsChanged()))
                fitLater();
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool marginsChanged() const {
        const FrameMargins m = marginsOf(window_);
        return m.left != lastMargins_.left || m.top != lastMargins_.top || m.right != lastMargins_.right ||
               m.bottom != lastMargins_.bottom;
    }

    void fitLater() {
        if (pending_)
            return;
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            fit();
            lastSize_ = window_->size();
            lastMargins_ = marginsOf(window_);
        });
    }

    void fit() {
        const QScreen* screen = window_->screen();
        if (!screen)
            return;
        FrameMargins frame = marginsOf(window_);
        // Not framed yet: the window that owns it shows what the frame will be.
        if (unframed(frame))
            if (const QWidget* owner = window_->parentWidget() ? window_->parentWidget()->window() : nullptr)
                frame = marginsOf(owner);
        const QRect area = screen->availableGeometry();
        const QRect inner = window_->geometry();
        const QSize minimum = window_->minimumSize().expandedTo(window_->minimumSizeHint());
        const WindowGeometry fitted =
            FitInWorkArea({area.left(), area.top(), area.left() + area.width(), area.top() + area.height()},
                          {inner.x(), inner.y(), inner.width(), inner.height()}, frame, minimum.width(),
                          minimum.height());
        const QRect target(fitted.x, fitted.y, fitted.width, fitted.height);
        if (target != inner)
            window_->setGeometry(target);
    }

    QPointer<QWidget> window_;
    QSize lastSize_;
    FrameMargins lastMargins_;
    bool pending_ = false;
};

}  // namespace

void KeepInWorkArea(QWidget* window) { new WorkAreaKeeper(window); }

}  // namespace vexa::gui
