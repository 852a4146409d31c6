#pragma once
// The mounts of this process as /proc/self/mountinfo lists them, and the one
// that holds a folder.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace vexa {

struct MountEntry {
    unsigned major = 0;
    unsigned minor = 0;
    std::string mountPoint;  // octal escapes ("\040") undone
    std::string options;     // per-mount options ("rw,nosuid,…")
    std::string type;        // "vfat", "fuse.fusefat", "ext4", …
    std::string source;      // "/dev/sdb1", or what the driver put there
    bool readOnly() const;
};

// The entries of a mountinfo text; lines that do not have its form are skipped.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// The mount holding the folder `path`: the entry of its device whose mount
// point is the longest leading part of the folder's real path; nullopt when
// none is found (or the folder cannot be asked).
std::optional<MountEntry> MountOf(const std::filesystem::path& path);
// The same, from a given table and the folder's device and real path.
std::optional<MountEntry> MountOf(const std::vector<MountEntry>& table, dev_t device,
                                  const std::filesystem::path& realPath);

}  // namespace vexa
