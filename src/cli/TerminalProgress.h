#pragma once
// Progress of a tools job on the terminal: a bar with the job's caption on
// stderr when it is a terminal (nothing otherwise), and Ctrl+C (SIGINT),
// SIGTERM and SIGHUP heard as the user's stop request for as long as the
// object lives.
#include "core/ui/Progress.h"
#include "core/ui/UserDialogs.h"
#include "core/wavetools/JobResult.h"
#include "core/wavetools/ProgressLink.h"

#include <array>
#include <csignal>
#include <cstdint>
#include <functional>
#include <string>

namespace vexa::cli {

class TerminalProgress final : public Progress {
public:
    TerminalProgress();
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void setValue(int percent) override;
    void setCaption(const std::string& text) override;
    bool stopRequested() override;
    // The signal that asked to stop (SIGINT, SIGTERM, SIGHUP); 0 while none did.
    int stopSignalNumber() const;

    // Ends the bar's line and prints the last caption (the job's end text) on
    // a line of its own, terminal or not.
    void finish();

private:
    void draw();

    bool terminal_;
    int value_ = 0;
    std::string caption_;
    std::array<struct sigaction, 3> previous_{};
};

// Runs a tools job of `totalBytes` with the terminal's bar and Ctrl+C, then
// tells how it ended; returns the job's exit code (0, 1 or 2).
int RunToolsJob(std::uintmax_t totalBytes, const std::function<JobResult(ProgressLink&)>& job,
                UserDialogs& dialogs);

}  // namespace vexa::cli
