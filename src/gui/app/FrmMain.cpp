#include "app/FrmMain.h"

#include "config/Messages.h"

namespace vexa::gui {

FrmMain::FrmMain(ProgramPaths paths, QWidget* parent) : QMainWindow(parent), paths_(std::move(paths)) {
    setWindowTitle(QString::fromStdString(GetMsg(1000)));
    resize(1024, 768);
}

}  // namespace vexa::gui
