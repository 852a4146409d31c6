#pragma once
// The playback window "試聴": plays one entry of the sound list, or all from
// the first, shows what plays, polls the output every 200 ms and closes by
// itself at the end. A sound that cannot be played is said so in the window,
// with why, and the window stays until the user closes it.
#include "core/sound/PlaybackSession.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace vexa::gui {

class FrmPlay : public QDialog {
    Q_OBJECT

public:
    FrmPlay(std::vector<SoundEntry> rows, PlayRequest request, AudioOutput& output, QWidget* parent = nullptr);
    ~FrmPlay() override;

    const PlaybackSession& session() const { return session_; }
    QLabel* lblName() const { return lblName_; }
    QLabel* lblTime() const { return lblTime_; }
    QLabel* lblByte() const { return lblByte_; }
    QLabel* lblAudio() const { return lblAudio_; }
    QLabel* lblFault() const { return lblFault_; }
    QPushButton* cmdStop() const { return cmdStop_; }
    QTimer* tmrPlay() const { return tmrPlay_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void follow();
    void onTick();

    PlaybackSession session_;
    bool started_ = false;
    QLabel* lblName_ = nullptr;
    QLabel* lblTime_ = nullptr;
    QLabel* lblByte_ = nullptr;
    QLabel* lblAudio_ = nullptr;
    QLabel* lblFault_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QTimer* tmrPlay_ = nullptr;
};

}  // namespace vexa::gui
