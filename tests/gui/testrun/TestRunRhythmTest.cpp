// The test run keeps the device's rhythm with the real sound output: a whole
// sheet played through the main window's SIM under the private sound server
// (scripts/with-sound-server), its null sink's monitor recorded, and every
// voice heard within 100 ms of the tick `vexa timeline` gives it. Skipped
// where no sound server runs.
#include "gui/app/FrmMain.h"
#include "core/controlfile/ControlFileReader.h"
#include "core/controlfile/ControlFileWriter.h"

#include "ScriptedDialogs.h"
#include "SinkRecording.h"
#include "TestPaths.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <iostream>
#include <thread>

namespace vexa::gui {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kLines = 95;

Settings settings() {
    Settings s;
    s.maxLine = kLines;
    return s;
}

// Voices of uneven lengths, a few of them whole ticks long; each ends in
// 120 ms of silence, so that its onset stands out in the recording even when
// the next voice follows a tick early.
struct Voice {
    const char* name;
    double hertz;
    int milliseconds;
};
constexpr Voice kVoices[] = {
    {"V1.WAV", 600, 437}, {"V2.WAV", 800, 1000}, {"V3.WAV", 1000, 612},
    {"V4.WAV", 1200, 283}, {"V5.WAV", 700, 1500}, {"V6.WAV", 900, 777},
};
constexpr double kTrailingSilence = 0.120;

ProgramLine line(std::vector<std::string> voices, const char* repeat = "1", const char* ledTime = "0.0") {
    ProgramLine l;
    for (std::size_t i = 0; i < voices.size(); ++i)
        l.voices[i] = voices[i];
    l.repeat = repeat;
    if (std::string(ledTime) != "0.0") {
        l.ledType = "1";
        l.ledTime = ledTime;
    }
    return l;
}

// The sheet: repeated pairs, a voice shorter than its line's LED time, a
// line of LED only, and runs of voices back to back.
Project sheet(const fs::path& folder) {
    Project p;
    p.clearSheets(kLines);
    p.sounds.clear();
    for (const Voice& v : kVoices) {
        const double tone = v.milliseconds / 1000.0 - kTrailingSilence;
        test::writeBytes(folder / v.name, test::ToneWave(v.hertz, tone, kTrailingSilence));
        p.sounds.push_back({v.name, "44.1KHz", "16bit", "Mono", "", "", (folder / v.name).string(), ""});
    }
    p.soundPresent = true;
    auto& lines = p.sheets[0].lines;
    lines[0] = line({"V1.WAV", "V2.WAV"}, "2");
    lines[1] = line({"V3.WAV"}, "1", "2.0");
    lines[2] = line({}, "1", "0.5");
    lines[3] = line({"V4.WAV", "V5.WAV", "V6.WAV"});
    lines[4] = line({"V6.WAV", "V4.WAV"}, "3");
    lines[5] = line({"V2.WAV"});
    return p;
}

// Each voice heard: from a loud sample after at least 40 ms of quiet to the
// last loud sample before the next such one, in seconds.
struct Heard {
    double onset;
    double end;
};
std::vector<Heard> voicesHeard(const std::vector<std::int16_t>& samples) {
    constexpr int kLoud = 3000;
    constexpr std::size_t kQuiet = test::kRecordingRate * 40 / 1000;
    std::vector<Heard> found;
    std::size_t lastLoud = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(static_cast<int>(samples[i])) <= kLoud)
            continue;
        const double at = static_cast<double>(i) / test::kRecordingRate;
        if (found.empty() || i - lastLoud >= kQuiet)
            found.push_back({at, at});
        found.back().end = at;
        lastLoud = i;
    }
    return found;
}

TEST(RecordedTestRun, VoicesAreHeardOnTheTicksTheTimelineGives) {
    if (const std::string why = test::RecordingUnavailable(); !why.empty())
        GTEST_SKIP() << why;
    test::TempDir dir;
    const fs::path file = dir / "RHYTHM.vxa";
    ASSERT_TRUE(WriteControlFile(sheet(dir.path()), settings(), file).ok());

    // What the device does, as `vexa timeline` says it.
    const test::CommandResult timeline =
        test::runVexa({"timeline", file.string(), "--json", "--lines", std::to_string(kLines), "--single"});
    ASSERT_EQ(timeline.exitCode, 0) << timeline.err;
    std::vector<long> ticks;
    std::vector<double> tones;  // the loud part of each voice, in seconds
    const nlohmann::json predicted = nlohmann::json::parse(timeline.out);
    for (const auto& l : predicted["lines"])
        for (const auto& v : l["voices"]) {
            ticks.push_back(v["start_tick"].get<long>());
            for (const Voice& known : kVoices)
                if (v["file"] == known.name)
                    tones.push_back(known.milliseconds / 1000.0 - kTrailingSilence);
        }
    ASSERT_EQ(ticks.size(), 15u) << timeline.out;

    // What the editor plays, recorded, with the time each tick of TmrSim came.
    Configuration configuration;
    configuration.settings = settings();
    Document document(configuration);
    test::ScriptedDialogs dialogs;
    Project project = document.project();
    ASSERT_TRUE(LoadKtrFile(file, project, configuration.settings));
    document.replaceProject(project);
    FrmMain frm(ProgramPaths::forFolder(test::programFolder()), document, &dialogs);
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    QElapsedTimer clock;
    clock.start();
    std::vector<double> tickTimes;  // [n - 1]: tick n
    QObject::connect(frm.simTimer(), &QTimer::timeout,
                     [&] { tickTimes.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e9); });

    test::SinkRecording recording(dir / "heard.raw");
    QTest::qWait(500);
    frm.toolbarAction(ToolbarKey::Sim)->trigger();
    ASSERT_TRUE(frm.testRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frm.testRunning(); }, 60000));
    QTest::qWait(500);
    const std::vector<Heard> heard = voicesHeard(recording.stop());
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.texts().front();
    ASSERT_EQ(tickTimes.size(), static_cast<std::size_t>(predicted["ticks"].get<long>()));

    std::string heardList;
    for (const Heard& h : heard)
        heardList += " " + std::to_string(h.onset) + "-" + std::to_string(h.end);
    ASSERT_EQ(heard.size(), ticks.size()) << "voices heard:" << heardList;
    // Each tick is 50 ms of test time, whenever the machine delivers it: an
    // onset is measured from its tick as it came (on a quiet machine, 50 ms
    // apart). The output's latency is the same for every voice: the first
    // onset sets it.
    const auto tickTime = [&](long tick) { return tickTimes[static_cast<std::size_t>(tick - 1)]; };
    const double latency = heard[0].onset - tickTime(ticks[0]);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const double late = heard[i].onset - latency - tickTime(ticks[i]);
        const double tickLate = tickTime(ticks[i]) - tickTime(1) - static_cast<double>(ticks[i] - 1) * 0.05;
        const double length = heard[i].end - heard[i].onset;
        std::cout << "voice " << i + 1 << ": tick " << ticks[i] << ", heard " << late * 1000 << " ms off (the tick came "
                  << tickLate * 1000 << " ms late), for " << length * 1000 << " ms\n";
        EXPECT_NEAR(late, 0.0, 0.100) << "voice " << i + 1;
        // Heard to its end, though the next voice was started before its
        // last samples had left the output.
        EXPECT_NEAR(length, tones[i], 0.010) << "voice " << i + 1;
    }
}

}  // namespace
}  // namespace vexa::gui
