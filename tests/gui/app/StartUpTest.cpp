#include "app/StartUp.h"

#include "app/FrmFast.h"
#include "app/FrmMain.h"
#include "app/SingleInstance.h"
#include "config/ConfigurationFile.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <QFile>
#include <QImage>
#include <QTabBar>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;

QString qpath(const fs::path& path) { return QString::fromStdString(path.string()); }

struct Folders {
    test::TempDir dir;
    fs::path program = dir / "program";
    fs::path locks = dir / "locks";
    fs::path record = dir / "config" / "VexaEditor" / "first-start";

    Folders() {
        fs::create_directories(program);
        fs::create_directories(locks);
    }

    StartUpOptions options(test::ScriptedDialogs& dialogs) const {
        StartUpOptions o;
        o.programFolder = qpath(program);
        o.splash = false;
        o.firstStartRecord = qpath(record);
        o.documentsFolder = "/home/user/Documents";
        o.lockFolder = qpath(locks);
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
    SingleInstance running(qpath(f.program), qpath(f.locks));
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

TEST(SingleInstance, OneCopyPerProgramFolderUntilTheFirstEnds) {
    Folders f;
    fs::create_directories(f.dir / "other");
    auto first = std::make_unique<SingleInstance>(qpath(f.program), qpath(f.locks));
    ASSERT_EQ(first->acquire(), SingleInstance::Result::Acquired);

    SingleInstance sameFolder(qpath(f.program / "." / ""), qpath(f.locks));  // another spelling
    EXPECT_EQ(sameFolder.acquire(), SingleInstance::Result::HeldByAnother);
    SingleInstance otherFolder(qpath(f.dir / "other"), qpath(f.locks));
    EXPECT_EQ(otherFolder.acquire(), SingleInstance::Result::Acquired);

    first.reset();
    SingleInstance later(qpath(f.program), qpath(f.locks));
    EXPECT_EQ(later.acquire(), SingleInstance::Result::Acquired);
}

TEST(SingleInstance, TheLockOfACrashedCopyIsTakenOver) {
    Folders f;
    SingleInstance instance(qpath(f.program), qpath(f.locks));
    // What a copy that died without unlocking leaves: a process id no longer running.
    QFile lock(instance.lockFilePath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646\nvexa-editor\n\n");
    lock.close();

    EXPECT_EQ(instance.acquire(), SingleInstance::Result::Acquired);
}

TEST(SingleInstance, AnUnusableLockFolderDoesNotStopTheEditor) {
    Folders f;
    SingleInstance instance(qpath(f.program), qpath(f.dir / "no" / "such" / "folder"));
    EXPECT_EQ(instance.acquire(), SingleInstance::Result::Unavailable);
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
