#include "core/config/PrivateProfile.h"

#include "core/files/FileReplacement.h"
#include "core/text/Cp932.h"

#include "core/files/InputFile.h"

#include <exception>
#include <optional>

namespace vexa {
namespace fs = std::filesystem;

namespace {

constexpr auto npos = std::string_view::npos;

// Bytes that start a double-byte CP932 character. Its second byte may be any
// of 0x40-0xFC, ASCII letters, "[" and "]" included, so byte scans skip it.
bool isLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimLeft(std::string_view t) {
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    return t;
}

std::string_view trimRight(std::string_view t) {
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    return t;
}

std::string_view trim(std::string_view t) { return trimRight(trimLeft(t)); }

std::string_view cutAtNul(std::string_view t) { return t.substr(0, std::min(t.find('\0'), t.size())); }

// The position of the single-byte character `c`, npos when there is none.
std::size_t findSingleByte(std::string_view t, char c) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == c)
            return i;
        if (isLeadByte(t[i]))
            ++i;
    }
    return npos;
}

// The name with ASCII letters in lower case; double-byte characters unchanged.
std::string foldName(std::string_view t) {
    std::string out(t);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (isLeadByte(out[i]))
            ++i;
        else if (out[i] >= 'A' && out[i] <= 'Z')
            out[i] = static_cast<char>(out[i] - 'A' + 'a');
    }
    return out;
}

// At most `maxBytes` bytes, ending before a double-byte character that would
// not fit whole.
std::string_view cutToBytes(std::string_view t, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < t.size()) {
        const std::size_t width = isLeadByte(t[i]) && i + 1 < t.size() ? 2 : 1;
        if (i + width > maxBytes)
            break;
        i += width;
    }
    return t.substr(0, i);
}

// A value wholly enclosed in a pair of the same quote loses the pair.
std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// The value as a line holds it so that reading gives it back: one with blanks
// at either end, or already enclosed in quotes, is put in double quotes, since
// the reader would otherwise strip them.
std::string quoteIfNeeded(std::string text) {
    const bool blankEnd = !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
    if (blankEnd || unquote(text).size() != text.size())
        return '"' + text + '"';
    return text;
}

bool hasLineBreak(std::string_view t) { return t.find_first_of("\r\n") != npos; }

}  // namespace

PrivateProfile::Line PrivateProfile::parseLine(std::string raw) {
    Line line;
    line.raw = std::move(raw);
    const std::string_view text = trimLeft(line.raw);
    if (text.empty() || text.front() == ';')
        return line;
    if (text.front() == '[') {
        std::string_view name = text.substr(1);
        name = name.substr(0, std::min(findSingleByte(name, ']'), name.size()));
        line.kind = Kind::Section;
        line.name = foldName(trim(name));
        return line;
    }
    const std::size_t eq = line.raw.find('=');  // "=" is never the second byte of a character
    if (eq == npos)
        return line;
    line.kind = Kind::Key;
    line.name = foldName(trim(std::string_view(line.raw).substr(0, eq)));
    line.valueStart = eq + 1;
    return line;
}

PrivateProfile PrivateProfile::load(const fs::path& file) {
    PrivateProfile profile;
    profile.file_ = file;
    InputFile in(file, kMaxFileBytes);
    if (in.problem() == InputProblem::Missing)
        return profile;
    const std::optional<std::string> read = in ? in.readAll() : std::nullopt;
    if (!read) {
        profile.readFailed_ = true;
        profile.readProblem_ = in.reason();
        return profile;
    }
    const std::string& content = *read;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == npos)
            end = content.size();
        std::string_view raw = std::string_view(content).substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        profile.lines_.push_back(parseLine(std::string(raw)));
        start = end + 1;
    }
    return profile;
}

std::size_t PrivateProfile::findSection(std::string_view foldedName) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && lines_[i].name == foldedName)
            return i;
    return npos;
}

std::size_t PrivateProfile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section)
        ++i;
    return i;
}

std::size_t PrivateProfile::findKey(std::size_t header, std::string_view foldedName) const {
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Key && lines_[i].name == foldedName)
            return i;
    return npos;
}

std::string PrivateProfile::get(std::string_view section, std::string_view key, std::string_view fallback,
                                std::size_t bufferSize) const {
    std::string value;
    bool found = false;
    const std::size_t header = findSection(foldName(trim(cp932::fromUtf8(section))));
    if (header != npos) {
        const std::size_t at = findKey(header, foldName(trim(cp932::fromUtf8(key))));
        if (at != npos) {
            const Line& line = lines_[at];
            value = unquote(trim(std::string_view(line.raw).substr(line.valueStart)));
            found = true;
        }
    }
    if (!found)
        value = trimRight(cp932::fromUtf8(fallback));
    if (bufferSize == 0)
        return {};
    return cp932::toUtf8(cutToBytes(cutAtNul(value), bufferSize - 1));
}

bool PrivateProfile::has(std::string_view section, std::string_view key) const {
    const std::size_t header = findSection(foldName(trim(cp932::fromUtf8(section))));
    return header != npos && findKey(header, foldName(trim(cp932::fromUtf8(key)))) != npos;
}

bool PrivateProfile::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName(trim(cp932::fromUtf8(section)));
    const std::string keyName(trim(cp932::fromUtf8(key)));
    const std::string text = quoteIfNeeded(cp932::fromUtf8(cutAtNul(value)));
    const auto badName = [](std::string_view name) {
        return name.empty() || name.find('\0') != npos || hasLineBreak(name);
    };
    if (badName(sectionName) || findSingleByte(sectionName, ']') != npos)
        return false;
    if (badName(keyName) || keyName.find('=') != npos || keyName.front() == '[' || keyName.front() == ';')
        return false;
    if (hasLineBreak(text))
        return false;

    const std::size_t header = findSection(foldName(sectionName));
    if (header == npos) {
        lines_.push_back(parseLine("[" + sectionName + "]"));
        lines_.push_back(parseLine(keyName + "=" + text));
        return true;
    }
    const std::size_t at = findKey(header, foldName(keyName));
    if (at != npos) {  // keep the key as the file spells it
        const Line& old = lines_[at];
        const std::string spelled(trim(std::string_view(old.raw).substr(0, old.valueStart - 1)));
        lines_[at] = parseLine(spelled + "=" + text);
        return true;
    }
    std::size_t insertAt = header + 1;
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i)
        if (lines_[i].kind == Kind::Key)
            insertAt = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), parseLine(keyName + "=" + text));
    return true;
}

bool PrivateProfile::save() const {
    if (readFailed_)
        return false;
    try {
        std::string bytes;
        for (const Line& line : lines_) {
            bytes += line.raw;
            bytes += "\r\n";
        }
        return ReplaceFileContents(file_, bytes).ok();
    } catch (const std::exception&) {  // out of memory: report, never throw at the caller
        return false;
    }
}

std::string ReadProfileString(const fs::path& file, std::string_view section, std::string_view key,
                              std::string_view fallback, std::size_t bufferSize) {
    return PrivateProfile::load(file).get(section, key, fallback, bufferSize);
}

bool WriteProfileString(const fs::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    try {
        PrivateProfile profile = PrivateProfile::load(file);
        return profile.set(section, key, value) && profile.save();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace vexa
