#pragma once
// The card part of the control data creation window, shown once a creation
// has completed: the removable cards found (never a fixed disk; said when
// there is none), "カードへ書き込み" (the Card Folder's set written to the
// chosen card's top folder, then checked there), "カード確認" (the card
// checked against the loaded Project), the findings in a list (green when
// clean) and, after a clean check of a removable card, "取り外し". The write,
// the check and the eject run on a worker (JobRun) with the bar and
// "中止"; the window thread never waits for the card.
#include "core/cardcheck/CardEject.h"
#include "core/cardcheck/CardSetWrite.h"
#include "core/cardcheck/CardVerification.h"
#include "core/cardcheck/VolumeService.h"
#include "core/document/Document.h"
#include "core/ui/UserDialogs.h"

#include <QGroupBox>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace vexa::gui {

class JobRun;

class CardMediaPanel : public QGroupBox {
    Q_OBJECT

public:
    // `service` (may be null) is the disk service asked for cards and ejects.
    CardMediaPanel(const Document& document, UserDialogs& dialogs, VolumeService* service, QWidget* parent);
    ~CardMediaPanel() override;

    void setVolumeService(VolumeService* service) { service_ = service; }
    // Shows the panel for the set creation made in `cardFolder` and looks for cards.
    void showFor(const std::filesystem::path& cardFolder);
    // Looks for the removable cards again.
    void findCards();
    bool running() const;

    QComboBox* cmbCard() const { return cmbCard_; }
    QLabel* lblNoCard() const { return lblNoCard_; }
    QPushButton* cmdWrite() const { return cmdWrite_; }
    QPushButton* cmdCheck() const { return cmdCheck_; }
    QPushButton* cmdEject() const { return cmdEject_; }
    QPushButton* cmdStop() const { return cmdStop_; }
    QProgressBar* prgCard() const { return prgCard_; }
    QLabel* lblResult() const { return lblResult_; }
    QTreeWidget* lstFindings() const { return lstFindings_; }

signals:
    // A write, check or eject has ended and what it found is shown.
    void jobEnded();

private:
    // What a job on the worker leaves for the window thread.
    struct Outcome {
        std::optional<CardSetWriteResult> write;
        std::optional<CardVerification> check;
        std::optional<CardEjectResult> eject;
    };

    void buildControls();
    const Volume* chosenVolume() const;
    void writeToCard();
    void checkCard();
    void ejectCard();
    void startJob(const std::function<void(Outcome&, Progress&)>& work);
    void onJobFinished();
    void showFindings(const CardVerification& check);
    void updateControls();

    const Document& document_;
    UserDialogs& dialogs_;
    VolumeService* service_ = nullptr;
    std::filesystem::path cardFolder_;
    std::vector<Volume> volumes_;
    Volume jobVolume_;
    std::shared_ptr<Outcome> outcome_;
    std::unique_ptr<JobRun> run_;
    bool ejectOffered_ = false;

    QComboBox* cmbCard_ = nullptr;
    QPushButton* cmdFind_ = nullptr;
    QLabel* lblNoCard_ = nullptr;
    QPushButton* cmdWrite_ = nullptr;
    QPushButton* cmdCheck_ = nullptr;
    QPushButton* cmdEject_ = nullptr;
    QProgressBar* prgCard_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QLabel* lblResult_ = nullptr;
    QTreeWidget* lstFindings_ = nullptr;
};

}  // namespace vexa::gui
