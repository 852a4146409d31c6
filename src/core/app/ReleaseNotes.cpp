#include "core/app/ReleaseNotes.h"

#include "core/files/InputFile.h"
#include "core/text/Cp932.h"

namespace vexa {
namespace {
// Release notes are a few kilobytes; more is not shown.
constexpr std::uint64_t kMaxReleaseNotesBytes = 1024 * 1024;
}  // namespace

std::string ReleaseNotesText(const std::filesystem::path& file) {
    InputFile in(file, kMaxReleaseNotesBytes);
    const auto bytes = in ? in.readAll() : std::nullopt;
    if (!bytes)
        return {};
    std::string text;
    std::size_t start = 0;
    while (start < bytes->size()) {
        std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos)
            end = bytes->size();
        std::string_view line = std::string_view(*bytes).substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        text += (start == 0 ? "" : "\n") + cp932::toUtf8(line);
        start = end + 1;
    }
    return text;
}

}  // namespace vexa
