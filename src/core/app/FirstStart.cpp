#include "core/app/FirstStart.h"

#include "core/config/ConfigurationFile.h"
#include "core/files/FileReplacement.h"
#include "core/text/TextRules.h"

#include <system_error>

namespace vexa {
namespace fs = std::filesystem;
namespace {

// The record holds a line for people who find it; only its existence counts.
bool createRecord(const fs::path& record, const std::string& cardPath) {
    std::error_code ec;
    if (record.has_parent_path())
        fs::create_directories(record.parent_path(), ec);
    return ReplaceFileContents(record, "CardPath written on the first start: " + cardPath + "\n").ok();
}

}  // namespace

std::string DefaultCardPath(std::string_view documentsFolder) {
    return CutAtNul(documentsFolder) + "/VexaEditor CardData";
}

FirstStartResult RunFirstStart(const fs::path& record, const fs::path& configurationFile,
                               std::string_view documentsFolder) {
    std::error_code ec;
    if (fs::exists(record, ec) || ec)
        return FirstStartResult::AlreadyDone;
    const std::string cardPath = DefaultCardPath(documentsFolder);
    if (!WriteConfigurationValue(configurationFile, kSystemSection, "CardPath", cardPath))
        return FirstStartResult::Failed;
    // Cards are made there; the Load chooser opens there from the start. Only
    // inside an existing documents folder: nothing is made elsewhere, and a
    // folder not made now is made by the first card creation.
    if (!CutAtNul(documentsFolder).empty())
        fs::create_directory(cardPath, ec);
    // A record that cannot be created only means the next start writes again.
    createRecord(record, cardPath);
    return FirstStartResult::Written;
}

}  // namespace vexa
