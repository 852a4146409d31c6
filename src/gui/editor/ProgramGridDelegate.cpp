#include "gui/editor/ProgramGridDelegate.h"

#include "gui/editor/GridPictures.h"
#include "gui/editor/ProgramGridModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace vexa::gui {

ProgramGridDelegate::ProgramGridDelegate(ProgramGrid& grid, QObject* parent)
    : QStyledItemDelegate(parent), grid_(grid) {}

QWidget* ProgramGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    const int col = index.column();
    switch (gridColumn(col).kind) {
    case ColumnKind::Choice:
    case ColumnKind::Voice: {
        auto* combo = new QComboBox(parent);
        const ChoiceList list = grid_.choices(col);
        for (const ChoiceItem& item : list.items())
            combo->addItem(QString::fromStdString(item.name), QString::fromStdString(item.value));
        combo->setFrame(false);
        return combo;
    }
    case ColumnKind::OutputTime: {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(ProgramGrid::maxLength(col));
        edit->setAlignment(Qt::AlignCenter);
        edit->setFrame(false);
        return edit;
    }
    case ColumnKind::LineNumber:
    case ColumnKind::Picture:
    case ColumnKind::LineTime: break;
    }
    return nullptr;
}

void ProgramGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString value = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(combo->findData(value));
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->setText(value);
}

void ProgramGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0)  // nothing chosen: the cell stays
            model->setData(index, combo->currentData(), Qt::EditRole);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, edit->text(), Qt::EditRole);
    }
}

void ProgramGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

void ProgramGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const auto picture = static_cast<StatePicture>(index.data(ProgramGridModel::PictureRole).toInt());
    const QPixmap& pixmap = gridPicture(picture);
    if (pixmap.isNull())
        return;
    QRect target(QPoint(0, 0), pixmap.deviceIndependentSize().toSize());
    target.moveCenter(option.rect.center());
    painter->drawPixmap(target, pixmap);
}

void ProgramGridDelegate::commitAndMove(QWidget* editor, int rows, int columns) {
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    emit moveRequested(rows, columns);
}

bool ProgramGridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool list = qobject_cast<QComboBox*>(editor) != nullptr;
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain) {
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter: commitAndMove(editor, 1, 0); return true;
            case Qt::Key_Up:
                if (!list) {
                    commitAndMove(editor, -1, 0);
                    return true;
                }
                break;
            case Qt::Key_Down:
                if (!list) {
                    commitAndMove(editor, 1, 0);
                    return true;
                }
                break;
            case Qt::Key_Left:
                if (list) {
                    commitAndMove(editor, 0, -1);
                    return true;
                }
                break;
            case Qt::Key_Right:
                if (list) {
                    commitAndMove(editor, 0, 1);
                    return true;
                }
                break;
            default: break;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace vexa::gui
