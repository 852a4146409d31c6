#include "FatImageMount.h"

#include "core/cardcheck/MountTable.h"

#include <cstdlib>
#include <thread>

namespace vexa::test {
namespace {

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

bool run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

}  // namespace

FatImageMount::FatImageMount(std::filesystem::path image, std::filesystem::path folder, int megabytes, int fatBits)
    : image_(std::move(image)), folder_(std::move(folder)) {
    for (const char* tool : {"mkfs.fat", "fusefat", "fusermount"})
        if (!run(std::string("command -v ") + tool)) {
            reason_ = std::string(tool) + " is not installed (packages dosfstools, fusefat, fuse3)";
            return;
        }
    std::filesystem::create_directories(folder_);
    if (!run("truncate -s " + std::to_string(megabytes) + "M " + quoted(image_) + " && mkfs.fat -F " +
             std::to_string(fatBits) + " " + quoted(image_))) {
        reason_ = "mkfs.fat could not make " + image_.string();
        return;
    }
    mount();
}

FatImageMount::~FatImageMount() { unmount(); }

bool FatImageMount::mount() {
    if (!run("fusefat -o rw+ " + quoted(image_) + " " + quoted(folder_))) {
        reason_ = "fusefat could not mount the image (FUSE needs /dev/fuse and root)";
        return false;
    }
    const auto entry = MountOf(folder_);
    mounted_ = entry && entry->type == "fuse.fusefat";
    if (!mounted_)
        reason_ = "fusefat returned but no fuse.fusefat mount is on " + folder_.string();
    return mounted_;
}

void FatImageMount::unmount() {
    if (!mounted_)
        return;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (run("fusermount -u " + quoted(folder_)))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    mounted_ = false;
}

bool FatImageMount::remount() {
    unmount();
    return mount();
}

}  // namespace vexa::test
