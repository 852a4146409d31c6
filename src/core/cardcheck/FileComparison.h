#pragma once
// Compares a source file with its copy in an open folder, in blocks of 1 MiB
// read from both in turn, so memory stays bounded whatever their size. The
// copy's pages are dropped from the computer's cache first, so that it is
// read from the medium (where the kernel allows). Progress runs over the
// bytes of all comparisons of one check.
#include "core/ui/Progress.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace vexa {

enum class ComparisonOutcome { Same, Different, Unreadable, Stopped };

struct ComparisonResult {
    ComparisonOutcome outcome = ComparisonOutcome::Same;
    std::string text;  // what differs or cannot be read, for the copy's finding
};

class FileComparison {
public:
    // `totalBytes`: the bytes all comparisons will read together, for the bar.
    FileComparison(Progress& progress, std::uint64_t totalBytes);
    ~FileComparison();

    ComparisonResult compare(const std::filesystem::path& source, int folder, const std::string& name);

private:
    void advance(std::uint64_t bytes);

    Progress& progress_;
    std::uint64_t total_;
    std::uint64_t done_ = 0;
    std::unique_ptr<char[]> first_;
    std::unique_ptr<char[]> second_;
};

}  // namespace vexa
