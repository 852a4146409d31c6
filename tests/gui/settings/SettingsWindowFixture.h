#pragma once
// A Program Folder for the settings window's tests: the Configuration File and
// an Element Pattern File with a model list, in CP932 with CR LF.
#include "core/app/ProgramPaths.h"
#include "core/config/Configuration.h"
#include "core/text/Cp932.h"

#include "TestPaths.h"

#include <string>
#include <string_view>

namespace vexa::test {

inline constexpr std::string_view kModels =
    "VX-30（30点）,30,VX-95（95点）,95,VX-95S（95点）,95,VX-255（255点）,255";

inline std::string cp932Lines(std::string_view utf8) {
    std::string out;
    for (char c : cp932::fromUtf8(utf8)) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

struct SettingsFolder {
    TempDir dir;
    ProgramPaths paths = ProgramPaths::forFolder(dir.path());

    explicit SettingsFolder(std::string_view models = kModels) {
        writeBytes(paths.elementPatternFile, cp932Lines("[Element]\nMaxLine=" + std::string(models) + "\n"));
        writeBytes(paths.configurationFile,
                   cp932Lines("[System]\nWaveRef=/wave\nCardPath=" + dir.path().string() +
                              "\nCardName=PROG\nMaxLine=95\nAddFunction1=0\nAddFunction2=0\nPrtSheet=1,1,1,1,1\n"
                              "[LedSeting]\nPattern1=0.5,0.5\nPattern2=1.0,1.0\nPattern3=0.2,0.8\n"
                              "[BuzzerSeting]\nPattern1=0.3,0.7\nPattern2=1.0,1.0\nPattern3=0.1,0.2\n"
                              "[UserData]\nCompany=株式会社サンプル\nInstall=2024/04/01\n"));
    }
};

}  // namespace vexa::test
