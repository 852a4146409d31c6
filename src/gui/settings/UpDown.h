#pragma once
// An up-down control: two small arrow buttons beside a text box. It holds no
// value of its own; each click (repeated while held) asks for one step.
#include <QWidget>

class QToolButton;

namespace vexa::gui {

class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void stepped(bool up);

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace vexa::gui
