#include "core/cardcheck/FileComparison.h"

#include "core/files/InputFile.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>

namespace vexa {
namespace {

constexpr std::size_t kBlockBytes = 1 << 20;

// Reads until `count` bytes or the end; -1 on an error.
long readFull(InputFile& file, char* buffer, std::size_t count) {
    std::size_t got = 0;
    while (got < count) {
        const long n = file.read(buffer + got, count - got);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<long>(got);
}

}  // namespace

FileComparison::FileComparison(Progress& progress, std::uint64_t totalBytes)
    : progress_(progress),
      total_(std::max<std::uint64_t>(totalBytes, 1)),
      first_(std::make_unique<char[]>(kBlockBytes)),
      second_(std::make_unique<char[]>(kBlockBytes)) {}

FileComparison::~FileComparison() = default;

void FileComparison::advance(std::uint64_t bytes) {
    done_ = std::min(done_ + bytes, total_);
    progress_.setValue(static_cast<int>(done_ * 100 / total_));
}

ComparisonResult FileComparison::compare(const std::filesystem::path& source, int folder, const std::string& name) {
    InputFile original(source);
    if (!original)
        return {ComparisonOutcome::Unreadable, "元のファイル「" + source.string() + "」を読めません：" + original.reason()};
    InputFile copy(folder, name);
    if (!copy)
        return {ComparisonOutcome::Unreadable, "読めません：" + copy.reason()};
    if (original.size() != copy.size())
        return {ComparisonOutcome::Different, "大きさが元のファイル（" + std::to_string(original.size()) +
                                                  " バイト）と違います：" + std::to_string(copy.size()) + " バイト。"};
    ::posix_fadvise(original.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
    ::posix_fadvise(copy.fd(), 0, 0, POSIX_FADV_DONTNEED);
    ::posix_fadvise(copy.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
    std::uint64_t offset = 0;
    for (;;) {
        if (progress_.stopRequested())
            return {ComparisonOutcome::Stopped, {}};
        const long a = readFull(original, first_.get(), kBlockBytes);
        if (a < 0)
            return {ComparisonOutcome::Unreadable, "元のファイル「" + source.string() + "」を読めません：" + original.reason()};
        const long b = readFull(copy, second_.get(), kBlockBytes);
        if (b < 0)
            return {ComparisonOutcome::Unreadable, "読めません：" + copy.reason()};
        const std::size_t common = static_cast<std::size_t>(std::min(a, b));
        if (std::memcmp(first_.get(), second_.get(), common) != 0 || a != b) {
            const auto at = std::mismatch(first_.get(), first_.get() + common, second_.get()).first - first_.get();
            return {ComparisonOutcome::Different, "内容が元のファイル「" + source.string() + "」と違います（" +
                                                      std::to_string(offset + static_cast<std::uint64_t>(at)) +
                                                      " バイト目から）。"};
        }
        advance(static_cast<std::uint64_t>(a) * 2);
        if (a == 0)
            return {ComparisonOutcome::Same, {}};
        offset += static_cast<std::uint64_t>(a);
    }
}

}  // namespace vexa
