#include "core/editor/SheetHeaderControls.h"

#include "core/text/NumberFormat.h"

namespace vexa {
namespace {

std::vector<std::string> twoDigitEntries(int count) {
    std::vector<std::string> entries{""};
    for (int i = 0; i < count; ++i)
        entries.push_back(numfmt::format(i, "00"));
    return entries;
}

}  // namespace

const std::vector<std::string>& VolumeEntries() {
    static const std::vector<std::string> entries{"0", "1", "2", "3"};
    return entries;
}

const std::vector<std::string>& HourEntries() {
    static const std::vector<std::string> entries = twoDigitEntries(24);
    return entries;
}

const std::vector<std::string>& MinuteEntries() {
    static const std::vector<std::string> entries = twoDigitEntries(60);
    return entries;
}

void StoreHeader(const SheetHeaderControls& controls, SheetHeader& header) {
    header.name = controls.name;
    header.memo = controls.memo;
    header.volume = controls.volume;
    header.startHour = controls.startHour;
    header.startMinute = controls.startMinute;
    header.endHour = controls.endHour;
    header.endMinute = controls.endMinute;
    for (int i = 0; i < kWeekdayBoxes; ++i)
        header.weekdays[i] = controls.weekdays[i] ? 1 : 0;
    for (int i = 0; i < kSeasonBoxes; ++i)
        header.seasons[i] = controls.seasons[i] ? 1 : 0;
}

SheetHeaderControls ShowHeader(const SheetHeader& header) {
    SheetHeaderControls controls;
    controls.name = header.name;
    controls.memo = header.memo;
    controls.volume = header.volume;
    controls.startHour = header.startHour;
    controls.startMinute = header.startMinute;
    controls.endHour = header.endHour;
    controls.endMinute = header.endMinute;
    for (int i = 0; i < kWeekdayBoxes; ++i)
        controls.weekdays[i] = header.weekdays[i] != 0;
    for (int i = 0; i < kSeasonBoxes; ++i)
        controls.seasons[i] = header.seasons[i] != 0;
    return controls;
}

void ApplyHeaderControls(Document& document, int sheet, const SheetHeaderControls& controls,
                         SheetEditKind kind) {
    if (sheet < 0 || sheet >= kSheetSlots)
        return;
    const SheetHeader& stored = document.project().sheets[static_cast<std::size_t>(sheet)].header;
    SheetHeader changed = stored;
    StoreHeader(controls, changed);
    EditSheetHeader(document, kind, sheet, changed);
}

}  // namespace vexa
