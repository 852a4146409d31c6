#include "gui/ui/QtUserDialogs.h"

#include "gui/app/Translations.h"
#include "core/print/PdfTarget.h"

#include "TestPaths.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

// Runs `act` on the modal dialog of type T once it is up.
template <typename T>
void whenShown(std::function<void(T&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

TEST(QtUserDialogs, NameFiltersShowEachPatternOnce) {
    const QStringList filters = QtUserDialogs::nameFilters(
        {"Vexa Editorファイル (*.vxa)|*.vxa", "WAVEファイル|*.wav;*.WAV", "*.txt", "すべて|*"});
    EXPECT_EQ(filters, (QStringList{"Vexa Editorファイル (*.vxa)", "WAVEファイル (*.wav *.WAV)", "*.txt",
                                    "すべて (*)"}));
}

TEST(QtUserDialogs, MessageBoxShowsTheRequestAndReturnsTheButton) {
    QtUserDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "確認");
        EXPECT_EQ(box.text(), "一行目\n二行目");
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.showMessage({"一行目\n二行目", "確認", MessageIcon::Question, MessageButtons::YesNoCancel}),
              MessageAnswer::No);

    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(dialogs.showMessage({"x", "確認", MessageIcon::Warning, MessageButtons::Ok}), MessageAnswer::Ok);
}

TEST(QtUserDialogs, AChoiceShowsItsButtonsInOrderAndGivesTheEditedText) {
    QtUserDialogs dialogs;
    ChoiceRequest request;
    request.text = "「a.mp3」はこのままでは登録できません。";
    request.title = "確認";
    request.buttons = {"変換して登録", "スキップ", "すべて変換"};
    request.dismissed = 1;
    request.editLabel = "名前：";
    request.editText = "A.WAV";
    whenShown<QDialog>([](QDialog& box) {
        EXPECT_EQ(box.windowTitle(), "確認");
        auto* edit = box.findChild<QLineEdit*>("ChoiceText");
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "A.WAV");
        auto* first = box.findChild<QPushButton*>("Choice0");
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->text(), "変換して登録");
        EXPECT_TRUE(first->isDefault());
        edit->setText("HALL");
        box.findChild<QPushButton*>("Choice2")->click();
    });
    ChoiceAnswer answer = dialogs.askChoice(request);
    EXPECT_EQ(answer.button, 2);
    EXPECT_EQ(answer.editText, "HALL");

    // Escape gives the dismissed answer and the text as it was.
    whenShown<QDialog>([](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    answer = dialogs.askChoice(request);
    EXPECT_EQ(answer.button, 1);
    EXPECT_EQ(answer.editText, "A.WAV");
}

TEST(QtUserDialogs, EscapeOnAYesNoQuestionAnswersNo) {
    QtUserDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.showMessage({"?", "確認", MessageIcon::Question, MessageButtons::YesNo}), MessageAnswer::No);
}

TEST(QtUserDialogs, ButtonsSpeakJapaneseWithQtsTranslation) {
    ASSERT_TRUE(installJapaneseTranslations(*QCoreApplication::instance()));
    QtUserDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains("はい")) << box.button(QMessageBox::Yes)->text().toStdString();
        EXPECT_TRUE(box.button(QMessageBox::No)->text().contains("いいえ"));
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(dialogs.showMessage({"?", "確認", MessageIcon::Question, MessageButtons::YesNo}), MessageAnswer::Yes);
}

TEST(QtUserDialogs, FileChooserOpensAsRequestedAndGivesTheChosenFiles) {
    test::TempDir dir;
    test::writeBytes(dir / "A.vxa", "x");
    test::writeBytes(dir / "B.vxa", "x");
    const QString folder = QString::fromStdString(dir.path().string());
    QtUserDialogs dialogs;

    whenShown<QFileDialog>([folder](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "ファイルを開く");
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(folder).canonicalPath());
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.nameFilters(), (QStringList{"Vexa Editorファイル (*.vxa)", "KTR (*.ktr)"}));
        dialog.selectFile(QDir(folder).filePath("A.vxa"));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    const auto one = dialogs.chooseFiles({"ファイルを開く", folder.toStdString(),
                                          {"Vexa Editorファイル (*.vxa)|*.vxa", "KTR|*.ktr"}, false});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(QDir(QString::fromStdString(one[0])).canonicalPath(), QDir(folder).filePath("A.vxa"));

    whenShown<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
        dialog.reject();
    });
    EXPECT_TRUE(dialogs.chooseFiles({"t", folder.toStdString(), {}, true}).empty());
}

TEST(QtUserDialogs, ThePdfChooserSavesUnderANewOrAnExistingName) {
    test::TempDir dir;
    test::writeBytes(dir / "old.pdf", "x");
    const QString folder = QString::fromStdString(dir.path().string());
    QtUserDialogs dialogs;
    for (const char* typed : {"new", "old.pdf"}) {
        SCOPED_TRACE(typed);
        whenShown<QFileDialog>([typed](QFileDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "PDF保存");
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            QPushButton* accept = nullptr;
            for (auto* box : dialog.findChildren<QDialogButtonBox*>())
                for (QAbstractButton* button : box->buttons())
                    if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
                        accept = qobject_cast<QPushButton*>(button);
            ASSERT_NE(accept, nullptr);
            EXPECT_EQ(accept->text(), "保存(&S)");
            // The window asks itself, naming the file with ".pdf" added.
            EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            dialog.selectFile(QDir(dialog.directory()).filePath(QString::fromUtf8(typed)));
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        const auto chosen = dialogs.chooseFiles(print::PdfChooserRequest(folder.toStdString()));
        ASSERT_EQ(chosen.size(), 1u);
        EXPECT_EQ(QFileInfo(QString::fromStdString(chosen[0])).fileName(), QString::fromUtf8(typed));
    }
}

}  // namespace
}  // namespace vexa::gui
