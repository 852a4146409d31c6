#include "core/wavetools/ToolsChoosers.h"

#include "core/ui/FileChoosers.h"

#include <filesystem>

namespace vexa {

std::string SelectFile(UserDialogs& dialogs, const std::string& lastFile) {
    FileChooserRequest request{"ファイルを開く", NearestExistingFolder(lastFile), {"WAVE ファイル|*.wav"}, false, false};
    const std::vector<std::string> chosen = dialogs.chooseFiles(request);
    if (chosen.empty())
        return {};
    std::error_code ec;
    if (!std::filesystem::is_directory(std::filesystem::path(chosen.front()).parent_path(), ec))
        return {};
    return chosen.front();
}

std::string ToolsChoosers::chooseForConversion(ConversionMode mode, UserDialogs& dialogs) {
    if (mode == ConversionMode::File) {
        std::string file = SelectFile(dialogs, lastFile_);
        if (!file.empty())
            lastFile_ = file;
        return file;
    }
    std::string folder = BrowseFolder(dialogs, lastFolder_);
    if (!folder.empty())
        lastFolder_ = folder;
    return folder;
}

std::string ToolsChoosers::chooseSilentFile(UserDialogs& dialogs) const { return SelectFile(dialogs, lastFile_); }

}  // namespace vexa
