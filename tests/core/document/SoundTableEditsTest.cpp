// A new Sound Table drops the voices that name no entry from every sheet,
// packs and retimes those lines (RefreshedLine, the rule the grid's
// RefreshVoiceCell uses too), and undo gives the voices back.
#include "core/document/Document.h"
#include "core/document/Edits.h"
#include "core/model/ProgramLineRules.h"

#include <gtest/gtest.h>

#include <map>

namespace vexa {
namespace {

SoundEntry sound(const std::string& name) { return {name, "22.05KHz", "16bit", "Mono", "1.000", "100", "/s/" + name, ""}; }

ProgramLine lineWith(std::vector<std::string> voices, std::string repeat = "1", std::string time = "9.9") {
    ProgramLine l;
    for (std::size_t i = 0; i < voices.size(); ++i)
        l.voices[i] = voices[i];
    l.repeat = std::move(repeat);
    l.time = std::move(time);
    return l;
}

struct Lengths {
    std::map<std::string, long long> ms = {{"A.WAV", 1240}, {"B.WAV", 2000}, {"C.WAV", 350}, {"D.WAV", -1}};
    mutable std::map<std::string, int> calls;
    MeasureWave function() const {
        return [this](const std::filesystem::path& p) {
            const std::string name = p.filename().string();
            ++calls[name];
            return ms.at(name);
        };
    }
};

Project projectWithVoices() {
    Project p;
    p.sounds = {sound("A.WAV"), sound("B.WAV"), sound("C.WAV"), sound("D.WAV")};
    p.soundPresent = true;
    p.clearSheets(10);
    p.sheets[0].lines[0] = lineWith({"A.WAV", "B.WAV", "C.WAV"}, "2");
    p.sheets[0].lines[1] = lineWith({"B.WAV", " ", "D.WAV", "A.WAV"});
    p.sheets[0].lines[2] = lineWith({"C.WAV"}, "1", "0.4");
    p.sheets[5].lines[9] = lineWith({"B.WAV"}, "3");
    p.sheets[5].lines[10] = lineWith({"B.WAV"});  // beyond the Line Count: left alone
    return p;
}

TEST(RefreshedLine, DropsPacksAndRetimes) {
    const Lengths lengths;
    const std::vector<SoundEntry> table = {sound("A.WAV"), sound("C.WAV"), sound("D.WAV")};
    struct Case {
        ProgramLine line;
        bool present;
        std::vector<std::string> voices;
        std::string time;
    };
    const std::vector<Case> cases = {
        {lineWith({"A.WAV", "B.WAV", "C.WAV"}, "2"), true, {"A.WAV", "C.WAV"}, "3.2"},  // 2 × (1.2 + 0.4)
        {lineWith({"B.WAV", " ", "D.WAV", "A.WAV"}), true, {"D.WAV", "A.WAV"}, "1.2"},  // D not measurable
        {lineWith({"A.WAV", "C.WAV"}, ""), true, {"A.WAV", "C.WAV"}, "1.6"},             // empty Repeat is 1
        {lineWith({"A.WAV"}), false, {}, "0.0"},                                          // no table at all
        {lineWith({}), true, {}, "0.0"},
    };
    for (const Case& c : cases) {
        const ProgramLine out = RefreshedLine(c.line, table, c.present, lengths.function());
        std::vector<std::string> voices;
        for (const auto& v : out.voices)
            if (!v.empty())
                voices.push_back(v);
        EXPECT_EQ(voices, c.voices);
        EXPECT_EQ(out.time, c.time);
        EXPECT_EQ(out.repeat, c.line.repeat);
    }
}

TEST(EditSoundTable, DropsVoicesOnEverySheetAndUndoGivesThemBack) {
    Configuration c;
    c.settings.maxLine = 10;
    const Project start = projectWithVoices();
    Document document(c, start);
    const Lengths lengths;
    EditSoundTable(document, {sound("A.WAV"), sound("C.WAV")}, true, lengths.function());

    const Project& p = document.project();
    EXPECT_EQ(p.sheets[0].lines[0].voices[0], "A.WAV");
    EXPECT_EQ(p.sheets[0].lines[0].voices[1], "C.WAV");
    EXPECT_EQ(p.sheets[0].lines[0].voices[2], "");
    EXPECT_EQ(p.sheets[0].lines[0].time, "3.2");
    EXPECT_EQ(p.sheets[0].lines[1].voices[0], "A.WAV");
    EXPECT_EQ(p.sheets[0].lines[1].voices[1], "");
    EXPECT_EQ(p.sheets[5].lines[9].voices[0], "");
    EXPECT_EQ(p.sheets[5].lines[9].time, "0.0");
    EXPECT_EQ(p.sheets[5].lines[10], start.sheets[5].lines[10]);
    EXPECT_EQ(lengths.calls.at("A.WAV"), 1);  // measured once for all its lines
    EXPECT_EQ(document.undoText(), "Sound登録");

    document.undo();
    EXPECT_EQ(document.project().sheets, start.sheets);
    EXPECT_EQ(document.project().sounds, start.sounds);
    EXPECT_FALSE(document.modified());
    document.redo();
    EXPECT_EQ(document.project().sheets[0].lines[0].time, "3.2");
    EXPECT_EQ(document.project().sounds.size(), 2u);
}

TEST(EditSoundTable, TheSameTableIsNoStep) {
    Configuration c;
    c.settings.maxLine = 10;
    Project start;
    start.sounds = {sound("A.WAV")};
    start.soundPresent = true;
    start.clearSheets(10);
    start.sheets[0].lines[0] = lineWith({"A.WAV"}, "1", "1.2");
    Document document(c, start);
    const Lengths lengths;
    EditSoundTable(document, {sound("A.WAV")}, true, lengths.function());
    EXPECT_FALSE(document.canUndo());
    EXPECT_FALSE(document.modified());
}

}  // namespace
}  // namespace vexa
