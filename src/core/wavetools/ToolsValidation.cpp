#include "core/wavetools/ToolsValidation.h"

#include "core/config/Messages.h"
#include "core/files/MakeDir.h"
#include "core/ui/Refusal.h"
#include "core/wavetools/ConversionChecks.h"
#include "core/wavetools/FolderChecks.h"
#include "core/wavetools/SilenceChecks.h"
#include "core/wavetools/ToolsFields.h"

#include <exception>
#include <filesystem>
#include <functional>

namespace vexa {
namespace {

const ToolsValidation kPassed{true, {}};

ToolsValidation refused(UserDialogs& dialogs, const Refusal& refusal) {
    ShowRefusal(dialogs, refusal);
    return {false, refusal.field};
}

ToolsValidation silentlyAt(const char* field) { return {false, field}; }

// Runs the checks; anything thrown on the way is an input that could not be
// checked.
ToolsValidation guarded(UserDialogs& dialogs, const std::function<ToolsValidation()>& checks) {
    try {
        return checks();
    } catch (const std::exception&) {
        return refused(dialogs, Refusal::warning(msg::kEntryInvalid));
    }
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// Offers to make a missing output folder; passed once it exists.
ToolsValidation offerOutputFolder(const std::string& output, UserDialogs& dialogs) {
    if (isFolder(output))
        return kPassed;
    const MessageAnswer answer = dialogs.showMessage(
        {CreateFolderQuestion(), GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return silentlyAt(tools_field::kOutput);
    if (!MakeDir(output))
        return refused(dialogs, FolderNotMade());
    return kPassed;
}

}  // namespace

ToolsValidation ValidateFileConversion(const std::string& source, const std::string& output, UserDialogs& dialogs) {
    return guarded(dialogs, [&] {
        if (const CheckResult entries = CheckFileEntries(source, output))
            return refused(dialogs, *entries);
        if (!ConfirmOverwrite(output, dialogs))
            return silentlyAt(tools_field::kOutput);
        return kPassed;
    });
}

ToolsValidation ValidateFolderConversion(const std::string& source, const std::string& output,
                                         UserDialogs& dialogs) {
    return guarded(dialogs, [&] {
        if (const CheckResult entries = CheckFolderEntries(source, output))
            return refused(dialogs, *entries);
        if (const ToolsValidation folder = offerOutputFolder(output, dialogs); !folder.passed)
            return folder;
        if (const CheckResult sources = CheckFolderSources(source, output))
            return refused(dialogs, *sources);
        return kPassed;
    });
}

ToolsValidation ValidateSilence(const std::string& minutes, const std::string& seconds, const std::string& output,
                                UserDialogs& dialogs) {
    return guarded(dialogs, [&] {
        if (const CheckResult entries = CheckSilenceEntries(minutes, seconds, output))
            return refused(dialogs, *entries);
        if (!ConfirmOverwrite(output, dialogs))
            return silentlyAt(tools_field::kSilentFile);
        return kPassed;
    });
}

}  // namespace vexa
