#include "gui/ui/QtUserDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <optional>

namespace vexa::gui {
namespace {

QMessageBox::Icon iconFor(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsFor(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// The first button is the default one, as the questions are written for it.
QMessageBox::StandardButton defaultButtonFor(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? QMessageBox::Yes
                                                                                       : QMessageBox::Ok;
}

// A box closed without a button (Escape, the close box) gives the answer
// that changes least.
MessageAnswer answerFor(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    return DismissedAnswer(buttons);
}

QString qs(const std::string& text) { return QString::fromStdString(text); }

std::optional<QStyle::StandardPixmap> styleIconFor(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QStyle::SP_MessageBoxInformation;
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Error:
        return QStyle::SP_MessageBoxCritical;
    case MessageIcon::None:
        break;
    }
    return std::nullopt;
}

}  // namespace

QtUserDialogs::QtUserDialogs(QWidget* owner) : owner_(owner) {}

namespace {

// Whether `window` is `root` or was opened from it, directly or through others.
bool openedFrom(QWidget* window, QWidget* root) {
    for (QWidget* w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (w == root)
            return true;
    return false;
}

// The newest shown window opened from `window` (children are in the order
// they were made), or nullptr.
QWidget* newestOpenedWindow(QWidget* window) {
    QWidget* opened = nullptr;
    for (QObject* child : window->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->isWindow() && widget->isVisible() && widget->isEnabled() &&
            (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            opened = widget;
    }
    return opened;
}

}  // namespace

QWidget* QtUserDialogs::ownerWindow(QWidget* root) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    QWidget* active = QApplication::activeWindow();
    QWidget* current = root ? root->window() : active;
    if (active && active->isEnabled() && current && openedFrom(active, current))
        return active;
    // Not known from the window system (another program is active, or the
    // window just shown is not active yet): a disabled window is not the one
    // the user is in, but the one it opened.
    while (current && !current->isEnabled()) {
        QWidget* opened = newestOpenedWindow(current);
        if (!opened)
            break;
        current = opened;
    }
    return current;
}

QWidget* QtUserDialogs::owner() const { return ownerWindow(owner_); }

MessageAnswer QtUserDialogs::showMessage(const MessageRequest& request) {
    QMessageBox box(iconFor(request.icon), qs(request.title), qs(request.text), buttonsFor(request.buttons),
                    owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButtonFor(request.buttons));
    return answerFor(box.exec(), request.buttons);
}

QStringList QtUserDialogs::nameFilters(const std::vector<std::string>& filters) {
    QStringList out;
    for (const auto& filter : filters) {
        const QString text = qs(filter);
        const qsizetype bar = text.lastIndexOf(u'|');
        const QString description = bar < 0 ? QString() : text.left(bar).trimmed();
        // Qt separates the patterns of one filter with blanks, the files with ";".
        const QString patterns = QString(bar < 0 ? text : text.mid(bar + 1)).replace(u';', u' ').simplified();
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        if (description.isEmpty())
            out << patterns;
        else if (description.endsWith(shown))
            out << description;
        else
            out << description + u' ' + shown;
    }
    return out;
}

std::vector<std::string> QtUserDialogs::chooseFiles(const FileChooserRequest& request) {
    QFileDialog dialog(owner(), qs(request.title), qs(request.initialFolder));
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setLabelText(QFileDialog::Accept, QString::fromUtf8("保存(&S)"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);  // the caller asks, naming the file
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        if (request.multiple)
            dialog.setFileMode(QFileDialog::ExistingFiles);
        else
            dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::ReadOnly, true);
    }
    // Qt's own chooser matches "*.wav" to "CHIME.WAV" too (names on FAT cards
    // are mostly upper case); some desktops' native choosers do not.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const QStringList filters = nameFilters(request.filters);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted)
        return chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.push_back(file.toStdString());
    return chosen;
}

std::string QtUserDialogs::chooseFolder(const std::string& initialFolder) {
    return QFileDialog::getExistingDirectory(owner(), QString(), qs(initialFolder)).toStdString();
}

ChoiceAnswer QtUserDialogs::askChoice(const ChoiceRequest& request) {
    QDialog box(owner());
    box.setObjectName("ChoiceBox");
    box.setWindowTitle(qs(request.title));
    auto* text = new QLabel(qs(request.text), &box);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    auto* top = new QHBoxLayout;
    if (const auto icon = styleIconFor(request.icon)) {
        auto* picture = new QLabel(&box);
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        picture->setPixmap(box.style()->standardIcon(*icon, nullptr, &box).pixmap(size, size));
        top->addWidget(picture, 0, Qt::AlignTop);
    }
    top->addWidget(text, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(top);
    QLineEdit* edit = nullptr;
    if (!request.editLabel.empty()) {
        edit = new QLineEdit(qs(request.editText), &box);
        edit->setObjectName("ChoiceText");
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(qs(request.editLabel), &box));
        row->addWidget(edit, 1);
        layout->addLayout(row);
    }
    auto* buttons = new QDialogButtonBox(&box);
    int chosen = request.dismissed;
    for (std::size_t i = 0; i < request.buttons.size(); ++i) {
        auto* button = buttons->addButton(qs(request.buttons[i]), QDialogButtonBox::ActionRole);
        button->setObjectName(QStringLiteral("Choice%1").arg(i));
        QObject::connect(button, &QPushButton::clicked, &box, [&box, &chosen, i] {
            chosen = static_cast<int>(i);
            box.accept();
        });
        if (i == 0)
            button->setDefault(true);
    }
    layout->addWidget(buttons);
    box.exec();
    return {chosen, edit ? edit->text().toStdString() : request.editText};
}

}  // namespace vexa::gui
