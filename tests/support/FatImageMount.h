#pragma once
// A FAT image made with mkfs.fat and mounted read-write with fusefat for the
// life of the object: a real, misbehaving card file system for tests (its
// folder rename loses the folder's contents). Where the tools or FUSE are
// missing, mounted() is false and reason() says why, for the skip message.
#include <filesystem>
#include <string>

namespace vexa::test {

class FatImageMount {
public:
    // Makes `image` of `megabytes` with `mkfs.fat -F fatBits` and mounts it on `folder` (created).
    FatImageMount(std::filesystem::path image, std::filesystem::path folder, int megabytes = 48, int fatBits = 16);
    ~FatImageMount();
    FatImageMount(const FatImageMount&) = delete;
    FatImageMount& operator=(const FatImageMount&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& folder() const { return folder_; }
    // Unmounts and mounts again, so that what is read comes from the image.
    bool remount();

private:
    bool mount();
    void unmount();

    std::filesystem::path image_;
    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string reason_;
};

}  // namespace vexa::test
