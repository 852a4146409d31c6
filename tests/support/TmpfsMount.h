#pragma once
// A small tmpfs mounted on a folder for the life of the object, for tests of
// a full file system. Mounting needs root (CAP_SYS_ADMIN); where
// it is not permitted, mounted() is false and reason() says why, for the
// test's skip message.
#include <filesystem>
#include <string>

namespace vexa::test {

class TmpfsMount {
public:
    // `options` as mount -o takes them: "size=1m", "size=4m,nr_inodes=8".
    TmpfsMount(std::filesystem::path folder, const std::string& options);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    // Remounts it read-only, for tests of a place that cannot be written.
    bool makeReadOnly() const;

private:
    std::filesystem::path folder_;
    std::string options_;
    bool mounted_ = false;
    std::string reason_;
};

}  // namespace vexa::test
