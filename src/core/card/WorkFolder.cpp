#include "card/WorkFolder.h"

#include "files/WriteResult.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace vexa {

WorkFolder::WorkFolder(const std::filesystem::path& place, const std::string& prefix) {
    std::string pattern = (place / ("." + prefix + ".vexa-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr) {
        problem_ = WriteResult::fromError(errno, place).message;
        return;
    }
    path_ = name.data();
}

WorkFolder::~WorkFolder() {
    if (path_.empty())
        return;
    std::error_code ignored;  // a leftover hidden folder is all a failure here leaves
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace vexa
