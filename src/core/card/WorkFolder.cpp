#include "core/card/WorkFolder.h"

#include "core/files/FolderAt.h"
#include "core/files/WriteResult.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa {
namespace {

constexpr std::string_view kMark = ".vexa-";
constexpr std::string_view kRecordEnd = ".swap";
constexpr std::size_t kUniqueLength = 6;
constexpr int kAttempts = 100;

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string uniqueText(std::mt19937& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string text;
    for (std::size_t i = 0; i < kUniqueLength; ++i)
        text += kLetters[pick(random)];
    return text;
}

}  // namespace

std::string WorkFolderName(std::string_view cardFolder, pid_t owner, std::string_view unique) {
    return "." + std::string(cardFolder) + std::string(kMark) + std::to_string(owner) + "-" + std::string(unique);
}

std::optional<pid_t> WorkFolderOwner(std::string_view name) {
    if (name.size() < 2 || name.front() != '.')
        return std::nullopt;
    const auto mark = name.rfind(kMark);
    if (mark == std::string_view::npos || mark == 0)
        return std::nullopt;
    const std::string_view rest = name.substr(mark + kMark.size());
    const auto dash = rest.find('-');
    if (dash == std::string_view::npos || !allDigits(rest.substr(0, dash)) ||
        rest.size() - dash - 1 != kUniqueLength)
        return std::nullopt;
    for (const char c : rest.substr(dash + 1))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return std::nullopt;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + dash, pid);
    if (error != std::errc() || pid <= 0)
        return std::nullopt;
    return pid;
}

std::string SwapRecordName(std::string_view workFolder) { return std::string(workFolder) + std::string(kRecordEnd); }

std::optional<std::string> WorkFolderOfRecord(std::string_view name) {
    if (!name.ends_with(kRecordEnd))
        return std::nullopt;
    name.remove_suffix(kRecordEnd.size());
    if (!WorkFolderOwner(name))
        return std::nullopt;
    return std::string(name);
}

WorkFolder::WorkFolder(int place, const std::filesystem::path& shownPlace, std::string_view cardFolder)
    : place_(place) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string name = WorkFolderName(cardFolder, ::getpid(), uniqueText(random));
        if (::mkdirat(place, name.c_str(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            problem_ = WriteResult::fromError(errno, shownPlace).message;
            return;
        }
        fd_ = OpenSubFolder(place, name);
        if (!fd_) {
            problem_ = WriteResult::fromError(errno, shownPlace).message;
            ::unlinkat(place, name.c_str(), AT_REMOVEDIR);
            return;
        }
        name_ = name;
        return;
    }
    problem_ = WriteResult::fromError(EEXIST, shownPlace).message;
}

WorkFolder::~WorkFolder() {
    if (name_.empty() || handedOver_)
        return;
    fd_.reset();
    RemoveTreeAt(place_, name_);  // a leftover hidden folder is all a failure here leaves
}

}  // namespace vexa
