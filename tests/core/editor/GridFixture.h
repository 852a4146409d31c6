#pragma once
// A programme grid over a Document whose sounds have lengths the test sets,
// measured without files, and dialogs answered from a script.
#include "core/editor/ProgramGrid.h"

#include "ScriptedDialogs.h"
#include "TestPaths.h"
#include "core/text/Cp932.h"
#include "core/text/NumberFormat.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace vexa::test {

// Grid row of Program Line `line` (from 0).
constexpr int rowOf(int line) { return line + kGridHeaderRows; }

class GridFixture : public ::testing::Test {
protected:
    TempDir dir;
    Document document{Configuration{}};
    ScriptedDialogs dialogs;
    std::map<std::string, long long> lengthsMs;  // by source path; missing → -1
    int measurements = 0;
    ProgramGrid grid{document, dir / "elmptnvxa.elm", [this](const std::filesystem::path& path) {
                         ++measurements;
                         const auto it = lengthsMs.find(path.string());
                         return it == lengthsMs.end() ? -1LL : it->second;
                     }};

    // The Element Pattern File, written in CP932 with CR LF.
    void writeElements(const std::string& utf8Lines) {
        std::string bytes;
        for (char c : cp932::fromUtf8("[Element]\n" + utf8Lines)) {
            if (c == '\n')
                bytes += '\r';
            bytes += c;
        }
        writeBytes(dir / "elmptnvxa.elm", bytes);
    }

    const Project& project() const { return document.project(); }
    // Sets the Project up for a test (not an edit: the history starts anew).
    void changeProject(const std::function<void(Project&)>& change) {
        Project p = document.project();
        change(p);
        document.replaceProject(std::move(p));
    }

    // Registers a sound whose file measures `ms` and whose Length text is
    // `length` (by default the measured length in "0.000" form).
    void addSound(const std::string& name, long long ms, std::string length = "-") {
        SoundEntry entry;
        entry.fileName = name;
        entry.sourcePath = "/sounds/" + name;
        entry.length = length == "-" ? numfmt::format(static_cast<double>(ms) / 1000.0, "0.000") : length;
        lengthsMs[entry.sourcePath] = ms;
        changeProject([&entry](Project& p) {
            if (p.soundPresent) {
                p.sounds.push_back(entry);
            } else {
                p.sounds[0] = entry;
                p.soundPresent = true;
            }
        });
    }

    // Puts a text into a cell of the shown sheet's line at `row` as it is,
    // without the edit rules (setting the Project up, not an edit).
    void setText(int row, int col, std::string text) {
        changeProject([&](Project& p) {
            ProgramLine& line =
                p.sheets[static_cast<std::size_t>(grid.sheet())].lines[static_cast<std::size_t>(row - kGridHeaderRows)];
            *LineFieldOf(line, col) = std::move(text);
        });
    }

    void setVoices(int row, std::initializer_list<const char*> names) {
        int col = gridcol::kVoice1;
        for (const char* name : names)
            setText(row, col++, name);
    }

    std::vector<std::string> voices(int row) const {
        std::vector<std::string> out;
        for (int c = gridcol::kVoice1; c <= gridcol::kVoice8; ++c)
            out.push_back(grid.text(row, c));
        return out;
    }

    // Eight voice texts: the given ones, then "".
    static std::vector<std::string> voiceRow(std::initializer_list<const char*> names) {
        std::vector<std::string> out(names.begin(), names.end());
        out.resize(kVoicesPerLine);
        return out;
    }
};

}  // namespace vexa::test
