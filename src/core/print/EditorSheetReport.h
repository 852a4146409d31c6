#pragma once
// The editor print-out of one Program Sheet: the card's folder in the page
// header, the sheet header section (Multi-sheet mode only) and one row for
// every line up to the Line Count, used or not.
#include "core/config/Configuration.h"
#include "core/config/ElementPatternFile.h"
#include "core/model/Project.h"
#include "core/print/PrintTime.h"

#include <string>
#include <string_view>

namespace vexa::print {

Report EditorSheetReport(const Project& project, const Settings& settings, const ElementPatternFile& elements,
                         int sheet, const PrintTime& time);

// "放送停止", "大", "中", "小" for volume 0 … 3, else "".
std::string VolumeText(int volume);
// "08時05分" for "8" and "5"; a part that is not a number stays as held; ""
// when both are empty.
std::string ClockText(std::string_view hour, std::string_view minute);
// CardPath / Folder / CardName.vxa, where control data creation writes the
// Control File; "" unless CardName and Folder are both set.
std::string ControlFileLocation(const Settings& settings, const CardInformation& card);

}  // namespace vexa::print
