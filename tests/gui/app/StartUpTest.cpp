#include "gui/app/StartUp.h"

#include "gui/app/FrmFast.h"
#include "gui/app/FrmMain.h"
#include "gui/app/SingleInstance.h"
#include "core/card/CardSwapRecord.h"
#include "core/card/WorkFolder.h"
#include "core/config/ConfigurationFile.h"
#include "core/files/FolderAt.h"

#include "FolderContents.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QFile>
#include <QImage>
#include <QTabBar>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;

QString qpath(const fs::path& path) { return QString::fromStdString(path.string()); }

struct Folders {
    test::TempDir dir;
    fs::path program = dir / "program";
    fs::path record = dir / "config" / "VexaEditor" / "first-start";

    Folders() {
        fs::create_directories(program);
    }

    StartUpOptions options(test::ScriptedDialogs& dialogs) const {
        StartUpOptions o;
        o.programFolder = qpath(program);
        o.splash = false;
        o.firstStartRecord = qpath(record);
        o.documentsFolder = "/home/user/Documents";
        o.dialogs = &dialogs;
        return o;
    }
};

TEST(StartUp, FirstStartWritesTheCardFolderThenShowsTheWindowWithTheSettings) {
    Folders f;
    test::writeBytes(f.program / "vexacontrol.ini", "[System]\r\nMaxLine=95\r\nAddFunction1=1\r\n");
    test::ScriptedDialogs dialogs;
    StartUp startUp(f.options(dialogs));

    const auto window = startUp.run();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(fs::exists(f.record));
    EXPECT_EQ(ReadConfigurationValue(f.program / "vexacontrol.ini", "System", "CardPath"),
              "/home/user/Documents/VexaEditor CardData");
    // The window works with what the file held, CardPath included.
    EXPECT_EQ(window->configuration().settings.cardPath, "/home/user/Documents/VexaEditor CardData");
    EXPECT_TRUE(window->configuration().settings.multiSheet());
    EXPECT_TRUE(window->findChild<QTabBar*>("TabStrip")->isVisible());
    EXPECT_EQ(window->paths().configurationFile, f.program / "vexacontrol.ini");
}

TEST(StartUp, TheFirstStartRecordAndTheUserGuideFollowTheProgramFolder) {
    Folders f;
    test::ScriptedDialogs dialogs;
    StartUpOptions options = f.options(dialogs);
    options.firstStartRecord.clear();
    options.userGuide = qpath(f.dir / "share/doc/vexa-editor/UserGuide.html");
    StartUp startUp(options);
    const auto window = startUp.run();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(fs::exists(f.program / ".first-start"));
    EXPECT_EQ(window->paths().userGuide, f.dir / "share/doc/vexa-editor/UserGuide.html");
}

TEST(StartUp, AFailedDocumentsQueryGivesTheBareFolderName) {
    Folders f;
    test::ScriptedDialogs dialogs;
    StartUpOptions options = f.options(dialogs);
    options.documentsFolder = QString();
    StartUp startUp(options);
    ASSERT_NE(startUp.run(), nullptr);
    EXPECT_EQ(ReadConfigurationValue(f.program / "vexacontrol.ini", "System", "CardPath"), "/VexaEditor CardData");
}

TEST(StartUp, AMaxLineThatIsNoLineCountIsSaidAndTheDefaultUsed) {
    Folders f;
    test::writeBytes(f.program / "vexacontrol.ini", "[System]\r\nMaxLine=-5\r\n");
    test::ScriptedDialogs dialogs;
    StartUp startUp(f.options(dialogs));
    const auto window = startUp.run();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->configuration().settings.maxLine, 95);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "「" + (f.program / "vexacontrol.ini").string() +
                                         "」の [System] MaxLine「-5」は行数として使えません（1～256 の整数）。\n"
                                         "既定の 95 行で始めます。");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Warning);
}

TEST(StartUp, AFifoForAConfigurationFileIsSaidAndDoesNotHang) {
    Folders f;
    ASSERT_EQ(::mkfifo((f.program / "vexacontrol.ini").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((f.program / "elmptnvxa.elm").c_str(), 0600), 0);
    test::ScriptedDialogs dialogs;
    StartUp startUp(f.options(dialogs));
    const auto window = startUp.run();
    ASSERT_NE(window, nullptr);
    const std::vector<std::string> texts = dialogs.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(texts[0].starts_with("「" + (f.program / "vexacontrol.ini").string() +
                                     "」を読めません：名前付きパイプ（FIFO）で、通常のファイルではありません。"))
        << texts[0];
    EXPECT_EQ(texts[1], "「" + (f.program / "elmptnvxa.elm").string() +
                            "」を読めません：名前付きパイプ（FIFO）で、通常のファイルではありません。");
}

// Without a folder given, the first start asks the desktop for the user's
// documents folder (the XDG user dir, named in the user's language), which
// need not exist yet: CardPath goes under it and nothing is made there.
TEST(StartUp, TheFirstStartTakesTheDocumentsFolderTheDesktopNames) {
    Folders f;
    const fs::path home = f.dir / "home";
    const fs::path config = f.dir / "xdg";
    fs::create_directories(config);
    test::writeBytes(config / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/文書\"\n");
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(home.string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.string()));
    test::ScriptedDialogs dialogs;
    StartUpOptions options = f.options(dialogs);
    options.documentsFolder.reset();
    StartUp startUp(options);
    const bool started = startUp.run() != nullptr;
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);

    ASSERT_TRUE(started);
    EXPECT_EQ(ReadConfigurationValue(f.program / "vexacontrol.ini", "System", "CardPath"),
              (home / "文書" / "VexaEditor CardData").string());
    EXPECT_FALSE(fs::exists(home / "文書"));  // made by the first card creation, when the user agrees
}

TEST(StartUp, ASecondCopyShowsMessage2000AndTouchesNothing) {
    Folders f;
    SingleInstance running(qpath(f.program));
    ASSERT_EQ(running.acquire(), SingleInstance::Result::Acquired);

    test::ScriptedDialogs dialogs;
    StartUp second(f.options(dialogs));
    EXPECT_EQ(second.run(), nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], (MessageRequest{"ソフトウェアは既に起動しています。", "確認", MessageIcon::Warning,
                                                MessageButtons::Ok}));
    EXPECT_FALSE(fs::exists(f.program / "vexacontrol.ini"));
    EXPECT_FALSE(fs::exists(f.record));
}

// A card creation killed half-way through its swap is settled when the
// editor starts, and the user is told which work folder was cleared away.
TEST(StartUp, ACardCreationCutShortIsSettledAtStart) {
    Folders f;
    const fs::path cards = f.dir / "cards";
    test::writeBytes(f.program / "vexacontrol.ini", "[System]\r\nMaxLine=95\r\nCardPath=" + cards.string() + "\r\n");
    fs::create_directories(f.record.parent_path());
    test::writeBytes(f.record, "");
    fs::create_directories(cards / "SHOP");
    test::writeBytes(cards / "SHOP" / "OLD.WAV", "old");
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string work = WorkFolderName("SHOP", ended, "abcdef");
    fs::create_directories(cards / work);
    test::writeBytes(cards / work / "NEW.WAV", "new");
    const UniqueFd place = OpenFolder(cards);
    ASSERT_TRUE(WriteCardSwapRecord(place.get(), SwapRecordName(work),
                                    {CardSwapRecord::Method::FileByFile, "SHOP", 1, 1, {"NEW.WAV"}}));
    test::ScriptedDialogs dialogs;
    StartUp startUp(f.options(dialogs));

    const auto window = startUp.run();

    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::folderContents(cards), (std::map<std::string, std::string>{{"SHOP/", ""}, {"SHOP/OLD.WAV", "old"}}));
    ASSERT_EQ(dialogs.texts().size(), 1u);
    EXPECT_NE(dialogs.texts().front().find((cards / work).string()), std::string::npos);
}

TEST(SingleInstance, OneCopyPerProgramFolderUntilTheFirstEnds) {
    Folders f;
    fs::create_directories(f.dir / "other");
    auto first = std::make_unique<SingleInstance>(qpath(f.program));
    ASSERT_EQ(first->acquire(), SingleInstance::Result::Acquired);
    EXPECT_EQ(fs::path(first->lockFilePath().toStdString()), f.program / ".vexa-editor.lock");

    SingleInstance sameFolder(qpath(f.program / "." / ""));  // another spelling
    EXPECT_EQ(sameFolder.acquire(), SingleInstance::Result::HeldByAnother);
    SingleInstance otherFolder(qpath(f.dir / "other"));
    EXPECT_EQ(otherFolder.acquire(), SingleInstance::Result::Acquired);

    first.reset();
    SingleInstance later(qpath(f.program));
    EXPECT_EQ(later.acquire(), SingleInstance::Result::Acquired);
}

TEST(SingleInstance, TwoLoginsWithTheirOwnRuntimeFoldersShareTheLock) {
    Folders f;
    fs::create_directories(f.dir / "run1");
    fs::create_directories(f.dir / "run2");
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(qpath(f.dir / "run1")));
    SingleInstance first(qpath(f.program));
    ASSERT_EQ(first.acquire(), SingleInstance::Result::Acquired);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(qpath(f.dir / "run2")));
    SingleInstance second(qpath(f.program));
    EXPECT_EQ(second.acquire(), SingleInstance::Result::HeldByAnother);
    qputenv("XDG_RUNTIME_DIR", saved);
}

TEST(SingleInstance, TheLockOfAKilledCopyIsFreeAtOnce) {
    Folders f;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The running copy: holds the lock until it is killed.
        SingleInstance running(qpath(f.program));
        const char held = running.acquire() == SingleInstance::Result::Acquired ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    SingleInstance second(qpath(f.program));
    EXPECT_EQ(second.acquire(), SingleInstance::Result::HeldByAnother);

    ::kill(child, SIGKILL);  // no chance to unlock or to remove anything
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(fs::exists(f.program / ".vexa-editor.lock"));
    EXPECT_EQ(second.acquire(), SingleInstance::Result::Acquired);
}

TEST(SingleInstance, AFolderWhereNoLockCanBeMadeDoesNotStopTheEditor) {
    Folders f;
    SingleInstance missing(qpath(f.dir / "no" / "such" / "folder"));
    EXPECT_EQ(missing.acquire(), SingleInstance::Result::Unavailable);
    // A link or a FIFO in the lock file's place is never followed or opened as one.
    fs::create_symlink(f.dir / "elsewhere", f.program / ".vexa-editor.lock");
    SingleInstance linked(qpath(f.program));
    EXPECT_EQ(linked.acquire(), SingleInstance::Result::Unavailable);
    EXPECT_FALSE(fs::exists(f.dir / "elsewhere"));
}

TEST(FrmFast, ShowsTheDrawnPictureAndCloses) {
    FrmFast splash;
    const QImage picture = splash.grab().toImage();
    ASSERT_FALSE(picture.isNull());
    // Something is drawn: the picture is not one flat colour.
    const QRgb corner = picture.pixel(picture.width() / 2, 5);
    int differing = 0;
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            differing += picture.pixel(x, y) != corner ? 1 : 0;
    EXPECT_GT(differing, 100);

    splash.showBlocking(10);
    EXPECT_FALSE(splash.isVisible());
}

}  // namespace
}  // namespace vexa::gui
