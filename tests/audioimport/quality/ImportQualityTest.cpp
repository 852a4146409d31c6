// Import through the real libraries, on encoded files made for the test with
// the ffmpeg command (its aevalsrc source, so the tones are not rounded to 16
// bits first): every format the import takes, each result checked as
// registration checks it and measured here, independently of what the import
// reported: its length, its tone (least-squares fit: the residual is what the
// conversion added), its loudness and true peak (read back through the
// meter), no aliasing, the opposite-phase case and damaged inputs.
#include "TestPaths.h"
#include "audioimport/AudioLibraries.h"
#include "audioimport/Ebur128Meter.h"
#include "core/import/ImportFile.h"
#include "core/sound/WaveRegistrationCheck.h"
#include "core/ui/Progress.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

constexpr double kSeconds = 2.7183;  // not a whole number of any codec's frames

bool haveFfmpeg() { return std::system("command -v ffmpeg >/dev/null 2>&1") == 0; }

// `expression` of t for each channel, at `rate`, encoded with `codec`.
void encode(const fs::path& out, const std::string& expression, std::uint32_t rate, int channels,
            const std::string& codec, double seconds = kSeconds) {
    std::string all = expression;
    for (int c = 1; c < channels; ++c)
        all += "|" + expression;
    const std::string command = "ffmpeg -v error -y -f lavfi -i 'aevalsrc=" + all + ":s=" + std::to_string(rate) +
                                ":d=" + std::to_string(seconds) + "' " + codec + " '" + out.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

struct Written {
    std::uint32_t rate = 0;
    int channels = 0;
    std::vector<float> samples;  // interleaved, full scale 1.0
};

Written readWritten(const fs::path& file) {
    const std::string bytes = test::readBytes(file);
    auto u16 = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(bytes[at]) |
                                     static_cast<unsigned char>(bytes[at + 1]) << 8);
    };
    Written w;
    w.channels = static_cast<int>(u16(22));
    w.rate = u16(24) | u16(26) << 16;
    const int bits = static_cast<int>(u16(34));
    for (std::size_t at = 44; at + static_cast<std::size_t>(bits / 8) <= bytes.size(); at += static_cast<std::size_t>(bits / 8))
        w.samples.push_back(bits == 8 ? (static_cast<unsigned char>(bytes[at]) - 128) / 128.0f
                                      : static_cast<std::int16_t>(u16(at)) / 32768.0f);
    return w;
}

struct Measured {
    double loudness = -HUGE_VAL;
    double truePeak = -HUGE_VAL;
};

Measured measure(const Written& w) {
    Ebur128Meter meter(w.rate, w.channels, true);
    meter.add(w.samples.data(), w.samples.size() / static_cast<std::size_t>(w.channels));
    return {meter.integratedLoudness().value_or(-HUGE_VAL), meter.truePeak().value_or(-HUGE_VAL)};
}

// The first channel's frames from `from` to `to` seconds.
std::vector<double> section(const Written& w, double from, double to) {
    std::vector<double> x;
    const auto width = static_cast<std::size_t>(w.channels);
    for (auto i = static_cast<std::size_t>(from * w.rate); i < static_cast<std::size_t>(to * w.rate); ++i)
        x.push_back(w.samples[i * width]);
    return x;
}

struct ToneFit {
    double tone = 0;      // power of the fitted sine
    double residual = 0;  // power of what is left
    double residualDb() const { return 10 * std::log10(residual / tone); }
};

// Least squares of a·cos + b·sin + c at exactly `hz`: a tone of another
// frequency, or one that drifts, leaves most of itself in the residual.
ToneFit fitTone(const std::vector<double>& x, double rate, double hz) {
    double m[3][4] = {};
    const double w = 2 * M_PI * hz / rate;
    for (std::size_t n = 0; n < x.size(); ++n) {
        const double basis[3] = {std::cos(w * n), std::sin(w * n), 1.0};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j)
                m[i][j] += basis[i] * basis[j];
            m[i][3] += basis[i] * x[n];
        }
    }
    for (int i = 0; i < 3; ++i)  // Gauss-Jordan on the 3 × 3 normal equations
        for (int k = 0; k < 3; ++k)
            if (k != i) {
                const double f = m[k][i] / m[i][i];
                for (int j = 0; j < 4; ++j)
                    m[k][j] -= f * m[i][j];
            }
    const double a = m[0][3] / m[0][0], b = m[1][3] / m[1][1], c = m[2][3] / m[2][2];
    ToneFit fit;
    for (std::size_t n = 0; n < x.size(); ++n) {
        const double tone = a * std::cos(w * n) + b * std::sin(w * n);
        fit.tone += tone * tone;
        const double rest = x[n] - tone - c;
        fit.residual += rest * rest;
    }
    return fit;
}

// Power of the component at `hz` (Goertzel), relative to a sine of amplitude 1.
double componentDb(const std::vector<double>& x, double rate, double hz) {
    const double coefficient = 2 * std::cos(2 * M_PI * hz / rate);
    double s1 = 0, s2 = 0;
    for (const double v : x) {
        const double s = v + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    const double amplitude = 2 * std::sqrt(power) / static_cast<double>(x.size());
    return 20 * std::log10(std::max(amplitude, 1e-12));
}

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class ImportQualityTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveFfmpeg())
            GTEST_SKIP() << "the ffmpeg command (Debian package ffmpeg) makes the encoded fixtures; it is not installed";
    }

    ImportResult import(const fs::path& source, const ImportOptions& options, const std::string& name = "OUT.WAV") {
        NoProgress progress;
        return ImportFile(source, out / name, options, libraries, progress);
    }

    test::TempDir in;
    test::TempDir out;
    AudioLibraries libraries;
};

constexpr const char* kTone = "0.5*sin(2*PI*1000*t)";

TEST_F(ImportQualityTest, EveryFormatGivesARegistrableFileOfTheSameLengthToneAndTargetLoudness) {
    struct Row {
        const char* file;
        std::uint32_t rate;
        int channels;
        const char* codec;
        double residualDb;  // what the tone fit may leave at most
    };
    // Lossless sources keep the tone to the 16-bit output's own rounding
    // (some 83 dB below a tone at -18 LUFS); lossy ones keep its frequency.
    const Row rows[] = {
        {"stereo48k.wav", 48000, 2, "-c:a pcm_s16le", -80},
        {"deep24.wav", 44100, 1, "-c:a pcm_s24le", -80},
        {"float32.wav", 48000, 1, "-c:a pcm_f32le", -80},
        {"tone.aiff", 44100, 2, "-c:a pcm_s16be", -80},
        {"tone.flac", 48000, 2, "-c:a flac -sample_fmt s32", -80},
        {"tone.mp3", 44100, 2, "-c:a libmp3lame -b:a 128k", -30},
        {"tone.m4a", 48000, 2, "-c:a aac -b:a 128k", -30},
        {"tone.opus", 48000, 1, "-c:a libopus -b:a 96k", -30},
        {"tone.ogg", 44100, 2, "-c:a libvorbis -q:a 5", -30},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        const fs::path source = in / row.file;
        encode(source, kTone, row.rate, row.channels, row.codec);
        const std::string name = std::string(row.file).substr(0, 5) + ".WAV";
        const ImportResult r = import(source, ImportOptions{}, name);
        ASSERT_TRUE(r.imported()) << r.failure;
        EXPECT_TRUE(CheckWaveForRegistration(r.output, false).accepted());

        const Written w = readWritten(r.output);
        EXPECT_EQ(w.rate, 22050u);
        EXPECT_EQ(w.channels, 1);
        const double seconds = static_cast<double>(w.samples.size()) / w.rate;
        EXPECT_NEAR(seconds, kSeconds, 0.001);
        EXPECT_NEAR(r.seconds, seconds, 1e-9);

        const ToneFit fit = fitTone(section(w, 0.5, 2.2), w.rate, 1000);
        EXPECT_LE(fit.residualDb(), row.residualDb);

        const Measured m = measure(w);
        EXPECT_NEAR(m.loudness, -18.0, 0.5);
        EXPECT_LE(m.truePeak, -1.0);
        ASSERT_TRUE(r.loudnessAfter && r.truePeakAfter);
        EXPECT_NEAR(*r.loudnessAfter, m.loudness, 0.1);
        EXPECT_NEAR(*r.truePeakAfter, m.truePeak, 0.1);
    }
}

TEST_F(ImportQualityTest, A15KilohertzToneAt48KilohertzLeavesNoAliasAt22050) {
    // 15 kHz is above the new Nyquist frequency: it must go, and not come
    // back folded to 22050 - 15000 = 7050 Hz; the 1 kHz tone beside it stays.
    const fs::path source = in / "high.wav";
    encode(source, "0.25*sin(2*PI*1000*t)+0.25*sin(2*PI*15000*t)", 48000, 1, "-c:a pcm_f32le");
    ImportOptions options;
    options.loudnessTarget.reset();
    const ImportResult r = import(source, options);
    ASSERT_TRUE(r.imported()) << r.failure;
    const std::vector<double> x = section(readWritten(r.output), 0.5, 2.2);
    const double sourceDb = 20 * std::log10(0.25);
    EXPECT_NEAR(componentDb(x, 22050, 1000), sourceDb, 0.05);
    EXPECT_LE(componentDb(x, 22050, 7050) - sourceDb, -80);
    // Whatever else is left (alias or not) is 80 dB below the removed tone.
    const ToneFit fit = fitTone(x, 22050, 1000);
    EXPECT_LE(10 * std::log10(fit.residual / static_cast<double>(x.size()) / (0.25 * 0.25 / 2)), -80);
}

TEST_F(ImportQualityTest, TheCeilingHoldsTheResultAndEightBitsStayWithinIt) {
    const fs::path source = in / "tone.wav";
    encode(source, kTone, 44100, 1, "-c:a pcm_f32le");
    ImportOptions loud;
    loud.loudnessTarget = -10;
    loud.peakCeiling = -9;
    const ImportResult limited = import(source, loud, "LOUD.WAV");
    ASSERT_TRUE(limited.imported()) << limited.failure;
    EXPECT_TRUE(limited.limitedByPeak);
    const Measured m = measure(readWritten(limited.output));
    EXPECT_LE(m.truePeak, -9.0);
    EXPECT_GT(m.truePeak, -9.2);
    EXPECT_LT(m.loudness, -10.5);

    ImportOptions eight;
    eight.bits = 8;
    eight.rate = 8000;
    const ImportResult r = import(source, eight, "EIGHT.WAV");
    ASSERT_TRUE(r.imported()) << r.failure;
    EXPECT_TRUE(CheckWaveForRegistration(r.output, false).accepted());
    const Written w = readWritten(r.output);
    EXPECT_EQ(w.rate, 8000u);
    const Measured m8 = measure(w);
    EXPECT_NEAR(m8.loudness, -18.0, 0.5);
    EXPECT_LE(m8.truePeak, -1.0);
    // Dithered 8 bits: the noise floor of about 8-bit TPDF (-48 dB below
    // full scale), and the tone still at 1 kHz.
    EXPECT_LE(fitTone(section(w, 0.5, 2.2), 8000, 1000).residualDb(), -30);
}

TEST_F(ImportQualityTest, StereoOppositeInPhaseIsNotZeroedWithoutANote) {
    const fs::path source = in / "phase.wav";
    const std::string command = "ffmpeg -v error -y -f lavfi -i 'aevalsrc=" + std::string(kTone) + "|-" + kTone +
                                ":s=48000:d=3' -c:a pcm_s16le '" + source.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const ImportResult r = import(source, ImportOptions{});
    ASSERT_TRUE(r.imported()) << r.failure;
    EXPECT_THAT(r.notes, ::testing::Contains(HasSubstr("逆位相")));
    EXPECT_NEAR(measure(readWritten(r.output)).loudness, -18.0, 0.5);
}

TEST_F(ImportQualityTest, StereoIsKeptWhenAllowedAndAsked) {
    const fs::path source = in / "two.flac";
    const std::string command = "ffmpeg -v error -y -f lavfi -i 'aevalsrc=0.5*sin(2*PI*1000*t)|0.25*sin(2*PI*500*t)"
                                ":s=44100:d=3' -c:a flac '" + source.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ImportOptions options;
    options.stereo = options.stereoAllowed = true;
    const ImportResult r = import(source, options);
    ASSERT_TRUE(r.imported()) << r.failure;
    EXPECT_EQ(r.format.channels, 2);
    EXPECT_TRUE(CheckWaveForRegistration(r.output, true).accepted());
    const Written w = readWritten(r.output);
    ASSERT_EQ(w.channels, 2);
    std::vector<double> right;
    for (std::size_t i = 22050; i < 44100; ++i)
        right.push_back(w.samples[2 * i + 1]);
    EXPECT_LE(fitTone(right, 22050, 500).residualDb(), -60);
}

TEST_F(ImportQualityTest, DamagedInputsAreRefusedNamingTheFileAndLeaveNothing) {
    struct Source {
        const char* file;
        const char* codec;
    };
    const Source sources[] = {
        {"a.mp3", "-c:a libmp3lame"}, {"a.m4a", "-c:a aac"},    {"a.opus", "-c:a libopus"},
        {"a.ogg", "-c:a libvorbis"},  {"a.flac", "-c:a flac"},  {"a.wav", "-c:a pcm_s24le"},
        {"a.aiff", "-c:a pcm_s16be"},
    };
    enum class Damage { Half, Header, Garbage };
    for (const Source& s : sources) {
        const fs::path whole = in / s.file;
        encode(whole, kTone, 44100, 1, s.codec, 3.0);
        const std::string bytes = test::readBytes(whole);
        for (const Damage damage : {Damage::Half, Damage::Header, Damage::Garbage}) {
            std::string broken = bytes;
            if (damage == Damage::Half)
                broken.resize(bytes.size() / 2);
            else if (damage == Damage::Header)
                broken.resize(64);
            else  // bytes the compressed formats check; PCM has nothing to check
                for (std::size_t i = bytes.size() * 2 / 5; i < bytes.size() * 2 / 5 + 256; ++i)
                    broken[i] = static_cast<char>(broken[i] ^ 0x5A);
            const bool pcm = std::string(s.file) == "a.wav" || std::string(s.file) == "a.aiff";
            if (damage == Damage::Garbage && pcm)
                continue;
            const fs::path damaged = in / ("damaged-" + std::to_string(static_cast<int>(damage)) + s.file);
            test::writeBytes(damaged, broken);
            SCOPED_TRACE(damaged.filename().string());
            const ImportResult r = import(damaged, ImportOptions{});
            EXPECT_EQ(r.status, ImportStatus::Failed);
            EXPECT_THAT(r.failure, HasSubstr(damaged.string()));
            EXPECT_EQ(entries(out.path()), 0u);
        }
    }
    // Not audio at all, and a container the import does not take.
    test::writeBytes(in / "notes.mp3", "These are not the sounds you are looking for.\n");
    EXPECT_THAT(import(in / "notes.mp3", ImportOptions{}).failure, HasSubstr("notes.mp3"));
    const fs::path video = in / "clip.mkv";
    encode(video, kTone, 44100, 1, "-c:a flac", 1.0);
    EXPECT_THAT(import(video, ImportOptions{}).failure, HasSubstr("対応していない形式です：matroska"));
    EXPECT_EQ(entries(out.path()), 0u);
}

TEST_F(ImportQualityTest, TheFfmpegMeterAgreesWithTheFigures) {
    const fs::path source = in / "tone.flac";
    encode(source, "0.3*sin(2*PI*440*t)+0.2*sin(2*PI*3000*t)", 48000, 2, "-c:a flac");
    const ImportResult r = import(source, ImportOptions{});
    ASSERT_TRUE(r.imported()) << r.failure;
    const fs::path log = in / "ebur128.txt";
    const std::string command = "ffmpeg -nostats -hide_banner -i '" + r.output +
                                "' -af ebur128=peak=true -f null - 2>'" + log.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // The summary's "I:" and true "Peak:" lines.
    std::ifstream text(log);
    std::string line;
    std::optional<double> integrated, peak;
    while (std::getline(text, line)) {
        const auto at = line.find_first_not_of(' ');
        if (at == std::string::npos)
            continue;
        if (line.compare(at, 2, "I:") == 0)
            integrated = std::stod(line.substr(at + 2));
        else if (line.compare(at, 5, "Peak:") == 0)
            peak = std::stod(line.substr(at + 5));
    }
    ASSERT_TRUE(integrated && peak);
    EXPECT_NEAR(*integrated, -18.0, 0.5);
    EXPECT_NEAR(*integrated, *r.loudnessAfter, 0.2);
    EXPECT_NEAR(*peak, *r.truePeakAfter, 0.2);
    EXPECT_LE(*peak, -1.0);
}

}  // namespace
}  // namespace vexa
