#include "TmpfsMount.h"

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace vexa::test {

TmpfsMount::TmpfsMount(std::filesystem::path folder, const std::string& options)
    : folder_(std::move(folder)), options_(options) {
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options_.c_str()) == 0) {
        mounted_ = true;
        return;
    }
    reason_ = "cannot mount a tmpfs on " + folder_.string() + " (" + std::strerror(errno) +
              "): needs root; the case is not run";
}

bool TmpfsMount::makeReadOnly() const {
    return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

TmpfsMount::~TmpfsMount() {
    if (mounted_)
        ::umount2(folder_.c_str(), MNT_DETACH);
}

}  // namespace vexa::test
