// The SOUND key of the main window: the registration window opens modally,
// OK puts the new table into the Project as one step, the grid's voice lists
// follow it, and undo takes it back.
#include "gui/app/FrmMain.h"
#include "gui/editor/FgProgramView.h"
#include "gui/sound/FrmSound.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "WaveFileBytes.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

std::vector<std::string> voiceNames(const FgProgramView& grid) {
    std::vector<std::string> names;
    const ChoiceList list = grid.grid().choices(gridcol::kVoice1);
    for (const auto& item : list.items())
        names.push_back(item.name);
    return names;
}

TEST(SoundKey, OkShowsTheNewVoicesInTheGridAndUndoTakesThemBack) {
    test::TempDir dir;
    test::writeBytes(dir / "CHIME.WAV", test::pcmWave(1, 22050, 16, 22050));
    Configuration c;
    c.settings.maxLine = 20;
    Document document(c);
    test::ScriptedDialogs dialogs;
    dialogs.fileAnswers = {{(dir / "CHIME.WAV").string()}};
    FrmMain frm(ProgramPaths::forFolder(test::programFolder().string()), document, &dialogs);
    frm.show();

    bool sawWindow = false;
    QTimer::singleShot(0, [&] {
        auto* sound = qobject_cast<FrmSound*>(QApplication::activeModalWidget());
        sawWindow = sound != nullptr;
        if (!sound)
            return;
        QTest::mouseClick(sound->cmdWave(0), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !sound->registering(); }, 5000));
        QTest::mouseClick(sound->cmdOk(), Qt::LeftButton);
    });
    frm.runToolbarKey(ToolbarKey::Sound);
    ASSERT_TRUE(sawWindow);
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(voiceNames(*frm.programGrid()), (std::vector<std::string>{" ", "CHIME.WAV"}));  // a blank first
    EXPECT_EQ(frm.undoAction()->toolTip(), "Sound登録");

    frm.undoAction()->trigger();
    EXPECT_FALSE(document.modified());
    EXPECT_TRUE(voiceNames(*frm.programGrid()).empty());
}

}  // namespace
}  // namespace vexa::gui
