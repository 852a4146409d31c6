// The options an import runs with and the output format they give for a
// source.
#include "core/import/ImportOptions.h"
#include "core/import/ImportSettings.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(ImportOptions, OutOfRangeOptionsAreRefusedAtTheirField) {
    struct Case {
        ImportOptions options;
        const char* field;  // "" when accepted
    };
    auto with = [](auto change) {
        ImportOptions o;
        change(o);
        return o;
    };
    const Case cases[] = {
        {ImportOptions{}, ""},
        {with([](ImportOptions& o) { o.rate = 44100; }), ""},
        {with([](ImportOptions& o) { o.rate = 48000; }), "rate"},
        {with([](ImportOptions& o) { o.bits = 24; }), "bits"},
        {with([](ImportOptions& o) { o.loudnessTarget = -30; }), ""},
        {with([](ImportOptions& o) { o.loudnessTarget = -9.9; }), "loudness"},
        {with([](ImportOptions& o) { o.loudnessTarget = -31; }), "loudness"},
        {with([](ImportOptions& o) { o.loudnessTarget.reset(); o.peakCeiling = 0.5; }), "peak"},
        {with([](ImportOptions& o) { o.stereo = true; }), "stereo"},
        {with([](ImportOptions& o) { o.stereo = o.stereoAllowed = true; }), ""},
    };
    for (const Case& c : cases) {
        const CheckResult refusal = CheckImportOptions(c.options);
        EXPECT_EQ(refusal ? refusal->field : std::string(), c.field);
    }
}

TEST(ImportOptions, FormatIsNeverAboveTheSourceRateUnlessAskedAndStereoOnlyWhenAllowedAndAsked) {
    struct Case {
        std::optional<std::uint32_t> rate;
        bool stereo, allowed;
        std::uint32_t sourceRate;
        int sourceChannels;
        ImportFormat expected;
        bool noted;
    };
    const Case cases[] = {
        {std::nullopt, false, false, 48000, 2, {22050, 16, 1}, false},
        {std::nullopt, false, false, 22050, 1, {22050, 16, 1}, false},
        {std::nullopt, false, false, 16000, 1, {16000, 16, 1}, true},
        {std::nullopt, false, false, 12000, 1, {11025, 16, 1}, true},
        {std::nullopt, false, false, 6000, 1, {8000, 16, 1}, true},
        {44100, false, false, 16000, 1, {44100, 16, 1}, false},
        {8000, false, false, 48000, 1, {8000, 16, 1}, false},
        {std::nullopt, true, true, 44100, 2, {22050, 16, 2}, false},
        {std::nullopt, true, false, 44100, 2, {22050, 16, 1}, true},
        {std::nullopt, true, true, 44100, 1, {22050, 16, 1}, false},
        {std::nullopt, true, true, 48000, 6, {22050, 16, 1}, true},
    };
    for (const Case& c : cases) {
        ImportOptions o;
        o.rate = c.rate;
        o.stereo = c.stereo;
        o.stereoAllowed = c.allowed;
        AudioSourceInfo source;
        source.sampleRate = c.sourceRate;
        source.channels = c.sourceChannels;
        const FormatChoice choice = ChooseImportFormat(o, source);
        EXPECT_EQ(choice.format, c.expected) << c.sourceRate << " " << c.sourceChannels;
        EXPECT_EQ(!choice.notes.empty(), c.noted) << c.sourceRate << " " << c.sourceChannels;
    }
}

TEST(ImportOptions, TextsOfFormatsAndFigures) {
    EXPECT_EQ(ImportFormatText({22050, 16, 1}), "22.05KHz・16bit・Mono");
    EXPECT_EQ(ImportFormatText({8000, 8, 2}), "8KHz・8bit・Stereo");
    EXPECT_EQ(ImportRateText(44100), "44.1KHz");
    EXPECT_EQ(DecibelText(-18, "LUFS"), "−18.0 LUFS");
    EXPECT_EQ(DecibelText(5.44, "dB"), "+5.4 dB");
    EXPECT_EQ(DecibelText(-0.04, "dB"), "0.0 dB");
}

TEST(ImportSettings, KeptInTheConfigurationFileWithDefaultsForWhatIsMissingOrOutOfRange) {
    test::TempDir dir;
    const auto file = dir / "vexacontrol.ini";
    test::writeBytes(file, "[System]\r\nWaveRef=/w\r\n");
    EXPECT_EQ(ReadImportSettings(file), ImportSettings{});

    ImportSettings settings;
    settings.folder = "/home/u/取り込み先";
    settings.options.rate = 16000;
    settings.options.bits = 8;
    settings.options.loudnessTarget.reset();
    settings.options.peakCeiling = -2.5;
    settings.options.trim = true;
    settings.options.stereo = true;
    ASSERT_TRUE(WriteImportSettings(file, settings));
    EXPECT_EQ(ReadImportSettings(file), settings);

    test::writeBytes(file, "[Import]\r\nRate=48000\r\nBits=12\r\nLoudness=-5\r\nPeak=3\r\n");
    EXPECT_EQ(ReadImportSettings(file), ImportSettings{});
    test::writeBytes(file, "[Import]\r\nLoudness=-23\r\n");
    EXPECT_EQ(ReadImportSettings(file).options.loudnessTarget, -23.0);

    EXPECT_EQ(ImportFolderFor({}, "/w"), "/w/取り込み");
    EXPECT_EQ(ImportFolderFor({"/elsewhere", {}}, "/w"), "/elsewhere");
    EXPECT_EQ(ImportFolderFor({}, ""), "");
}

}  // namespace
}  // namespace vexa
