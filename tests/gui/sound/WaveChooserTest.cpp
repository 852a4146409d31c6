// The file chooser of "ファイル選択" lists upper-case WAVE names under its
// "*.wav" filter.
#include "core/sound/WaveChoosers.h"
#include "gui/ui/QtUserDialogs.h"

#include "TestPaths.h"

#include <QApplication>
#include <QFileDialog>
#include <QListView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vexa::gui {
namespace {

TEST(WaveChooser, TheWavFilterShowsUpperCaseNames) {
    test::TempDir dir;
    for (const char* name : {"CHIME.WAV", "bell.wav", "notes.txt"})
        test::writeBytes(dir / name, "x");
    QStringList listed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* view = dialog->findChild<QListView*>("listView");
        ASSERT_NE(view, nullptr);
        const auto names = [&] {
            QStringList out;
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
                out << view->model()->index(r, 0, view->rootIndex()).data().toString();
            out.sort();
            return out;
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return names().size() >= 2; }, 5000));
        listed = names();
        dialog->reject();
    });
    QtUserDialogs dialogs;
    EXPECT_TRUE(ChooseWaveFiles(dialogs, dir.path().string()).empty());
    EXPECT_EQ(listed, (QStringList{"CHIME.WAV", "bell.wav"}));
}

}  // namespace
}  // namespace vexa::gui
