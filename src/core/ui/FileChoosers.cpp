#include "core/ui/FileChoosers.h"

#include "core/config/Messages.h"
#include "core/text/TextRules.h"

#include <filesystem>

namespace vexa {
namespace {

constexpr std::size_t kMaxResultLength = 1024;

std::size_t characterCount(const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// Several files of one folder in the form SplitSelection takes apart.
std::string joinSelection(const std::vector<std::string>& paths) {
    std::string folder;
    SplitPath(paths.front(), folder);
    std::string result = folder + "/";
    for (const auto& path : paths) {
        std::string ignored;
        result += '\0';
        result += SplitPath(path, ignored);
    }
    return result;
}

}  // namespace

std::string NearestExistingFolder(const std::string& folder) {
    if (folder.empty())
        return {};
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(folder, ec);
    if (ec)
        return {};
    for (;;) {
        std::error_code missing;  // a part that does not exist is no error here
        if (std::filesystem::is_directory(path, missing))
            return path.string();
        if (!path.has_relative_path())
            return {};
        path = path.parent_path();
    }
}

std::string OpenFileDialog(UserDialogs& dialogs, bool multiple, const std::vector<std::string>& filters,
                           const std::string& initialFolder, const std::string& title) {
    FileChooserRequest request{title, NearestExistingFolder(initialFolder), filters, multiple};
    const std::vector<std::string> paths = dialogs.chooseFiles(request);
    if (paths.empty())
        return {};
    std::string result = paths.size() == 1 ? paths.front() : joinSelection(paths);
    if (characterCount(result) > kMaxResultLength) {
        dialogs.showMessage({"一度に選択できる数を超えています。\u3000\u3000", GetMsg(msg::kTitleConfirm),
                             MessageIcon::Warning, MessageButtons::Ok});
        return {};
    }
    return result;
}

std::string BrowseFolder(UserDialogs& dialogs, const std::string& initialFolder) {
    std::string folder = dialogs.chooseFolder(NearestExistingFolder(initialFolder));
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

}  // namespace vexa
