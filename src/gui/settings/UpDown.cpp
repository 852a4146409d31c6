#include "gui/settings/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);  // the box keeps the focus, as with a buddy control
    button->setFixedSize(16, 11);
    return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    up_ = arrowButton(Qt::UpArrow, "Up", this);
    down_ = arrowButton(Qt::DownArrow, "Down", this);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(false); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
}

}  // namespace vexa::gui
