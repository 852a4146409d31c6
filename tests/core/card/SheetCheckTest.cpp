// The sheet check before creation: the whole error list, in sheet and line
// order, with the prefixes that name where each problem is.
#include "core/card/SheetCheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vexa {
namespace {

Settings settings(int lineCount, bool multi) {
    Settings s;
    s.maxLine = static_cast<std::int16_t>(lineCount);
    s.addFunction1 = multi ? 1 : 0;
    return s;
}

ProgramLine& line(Project& p, int sheet, int index) {
    return p.sheets[static_cast<std::size_t>(sheet)].lines[static_cast<std::size_t>(index)];
}

SheetHeader& header(Project& p, int sheet) { return p.sheets[static_cast<std::size_t>(sheet)].header; }

// A sheet header that passes: times set.
void timed(Project& p, int sheet) {
    header(p, sheet).startHour = "08";
    header(p, sheet).startMinute = "00";
    header(p, sheet).endHour = "17";
    header(p, sheet).endMinute = "00";
}

const std::string kLed = "項目【LED時間】は必須入力です。";
const std::string kLedRange = "項目【LED時間】は0.000～300.000までの数値を入力してください。";
const std::string kBuzzer = "項目【BUZZER時間】は必須入力です。";
const std::string kBuzzerRange = "項目【BUZZER時間】は0.000～300.000までの数値を入力してください。";
const std::string kSheet2 = " シートNo.（02）            ";  // 11 spaces after the sheet prefix

struct SheetCase {
    const char* what;
    Settings settings;
    std::function<void(Project&)> change;
    std::vector<std::string> errors;
};

TEST(SheetCheck, ListsEveryProblemWithItsPrefix) {
    const SheetCase cases[] = {
        {"cleared sheets pass", settings(3, false), [](Project&) {}, {}},
        {"an emptied LED time blocks a line without voice", settings(3, false),
         [](Project& p) { line(p, 0, 1).ledTime = ""; }, {"No.（02） " + kLed}},
        {"both outputs of one line, then the next line", settings(3, false),
         [](Project& p) {
             line(p, 0, 0).ledTime = "300.1";
             line(p, 0, 0).buzzerTime = "";
             line(p, 0, 2).buzzerTime = "-0.1";
         },
         {"No.（01） " + kLedRange, "No.（01） " + kBuzzer, "No.（03） " + kBuzzerRange}},
        {"0 and 300 are allowed, text is not", settings(3, false),
         [](Project& p) {
             line(p, 0, 0).ledTime = "300";
             line(p, 0, 1).ledTime = "0";
             line(p, 0, 2).ledTime = "abc";
         },
         {"No.（03） " + kLedRange}},
        {"lines past the Line Count are not checked", settings(3, false),
         [](Project& p) { line(p, 0, 3).ledTime = ""; }, {}},
        {"line numbers past 99 take three digits", settings(100, false),
         [](Project& p) { line(p, 0, 99).ledTime = ""; }, {"No.（100） " + kLed}},
        {"single-sheet mode checks sheet 0 only", settings(3, false),
         [](Project& p) {
             line(p, 1, 0).ledTime = "";
             line(p, 1, 0).voices[0] = "a.wav";
         },
         {}},
        {"single-sheet mode does not check the header", settings(3, false),
         [](Project& p) { line(p, 0, 0).voices[0] = "a.wav"; }, {}},
        {"multi-sheet: a sheet with a voice needs its times", settings(3, true),
         [](Project& p) {
             timed(p, 0);
             line(p, 1, 2).voices[0] = "a.wav";
             header(p, 1).startHour = "08";
             header(p, 1).endMinute = "00";
         },
         {kSheet2 + "項目【開始時刻】は必須入力です。", kSheet2 + "項目【終了時刻】は必須入力です。"}},
        {"multi-sheet: a sheet without voice needs no times", settings(3, true), [](Project&) {}, {}},
        {"multi-sheet: Name over 60 bytes, Memo over 80", settings(3, true),
         [](Project& p) {
             line(p, 1, 0).voices[0] = "a.wav";
             timed(p, 1);
             header(p, 1).name = std::string(60, 'n');
             header(p, 1).memo = std::string(81, 'm');
         },
         {kSheet2 + "項目【メモ】に入力できる文字数は全角40文字です。"}},
        {"multi-sheet: a full-width Name of 31 characters", settings(3, true),
         [](Project& p) {
             line(p, 1, 0).voices[0] = "a.wav";
             timed(p, 1);
             for (int i = 0; i < 31; ++i)
                 header(p, 1).name += "名";
         },
         {kSheet2 + "項目【名称・内容】に入力できる文字数は全角30文字です。"}},
        {"multi-sheet: lines carry the sheet prefix, sheet order first", settings(3, true),
         [](Project& p) {
             line(p, 7, 0).buzzerTime = "";
             line(p, 2, 1).ledTime = "";
         },
         {" シートNo.（03） No.（02） " + kLed, " シートNo.（08） No.（01） " + kBuzzer}},
    };
    for (const SheetCase& c : cases) {
        SCOPED_TRACE(c.what);
        Project project;
        c.change(project);
        EXPECT_EQ(SheetErrors(project, c.settings), c.errors);
    }
}

TEST(SheetCheck, ErrorListEndsEachLineWithABreak) {
    EXPECT_EQ(ErrorListText({"a", "b"}), "a\nb\n");
    EXPECT_EQ(ErrorListText({}), "");
}

}  // namespace
}  // namespace vexa
