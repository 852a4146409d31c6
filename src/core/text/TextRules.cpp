#include "core/text/TextRules.h"

#include "core/text/Cp932.h"
#include "core/text/NumberFormat.h"

#include <algorithm>

namespace vexa {
namespace {

constexpr char kSeparator = '/';
constexpr std::string_view kForbiddenInFileName = ":?*|/\\><][)(-";

// Number of characters (code points) of a UTF-8 text.
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::size_t ByteLength(std::string_view text) {
    return cp932::isAscii(text) ? text.size() : cp932::fromUtf8(text).size();
}

bool HasWideChar(std::string_view text) { return characterCount(text) != ByteLength(text); }

std::string RightBytes(std::string_view text, std::size_t n) {
    const std::string bytes = cp932::fromUtf8(text);
    if (n >= bytes.size())
        return cp932::toUtf8(bytes);
    return cp932::toUtf8(std::string_view(bytes).substr(bytes.size() - n));
}

std::string IfEmpty(std::string_view text, std::string_view fallback) {
    return std::string(text.empty() ? fallback : text);
}

std::string CutAtNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

bool IsValidFileName(std::string_view text) {
    return text.find_first_of(kForbiddenInFileName) == std::string_view::npos;
}

std::string SplitPath(std::string_view path, std::string& folder) {
    const auto pos = path.rfind(kSeparator);
    if (pos == std::string_view::npos) {
        folder.clear();
        return std::string(path);
    }
    folder.assign(path.substr(0, pos));
    return std::string(path.substr(pos + 1));
}

std::size_t SplitSelection(std::string_view selection, std::vector<std::string>& list) {
    list.clear();
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const auto nul = selection.find('\0', start);
        parts.push_back(selection.substr(start, nul == std::string_view::npos ? nul : nul - start));
        if (nul == std::string_view::npos)
            break;
        start = nul + 1;
    }
    // Entries are the non-empty parts after the folder part.
    std::vector<std::string_view> names;
    for (std::size_t i = 1; i < parts.size(); ++i)
        if (!parts[i].empty())
            names.push_back(parts[i]);
    if (names.size() <= 1) {
        list.emplace_back(parts.front());
        return 1;
    }
    for (auto name : names)
        list.push_back(std::string(parts.front()) + std::string(name));
    return list.size();
}

std::string NormalizeNumberBox(std::string_view text, double minimum, double maximum,
                               std::string_view pattern) {
    if (text.empty())
        return numfmt::format(minimum, pattern);
    const auto value = numfmt::parseNumber(text);
    if (!value)
        return std::string(text);
    return numfmt::format(std::clamp(*value, minimum, maximum), pattern);
}

}  // namespace vexa
