#include "core/settings/SettingsOk.h"

#include "core/app/EditorProject.h"
#include "core/config/ConfigurationFile.h"
#include "core/config/Messages.h"
#include "core/document/Edits.h"
#include "core/settings/SettingsBoxes.h"
#include "core/settings/SettingsChecks.h"

#include <memory>

namespace vexa {
namespace {

SettingsOkResult refused(CheckResult refusal) {
    return {SettingsOkOutcome::Refused, std::move(refusal), false};
}

Refusal notWritten(const std::filesystem::path& file) {
    return {"「" + file.string() + "」に設定を書き込めません。設定は変更されていません。", msg::kTitleError,
            MessageIcon::Error, {}, -1, -1};
}

}  // namespace

SettingsOkResult RunSettingsOk(Document& document, const std::filesystem::path& configurationFile,
                               const SettingsDraft& opening, const SettingsDraft& draft, bool patternChanged,
                               UserDialogs& dialogs, const SettingsOkCalls& calls) {
    if (CheckResult refusal = CheckPatternTimes(draft.patterns))
        return refused(std::move(refusal));
    const auto showCardPath = [&] {
        if (calls.showField)
            calls.showField(kCardPathField);
    };
    if (CheckResult refusal = CheckCardDataFolder(draft.cardPath, dialogs, showCardPath))
        return refused(std::move(refusal));
    const bool clear = ClearsEditingContents(opening, draft);
    if (clear && !AskYesNo(dialogs, msg::kClearContentsQuestion))
        return {SettingsOkOutcome::Declined, std::nullopt, false};

    const auto busy = [&](bool on) {
        if (calls.busy)
            calls.busy(on);
    };
    busy(true);
    const Configuration configuration = ConfigurationAfterOk(document.configuration(), draft);
    if (!WriteSettings(configurationFile, configuration)) {
        busy(false);
        return refused(notWritten(configurationFile));
    }
    document.setConfiguration(configuration);
    const PatternTimes patterns = PatternTimesAfterOk(draft);
    const bool patternsDiffer = patternChanged && patterns != document.project().patterns;
    if (clear) {
        if (calls.newDataMake)
            calls.newDataMake();
        else
            NewDataMake(document);
        if (patternsDiffer)
            document.markModified();
    } else if (patternsDiffer) {
        EditPatternTimes(document, patterns);
    }
    if (calls.refreshVoiceCell)
        calls.refreshVoiceCell();
    busy(false);
    return {SettingsOkOutcome::Saved, std::nullopt, clear};
}

}  // namespace vexa
