#include "core/import/ImportName.h"

#include "core/sound/WaveFolderListing.h"
#include "core/sound/WaveInspection.h"

#include <cstdio>

namespace vexa {
namespace {

constexpr std::size_t kBaseLength = 8;
constexpr const char* kExtension = ".WAV";
constexpr const char* kNothingUsable = "VOICE";

bool isAsciiAlnum(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string numbered(const std::string& prefix, unsigned number, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*u", digits, number);
    return prefix + text + kExtension;
}

}  // namespace

void TakenNames::add(const std::string& name) { names_.insert(AsciiUpper(name)); }

bool TakenNames::contains(const std::string& name) const { return names_.count(AsciiUpper(name)) > 0; }

void TakenNames::addFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        add(it->path().filename().string());
}

void TakenNames::addAll(const std::vector<std::string>& names) {
    for (const auto& name : names)
        add(name);
}

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string ProposeImportName(const std::filesystem::path& source, const TakenNames& taken) {
    std::string base;
    for (const char c : source.stem().string())
        if (isAsciiAlnum(c) && base.size() < kBaseLength)
            base.push_back(c);
    base = AsciiUpper(base);
    if (!base.empty() && !taken.contains(base + kExtension))
        return base + kExtension;
    // A counter in the last places: HELLO001, ANNOU001, VOICE001, …; more
    // places once every number of fewer places is taken.
    const std::string stem = base.empty() ? kNothingUsable : base;
    unsigned limit = 1000;
    for (int digits = 3; digits <= static_cast<int>(kBaseLength); ++digits, limit *= 10) {
        const std::string prefix = stem.substr(0, kBaseLength - static_cast<std::size_t>(digits));
        for (unsigned n = 1; n < limit; ++n) {
            const std::string name = numbered(prefix, n, digits);
            if (!taken.contains(name))
                return name;
        }
    }
    return numbered("", 0, static_cast<int>(kBaseLength));  // not reached: a folder of 10^8 names
}

std::string NormaliseImportName(const std::string& typed) {
    std::string name = AsciiUpper(typed);
    if (name.find('.') == std::string::npos)
        name += kExtension;
    return name;
}

CheckResult CheckImportName(const std::string& name, const TakenNames& taken) {
    if (CheckResult refusal = CheckCardFileName(name))
        return refusal;
    if (!HasWaveExtension(name))
        return Refusal{"「" + name + "」は使えません。\n取り込んだ音声の名前は拡張子を「.WAV」にしてください。",
                       msg::kTitleConfirm, MessageIcon::Warning, "name", -1, -1};
    if (taken.contains(name))
        return Refusal{"「" + name + "」は既に使われています。\n別の名前を指定してください。", msg::kTitleConfirm,
                       MessageIcon::Warning, "name", -1, -1};
    return std::nullopt;
}

}  // namespace vexa
