#pragma once
// Import inside the sound registration window: the inspection of the chosen
// files goes on past the refusals import can fix (on the window's worker);
// then each such file gets its question (変換して登録 / スキップ / すべて変換);
// the conversions run through the job adapter (JobRun) with the
// window's bar and stop button, into the import folder; and the window then
// registers what checks() gives, in the chosen order. The rules are the
// core's (import/ImportRegistration); this only runs them.
#include "core/import/ImportRegistration.h"
#include "core/import/ImportSettings.h"
#include "gui/ui/JobRun.h"

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>

class QProgressBar;

namespace vexa {
struct Settings;
}

namespace vexa::gui {

class RegistrationImport : public QObject {
    Q_OBJECT

public:
    RegistrationImport(UserDialogs& dialogs, QProgressBar* bar, QObject* parent = nullptr);
    ~RegistrationImport() override;  // a running conversion is asked to stop and waited for

    // On the worker: the inspection that goes on past what import can fix.
    ImportInspectionRun inspect(const std::vector<std::string>& paths, bool stereoAllowed, Progress& progress) const;

    // After the inspection: the questions (none when `ask` is false: the
    // window is closing, and what import could fix is skipped), then the
    // conversions. True when they run now and finished() follows; false when
    // checks() is ready at once.
    bool begin(ImportInspectionRun run, TakenNames taken, const Settings& settings,
               const std::filesystem::path& importSettingsFile, bool ask = true);
    const ChecksToRegister& checks() const { return checks_; }
    bool running() const { return run_ != nullptr; }
    void requestStop();
    // Stops a running conversion and waits for it; finished() comes before it returns.
    void stopAndWait();
    // Runs on the worker before each conversion job (tests hold it there).
    void setBeforeJob(std::function<void()> hook) { beforeJob_ = std::move(hook); }

signals:
    void finished();

private:
    void onJobFinished();

    UserDialogs& dialogs_;
    QPointer<QProgressBar> bar_;
    std::shared_ptr<AudioBackend> backend_;
    std::function<void()> beforeJob_;
    JobRun* run_ = nullptr;
    RegistrationImportPlan plan_;
    std::shared_ptr<ImportBatchResult> batch_;
    bool stereoAllowed_ = false;
    ChecksToRegister checks_;
};

}  // namespace vexa::gui
