#pragma once
// The list of a choice cell: items that carry the text the cell stores and
// the name shown for it. Element lists store item numbers, the voice list
// stores the File names themselves.
#include "core/model/SoundEntry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

struct ChoiceItem {
    std::string value;  // what the cell holds
    std::string name;   // what the cell and the list show

    bool operator==(const ChoiceItem&) const = default;
};

class ChoiceList {
public:
    ChoiceList() = default;

    // Items numbered from `base` in order. No names at all (a missing file or
    // key) still gives one item with an empty name, numbered `base`.
    static ChoiceList numbered(const std::vector<std::string>& names, int base);

    // A single space (the blank choice), then each File name in table order.
    static ChoiceList voices(const std::vector<SoundEntry>& sounds);

    const std::vector<ChoiceItem>& items() const { return items_; }
    bool empty() const { return items_.empty(); }

    // Position of the first item storing `value`.
    std::optional<std::size_t> find(std::string_view value) const;

    // The name shown for a cell holding `value`: the item's name, or the value
    // itself when no item stores it.
    std::string nameFor(std::string_view value) const;

    // The list in the grid's list notation: "#1;A|#2;B" for numbered items,
    // " |a.wav|b.wav" for the voice list.
    std::string text() const;

private:
    std::vector<ChoiceItem> items_;
    bool numbered_ = false;
};

}  // namespace vexa
