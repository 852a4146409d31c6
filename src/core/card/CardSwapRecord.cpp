#include "core/card/CardSwapRecord.h"

#include "core/card/CardFolderName.h"
#include "core/files/FileFaults.h"
#include "core/files/FolderAt.h"
#include "core/files/InputFile.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa {
namespace {

constexpr std::string_view kHeader = "vexa-card-swap 1";
constexpr std::string_view kEnd = "end";
constexpr std::size_t kLargestRecord = 1 << 20;  // 255 names and a few lines need a few kilobytes

std::optional<std::uint64_t> number(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::string CardSwapRecordText(const CardSwapRecord& record) {
    std::string text(kHeader);
    text += "\nmethod ";
    text += record.method == CardSwapRecord::Method::Exchange ? "exchange" : "files";
    text += "\ncard " + record.cardFolder;
    text += "\nset " + std::to_string(record.device) + " " + std::to_string(record.inode);
    for (const std::string& name : record.newFiles)
        text += "\nnew " + name;
    text += "\n";
    text += kEnd;
    text += "\n";
    return text;
}

std::optional<CardSwapRecord> ParseCardSwapRecord(std::string_view text) {
    CardSwapRecord record;
    bool header = false, method = false, card = false, set = false, end = false;
    while (!text.empty() && !end) {
        const auto newline = text.find('\n');
        if (newline == std::string_view::npos)
            return std::nullopt;  // cut short
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        if (!header) {
            if (line != kHeader)
                return std::nullopt;
            header = true;
            continue;
        }
        if (line == kEnd) {
            end = true;
            continue;
        }
        const auto space = line.find(' ');
        if (space == std::string_view::npos)
            return std::nullopt;
        const std::string_view key = line.substr(0, space);
        const std::string_view value = line.substr(space + 1);
        if (key == "method") {
            if (value != "exchange" && value != "files")
                return std::nullopt;
            record.method = value == "exchange" ? CardSwapRecord::Method::Exchange : CardSwapRecord::Method::FileByFile;
            method = true;
        } else if (key == "card") {
            if (value != "." && !IsPlainName(value))
                return std::nullopt;
            record.cardFolder = value;
            card = true;
        } else if (key == "set") {
            const auto gap = value.find(' ');
            const auto device = gap == std::string_view::npos ? std::nullopt : number(value.substr(0, gap));
            const auto inode = gap == std::string_view::npos ? std::nullopt : number(value.substr(gap + 1));
            if (!device || !inode)
                return std::nullopt;
            record.device = *device;
            record.inode = *inode;
            set = true;
        } else if (key == "new") {
            if (!IsPlainName(value))
                return std::nullopt;
            record.newFiles.emplace_back(value);
        } else {
            return std::nullopt;
        }
    }
    if (!end || !method || !card || !set || record.newFiles.empty())
        return std::nullopt;
    if (record.method == CardSwapRecord::Method::Exchange && record.cardFolder == ".")
        return std::nullopt;
    return record;
}

bool WriteCardSwapRecord(int folder, const std::string& name, const CardSwapRecord& record) {
    const std::string temporary = name + ".new";
    ::unlinkat(folder, temporary.c_str(), 0);
    const UniqueFd fd(::openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd)
        return false;
    bool ok = writeAll(fd.get(), CardSwapRecordText(record));
    if (const int fault = TakeFileFault(FileCall::Sync); ok && fault != 0) {
        errno = fault;
        ok = false;
    }
    ok = ok && ::fsync(fd.get()) == 0 && ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ::unlinkat(folder, temporary.c_str(), 0);
        errno = error;
        return false;
    }
    SyncFolder(folder);
    return true;
}

std::optional<CardSwapRecord> ReadCardSwapRecord(int folder, const std::string& name) {
    InputFile file(folder, name, kLargestRecord);
    const auto text = file ? file.readAll() : std::nullopt;
    if (!text)
        return std::nullopt;
    return ParseCardSwapRecord(*text);
}

}  // namespace vexa
