#pragma once
// A horizontal header of two rows: the lower row holds each column's own
// caption, the upper row the group captions ("SOUND", "LED", …), one cell
// across every run of neighbouring shown columns with the same text (left
// out when it does not fit). Being the view's header, both rows stay in view
// while the lines scroll.
#include <QHeaderView>

namespace vexa::gui {

class TwoRowHeaderView : public QHeaderView {
    Q_OBJECT

public:
    // `topRole` is the headerData role that gives the upper row's text.
    TwoRowHeaderView(int topRole, int rowHeight, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // First and last logical section of the upper-row group of `logical`.
    std::pair<int, int> groupOf(int logical) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QString topText(int logical) const;
    void paintCell(QPainter* painter, const QRect& rect, int logical, const QString& text) const;

    int topRole_;
    int rowHeight_;
};

}  // namespace vexa::gui
