#include "gui/ui/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const char* name, QSize size, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);  // the box keeps the focus, as with a buddy control
    button->setFixedSize(size);
    return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent, QSize buttonSize) : QWidget(parent) {
    up_ = arrowButton(Qt::UpArrow, "Up", buttonSize, this);
    down_ = arrowButton(Qt::DownArrow, "Down", buttonSize, this);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(false); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
}

}  // namespace vexa::gui
