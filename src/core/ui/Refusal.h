#pragma once
// What a check refuses, as data: the text to show, how to show it and which
// field or cell it concerns. Checks return a Refusal instead of showing a box
// themselves; ShowRefusal puts it in front of the user through UserDialogs.
#include "core/config/MessageNumbers.h"
#include "core/ui/UserDialogs.h"

#include <optional>
#include <string>
#include <string_view>

namespace vexa {

struct Refusal {
    std::string text;                       // the whole text, as GetMsg gives it
    int title = msg::kTitleConfirm;         // catalogue number of the box title
    MessageIcon icon = MessageIcon::Warning;
    std::string field;                      // the box concerned, by name; "" for none
    int row = -1;                           // the grid cell concerned, -1 for none
    int col = -1;

    // A catalogue message as a warning titled "確認".
    static Refusal warning(int message, std::string_view extra = {});
    // A catalogue message as an error titled "エラー".
    static Refusal error(int message, std::string_view extra = {});
    // The same refusal, pointed at a field or a cell.
    Refusal at(std::string fieldName) const;
    Refusal atCell(int cellRow, int cellCol) const;

    bool operator==(const Refusal&) const = default;
};

// Empty when the check passed.
using CheckResult = std::optional<Refusal>;

// Shows the refusal as an OK message box.
void ShowRefusal(UserDialogs& dialogs, const Refusal& refusal);

// Shows `result` when it holds a refusal; true when the check passed.
bool Passed(UserDialogs& dialogs, const CheckResult& result);

// Asks a catalogue question (question icon, Yes/No, title "確認"); true for Yes.
bool AskYesNo(UserDialogs& dialogs, int message, std::string_view extra = {});

}  // namespace vexa
