#pragma once
// Which of the reports the print selection window prints: its boxes, their
// order in the job and on the screen, and the keys of the Configuration File
// that remember them: PrtSheet for the first five ("1,0,0,1,1", in box
// order, as older files hold it) and PrtWeek ("1" or "0") for the week table.
#include "core/print/Report.h"
#include "core/ui/Refusal.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexa::print {

inline constexpr int kReportCount = 6;
inline constexpr int kPrtSheetItems = 5;  // the boxes PrtSheet holds

struct PrintBox {
    int index;            // position in PrtSheet and in the print job
    const char* caption;
    ReportKind report;
    int screenOrder;      // from 1, top to bottom
};

// By index.
inline constexpr std::array<PrintBox, kReportCount> kPrintBoxes = {{
    {0, "エディタ情報", ReportKind::EditorSheet, 2},
    {1, "コントロールデータ作成情報", ReportKind::ControlData, 3},
    {2, "LED/BUZZER設定情報", ReportKind::PatternTimes, 4},
    {3, "Sound登録情報", ReportKind::SoundList, 5},
    {4, "ユーザー情報", ReportKind::UserInformation, 1},
    {5, "週間表", ReportKind::Week, 6},
}};

// The checked boxes, by index.
using PrintChoices = std::array<bool, kReportCount>;

// The boxes' indexes in screen order.
std::array<int, kReportCount> ScreenOrder();

// A PrtSheet text read into the first five boxes: item k (split at ",")
// checks box k when it is the number 1; a missing, other or non-numeric item
// leaves it unchecked.
PrintChoices ParsePrtSheet(std::string_view text);
// The first five boxes as PrtSheet holds them: "1" or "0" each, joined by ",".
std::string PrtSheetText(const PrintChoices& choices);

// PrtSheet and PrtWeek of section System (unchecked boxes when the file or a key is missing).
PrintChoices ReadPrintChoices(const std::filesystem::path& configurationFile);
// Writes PrtSheet and PrtWeek through the Configuration File's writer; false
// when they cannot be written.
bool WritePrintChoices(const std::filesystem::path& configurationFile, const PrintChoices& choices);

// Printing needs at least one box: else message 2079.
CheckResult CheckPrintChoices(const PrintChoices& choices);

// The reports' names for `vexa print --reports` ("editor", "card",
// "patterns", "sounds", "user", "week"), by index.
inline constexpr std::array<const char*, kReportCount> kReportNames = {"editor", "card",  "patterns",
                                                                       "sounds", "user", "week"};
// A list such as "editor,sounds" as boxes; nullopt names the first unknown
// name in `unknown`. An empty list checks nothing.
std::optional<PrintChoices> ParseReportNames(std::string_view list, std::string& unknown);

}  // namespace vexa::print
