// The real creation window from the CARD key to the completion message, its
// refusals, and the small windows it opens.
#include "FakeVolumeService.h"
#include "FolderContents.h"
#include "WaveFileBytes.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "gui/app/FrmMain.h"
#include "core/card/CardCreation.h"
#include "core/card/CardEntryCheck.h"
#include "core/card/CardPreparation.h"
#include "gui/card/CardMediaPanel.h"
#include "gui/card/FrmCardMake.h"
#include "core/cardcheck/RemovableVolumes.h"
#include "core/config/Messages.h"
#include "core/text/Cp932.h"
#include "gui/card/FmtAttention.h"
#include "gui/card/FrmChkMsg.h"
#include "gui/settings/FrmDisp2.h"
#include "gui/card/FrmProgress.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;

// Presses the button of every format notice and error list that opens,
// recording their names, for as long as it lives.
class ModalCloser {
public:
    ModalCloser() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* notice = qobject_cast<FmtAttention*>(modal)) {
                seen.push_back("FmtAttention");
                notice->okButton()->click();
            } else if (auto* list = qobject_cast<FrmChkMsg*>(modal)) {
                seen.push_back("FrmChkMsg");
                errorList = list->txtDisp()->toPlainText().toStdString();
                list->cmdClose()->click();
            }
        });
        timer_.start();
    }
    std::vector<std::string> seen;
    std::string errorList;

private:
    QTimer timer_;
};

struct Editor {
    test::TempDir temp;
    test::ScriptedDialogs dialogs;
    Document document;
    FrmMain frm;

    Editor() : document(configuration(temp.path())), frm(ProgramPaths::forFolder(test::programFolder()), document, &dialogs) {
        fs::create_directories(temp / "src");
        test::writeBytes(temp / "src" / "A.WAV", "sound bytes");
        Project project = document.project();
        project.sounds[0].fileName = "A.WAV";
        project.sounds[0].sourcePath = (temp / "src" / "A.WAV").string();
        project.soundPresent = true;
        document.replaceProject(project);
        frm.show();
    }

    static Configuration configuration(const fs::path& folder) {
        fs::create_directories(folder / "cards");
        Configuration c;
        c.settings.maxLine = 3;
        c.settings.cardPath = (folder / "cards").string();
        c.settings.cardName = "DEFAULT";
        return c;
    }

    FrmCardMake* openWithCard() {
        frm.toolbarAction(ToolbarKey::Card)->trigger();
        return frm.cardMakeWindow();
    }

    static void fill(FrmCardMake& w) {
        const std::pair<const char*, const char*> entries[] = {
            {"TxtTitle", "VX-100"}, {"TxtCardName", "SHOP"},   {"TxtForder", "SHOP"},
            {"TxtPrgCorp", "見本商店"}, {"TxtPrgMake", "見本 太郎"}, {"TxtPrgDate", "2004/07/01"},
        };
        for (const auto& [name, text] : entries)
            w.box(name)->setText(QString::fromUtf8(text));
    }
};

TEST(FrmCardMake, OpensFilledWithoutChangingTheProjectAndDisablesTheMainWindow) {
    Editor e;
    FrmCardMake* w = e.openWithCard();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(e.frm.isEnabled());
    EXPECT_EQ(w->windowTitle().toStdString(), GetMsg(msg::kCardMakeTitle));
    EXPECT_EQ(w->box("TxtCardName")->text(), "DEFAULT");       // the CardName setting
    EXPECT_EQ(w->cmbCardSize()->count(), 6);                    // from the Element Pattern File
    EXPECT_EQ(w->cmbCardSize()->currentIndex(), 0);             // the class of 11 bytes
    EXPECT_EQ(w->lblUseSize()->text(), "32MB");
    EXPECT_NE(w->findChild<QLabel*>("LblNote"), nullptr);
    EXPECT_FALSE(e.document.modified());

    QTest::keyClicks(w->box("TxtTitle"), "VX");
    EXPECT_TRUE(e.document.modified());
    EXPECT_EQ(e.document.project().card.title, "VX");

    w->cmdClose()->click();
    EXPECT_TRUE(e.frm.isEnabled());
    QTRY_COMPARE(e.frm.cardMakeWindow(), nullptr);
}

TEST(FrmCardMake, TheDateIsRewrittenWhenLeftAndAFocusedBoxIsSelectedWhole) {
    Editor e;
    FrmCardMake* w = e.openWithCard();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QLineEdit* date = w->box("TxtPrgDate");
    date->setFocus();
    QTest::keyClicks(date, "2004/7/1");
    w->box("TxtMemo1")->setFocus();
    EXPECT_EQ(date->text(), "2004/07/01");
    EXPECT_EQ(e.document.project().card.prgDate, "2004/07/01");

    date->setFocus();
    QTRY_COMPARE(date->selectedText(), QString("2004/07/01"));
}

TEST(FrmCardMake, CreatesTheCardFromCardKeyToCompletionMessage) {
    Editor e;
    ModalCloser closer;
    FrmCardMake* w = e.openWithCard();
    Editor::fill(*w);
    QSignalSpy ended(w, &FrmCardMake::creationEnded);

    w->cmdCardMake()->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(10000));

    EXPECT_TRUE(ended.at(0).at(0).toBool());
    EXPECT_EQ(closer.seen, std::vector<std::string>{"FmtAttention"});
    const fs::path cardFolder = e.temp / "cards" / "SHOP";
    ASSERT_FALSE(e.dialogs.shown.empty());
    EXPECT_EQ(e.dialogs.shown.back(), CardDoneMessage(cardFolder));
    EXPECT_FALSE(e.document.modified());
    // The card written is the clean point; what was typed can still be undone.
    ASSERT_TRUE(e.document.canUndo());
    e.document.undo();
    EXPECT_TRUE(e.document.modified());
    e.document.redo();
    EXPECT_FALSE(e.document.modified());
    const auto contents = test::folderContents(cardFolder);
    EXPECT_EQ(contents.size(), 2u);
    EXPECT_EQ(contents.at("A.WAV"), "sound bytes");
    EXPECT_EQ(contents.count("SHOP.vxa"), 1u);
    EXPECT_EQ(w->progressWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());  // the window stays open after a completed creation
}

TEST(FrmCardMake, NoToReplacingTouchesNothingAndAFailureIsShown) {
    Editor e;
    ModalCloser closer;
    const fs::path cardFolder = e.temp / "cards" / "SHOP";
    fs::create_directories(cardFolder);
    test::writeBytes(cardFolder / "OLD.WAV", "old");
    FrmCardMake* w = e.openWithCard();
    Editor::fill(*w);

    e.dialogs.answers = {MessageAnswer::No};
    w->cmdCardMake()->click();
    EXPECT_EQ(e.dialogs.texts().back(), GetMsg(msg::kReplaceCardFolder, "\n" + cardFolder.string()));
    EXPECT_FALSE(w->creating());
    EXPECT_EQ(test::folderContents(e.temp / "cards"), (std::map<std::string, std::string>{
                                                          {"SHOP/", ""}, {"SHOP/OLD.WAV", "old"}}));

    fs::remove(e.temp / "src" / "A.WAV");
    QSignalSpy ended(w, &FrmCardMake::creationEnded);
    e.dialogs.answers = {MessageAnswer::Yes};
    w->cmdCardMake()->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(10000));
    EXPECT_FALSE(ended.at(0).at(0).toBool());
    EXPECT_EQ(e.dialogs.shown.back().title, GetMsg(msg::kTitleError));
    EXPECT_NE(e.dialogs.shown.back().text.find((e.temp / "src" / "A.WAV").string()), std::string::npos);
    EXPECT_TRUE(e.document.modified());
    EXPECT_EQ(test::readBytes(cardFolder / "OLD.WAV"), "old");
}

TEST(FrmCardMake, TextFromBytesThatWereNotCp932IsAskedAboutBeforeAnythingIsWritten) {
    Editor e;
    ModalCloser closer;
    Project project = e.document.project();
    project.sounds[0].comment = "ok\uFFFD";
    project.undecoded = {"/x/OLD.vxa", {12}};
    e.document.replaceProject(project);
    FrmCardMake* w = e.openWithCard();
    Editor::fill(*w);

    e.dialogs.answers = {MessageAnswer::No};
    w->cmdCardMake()->click();
    ASSERT_FALSE(e.dialogs.shown.empty());
    EXPECT_TRUE(e.dialogs.shown.back().text.starts_with("読み込んだ「/x/OLD.vxa」の12行目に")) << e.dialogs.shown.back().text;
    EXPECT_EQ(e.dialogs.shown.back().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(closer.seen.empty());  // not even the format notice
    EXPECT_FALSE(fs::exists(e.temp / "cards" / "SHOP"));

    QSignalSpy ended(w, &FrmCardMake::creationEnded);
    e.dialogs.answers = {MessageAnswer::Yes};
    w->cmdCardMake()->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(10000));
    EXPECT_TRUE(ended.at(0).at(0).toBool());
    EXPECT_NE(test::readBytes(e.temp / "cards" / "SHOP" / "SHOP.vxa").find("#S\r\nok?\r\n"), std::string::npos);
}

// The first start's card data folder may lie in a documents folder that does
// not exist yet: creation asks once whether to make it (No stops with the
// window open and nothing made), Yes makes every level and goes on; a folder
// that cannot be made is said with 2807.
TEST(FrmCardMake, AMissingCardDataFolderIsOfferedForCreation) {
    Editor e;
    ModalCloser closer;
    const fs::path cards = e.temp / "ドキュメント" / "VexaEditor CardData";
    Configuration c = e.document.configuration();
    c.settings.cardPath = cards.string();
    e.document.setConfiguration(c);
    FrmCardMake* w = e.openWithCard();
    Editor::fill(*w);

    e.dialogs.answers = {MessageAnswer::No};
    w->cmdCardMake()->click();
    ASSERT_EQ(e.dialogs.shown.size(), 1u);
    EXPECT_EQ(e.dialogs.shown[0], CardDataFolderQuestion(cards.string()));
    EXPECT_EQ(e.dialogs.shown[0].text, "指定されたフォルダは存在しません。　　\nコントロールデータ格納フォルダ：" +
                                           cards.string() + "\nフォルダを作成しますか？　　");
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(fs::exists(e.temp / "ドキュメント"));
    EXPECT_TRUE(closer.seen.empty());  // not even the format notice

    QSignalSpy ended(w, &FrmCardMake::creationEnded);
    e.dialogs.answers = {MessageAnswer::Yes};
    w->cmdCardMake()->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(10000));
    EXPECT_TRUE(ended.at(0).at(0).toBool());
    EXPECT_EQ(e.dialogs.shown.back(), CardDoneMessage(cards / "SHOP"));
    EXPECT_EQ(test::folderContents(cards / "SHOP").size(), 2u);

    // A folder that cannot be made is named with 2807; the window stays open.
    e.dialogs.shown.clear();
    c.settings.cardPath = "/proc/vexa-no-such-folder";
    e.document.setConfiguration(c);
    e.dialogs.answers = {MessageAnswer::Yes};
    w->cmdCardMake()->click();
    EXPECT_EQ(e.dialogs.texts(), (std::vector<std::string>{CardDataFolderQuestion(c.settings.cardPath).text,
                                                           GetMsg(msg::kFolderNotCreated) + "\n" +
                                                               CardDataFolderLine(c.settings.cardPath)}));
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->creating());
}

TEST(FrmCardMake, ARefusedEntryGetsTheFocusAndSheetErrorsOpenTheErrorList) {
    Editor e;
    ModalCloser closer;
    FrmCardMake* w = e.openWithCard();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    Editor::fill(*w);
    w->box("TxtCardName")->setText("A-B");
    w->cmdCardMake()->click();
    EXPECT_EQ(e.dialogs.texts().back(), ForbiddenCharactersText());
    QTRY_VERIFY(w->box("TxtCardName")->hasFocus());
    EXPECT_EQ(w->box("TxtCardName")->selectedText(), "A-B");

    w->box("TxtCardName")->setText("SHOP");
    Project project = e.document.project();
    project.sheets[0].lines[1].ledTime = "";
    e.document.replaceProject(project);
    w->cmdCardMake()->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(e.frm.isEnabled());
    QTRY_COMPARE(closer.seen, std::vector<std::string>{"FrmChkMsg"});
    EXPECT_EQ(closer.errorList, "No.（02） " + GetMsg(msg::kLedTimeMissing) + "\n");
    EXPECT_EQ(e.dialogs.texts().back(), GetMsg(msg::kInputErrors));  // on top of the list
    EXPECT_FALSE(fs::exists(e.temp / "cards" / "SHOP"));
}

TEST(FrmCardMake, YesOnTheSaveQuestionOpensTheWindow) {
    Editor e;
    FrmCardMake* w = e.openWithCard();
    QTest::keyClicks(w->box("TxtTitle"), "x");
    w->close();
    e.dialogs.answers = {MessageAnswer::Yes};
    e.frm.close();
    EXPECT_EQ(e.dialogs.texts().back(), GetMsg(msg::kSaveBeforeExit));
    EXPECT_NE(e.frm.cardMakeWindow(), nullptr);
    EXPECT_FALSE(e.frm.isEnabled());
}

// After a completed creation: the card part with a scripted disk service
// whose one removable card is a folder of the test's.
struct CardOnDesk {
    Editor e;
    ModalCloser closer;
    test::FakeVolumeService service;
    FrmCardMake* w = nullptr;
    CardMediaPanel* panel = nullptr;
    fs::path card;

    CardOnDesk() : card(e.temp / "card") {
        fs::create_directories(card);
        test::writeBytes(e.temp / "src" / "A.WAV", test::pcmWave(1, 22050, 16, 2000));
        service.running = true;
        Volume volume;
        volume.device = "/dev/sdz1";
        volume.label = "CARD";
        volume.sizeBytes = 64u << 20;
        volume.idType = "vfat";
        volume.idVersion = "FAT16";
        volume.removable = true;
        volume.mountPoints = {card.string()};
        Volume fixedDisk = volume;
        fixedDisk.device = "/dev/sda1";
        fixedDisk.removable = false;
        fixedDisk.mountPoints = {"/"};
        service.list = {fixedDisk, volume};
        w = e.openWithCard();
        Editor::fill(*w);
        panel = w->cardPanel();
        EXPECT_FALSE(panel->isVisibleTo(w));  // nothing to write before a creation
        QSignalSpy ended(w, &FrmCardMake::creationEnded);
        w->cmdCardMake()->click();
        EXPECT_TRUE(ended.count() == 1 || ended.wait(10000));
        EXPECT_TRUE(panel->isVisibleTo(w));
        panel->setVolumeService(&service);
        panel->findCards();
    }

    void run(QPushButton* button) {
        ASSERT_TRUE(button->isEnabled());
        QSignalSpy ended(panel, &CardMediaPanel::jobEnded);
        button->click();
        EXPECT_FALSE(panel->cmdCheck()->isEnabled());  // the job runs on a worker; the window answers
        EXPECT_TRUE(panel->cmdStop()->isEnabled());
        ASSERT_TRUE(ended.count() == 1 || ended.wait(10000));
        EXPECT_FALSE(panel->cmdStop()->isEnabled());
    }

    std::vector<std::array<std::string, 3>> findings() const {
        std::vector<std::array<std::string, 3>> rows;
        for (int i = 0; i < panel->lstFindings()->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = panel->lstFindings()->topLevelItem(i);
            rows.push_back({item->text(0).toStdString(), item->text(1).toStdString(), item->text(2).toStdString()});
        }
        return rows;
    }
    bool shownClean() const { return panel->lblResult()->styleSheet().contains("green"); }
};

TEST(CardMediaPanel, WritesTheSetToTheCardChecksItCleanAndThenOffersTheEject) {
    CardOnDesk d;
    ASSERT_EQ(d.panel->cmbCard()->count(), 1);  // the fixed disk is never offered
    EXPECT_EQ(d.panel->cmbCard()->itemText(0).toStdString(), VolumeText(d.service.list[1]));
    EXPECT_FALSE(d.panel->lblNoCard()->isVisibleTo(d.panel));
    EXPECT_FALSE(d.panel->cmdEject()->isEnabled());
    test::writeBytes(d.card / "NOTES.TXT", "kept");

    d.run(d.panel->cmdWrite());
    const auto contents = test::folderContents(d.card);
    EXPECT_EQ(contents.at("A.WAV"), test::readBytes(d.e.temp / "src" / "A.WAV"));
    EXPECT_EQ(contents.at("SHOP.vxa"), test::readBytes(d.e.temp / "cards" / "SHOP" / "SHOP.vxa"));
    EXPECT_EQ(contents.at("NOTES.TXT"), "kept");
    // The card's own file is named, not deleted; the check is not clean.
    ASSERT_FALSE(d.findings().empty());
    EXPECT_EQ(d.findings()[0][0], "警告");
    EXPECT_TRUE(d.findings()[0][1].ends_with("/NOTES.TXT")) << d.findings()[0][1];
    EXPECT_FALSE(d.shownClean());
    EXPECT_FALSE(d.panel->cmdEject()->isEnabled());

    fs::remove(d.card / "NOTES.TXT");
    d.run(d.panel->cmdCheck());
    for (const auto& row : d.findings())
        EXPECT_EQ(row[0], "情報") << row[2];
    EXPECT_TRUE(d.shownClean()) << d.panel->lblResult()->text().toStdString();
    EXPECT_EQ(d.panel->prgCard()->value(), 100);
    ASSERT_TRUE(d.panel->cmdEject()->isEnabled());

    d.run(d.panel->cmdEject());
    EXPECT_EQ(d.service.ejected, std::vector<std::string>{"/dev/sdz1"});
    EXPECT_EQ(d.e.dialogs.shown.back().icon, MessageIcon::Information);
    EXPECT_NE(d.e.dialogs.shown.back().text.find("電源を切りました"), std::string::npos);
    EXPECT_FALSE(d.panel->cmdEject()->isEnabled());
}

TEST(CardMediaPanel, AFlippedByteIsAnErrorNamingTheFileAndNoEjectIsOffered) {
    CardOnDesk d;
    d.run(d.panel->cmdWrite());
    ASSERT_TRUE(d.shownClean());
    std::string bytes = test::readBytes(d.card / "A.WAV");
    bytes[bytes.size() - 7] ^= 0x01;  // in the samples
    test::writeBytes(d.card / "A.WAV", bytes);

    d.run(d.panel->cmdCheck());
    const auto rows = d.findings();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0][0], "エラー");
    EXPECT_TRUE(rows[0][1].ends_with("/A.WAV")) << rows[0][1];
    EXPECT_FALSE(d.shownClean());
    EXPECT_TRUE(d.panel->lblResult()->text().startsWith(QString::fromUtf8("エラー 1 件")));
    EXPECT_FALSE(d.panel->cmdEject()->isEnabled());
}

TEST(CardMediaPanel, WithoutACardItSaysSoAndOffersNothing) {
    CardOnDesk d;
    d.service.list.erase(d.service.list.begin() + 1);  // only the fixed disk is left
    d.panel->findCards();
    EXPECT_EQ(d.panel->cmbCard()->count(), 0);
    EXPECT_TRUE(d.panel->lblNoCard()->isVisibleTo(d.panel));
    EXPECT_EQ(d.panel->lblNoCard()->text().toStdString(), kNoRemovableVolume);
    for (QPushButton* button : {d.panel->cmdWrite(), d.panel->cmdCheck(), d.panel->cmdEject()})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
}

TEST(SmallWindows, TheProgressWindowCannotBeClosedByTheUser) {
    FrmProgress progress;
    progress.show();
    EXPECT_EQ(progress.windowTitle().toStdString(), GetMsg(msg::kCardProgressTitle));
    EXPECT_FALSE(progress.windowFlags() & Qt::WindowCloseButtonHint);
    progress.close();
    QTest::keyClick(&progress, Qt::Key_Escape);
    EXPECT_TRUE(progress.isVisible());
    progress.finish();
    EXPECT_FALSE(progress.isVisible());
}

TEST(SmallWindows, ReleaseNotesShowTheFileOrNothing) {
    test::TempDir temp;
    FrmDisp2 empty(temp / "Release.txt");
    EXPECT_EQ(empty.windowTitle(), QString::fromUtf8("更新履歴"));
    EXPECT_TRUE(empty.txtDisp()->toPlainText().isEmpty());
    test::writeBytes(temp / "Release.txt", cp932::fromUtf8("一\r\n二\r\n三\r\n"));
    FrmDisp2 notes(temp / "Release.txt");
    EXPECT_EQ(notes.txtDisp()->toPlainText(), QString::fromUtf8("一\n二\n三"));
}

TEST(SmallWindows, TheFormatNoticeNamesFat16) {
    FmtAttention notice;
    EXPECT_EQ(notice.windowTitle().toStdString(), GetMsg(msg::kCardFormatTitle));
    EXPECT_EQ(notice.lblInfo1()->text().toStdString(), GetMsg(msg::kCardFormatNote1));
    // The second text a sentence per line, none of it wrapped
    const QStringList lines = notice.lblInfo2()->text().split('\n');
    EXPECT_EQ(lines.join("").toStdString(), GetMsg(msg::kCardFormatNote2));
    ASSERT_EQ(lines.size(), 2);
    notice.show();
    for (const QString& line : lines) {
        EXPECT_TRUE(line.endsWith(QString::fromUtf8("。"))) << line.toStdString();
        EXPECT_LE(notice.lblInfo2()->fontMetrics().horizontalAdvance(line), notice.lblInfo2()->width());
    }
}

}  // namespace
}  // namespace vexa::gui
