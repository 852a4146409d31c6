#include "FolderContents.h"

#include "TestPaths.h"

namespace vexa::test {

std::map<std::string, std::string> folderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> contents;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        const std::string name = std::filesystem::relative(entry.path(), folder).string();
        if (entry.is_directory())
            contents[name + "/"] = "";
        else
            contents[name] = readBytes(entry.path());
    }
    return contents;
}

}  // namespace vexa::test
