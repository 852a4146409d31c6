#pragma once
// A pair of small arrow buttons stacked beside a box, like a spin box's own
// arrows but for a box the window formats itself.
#include <QWidget>

class QToolButton;

namespace vexa::gui {

class UpDownButtons : public QWidget {
    Q_OBJECT

public:
    explicit UpDownButtons(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void up();
    void down();

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace vexa::gui
