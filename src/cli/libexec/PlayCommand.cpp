// vexa play FILE…: plays each WAVE file in turn through the editor's sound
// output, printing the line the playback window shows of it. Ctrl+C stops the
// sound at once. Exit 0 when every file played, 1 when one could not be played
// (the reason on stderr), 130 after Ctrl+C.
#include "cli/CliContext.h"
#include "cli/HelperCommands.h"
#include "cli/libexec/HelperCommandsAdd.h"
#include "audio/QtAudioOutput.h"
#include "core/sound/PlaybackSession.h"
#include "core/sound/WaveInspection.h"
#include "core/sound/WaveTexts.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <iostream>

namespace vexa::cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onPlayInterrupt(int) { interrupted = 1; }

constexpr int kInterruptedExit = 130;

// The sound list's texts of a file, as far as its format can be read.
SoundEntry entryFor(const std::filesystem::path& file) {
    SoundEntry entry;
    entry.fileName = file.filename().string();
    entry.sourcePath = file.string();
    if (const auto format = ReadWaveFormat(file).format) {
        entry.rate = RateText(format->samplesPerSec);
        entry.bits = BitsText(format->bitsPerSample);
        entry.channels = ChannelsText(format->channels);
    }
    entry.length = LengthText(GetWaveLength(file));
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    entry.size = ec ? "0" : std::to_string(size);
    return entry;
}

// Plays one file to its end (or to Ctrl+C); false when it could not be played.
bool playOne(const std::filesystem::path& file, AudioOutput& output) {
    const SoundEntry entry = entryFor(file);
    PlaybackSession session({entry}, {PlayMode::One, 1}, output);
    session.start();
    const PlayInfo& info = session.info();
    std::cout << info.name << ": " << info.audio << ", " << info.time << ", " << info.bytes << std::endl;
    if (!session.fault().empty()) {
        std::cerr << "vexa play: " << entry.fileName << ": この音声は再生できません。" << session.fault() << '\n';
        return false;
    }
    QEventLoop loop;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        if (interrupted)
            session.close();
        else
            session.tick();
        if (interrupted || session.finished())
            loop.quit();
    });
    timer.start(kPlayPollMilliseconds);
    loop.exec();
    session.close();
    return true;
}

int run(const std::vector<std::string>& files) {
    int argc = 1;
    char name[] = "vexa";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    audio::QtAudioOutput output;

    interrupted = 0;
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = onPlayInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &previous);

    bool allPlayed = true;
    for (const auto& file : files) {
        if (interrupted)
            break;
        allPlayed = playOne(file, output) && allPlayed;
    }
    output.close();
    ::sigaction(SIGINT, &previous, nullptr);
    if (interrupted)
        return kInterruptedExit;
    return allPlayed ? 0 : 1;
}

}  // namespace

void addPlayCommand(CLI::App& app, CliContext& context) {
    auto files = std::make_shared<std::vector<std::string>>();
    CLI::App* sub = app.add_subcommand(std::string(kPlayHelper.name), std::string(kPlayHelper.description));
    addHomeOption(*sub, context);
    sub->add_option("FILE", *files, "WAVE files")->required();
    sub->callback([&context, files] { context.exitCode = run(*files); });
}

}  // namespace vexa::cli
