#include "core/cardcheck/MountTable.h"

#include "core/files/InputFile.h"

#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace vexa {
namespace {

std::string unescaped(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            field.substr(i + 1, 3).find_first_not_of("01234567") == std::string_view::npos) {
            text += static_cast<char>(std::stoi(std::string(field.substr(i + 1, 3)), nullptr, 8));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> parts;
    std::istringstream in(line);
    for (std::string part; in >> part;)
        parts.push_back(part);
    return parts;
}

bool isLeadingPart(const std::string& mountPoint, const std::string& path) {
    if (mountPoint == "/")
        return true;
    return path == mountPoint || (path.starts_with(mountPoint) && path[mountPoint.size()] == '/');
}

}  // namespace

bool MountEntry::readOnly() const {
    std::istringstream in(options);
    for (std::string option; std::getline(in, option, ',');)
        if (option == "ro")
            return true;
    return false;
}

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
    std::vector<MountEntry> table;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) {
        const std::vector<std::string> parts = fields(line);
        std::size_t dash = 6;
        while (dash < parts.size() && parts[dash] != "-")
            ++dash;
        if (parts.size() < 7 || dash + 2 >= parts.size())
            continue;
        MountEntry entry;
        const std::string& device = parts[2];
        const auto colon = device.find(':');
        if (colon == std::string::npos)
            continue;
        try {
            entry.major = static_cast<unsigned>(std::stoul(device.substr(0, colon)));
            entry.minor = static_cast<unsigned>(std::stoul(device.substr(colon + 1)));
        } catch (const std::exception&) {
            continue;
        }
        entry.mountPoint = unescaped(parts[4]);
        entry.options = parts[5];
        entry.type = parts[dash + 1];
        entry.source = unescaped(parts[dash + 2]);
        table.push_back(std::move(entry));
    }
    return table;
}

std::optional<MountEntry> MountOf(const std::vector<MountEntry>& table, dev_t device,
                                  const std::filesystem::path& realPath) {
    std::optional<MountEntry> best;
    const std::string path = realPath.string();
    for (const MountEntry& entry : table) {
        if (entry.major != ::major(device) || entry.minor != ::minor(device) || !isLeadingPart(entry.mountPoint, path))
            continue;
        if (!best || entry.mountPoint.size() >= best->mountPoint.size())
            best = entry;
    }
    return best;
}

std::optional<MountEntry> MountOf(const std::filesystem::path& path) {
    struct stat info {};
    std::error_code error;
    const auto real = std::filesystem::canonical(path, error);
    if (error || ::stat(real.c_str(), &info) != 0)
        return std::nullopt;
    InputFile file("/proc/self/mountinfo", 16 * 1024 * 1024);
    const auto text = file ? file.readAll() : std::nullopt;
    if (!text)
        return std::nullopt;
    return MountOf(ParseMountInfo(*text), info.st_dev, real);
}

}  // namespace vexa
