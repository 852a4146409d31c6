#include "core/card/CardFolder.h"

#include <system_error>

namespace vexa {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::filesystem::path CardFolderPath(std::string_view cardPath, std::string_view folder) {
    std::string path(cardPath);
    if (!trimmed(cardPath).ends_with('/'))
        path += '/';
    return path + std::string(folder);
}

std::string ControlFileName(std::string_view cardName) { return std::string(cardName) + ".vxa"; }

std::vector<CardSound> CardSounds(const Project& project) {
    std::vector<CardSound> sounds;
    if (!project.soundPresent)
        return sounds;
    for (const SoundEntry& entry : project.sounds)
        if (!entry.fileName.empty())
            sounds.push_back({entry.fileName, entry.sourcePath});
    return sounds;
}

std::uint64_t TotalSoundBytes(const Project& project) {
    std::uint64_t total = 0;
    for (const CardSound& sound : CardSounds(project)) {
        std::error_code error;
        const auto size = std::filesystem::file_size(sound.source, error);
        if (!error)
            total += size;
    }
    return total;
}

}  // namespace vexa
