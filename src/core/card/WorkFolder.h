#pragma once
// The hidden folder in which a card's new files are gathered before they go
// into the Card Folder. It lives on the Card Folder's file system, so that
// putting the files in place is a rename, and it is removed with whatever it
// still holds when the object goes.
#include <filesystem>
#include <string>

namespace vexa {

class WorkFolder {
public:
    // Creates ".<prefix>.vexa-XXXXXX" in `place`; problem() tells why not.
    WorkFolder(const std::filesystem::path& place, const std::string& prefix);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    bool created() const { return !path_.empty(); }
    const std::string& problem() const { return problem_; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::string problem_;
};

}  // namespace vexa
