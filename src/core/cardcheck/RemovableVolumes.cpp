#include "core/cardcheck/RemovableVolumes.h"

#include "core/files/InputFile.h"

#include <cstdio>
#include <set>

namespace vexa {
namespace {

namespace fs = std::filesystem;

std::string firstLine(const fs::path& file) {
    InputFile input(file, 4096);
    auto text = input ? input.readAll() : std::nullopt;
    if (!text)
        return {};
    return text->substr(0, text->find('\n'));
}

std::uint64_t sectorsToBytes(const std::string& text) {
    try {
        return std::stoull(text) * 512;
    } catch (const std::exception&) {
        return 0;
    }
}

// "MY\x20CARD" → "MY CARD", as udev escapes label names.
std::string unescapedLabel(const std::string& name) {
    std::string text;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "\\x") == 0 && i + 3 < name.size()) {
            text += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            text += name[i];
        }
    }
    return text;
}

std::string labelOf(const fs::path& byLabel, const std::string& device) {
    std::error_code error;
    for (fs::directory_iterator it(byLabel, error), end; !error && it != end; it.increment(error)) {
        const fs::path target = fs::read_symlink(it->path(), error);
        if (!error && target.filename() == device)
            return unescapedLabel(it->path().filename().string());
        error.clear();
    }
    return {};
}

// The disk holding the block device `name` ("sdb1" → "sdb"), "" when none.
std::string diskOf(const fs::path& sysBlock, const std::string& name) {
    std::error_code error;
    if (fs::is_directory(sysBlock / name, error))
        return name;
    for (fs::directory_iterator it(sysBlock, error), end; !error && it != end; it.increment(error))
        if (fs::is_directory(it->path() / name, error))
            return it->path().filename().string();
    return {};
}

}  // namespace

std::vector<Volume> ListRemovableVolumes(const std::vector<MountEntry>& mounts, const SystemFolders& folders,
                                         VolumeService* service) {
    std::vector<Volume> volumes;
    if (service != nullptr && service->available()) {
        for (Volume& volume : service->volumes())
            if (volume.removable && !volume.mountPoints.empty())
                volumes.push_back(std::move(volume));
        return volumes;
    }
    std::set<std::string> seen;
    for (const MountEntry& mount : mounts) {
        if (!mount.source.starts_with("/dev/") || !seen.insert(mount.source).second)
            continue;
        const std::string name = fs::path(mount.source).filename().string();
        const std::string disk = diskOf(folders.sysBlock, name);
        if (disk.empty())
            continue;
        const bool removable = firstLine(folders.sysBlock / disk / "removable") == "1" || disk.starts_with("mmcblk");
        if (!removable)
            continue;
        Volume volume;
        volume.device = mount.source;
        volume.removable = true;
        volume.idType = mount.type;
        volume.mountPoints = {mount.mountPoint};
        const fs::path sizeFile = disk == name ? folders.sysBlock / disk / "size" : folders.sysBlock / disk / name / "size";
        volume.sizeBytes = sectorsToBytes(firstLine(sizeFile));
        volume.label = labelOf(folders.byLabel, name);
        volumes.push_back(std::move(volume));
    }
    return volumes;
}

std::vector<Volume> ListRemovableVolumes(VolumeService* service) {
    InputFile file("/proc/self/mountinfo", 16 * 1024 * 1024);
    const auto text = file ? file.readAll() : std::nullopt;
    return ListRemovableVolumes(text ? ParseMountInfo(*text) : std::vector<MountEntry>{}, SystemFolders{}, service);
}

std::string VolumeText(const Volume& volume) {
    char size[32];
    std::snprintf(size, sizeof size, "%.1f MB", static_cast<double>(volume.sizeBytes) / (1024.0 * 1024.0));
    std::string text = volume.mountPoints.empty() ? volume.device : volume.mountPoints.front();
    text += "（";
    if (!volume.label.empty())
        text += volume.label + "、";
    text += size;
    text += "、" + volume.idType + (volume.idVersion.empty() ? "" : " " + volume.idVersion) + "、" + volume.device + "）";
    return text;
}

}  // namespace vexa
