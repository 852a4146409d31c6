// The real sound registration window, offscreen: the list as opened, files
// chosen and dropped, the row highlight and buttons, comments typed with an
// input method, OK with the comment check and Cancel with its question.
#include "gui/sound/FrmSound.h"

#include "core/config/Messages.h"
#include "gui/sound/SoundListModel.h"
#include "gui/wavetools/FrmTools.h"

#include "ScriptedAudioOutput.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

SoundEntry entry(const std::string& name) {
    return {name, "22.05KHz", "16bit", "Mono", "1.000", "44144", "/s/" + name, ""};
}

Project projectWith(std::vector<std::string> names) {
    Project p;
    p.sounds.clear();
    for (const auto& n : names)
        p.sounds.push_back(entry(n));
    p.soundPresent = true;
    p.clearSheets(10);
    return p;
}

Configuration configuration() {
    Configuration c;
    c.settings.maxLine = 10;
    c.settings.waveRef = "/tmp";  // an existing folder: choosers open in it
    return c;
}

struct Window {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    test::ScriptedAudioOutput output;
    Document document;
    FrmSound frm;

    explicit Window(Project project = projectWith({"A.WAV", "B.WAV", "C.WAV"}))
        : document(configuration(), std::move(project)),
          frm(document, dialogs, nullptr, &output, [](const std::filesystem::path&) { return 1000LL; }) {
        frm.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frm));
    }

    std::string wave(const std::string& name) {
        test::writeBytes(dir / name, test::pcmWave(1, 22050, 16, 44100));
        return (dir / name).string();
    }
    QModelIndex cell(int row, int col) { return frm.fgWave()->model()->index(row - 1, col); }
    QString text(int row, int col) { return cell(row, col).data().toString(); }
    void click(int row, int col) {
        QTableView* view = frm.fgWave();
        view->scrollTo(cell(row, col));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell(row, col)).center());
    }
    void waitForRegistration() { EXPECT_TRUE(QTest::qWaitFor([&] { return !frm.registering(); }, 5000)); }
};

TEST(FrmSound, OpensWithTheProjectsTableInTwoHundredFiftyFiveRows) {
    Window w;
    EXPECT_EQ(w.frm.windowTitle(), "Sound登録");
    QAbstractItemModel* model = w.frm.fgWave()->model();
    EXPECT_EQ(model->rowCount(), 255);
    EXPECT_EQ(model->columnCount(), 8);
    QStringList headings;
    for (int c = 0; c < 8; ++c)
        headings << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headings.join(","), "No.,NAME,COMENTS,SampleRate,BitRate,TYPE,SEC,BYTES");
    EXPECT_EQ(w.frm.fgWave()->columnWidth(2), 200);  // 3000 twips
    EXPECT_EQ(w.text(2, 0), "002");
    EXPECT_EQ(w.text(2, 1), "B.WAV");
    EXPECT_EQ(w.text(4, 0), "");
    EXPECT_TRUE(model->flags(w.cell(1, 2)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->flags(w.cell(1, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->flags(w.cell(4, 2)) & Qt::ItemIsEditable);
    EXPECT_EQ(w.frm.timeDisplay()->text(), "3秒");
    EXPECT_EQ(w.frm.sizeDisplay()->text(), "132432バイト");
    for (int i : {1, 3, 5, 6})
        EXPECT_FALSE(w.frm.cmdWave(i)->isEnabled()) << i;
    for (int i : {0, 2, 4, 7})
        EXPECT_TRUE(w.frm.cmdWave(i)->isEnabled()) << i;
    EXPECT_TRUE(w.frm.cmdTool()->isEnabled());
}

TEST(FrmSound, ConversionToolOpensTheToolsWindowModally) {
    Window w;
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* tools = qobject_cast<FrmTools*>(modal)) {
            opened = tools->windowTitle();
            tools->cmdExit()->click();
        } else if (modal) {
            modal->close();
        }
    });
    w.frm.cmdTool()->click();
    EXPECT_EQ(opened, "変換ﾂｰﾙ");
    EXPECT_TRUE(w.frm.isVisible());
}

TEST(FrmSound, SelectingARowHighlightsItAndEnablesTheRowButtons) {
    Window w;
    w.click(2, 1);
    EXPECT_EQ(w.cell(2, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(210, 225, 240));
    EXPECT_EQ(w.cell(1, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    for (int i : {1, 3, 5, 6})
        EXPECT_TRUE(w.frm.cmdWave(i)->isEnabled()) << i;
    QTest::mouseClick(w.frm.cmdWave(5), Qt::LeftButton);  // up
    EXPECT_EQ(w.text(1, 1), "B.WAV");
    EXPECT_EQ(w.frm.fgWave()->currentIndex().row(), 0);
    w.dialogs.answers = {MessageAnswer::Yes};
    QTest::mouseClick(w.frm.cmdWave(1), Qt::LeftButton);  // delete
    EXPECT_EQ(w.text(1, 1), "A.WAV");
    EXPECT_EQ(w.text(3, 1), "");
    EXPECT_EQ(w.frm.timeDisplay()->text(), "2秒");
}

TEST(FrmSound, ChosenFilesAreCheckedOffTheWindowThreadAndListed) {
    Window w(projectWith({}));
    w.dialogs.fileAnswers = {{w.wave("NEW1.WAV"), w.wave("NEW2.WAV")}};
    QTest::mouseClick(w.frm.cmdWave(0), Qt::LeftButton);
    w.waitForRegistration();
    EXPECT_EQ(w.dialogs.fileRequests.at(0).initialFolder, "/tmp");
    EXPECT_EQ(w.text(1, 1), "NEW1.WAV");
    EXPECT_EQ(w.text(2, 1), "NEW2.WAV");
    EXPECT_EQ(w.text(2, 6), "1.000");
    EXPECT_EQ(w.frm.timeDisplay()->text(), "2.000秒");
    EXPECT_EQ(w.document.configuration().settings.waveRef, w.dir.path().string());
    EXPECT_EQ(w.frm.fgWave()->currentIndex().row(), 1);  // the last added row
    EXPECT_TRUE(w.frm.cmdOk()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Registering a folder stops at the first file that cannot be registered
// nor converted; the message names that file above the catalogue text, so
// the user knows which file of the folder it was. A file that can be
// converted is offered for it by name, and a skipped one is left out while
// the folder goes on.
TEST(FrmSound, AFormatRefusalNamesTheFileThatStoppedTheFolder) {
    const std::string extensible = test::riff(
        test::chunk("fmt ", test::pcmFormat(1, 22050, 16) + std::string("\x16\x00", 2) + std::string(22, '\0')) +
        test::chunk("data", std::string(100, '\0')));
    const struct {
        int message;
        std::string bytes;
        bool convertible;
    } cases[] = {
        {2801, "plain text, not a WAVE file", false},
        {2803, extensible, true},
        {2805, test::pcmWave(2, 22050, 16, 400), true},
        {2806, test::pcmWave(1, 48000, 16, 400), true},
        {2811, test::pcmWave(1, 22050, 24, 600), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Window w(projectWith({}));
        w.wave("A.WAV");
        test::writeBytes(w.dir / "B.WAV", c.bytes);
        w.wave("C.WAV");
        w.dialogs.folderAnswers = {w.dir.path().string()};
        w.dialogs.choiceAnswers = {{1, ""}};  // skip
        QTest::mouseClick(w.frm.cmdWave(7), Qt::LeftButton);
        w.waitForRegistration();
        EXPECT_EQ(w.text(1, 1), "A.WAV");
        if (c.convertible) {
            EXPECT_TRUE(w.dialogs.texts().empty());
            ASSERT_EQ(w.dialogs.choices.size(), 1u);
            EXPECT_TRUE(w.dialogs.choices[0].text.starts_with("「B.WAV」はこのままでは登録できません。"))
                << w.dialogs.choices[0].text;
            EXPECT_EQ(w.text(2, 1), "C.WAV");
        } else {
            EXPECT_EQ(w.dialogs.texts(), std::vector<std::string>{"「B.WAV」\n" + GetMsg(c.message)});
            EXPECT_TRUE(w.dialogs.choices.empty());
            EXPECT_EQ(w.text(2, 1), "");  // C.WAV is not examined
        }
    }
}

TEST(FrmSound, FilesDroppedFromTheFileManagerAreRegisteredAsChosenOnes) {
    Window w(projectWith({"A.WAV"}));
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile(QString::fromStdString(w.wave("DROP1.WAV"))),
                   QUrl::fromLocalFile(QString::fromStdString(w.wave("a.wav"))),
                   QUrl::fromLocalFile(QString::fromStdString(w.wave("DROP2.WAV")))});
    QWidget* target = w.frm.fgWave()->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    w.waitForRegistration();
    EXPECT_EQ(w.text(2, 1), "DROP1.WAV");
    EXPECT_EQ(w.text(3, 1), "DROP2.WAV");
    EXPECT_EQ(w.dialogs.texts(), std::vector<std::string>{GetMsg(2042) + "a.wav" + GetMsg(2043)});
    delete mime;
}

TEST(FrmSound, CommentsAreTypedWithTheInputMethodAndCheckedOnOk) {
    Window w;
    w.click(1, 2);
    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget() != w.frm.fgWave());
    QWidget* editor = QApplication::focusWidget();
    QInputMethodEvent preedit("ちゃいむ", {});
    QApplication::sendEvent(editor, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("チャイム").repeated(6));  // 24 full-width characters
    QApplication::sendEvent(editor, &commit);
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);
    EXPECT_EQ(w.dialogs.texts(), std::vector<std::string>{GetMsg(2812) + "\r\n"});
    EXPECT_TRUE(w.frm.isVisible());
    EXPECT_EQ(w.frm.fgWave()->currentIndex(), w.cell(1, 2));
    EXPECT_FALSE(w.document.modified());

    QTRY_VERIFY(QApplication::focusWidget() && QApplication::focusWidget() != w.frm.fgWave());
    editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QInputMethodEvent shorter;
    shorter.setCommitString(QString::fromUtf8("チャイム"));
    QApplication::sendEvent(editor, &shorter);
    QTest::mouseClick(w.frm.cmdOk(), Qt::LeftButton);
    EXPECT_EQ(w.frm.result(), QDialog::Accepted);
    EXPECT_EQ(w.document.project().sounds[0].comment, "チャイム");
    EXPECT_TRUE(w.document.modified());
    w.document.undo();
    EXPECT_EQ(w.document.project().sounds[0].comment, "");
}

TEST(FrmSound, CancelAfterADeleteAsksAndLeavesTheProjectAlone) {
    Window w;
    const auto before = w.document.project().sounds;
    w.click(1, 1);
    w.dialogs.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes};
    QTest::mouseClick(w.frm.cmdWave(1), Qt::LeftButton);
    QTest::mouseClick(w.frm.cmdCancel(), Qt::LeftButton);  // No: stays
    EXPECT_TRUE(w.frm.isVisible());
    QTest::keyClick(&w.frm, Qt::Key_Escape);  // Yes: closes without writing back
    EXPECT_FALSE(w.frm.isVisible());
    EXPECT_EQ(w.dialogs.texts(), (std::vector<std::string>{GetMsg(2044), GetMsg(2067), GetMsg(2067)}));
    EXPECT_EQ(w.document.project().sounds, before);
    EXPECT_FALSE(w.document.canUndo());
}

TEST(FrmSound, PlayingOneAndAllGoesThroughThePlaybackWindow) {
    Window w;
    w.click(2, 1);
    QTest::mouseClick(w.frm.cmdWave(3), Qt::LeftButton);  // returns when the sound has ended
    EXPECT_EQ(w.output.played(), std::vector<std::string>{"B.WAV"});
    QTest::mouseClick(w.frm.cmdWave(4), Qt::LeftButton);
    EXPECT_EQ(w.output.played(), (std::vector<std::string>{"B.WAV", "A.WAV", "B.WAV", "C.WAV"}));
    EXPECT_FALSE(w.output.isOpen());
}

}  // namespace
}  // namespace vexa::gui
