#include "core/editor/ChoiceList.h"

namespace vexa {

ChoiceList ChoiceList::numbered(const std::vector<std::string>& names, int base) {
    ChoiceList list;
    list.numbered_ = true;
    for (std::size_t i = 0; i < names.size(); ++i)
        list.items_.push_back({std::to_string(base + static_cast<int>(i)), names[i]});
    if (list.items_.empty())
        list.items_.push_back({std::to_string(base), ""});
    return list;
}

ChoiceList ChoiceList::voices(const std::vector<SoundEntry>& sounds) {
    ChoiceList list;
    list.items_.push_back({" ", " "});
    for (const SoundEntry& sound : sounds)
        if (!sound.fileName.empty())  // a gap in the table is no choice
            list.items_.push_back({sound.fileName, sound.fileName});
    return list;
}

std::optional<std::size_t> ChoiceList::find(std::string_view value) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].value == value)
            return i;
    return std::nullopt;
}

std::string ChoiceList::nameFor(std::string_view value) const {
    const auto i = find(value);
    return i ? items_[*i].name : std::string(value);
}

std::string ChoiceList::text() const {
    std::string out;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i > 0)
            out += '|';
        if (numbered_)
            out += '#' + items_[i].value + ';';
        out += items_[i].name;
    }
    return out;
}

}  // namespace vexa
