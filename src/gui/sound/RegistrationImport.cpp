#include "gui/sound/RegistrationImport.h"

#include "audioimport/AudioLibraries.h"
#include "core/config/Configuration.h"
#include "core/files/MakeDir.h"
#include "core/wavetools/FolderChecks.h"

#include <QProgressBar>

namespace vexa::gui {

RegistrationImport::RegistrationImport(UserDialogs& dialogs, QProgressBar* bar, QObject* parent)
    : QObject(parent), dialogs_(dialogs), bar_(bar), backend_(std::make_shared<AudioLibraries>()) {}

RegistrationImport::~RegistrationImport() { delete run_; }

ImportInspectionRun RegistrationImport::inspect(const std::vector<std::string>& paths, bool stereoAllowed,
                                                Progress& progress) const {
    return InspectWithImport(paths, stereoAllowed, *backend_, progress);
}

bool RegistrationImport::begin(ImportInspectionRun run, TakenNames taken, const Settings& settings,
                               const std::filesystem::path& importSettingsFile, bool ask) {
    stereoAllowed_ = settings.stereoAllowed();
    ImportSettings stored = importSettingsFile.empty() ? ImportSettings{} : ReadImportSettings(importSettingsFile);
    ImportOptions options = stored.options;
    options.stereoAllowed = stereoAllowed_;
    options.stereo = options.stereo && stereoAllowed_;
    const std::string folder = ImportFolderFor(stored, settings.waveRef);
    taken.addFolder(folder);
    if (ask) {
        plan_ = AskImportQuestions(std::move(run), taken, options, folder, dialogs_);
    } else {
        plan_ = RegistrationImportPlan{std::move(run.steps), {}, run.complete};
        plan_.names.assign(plan_.steps.size(), {});
    }
    std::vector<ImportItem> items = plan_.items();
    if (!items.empty() && !MakeDir(folder)) {
        Refusal refusal = FolderNotMade();
        refusal.text += "\n" + folder;
        ShowRefusal(dialogs_, refusal);
        plan_.names.assign(plan_.steps.size(), {});
        items.clear();
    }
    if (items.empty()) {
        checks_ = ChecksAfterImport(plan_, {}, stereoAllowed_, dialogs_);
        return false;
    }
    batch_ = std::make_shared<ImportBatchResult>();
    run_ = new JobRun(this);
    if (bar_) {
        bar_->setValue(0);
        connect(run_, &JobRun::valueChanged, bar_, &QProgressBar::setValue);
    }
    connect(run_, &JobRun::finished, this, &RegistrationImport::onJobFinished);
    run_->start([items, folder, options, backend = backend_, batch = batch_, beforeJob = beforeJob_](Progress& progress) {
        if (beforeJob)
            beforeJob();
        *batch = RunImportBatch(items, folder, options, *backend, progress);
    });
    return true;
}

void RegistrationImport::requestStop() {
    if (run_)
        run_->requestStop();
}

void RegistrationImport::stopAndWait() {
    if (!run_)
        return;
    delete run_;  // asks the job to stop and waits for it
    run_ = nullptr;
    checks_ = ChecksAfterImport(plan_, *batch_, stereoAllowed_, dialogs_);
    emit finished();
}

void RegistrationImport::onJobFinished() {
    if (!run_)
        return;  // handled by stopAndWait already
    run_->deleteLater();  // it is the sender of this call
    run_ = nullptr;
    checks_ = ChecksAfterImport(plan_, *batch_, stereoAllowed_, dialogs_);
    emit finished();
}

}  // namespace vexa::gui
