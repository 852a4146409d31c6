#pragma once
// The checks of the settings window's OK, and its question on leaving without
// saving. A refusal names the box concerned; TabOfField gives its tab.
#include "core/config/Configuration.h"
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <functional>
#include <string>

namespace vexa {

// The twelve Pattern Times in check order (LED A on … BUZZER C off): each must
// be a number (else 2004) whose single-precision value is above 0 and at most
// 99.9 (else 2080 for the LED, 2081 for the BUZZER). The first failing box is
// refused.
CheckResult CheckPatternTimes(const PatternTimes& boxes);

// The card data folder of the box text (trimmed): empty → 2046. A folder
// that does not exist is offered for creation: `beforeQuestion` shows the box
// to the user, then 2047 + 2085 is asked (Yes/No, exclamation icon). No gives
// a refusal without text (only the focus follows); Yes creates every missing
// level, and a failure gives 2807. Every refusal points at TxtCardPath.
CheckResult CheckCardDataFolder(const std::string& text, UserDialogs& dialogs,
                                const std::function<void()>& beforeQuestion);

// Cancel and the close box: true to close. Asks 2067 only when `changed`.
bool ConfirmCloseSettings(UserDialogs& dialogs, bool changed);

}  // namespace vexa
