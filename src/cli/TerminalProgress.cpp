#include "cli/TerminalProgress.h"

#include "core/wavetools/JobMessages.h"

#include <array>
#include <cstdio>
#include <unistd.h>

namespace vexa::cli {
namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void onInterrupt(int signal) { stopSignal = signal; }

// Ctrl+C, a plain kill and a closed terminal all ask the job to stop: it then
// ends as a stop does, with its file written and no temporary left behind.
constexpr std::array kStopSignals{SIGINT, SIGTERM, SIGHUP};

constexpr int kBarWidth = 30;

}  // namespace

TerminalProgress::TerminalProgress() : terminal_(::isatty(STDERR_FILENO) == 1) {
    stopSignal = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals[i], &action, &previous_[i]);
}

TerminalProgress::~TerminalProgress() {
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals[i], &previous_[i], nullptr);
}

void TerminalProgress::setValue(int percent) {
    value_ = percent;
    draw();
}

void TerminalProgress::setCaption(const std::string& text) {
    caption_ = text;
    draw();
}

bool TerminalProgress::stopRequested() { return stopSignal != 0; }

int TerminalProgress::stopSignalNumber() const { return stopSignal; }

void TerminalProgress::draw() {
    if (!terminal_)
        return;
    const int filled = value_ * kBarWidth / 100;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(kBarWidth - filled), '.');
    // \033[K clears what a longer caption left on the line.
    std::fprintf(stderr, "\r[%s] %3d%%  %s\033[K", bar.c_str(), value_, caption_.c_str());
    std::fflush(stderr);
}

void TerminalProgress::finish() {
    if (terminal_)
        std::fputs("\r\033[K", stderr);
    if (!caption_.empty())
        std::fprintf(stderr, "%s\n", caption_.c_str());
    std::fflush(stderr);
}

int RunToolsJob(std::uintmax_t totalBytes, const std::function<JobResult(ProgressLink&)>& job,
                UserDialogs& dialogs) {
    TerminalProgress progress;
    ProgressLink link(progress, totalBytes);
    const JobResult result = job(link);
    if (result == JobResult::Completed)
        progress.setValue(100);
    progress.finish();
    // Ctrl+C (or SIGTERM) that came after the job's last look at it.
    ShowJobEnd(result, progress.stopRequested(), dialogs);
    return static_cast<int>(result);
}

}  // namespace vexa::cli
