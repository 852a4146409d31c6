#pragma once
// The editor's main window.
#include "app/ProgramPaths.h"

#include <QMainWindow>

namespace vexa::gui {

class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmMain(ProgramPaths paths, QWidget* parent = nullptr);

private:
    ProgramPaths paths_;
};

}  // namespace vexa::gui
