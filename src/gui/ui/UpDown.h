#pragma once
// An up-down control: two small arrow buttons stacked beside a text box, like
// a spin box's own arrows but for a box the window formats itself. It holds
// no value of its own; each click (repeated while held) asks for one step.
// The settings window and the tools window both use it.
#include <QSize>
#include <QWidget>

class QToolButton;

namespace vexa::gui {

class UpDown : public QWidget {
    Q_OBJECT

public:
    // `buttonSize`: the size of each arrow button.
    explicit UpDown(QWidget* parent = nullptr, QSize buttonSize = QSize(16, 11));

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void stepped(bool up);

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace vexa::gui
