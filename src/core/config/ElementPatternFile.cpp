#include "core/config/ElementPatternFile.h"

#include "core/text/NumberFormat.h"

#include <cstddef>

namespace vexa {
namespace {

// The lists are read as into a 512-byte buffer, names and the model and card
// lists as into a 254-byte one.
constexpr std::size_t kListBufferSize = 512;
constexpr std::size_t kNameBufferSize = 254;

// Items separated by ","; an empty text has no items at all.
std::vector<std::string> splitItems(const std::string& text) {
    std::vector<std::string> items;
    if (text.empty())
        return items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

}  // namespace

ElementPatternFile ElementPatternFile::load(const std::filesystem::path& file) {
    return ElementPatternFile(PrivateProfile::load(file));
}

std::vector<std::string> ElementPatternFile::list(std::string_view key) const {
    std::vector<std::string> items;
    for (std::string& item : splitItems(profile_.get(kElementSection, key, {}, kListBufferSize))) {
        if (item.empty())  // an empty item ends the list: "A,B,,C" gives A, B
            break;
        items.push_back(std::move(item));
    }
    if (items.empty())
        items.emplace_back();
    return items;
}

std::string ElementPatternFile::name(std::string_view kind, std::string_view number) const {
    if (number.empty())
        return {};
    const auto position = numfmt::parseNumber(number);
    if (!position)
        return {};
    const std::vector<std::string> items = splitItems(profile_.get(kElementSection, kind, {}, kNameBufferSize));
    if (*position > static_cast<double>(items.size()) - 1)
        return {};
    const double index = numfmt::roundHalfEven(*position);
    if (index < 0)
        return {};
    return items[static_cast<std::size_t>(index)];
}

std::vector<ModelEntry> ElementPatternFile::models() const {
    const std::vector<std::string> items =
        splitItems(profile_.get(kElementSection, element::kMaxLine, {}, kNameBufferSize));
    std::vector<ModelEntry> models;
    for (std::size_t i = 0; i < items.size(); i += 2)
        models.push_back({items[i], i + 1 < items.size() ? items[i + 1] : std::string()});
    return models;
}

std::vector<std::string> ElementPatternFile::cardCapacities() const {
    return splitItems(profile_.get(kElementSection, element::kCard, {}, kNameBufferSize));
}

std::vector<std::string> ReadElementList(const std::filesystem::path& file, std::string_view key) {
    return ElementPatternFile::load(file).list(key);
}

std::string GetElementName(const std::filesystem::path& file, std::string_view kind, std::string_view number) {
    if (number.empty())  // no need to read the file
        return {};
    return ElementPatternFile::load(file).name(kind, number);
}

std::vector<ModelEntry> ReadModelList(const std::filesystem::path& file) {
    return ElementPatternFile::load(file).models();
}

std::vector<std::string> ReadCardCapacities(const std::filesystem::path& file) {
    return ElementPatternFile::load(file).cardCapacities();
}

}  // namespace vexa
