#pragma once
// Texts read from bytes that are not CP932: the loader keeps U+FFFD in their
// place and records the lines (Project::undecoded); CP932 has no such
// character, so whatever writes the Project puts "?" there. The user hears of
// it after the load and is asked again before a card is made from it.
#include "core/model/Project.h"
#include "core/ui/UserDialogs.h"

#include <string>

namespace vexa {

// True when any text the Control File writer writes holds U+FFFD.
bool HoldsUndecodedText(const Project& project);

// "3行目", "3, 7, 12行目"; past ten lines "…, 40行目ほか5行".
std::string UndecodedLinesText(const std::vector<long>& lines);

// The warning after a load that met such bytes (warning icon, title "確認"),
// naming the file and the lines; nothing when the file held none.
void WarnOfUndecodedLines(const UndecodedLines& undecoded, UserDialogs& dialogs);

// Asked before the Project is written to a card while it still holds texts
// from such lines: true to go on (also when there is nothing to ask).
bool ConfirmWritingUndecodedText(const Project& project, UserDialogs& dialogs);

}  // namespace vexa
