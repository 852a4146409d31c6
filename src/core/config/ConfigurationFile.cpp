#include "core/config/ConfigurationFile.h"

#include "core/config/PrivateProfile.h"
#include "core/files/InputFile.h"
#include "core/model/ProgramSheet.h"
#include "core/text/NumberFormat.h"

#include <array>
#include <exception>
#include <string>

namespace vexa {
namespace {

constexpr std::array<const char*, 3> kPatternKeys = {"Pattern1", "Pattern2", "Pattern3"};

std::string readText(const PrivateProfile& profile, std::string_view section, std::string_view key) {
    return profile.get(section, key, {}, kStartupBufferSize);
}

// A number that is not one, or does not fit 16 bits, leaves the value as it was.
void readNumber(const PrivateProfile& profile, std::string_view key, std::int16_t& target) {
    if (const auto number = numfmt::toInt16(readText(profile, kSystemSection, key)))
        target = *number;
}

// "on,off": item 0 is the on time, item 1 the off time; further items are
// ignored and a missing one stays empty.
PatternTime readPattern(const PrivateProfile& profile, std::string_view section, std::string_view key) {
    const std::string value = readText(profile, section, key);
    const std::size_t first = value.find(',');
    PatternTime time;
    time.on = value.substr(0, first);
    if (first != std::string::npos) {
        const std::size_t second = value.find(',', first + 1);
        time.off = value.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    }
    return time;
}

Configuration readConfiguration(const PrivateProfile& profile) {
    Configuration c;

    Settings& s = c.settings;
    s.waveRef = readText(profile, kSystemSection, "WaveRef");
    s.cardPath = readText(profile, kSystemSection, "CardPath");
    s.cardName = readText(profile, kSystemSection, "CardName");
    readNumber(profile, "MaxLine", s.maxLine);
    readNumber(profile, "AddFunction1", s.addFunction1);
    readNumber(profile, "AddFunction2", s.addFunction2);

    for (std::size_t i = 0; i < kPatternKeys.size(); ++i) {
        c.patternDefaults.led[i] = readPattern(profile, kLedSection, kPatternKeys[i]);
        c.patternDefaults.buzzer[i] = readPattern(profile, kBuzzerSection, kPatternKeys[i]);
    }

    for (std::size_t i = 0; i < kUserInformationKeys.size(); ++i)
        c.user.values[i] = readText(profile, kUserDataSection, kUserInformationKeys[i]);
    return c;
}

}  // namespace

Configuration ReadConfiguration(const std::filesystem::path& file) {
    return readConfiguration(PrivateProfile::load(file));
}

StartupConfiguration ReadStartupConfiguration(const std::filesystem::path& file) {
    const PrivateProfile profile = PrivateProfile::load(file);
    StartupConfiguration startup{readConfiguration(profile), {}, {}};
    std::int16_t& lines = startup.configuration.settings.maxLine;
    const std::string defaultText = "既定の " + std::to_string(kDefaultLineCount) + " 行";
    if (profile.readFailed()) {
        startup.fileProblem = CannotReadText(file, profile.readProblem()) +
                              "\n設定は空の値、行数は" + defaultText + "で始めます。";
        lines = kDefaultLineCount;
    } else if (profile.has(kSystemSection, "MaxLine") && (lines < 1 || lines > kLineSlots)) {
        startup.lineCountProblem = "「" + file.string() + "」の [System] MaxLine「" +
                                   readText(profile, kSystemSection, "MaxLine") + "」は行数として使えません（1～" +
                                   std::to_string(kLineSlots) + " の整数）。\n" + defaultText + "で始めます。";
        lines = kDefaultLineCount;
    }
    return startup;
}

std::vector<std::string> StartupConfiguration::warnings() const {
    std::vector<std::string> texts;
    for (const std::string* text : {&fileProblem, &lineCountProblem})
        if (!text->empty())
            texts.push_back(*text);
    return texts;
}

bool WriteSettings(const std::filesystem::path& file, const Configuration& configuration) {
    try {
        PrivateProfile profile = PrivateProfile::load(file);
        const Settings& s = configuration.settings;
        bool ok = profile.set(kSystemSection, "WaveRef", s.waveRef) &&
                  profile.set(kSystemSection, "CardPath", s.cardPath) &&
                  profile.set(kSystemSection, "CardName", s.cardName) &&
                  profile.set(kSystemSection, "MaxLine", std::to_string(s.maxLine)) &&
                  profile.set(kSystemSection, "AddFunction1", std::to_string(s.addFunction1)) &&
                  profile.set(kSystemSection, "AddFunction2", std::to_string(s.addFunction2));
        for (std::size_t i = 0; ok && i < kUserInformationKeys.size(); ++i)
            ok = profile.set(kUserDataSection, kUserInformationKeys[i], configuration.user.values[i]);
        return ok && profile.save();
    } catch (const std::exception&) {
        return false;
    }
}

std::string ReadConfigurationValue(const std::filesystem::path& file, std::string_view section,
                                   std::string_view key) {
    return ReadProfileString(file, section, key, {}, kStartupBufferSize);
}

bool WriteConfigurationValue(const std::filesystem::path& file, std::string_view section,
                             std::string_view key, std::string_view value) {
    return WriteProfileString(file, section, key, value);
}

}  // namespace vexa
