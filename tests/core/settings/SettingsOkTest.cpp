// OK of the settings window: the checks in their order with their messages,
// boxes and tabs, the card data folder question, the one question before the
// contents are cleared, and what reaches the Configuration File, the run's
// configuration, the Project and its history.
#include "core/settings/SettingsBoxes.h"
#include "core/settings/SettingsChecks.h"
#include "core/settings/SettingsOk.h"

#include "core/app/EditorProject.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/Messages.h"

#include "DocumentEdits.h"
#include "ScriptedDialogs.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vexa {
namespace {
namespace fs = std::filesystem;

PatternTimes validTimes() {
    PatternTimes t;
    t.led = {{{"0.5", "0.5"}, {"1.0", "1.0"}, {"0.2", "0.8"}}};
    t.buzzer = {{{"0.3", "0.7"}, {"1.0", "1.0"}, {"0.1", "0.2"}}};
    return t;
}

struct PatternCase {
    const char* what;
    std::function<void(PatternTimes&)> change;
    const char* field;  // "" when the times pass
    int message;
    SettingsTab tab;
};

TEST(SettingsChecks, TheFirstFailingPatternBoxDecidesMessageBoxAndTab) {
    using T = PatternTimes&;
    const PatternCase cases[] = {
        {"all valid", [](T) {}, "", 0, SettingsTab::Seigyo},
        {"99.9 and 0.05 are inside", [](T t) { t.led[0].on = "99.9"; t.buzzer[2].off = "0.05"; }, "", 0,
         SettingsTab::Seigyo},
        {"blanks around a number", [](T t) { t.led[1].off = " 2.0 "; }, "", 0, SettingsTab::Seigyo},
        {"LED A on empty", [](T t) { t.led[0].on = ""; }, "TxtLedOn0", msg::kEnterNumber, SettingsTab::Led},
        {"LED A on letters", [](T t) { t.led[0].on = "abc"; }, "TxtLedOn0", msg::kEnterNumber, SettingsTab::Led},
        {"LED A on 0", [](T t) { t.led[0].on = "0"; }, "TxtLedOn0", msg::kLedPatternRange, SettingsTab::Led},
        {"LED A on 0.0", [](T t) { t.led[0].on = "0.0"; }, "TxtLedOn0", msg::kLedPatternRange, SettingsTab::Led},
        {"LED A off negative", [](T t) { t.led[0].off = "-1"; }, "TxtLedOff0", msg::kLedPatternRange,
         SettingsTab::Led},
        {"LED B on 99.95", [](T t) { t.led[1].on = "99.95"; }, "TxtLedOn1", msg::kLedPatternRange, SettingsTab::Led},
        {"LED C off 100", [](T t) { t.led[2].off = "100"; }, "TxtLedOff2", msg::kLedPatternRange, SettingsTab::Led},
        {"on before off", [](T t) { t.led[1].off = "x"; t.led[1].on = "0"; }, "TxtLedOn1", msg::kLedPatternRange,
         SettingsTab::Led},
        {"pattern B before C", [](T t) { t.led[2].on = "x"; t.led[1].off = "0"; }, "TxtLedOff1",
         msg::kLedPatternRange, SettingsTab::Led},
        {"BUZZER A on letters", [](T t) { t.buzzer[0].on = "a"; }, "TxtBuzzerOn0", msg::kEnterNumber,
         SettingsTab::Buzzer},
        {"BUZZER C off 0", [](T t) { t.buzzer[2].off = "0"; }, "TxtBuzzerOff2", msg::kBuzzerPatternRange,
         SettingsTab::Buzzer},
        {"LED before BUZZER", [](T t) { t.buzzer[0].on = "x"; t.led[2].off = "0"; }, "TxtLedOff2",
         msg::kLedPatternRange, SettingsTab::Led},
    };
    for (const auto& c : cases) {
        PatternTimes t = validTimes();
        c.change(t);
        const CheckResult result = CheckPatternTimes(t);
        if (!*c.field) {
            EXPECT_FALSE(result) << c.what;
            continue;
        }
        ASSERT_TRUE(result) << c.what;
        EXPECT_EQ(result->field, c.field) << c.what;
        EXPECT_EQ(result->text, GetMsg(c.message)) << c.what;
        EXPECT_EQ(result->title, msg::kTitleConfirm) << c.what;
        EXPECT_EQ(result->icon, MessageIcon::Warning) << c.what;
        EXPECT_EQ(TabOfField(result->field), c.tab) << c.what;
    }
    EXPECT_EQ(TabOfField(kCardPathField), SettingsTab::Data);
}

TEST(SettingsChecks, TheCardDataFolderIsRequiredAndOfferedForCreation) {
    test::TempDir dir;
    fs::create_directory(dir / "exists");
    test::writeBytes(dir / "file", "x");
    const std::string question = GetMsg(msg::kFolderNotFound) + "\n" + GetMsg(msg::kCreateFolderQuestion);
    const struct {
        const char* what;
        std::string text;
        std::vector<MessageAnswer> answers;
        bool asked;
        const char* refusal;  // nullptr: passes; "" refused without a message
        std::string created;  // a folder that exists afterwards
    } cases[] = {
        {"empty", "", {}, false, "2046", ""},
        {"blanks only", "   ", {}, false, "2046", ""},
        {"an existing folder", (dir / "exists").string(), {}, false, nullptr, ""},
        {"an existing folder in blanks", "  " + (dir / "exists").string() + " ", {}, false, nullptr, ""},
        {"missing, No", (dir / "new").string(), {MessageAnswer::No}, true, "", ""},
        {"missing, Yes: every level made", (dir / "a" / "b" / "c").string(), {MessageAnswer::Yes}, true, nullptr,
         (dir / "a" / "b" / "c").string()},
        {"a file in the way", (dir / "file" / "sub").string(), {MessageAnswer::Yes}, true, "2807", ""},
        {"a file named so", (dir / "file").string(), {MessageAnswer::Yes}, true, "2807", ""},
    };
    for (const auto& c : cases) {
        test::ScriptedDialogs dialogs;
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        int shownBefore = 0;
        const CheckResult result = CheckCardDataFolder(c.text, dialogs, [&] { shownBefore = int(dialogs.shown.size()) + 1; });
        if (c.asked) {
            ASSERT_GE(dialogs.shown.size(), 1u) << c.what;
            EXPECT_EQ(shownBefore, 1) << c.what << ": the box is shown before the question";
            EXPECT_EQ(dialogs.shown[0], (MessageRequest{question, "確認", MessageIcon::Warning, MessageButtons::YesNo}))
                << c.what;
        } else {
            EXPECT_TRUE(dialogs.shown.empty()) << c.what;
            EXPECT_EQ(shownBefore, 0) << c.what;
        }
        if (!c.refusal) {
            EXPECT_FALSE(result) << c.what;
        } else {
            ASSERT_TRUE(result) << c.what;
            EXPECT_EQ(result->field, kCardPathField) << c.what;
            EXPECT_EQ(result->text, *c.refusal ? GetMsg(std::stoi(c.refusal)) : "") << c.what;
        }
        if (!c.created.empty()) {
            EXPECT_TRUE(fs::is_directory(c.created)) << c.what;
        }
    }
}

TEST(SettingsChecks, LeavingAsksOnlyAfterAnEdit) {
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(ConfirmCloseSettings(dialogs, false));
    EXPECT_TRUE(dialogs.shown.empty());
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(ConfirmCloseSettings(dialogs, true));
    EXPECT_TRUE(ConfirmCloseSettings(dialogs, true));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>(2, GetMsg(msg::kDiscardDetailsQuestion))));
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Question);
}

TEST(SettingsDraft, TheModelShownIsTheLastOneOfTheLineCountElseTheFirst) {
    const std::vector<ModelEntry> models = {{"VX-30", "30"}, {"VX-95", "95"}, {"VX-95S", "95"}, {"?", "x"}};
    EXPECT_EQ(ModelIndexFor(models, 30), 0);
    EXPECT_EQ(ModelIndexFor(models, 95), 2);
    EXPECT_EQ(ModelIndexFor(models, 60), 0);
    EXPECT_EQ(ModelIndexFor(models, 0), 0);
    EXPECT_EQ(ModelIndexFor({}, 95), -1);
    EXPECT_EQ(ModelLineCount(models[3]), std::nullopt);
    EXPECT_EQ(ModelLineCount({"VX-255", "255"}), 255);
}

// A run with a Configuration File in a temporary Program Folder.
struct OkRun {
    test::TempDir dir;
    fs::path file = dir / "vexacontrol.ini";
    test::ScriptedDialogs dialogs;
    Document document;
    SettingsDraft opening;
    std::vector<std::string> calls;

    static Configuration configuration(const fs::path& cardFolder) {
        Configuration c;
        c.settings = {"/wave", cardFolder.string(), "PROG", 95, 0, 0};
        c.patternDefaults = validTimes();
        c.user.values[0] = "株式会社サンプル";
        return c;
    }

    OkRun() : document(configuration(dir.path())), opening(SettingsDraftOnOpening(document.configuration(), document.project())) {
        EXPECT_TRUE(WriteSettings(file, document.configuration()));
    }

    SettingsOkResult ok(const SettingsDraft& draft, bool patternChanged = false) {
        SettingsOkCalls hooks;
        hooks.showField = [this](const std::string& field) { calls.push_back("show " + field); };
        hooks.busy = [this](bool on) { calls.push_back(on ? "busy" : "normal"); };
        hooks.newDataMake = [this] {
            calls.push_back("new");
            NewDataMake(document);
        };
        hooks.refreshVoiceCell = [this] { calls.push_back("refresh"); };
        return RunSettingsOk(document, file, opening, draft, patternChanged, dialogs, hooks);
    }
};

TEST(SettingsOk, AFailingCheckEndsOkBeforeAnyQuestionOrWrite) {
    OkRun run;
    const std::string before = test::readBytes(run.file);
    SettingsDraft draft = run.opening;
    draft.lineCount = 30;                            // would ask 2072
    draft.cardPath = (run.dir / "missing").string(); // would ask to create it
    draft.patterns.buzzer[1].on = "0";
    const SettingsOkResult result = run.ok(draft, true);
    EXPECT_EQ(result.outcome, SettingsOkOutcome::Refused);
    ASSERT_TRUE(result.refusal);
    EXPECT_EQ(result.refusal->field, "TxtBuzzerOn1");
    EXPECT_TRUE(run.dialogs.shown.empty());
    EXPECT_TRUE(run.calls.empty());
    EXPECT_EQ(test::readBytes(run.file), before);
    EXPECT_EQ(run.document.configuration().settings.maxLine, 95);

    // No to the folder question: the box is shown, nothing more.
    draft.patterns = validTimes();
    run.dialogs.answers = {MessageAnswer::No};
    const SettingsOkResult declined = run.ok(draft, true);
    EXPECT_EQ(declined.outcome, SettingsOkOutcome::Refused);
    EXPECT_EQ(declined.refusal, Refusal{}.at(kCardPathField));
    EXPECT_EQ(run.calls, (std::vector<std::string>{"show TxtCardPath"}));
    EXPECT_EQ(run.dialogs.shown.size(), 1u);
    EXPECT_FALSE(fs::exists(run.dir / "missing"));
    EXPECT_EQ(test::readBytes(run.file), before);
}

TEST(SettingsOk, TheClearQuestionIsAskedOnceForTheLineCountOrSheetModeAndNeverForStereo) {
    const struct {
        const char* what;
        std::optional<std::int16_t> lineCount;
        std::int16_t addFunction1;
        std::int16_t addFunction2;
        bool asked;
    } cases[] = {
        {"nothing changed", 95, 0, 0, false},
        {"Line Count", 30, 0, 0, true},
        {"sheet mode", 95, 1, 0, true},
        {"Line Count and sheet mode: one question", 255, 1, 0, true},
        {"stereo alone", 95, 0, 1, false},
        {"no model to choose: the Line Count stays", std::nullopt, 0, 0, false},
    };
    for (const auto& c : cases) {
        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            OkRun run;
            test::renameSheet(run.document, 0, "朝");
            const std::string before = test::readBytes(run.file);
            SettingsDraft draft = run.opening;
            draft.lineCount = c.lineCount;
            draft.addFunction1 = c.addFunction1;
            draft.addFunction2 = c.addFunction2;
            run.dialogs.answers = {answer};
            const SettingsOkResult result = run.ok(draft);
            const std::string what = std::string(c.what) + (answer == MessageAnswer::Yes ? ", Yes" : ", No");

            const std::vector<std::string> questions =
                c.asked ? std::vector<std::string>{GetMsg(msg::kClearContentsQuestion)} : std::vector<std::string>{};
            EXPECT_EQ(run.dialogs.texts(), questions) << what;
            const bool declined = c.asked && answer == MessageAnswer::No;
            if (declined) {
                EXPECT_EQ(result.outcome, SettingsOkOutcome::Declined) << what;
                EXPECT_EQ(test::readBytes(run.file), before) << what;
                EXPECT_TRUE(run.calls.empty()) << what;
                EXPECT_EQ(run.document.project().sheets[0].header.name, "朝") << what;
                continue;
            }
            EXPECT_EQ(result.outcome, SettingsOkOutcome::Saved) << what;
            EXPECT_EQ(result.cleared, c.asked) << what;
            const std::vector<std::string> calls = c.asked ? std::vector<std::string>{"busy", "new", "refresh", "normal"}
                                                           : std::vector<std::string>{"busy", "refresh", "normal"};
            EXPECT_EQ(run.calls, calls) << what;
            // Cleared contents take the undo history with them.
            EXPECT_EQ(run.document.project().sheets[0].header.name, c.asked ? "" : "朝") << what;
            EXPECT_EQ(run.document.canUndo(), !c.asked) << what;
            EXPECT_EQ(run.document.modified(), !c.asked) << what;
            const Settings& s = run.document.configuration().settings;
            EXPECT_EQ(s.maxLine, c.lineCount.value_or(95)) << what;
            EXPECT_EQ(s.addFunction1, c.addFunction1) << what;
            EXPECT_EQ(s.addFunction2, c.addFunction2) << what;
            EXPECT_EQ(ReadConfiguration(run.file).settings, s) << what;
        }
    }
}

TEST(SettingsOk, ModelAndPatternChangedInOneVisitEndWithTheDefaultsAndModified) {
    OkRun run;
    SettingsDraft draft = run.opening;
    draft.lineCount = 30;
    draft.patterns.led[0].on = "2.0";
    const SettingsOkResult result = run.ok(draft, true);
    EXPECT_EQ(result.outcome, SettingsOkOutcome::Saved);
    EXPECT_TRUE(result.cleared);
    EXPECT_EQ(run.document.project().patterns, run.document.configuration().patternDefaults);
    EXPECT_TRUE(run.document.modified());
    EXPECT_FALSE(run.document.canUndo());
    EXPECT_EQ(run.document.configuration().settings.maxLine, 30);
}

TEST(SettingsOk, ChangedPatternTimesAreOneUndoableStepInTrimmedText) {
    OkRun run;
    SettingsDraft draft = run.opening;
    draft.patterns.led[2].off = " 1.5 ";
    draft.patterns.buzzer[0].on = "0.4";
    EXPECT_EQ(run.ok(draft, true).outcome, SettingsOkOutcome::Saved);
    EXPECT_EQ(run.document.project().patterns.led[2].off, "1.5");
    EXPECT_EQ(run.document.project().patterns.buzzer[0].on, "0.4");
    EXPECT_TRUE(run.document.modified());
    EXPECT_EQ(run.document.undoText(), "LED/BUZZER設定の変更");
    // The defaults of the Configuration File are not the Project's times.
    EXPECT_EQ(run.document.configuration().patternDefaults, validTimes());

    run.document.undo();
    EXPECT_EQ(run.document.project().patterns, validTimes());
    EXPECT_FALSE(run.document.modified());
    EXPECT_FALSE(run.document.canUndo());

    // Boxes edited back to what they held change nothing.
    OkRun again;
    SettingsDraft same = again.opening;
    EXPECT_EQ(again.ok(same, true).outcome, SettingsOkOutcome::Saved);
    EXPECT_FALSE(again.document.modified());
    EXPECT_FALSE(again.document.canUndo());
}

TEST(SettingsOk, TheFileAndTheRunTakeTheNewSettingsAndACreatedFolder) {
    OkRun run;
    SettingsDraft draft = run.opening;
    const fs::path cards = run.dir / "カード" / "データ";
    draft.cardPath = "  " + cards.string() + "  ";
    draft.addFunction2 = 1;
    ASSERT_EQ(run.ok(draft).outcome, SettingsOkOutcome::Saved);
    EXPECT_TRUE(fs::is_directory(cards));
    EXPECT_EQ(run.calls, (std::vector<std::string>{"show TxtCardPath", "busy", "refresh", "normal"}));
    Configuration expected = OkRun::configuration(run.dir.path());
    expected.settings.cardPath = cards.string();
    expected.settings.addFunction2 = 1;
    EXPECT_EQ(run.document.configuration(), expected);
    // The file holds the settings and the User Information; the pattern
    // sections are the program's and are not written.
    Configuration written = ReadConfiguration(run.file);
    EXPECT_EQ(written.settings, expected.settings);
    EXPECT_EQ(written.user, expected.user);
}

TEST(SettingsOk, AFileThatCannotBeWrittenChangesNothing) {
    OkRun run;
    test::renameSheet(run.document, 0, "朝");
    SettingsDraft draft = run.opening;
    draft.lineCount = 30;
    draft.patterns.led[0].on = "2.0";
    const fs::path unwritable = run.dir / "no" / "vexacontrol.ini";  // its folder does not exist
    const SettingsOkResult result = RunSettingsOk(run.document, unwritable, run.opening, draft, true, run.dialogs);
    EXPECT_EQ(result.outcome, SettingsOkOutcome::Refused);
    ASSERT_TRUE(result.refusal);
    EXPECT_NE(result.refusal->text.find(unwritable.string()), std::string::npos) << result.refusal->text;
    EXPECT_EQ(result.refusal->icon, MessageIcon::Error);
    EXPECT_EQ(run.document.configuration().settings.maxLine, 95);
    EXPECT_EQ(run.document.project().sheets[0].header.name, "朝");
    EXPECT_EQ(run.document.project().patterns, validTimes());
}

}  // namespace
}  // namespace vexa
