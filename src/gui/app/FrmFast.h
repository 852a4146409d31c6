#pragma once
// The splash window: one picture of the product, shown while the editor starts.
#include <QWidget>

namespace vexa::gui {

class FrmFast : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2700;

    explicit FrmFast(QWidget* parent = nullptr);

    // Shows the picture centred on the screen, paints it at once, then holds
    // the thread for `milliseconds` without handling any input, and closes.
    void showBlocking(int milliseconds = kShowMilliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vexa::gui
