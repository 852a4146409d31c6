#pragma once
// The memo grid: one row of four cells, "名称" and the sheet's Name, "メモ" and
// its Memo. The cursor never rests on a label: it moves on to the cell beside
// it and opens the editor there. A committed Name or Memo is reported with
// edited(); texts put in by the window are not. The Name and Memo cells are
// wide enough for the longest Name (30 full-width characters) and Memo (40)
// the card accepts, as far as the window allows: the labels give up width
// first, then the Memo; each cell's tooltip holds its whole text.
#include <QTableWidget>

namespace vexa::gui {

class FgMemo : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kNameColumn = 1;
    static constexpr int kMemoColumn = 3;
    // The longest Name and Memo a card accepts, in full-width characters.
    static constexpr int kNameFullWidth = 30;
    static constexpr int kMemoFullWidth = 40;

    explicit FgMemo(QWidget* parent = nullptr);

    // Empties both cells and puts the labels, widths and alignments back.
    void resetMemo();

    QString name() const;
    QString memo() const;
    void setTexts(const QString& name, const QString& memo);

    // Selects a cell of the row and opens its editor.
    void editCell(int column);
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // Commits and closes an open editor (before the sheet is stored).
    void endEdit();

    // The whole row with the longest Name and Memo shown in full.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The width that shows `fullWidth` full-width characters in a cell.
    int cellWidthFor(int fullWidth) const;

signals:
    // The user changed the Name (kNameColumn) or the Memo (kMemoColumn).
    void edited(int column);
    // Tab from the Memo cell (forward) or Shift+Tab from the Name cell (back).
    void leftForward();
    void leftBackward();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The column widths for the width the row has now.
    void fitColumns();
    void tab(bool forward);
    void onCurrentCellChanged(int row, int column);

    bool settingTexts_ = false;
};

}  // namespace vexa::gui
