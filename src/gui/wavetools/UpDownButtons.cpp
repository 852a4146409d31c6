#include "gui/wavetools/UpDownButtons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace vexa::gui {
namespace {

QToolButton* arrow(Qt::ArrowType type, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);  // the box keeps the focus
    button->setFixedSize(18, 12);
    return button;
}

}  // namespace

UpDownButtons::UpDownButtons(QWidget* parent) : QWidget(parent) {
    up_ = arrow(Qt::UpArrow, this);
    down_ = arrow(Qt::DownArrow, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &UpDownButtons::up);
    connect(down_, &QToolButton::clicked, this, &UpDownButtons::down);
}

}  // namespace vexa::gui
