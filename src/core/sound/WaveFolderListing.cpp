#include "core/sound/WaveFolderListing.h"

#include <algorithm>

namespace vexa {
namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Names in the order a listing sorted by name shows them: without regard to
// case first, then by bytes, so that the order is total.
bool byName(const std::string& a, const std::string& b) {
    const auto less = [](char x, char y) { return lowerAscii(x) < lowerAscii(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less))
        return false;
    return a < b;
}

}  // namespace

bool HasWaveExtension(std::string_view name) {
    constexpr std::string_view kExtension = ".wav";
    if (name.size() <= kExtension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(),
                      [](char x, char y) { return lowerAscii(x) == y; });
}

std::vector<std::string> ListWaveFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (HasWaveExtension(name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), byName);
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const auto& name : names)
        paths.push_back((folder / name).string());
    return paths;
}

}  // namespace vexa
