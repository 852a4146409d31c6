#pragma once
// Private-profile (INI) files as the configuration files are kept: CP932 text
// with CR LF line ends, "[Section]" lines and "Key=Value" lines. Reading and
// writing follow the rules of the platform's private-profile operations, so
// that files written by other tools read the same here:
// - section and key names match without regard to ASCII case;
// - a missing file, section or key reads as the given default;
// - a value loses its surrounding blanks, then a pair of enclosing quotes;
// - a read into an N-byte buffer gives at most N-1 bytes of the value;
// - a write creates the file, the section or the key when missing and leaves
//   every other line as it was.
// Texts in this interface are UTF-8; the file holds them in CP932.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

class PrivateProfile {
public:
    // Buffer size meaning "no limit" for get().
    static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

    // No configuration file comes near this; a larger one is not read.
    static constexpr std::uint64_t kMaxFileBytes = 1024 * 1024;

    // Reads `file` once. A missing file gives an empty document. A file that
    // exists but cannot be read (no permission, a folder or a FIFO, more than
    // kMaxFileBytes) also reads as empty, but refuses save(), so that its
    // content is never replaced by what little we know of it.
    static PrivateProfile load(const std::filesystem::path& file);

    // The value of `key` in the first section named `section`, or `fallback`
    // (less trailing blanks) when the section or the key is missing. The value
    // ends at a NUL byte and holds at most bufferSize - 1 CP932 bytes, never
    // half of a double-byte character.
    std::string get(std::string_view section, std::string_view key, std::string_view fallback = {},
                     std::size_t bufferSize = kNoLimit) const;

    // Sets `key` in `section` to `value` (cut at a NUL, as a C string would
    // be), adding the key after the section's last key, or the section at the
    // end. A value that get() would not give back as it is (blanks at an end,
    // enclosing quotes) is written in double quotes. False, and nothing
    // changed, when a name is empty or any text would break the line
    // structure (a line break, "=" or "]" in a name, …).
    bool set(std::string_view section, std::string_view key, std::string_view value);

    // True when the first section named `section` holds `key`.
    bool has(std::string_view section, std::string_view key) const;

    // Writes the document to the file it was loaded from, in CP932 with CR LF,
    // through a temporary file in the same folder that then replaces it. False
    // when the file cannot be written (the old file then stays as it was).
    bool save() const;

    const std::filesystem::path& file() const { return file_; }
    bool readFailed() const { return readFailed_; }
    // Why the file could not be read ("読み取る権限がありません。"); "" when it was.
    const std::string& readProblem() const { return readProblem_; }

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        std::string raw;   // CP932, without its line end
        Kind kind = Kind::Other;
        std::string name;  // section or key name, trimmed and ASCII-folded
        std::size_t valueStart = 0;  // Key: offset just past "="
    };

    static Line parseLine(std::string raw);
    std::size_t findSection(std::string_view foldedName) const;  // npos when missing
    std::size_t sectionEnd(std::size_t header) const;             // index of the next section line
    std::size_t findKey(std::size_t header, std::string_view foldedName) const;

    std::filesystem::path file_;
    std::vector<Line> lines_;
    bool readFailed_ = false;
    std::string readProblem_;
};

// One read or one write of a single key, for callers that need no more.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view fallback = {},
                              std::size_t bufferSize = PrivateProfile::kNoLimit);
bool WriteProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

}  // namespace vexa
