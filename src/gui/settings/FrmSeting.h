#pragma once
// The settings window "詳細設定": the model (Line Count), the card data
// folder, the LED and BUZZER Pattern Times with their previews, the two
// auxiliary functions, the User Information and the version. It edits its own
// copy; OK checks it and hands it to the Document and the Configuration File.
#include "core/app/ProgramPaths.h"
#include "core/config/ElementPatternFile.h"
#include "core/document/Document.h"
#include "core/settings/PatternPreview.h"
#include "core/settings/SettingsBoxes.h"
#include "core/settings/SettingsDraft.h"
#include "core/ui/UserDialogs.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace vexa::gui {

class FrmSeting : public QDialog {
    Q_OBJECT

public:
    // What OK asks of the main window; an empty call is skipped (an empty
    // newDataMake clears the Document itself).
    struct MainWindowCalls {
        std::function<void()> newDataMake;       // NewDataMakeClick
        std::function<void()> refreshVoiceCell;  // RefreshVoiceCell
    };

    // `document`, `paths` and `dialogs` outlive the window.
    FrmSeting(Document& document, const ProgramPaths& paths, UserDialogs& dialogs, MainWindowCalls calls = {},
              QWidget* parent = nullptr);

    QTabWidget* tabStrip() const { return tabStrip_; }
    QComboBox* cmbModel() const { return cmbModel_; }
    QLabel* lblNoModel() const { return lblNoModel_; }
    // A text box by name: the twelve Pattern Time boxes and TxtCardPath.
    QLineEdit* box(std::string_view name) const;
    QPushButton* cmdCardPath() const { return cmdCardPath_; }
    QRadioButton* optAddFunction(int index) const;  // 0 画面A, 1 画面B, 2 M, 3 M/S
    QCheckBox* previewCheck(PatternOutput output, int pattern) const;
    QLabel* previewPicture(PatternOutput output, int pattern) const;
    PreviewIcon previewIcon(PatternOutput output, int pattern) const;
    QTimer* previewTimer() const { return tmrSim_; }
    QLabel* lblVer() const { return lblVer_; }
    QLabel* lblVersionUrl() const { return lblVersionUrl_; }
    QPushButton* cmdHistory() const { return cmdHistory_; }
    QPushButton* cmdOk() const { return cmdOk_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

    // Whether anything was edited since the window opened.
    bool changed() const { return changed_; }
    // What the controls hold, as OK takes it.
    SettingsDraft draft() const;

    // OK, as the button runs it.
    void ok();
    // One 50 ms step of the six previews, as the timer runs it.
    void tickPreviews();

public slots:
    // Cancel, Escape and the close box: asks 2067 after an edit.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildModelTab();
    QWidget* buildDataTab();
    QWidget* buildPatternTab(PatternOutput output);
    QWidget* buildAuxiliaryTab();
    QWidget* buildUserTab();
    QWidget* buildVersionTab();
    void fill();
    void onTabChanged(int index);
    void showField(const std::string& field);
    void browseCardPath();
    void openUserGuide(const QString& link);
    void showReleaseNotes();
    void markChanged() { changed_ = true; }
    int previewSlot(PatternOutput output, int pattern) const;

    Document& document_;
    ProgramPaths paths_;
    UserDialogs& dialogs_;
    MainWindowCalls calls_;
    std::vector<ModelEntry> models_;
    SettingsDraft opening_;
    bool changed_ = false;
    bool patternChanged_ = false;
    bool filling_ = false;

    QTabWidget* tabStrip_ = nullptr;
    QComboBox* cmbModel_ = nullptr;
    QLabel* lblNoModel_ = nullptr;
    std::vector<std::pair<std::string, QLineEdit*>> boxes_;
    QPushButton* cmdCardPath_ = nullptr;
    std::array<QRadioButton*, 4> options_{};
    std::array<QCheckBox*, 6> previewChecks_{};
    std::array<QLabel*, 6> previewPictures_{};
    std::array<PatternPreview, 6> previews_{};
    QTimer* tmrSim_ = nullptr;
    std::array<QLabel*, 11> userLabels_{};
    QLabel* lblVer_ = nullptr;
    QLabel* lblVersionUrl_ = nullptr;
    QPushButton* cmdHistory_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace vexa::gui
