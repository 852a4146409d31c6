#include "core/print/PrintChoices.h"

#include "core/config/ConfigurationFile.h"
#include "core/text/NumberFormat.h"

#include <algorithm>

namespace vexa::print {
namespace {

constexpr std::string_view kPrtSheetKey = "PrtSheet";
constexpr std::string_view kPrtWeekKey = "PrtWeek";
constexpr std::size_t kWeekBox = kPrtSheetItems;

// The items of `text` split at `separator` (one empty item for "").
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        items.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return items;
        start = end + 1;
    }
}

}  // namespace

std::array<int, kReportCount> ScreenOrder() {
    std::array<int, kReportCount> order{};
    for (const PrintBox& box : kPrintBoxes)
        order[static_cast<std::size_t>(box.screenOrder - 1)] = box.index;
    return order;
}

PrintChoices ParsePrtSheet(std::string_view text) {
    PrintChoices choices{};
    const auto items = split(text, ',');
    for (std::size_t k = 0; k < kPrtSheetItems && k < items.size(); ++k)
        choices[k] = numfmt::parseNumber(items[k]) == 1.0;
    return choices;
}

std::string PrtSheetText(const PrintChoices& choices) {
    std::string text;
    for (std::size_t k = 0; k < kPrtSheetItems; ++k) {
        if (k > 0)
            text += ',';
        text += choices[k] ? '1' : '0';
    }
    return text;
}

PrintChoices ReadPrintChoices(const std::filesystem::path& configurationFile) {
    PrintChoices choices = ParsePrtSheet(ReadConfigurationValue(configurationFile, kSystemSection, kPrtSheetKey));
    choices[kWeekBox] = ReadConfigurationValue(configurationFile, kSystemSection, kPrtWeekKey) == "1";
    return choices;
}

bool WritePrintChoices(const std::filesystem::path& configurationFile, const PrintChoices& choices) {
    return WriteConfigurationValue(configurationFile, kSystemSection, kPrtSheetKey, PrtSheetText(choices)) &&
           WriteConfigurationValue(configurationFile, kSystemSection, kPrtWeekKey, choices[kWeekBox] ? "1" : "0");
}

CheckResult CheckPrintChoices(const PrintChoices& choices) {
    if (std::none_of(choices.begin(), choices.end(), [](bool checked) { return checked; }))
        return Refusal::warning(msg::kNothingToPrint);
    return std::nullopt;
}

std::optional<PrintChoices> ParseReportNames(std::string_view list, std::string& unknown) {
    PrintChoices choices{};
    if (list.empty())
        return choices;
    for (std::string_view name : split(list, ',')) {
        const auto* found = std::find(kReportNames.begin(), kReportNames.end(), name);
        if (found == kReportNames.end()) {
            unknown = name;
            return std::nullopt;
        }
        choices[static_cast<std::size_t>(found - kReportNames.begin())] = true;
    }
    return choices;
}

}  // namespace vexa::print
