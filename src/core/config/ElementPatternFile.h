#pragma once
// The Element Pattern File (elmptnvxa.elm): the read-only choice lists of
// section Element that the windows offer, each value a list of items
// separated by ",".
#include "core/config/PrivateProfile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

inline constexpr std::string_view kElementSection = "Element";

// Keys of section Element.
namespace element {
inline constexpr std::string_view kMaxLine = "MaxLine";        // model label, Line Count, …
inline constexpr std::string_view kLedType = "LedType";        // by LED type number from 0
inline constexpr std::string_view kBuzzerType = "BuzzerType";  // by BUZZER type number from 0
inline constexpr std::string_view kEx = "Ex";                  // by EX state from 0
inline constexpr std::string_view kSelect = "Select";          // numbered from 1
inline constexpr std::string_view kRepeat = "Repeat";          // numbered from 1
inline constexpr std::string_view kCard = "Card";              // card capacity by code from 0
}  // namespace element

// One entry of the model list: the label shown and the Line Count it stands for.
struct ModelEntry {
    std::string label;
    std::string lines;  // as the file holds it ("95"); "" when the label has no partner

    bool operator==(const ModelEntry&) const = default;
};

// The file read once, for callers that need several lists or many names.
class ElementPatternFile {
public:
    static ElementPatternFile load(const std::filesystem::path& file);

    // The items of `key` up to the first empty one; at least one (empty) item.
    std::vector<std::string> list(std::string_view key) const;

    // The item at position `number` of list `kind` ("" for an empty or
    // unusable number or a position past the end; empty items count).
    std::string name(std::string_view kind, std::string_view number) const;

    // Pairs of label and Line Count; empty when the key is empty or missing.
    std::vector<ModelEntry> models() const;

    // Every capacity item, empty ones included; empty when the key is.
    std::vector<std::string> cardCapacities() const;

    // Why a file that exists could not be read (its lists are then empty);
    // "" when it was read or is missing.
    const std::string& readProblem() const { return profile_.readProblem(); }

private:
    explicit ElementPatternFile(PrivateProfile profile) : profile_(std::move(profile)) {}

    PrivateProfile profile_;
};

std::vector<std::string> ReadElementList(const std::filesystem::path& file, std::string_view key);
std::string GetElementName(const std::filesystem::path& file, std::string_view kind, std::string_view number);
std::vector<ModelEntry> ReadModelList(const std::filesystem::path& file);
std::vector<std::string> ReadCardCapacities(const std::filesystem::path& file);

}  // namespace vexa
