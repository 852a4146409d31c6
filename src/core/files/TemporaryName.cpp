#include "core/files/TemporaryName.h"

#include "core/files/FolderAt.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kNameBytesInTemporary = 200;  // leaves room for the rest within NAME_MAX
constexpr std::string_view kMark = ".vexa-";
constexpr std::string_view kEnd = ".tmp";

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

bool ProcessHasEnded(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

std::string TemporaryName(std::string_view fileName, pid_t owner, unsigned serial) {
    return "." + std::string(fileName.substr(0, kNameBytesInTemporary)) + std::string(kMark) +
           std::to_string(owner) + "-" + std::to_string(serial) + std::string(kEnd);
}

std::optional<pid_t> TemporaryOwner(std::string_view name) {
    if (name.size() < 2 || name.front() != '.' || !name.ends_with(kEnd))
        return std::nullopt;
    name.remove_suffix(kEnd.size());
    const auto mark = name.rfind(kMark);
    if (mark == std::string_view::npos || mark == 0)
        return std::nullopt;
    const std::string_view numbers = name.substr(mark + kMark.size());
    const auto dash = numbers.find('-');
    if (dash == std::string_view::npos || !allDigits(numbers.substr(0, dash)) || !allDigits(numbers.substr(dash + 1)))
        return std::nullopt;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(numbers.data(), numbers.data() + dash, pid);
    if (error != std::errc() || pid <= 0)
        return std::nullopt;
    return pid;
}

void RemoveStaleTemporaries(const fs::path& folder) {
    const UniqueFd fd = OpenFolder(folder.empty() ? fs::path(".") : folder);
    if (fd)
        RemoveStaleTemporaries(fd.get());
}

void RemoveStaleTemporaries(int folder) {
    const pid_t self = ::getpid();
    for (const std::string& name : NamesIn(folder)) {
        const auto owner = TemporaryOwner(name);
        if (!owner || *owner == self || !ProcessHasEnded(*owner))
            continue;
        struct stat entry {};
        if (StatAt(folder, name, entry) && S_ISREG(entry.st_mode))
            ::unlinkat(folder, name.c_str(), 0);
    }
}

}  // namespace vexa
