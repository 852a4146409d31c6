#include "ui/SheetDuplication.h"

#include "config/Messages.h"
#include "text/NumberFormat.h"

#include <algorithm>

namespace vexa {
namespace {

// The sheet index a caption stands for: the caption read as a number, minus 1.
std::optional<int> sheetOf(const std::string& caption) {
    const auto n = numfmt::parseNumber(caption);
    if (!n || *n < 1 || *n > kSheetCount)
        return std::nullopt;
    return static_cast<int>(*n) - 1;
}

void refuse(UserDialogs& dialogs) {
    dialogs.showMessage({GetMsg(2094), GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::Ok});
}

}  // namespace

std::vector<std::string> SheetDuplication::SheetCaptions() {
    return {"01", "02", "03", "04", "05", "06", "07", "08"};
}

SheetDuplication::SheetDuplication(int currentSheet) {
    const auto captions = SheetCaptions();
    if (currentSheet >= 0 && currentSheet < static_cast<int>(captions.size()))
        source_ = captions[static_cast<std::size_t>(currentSheet)];
}

void SheetDuplication::chooseSource(const std::string& caption) { source_ = caption; }

std::vector<std::string> SheetDuplication::destinations() const {
    std::vector<std::string> list;
    for (const auto& caption : SheetCaptions())
        if (caption != source_)
            list.push_back(caption);
    return list;
}

bool SheetDuplication::copy(Project& project, const std::vector<std::string>& selected,
                            UserDialogs& dialogs) const {
    const auto from = sheetOf(source_);
    if (!from) {
        refuse(dialogs);
        return false;
    }
    const auto offered = destinations();
    bool copied = false;
    for (const auto& caption : offered) {
        if (std::find(selected.begin(), selected.end(), caption) == selected.end())
            continue;
        if (const auto to = sheetOf(caption)) {
            project.sheets[static_cast<std::size_t>(*to)] = project.sheets[static_cast<std::size_t>(*from)];
            copied = true;
        }
    }
    if (!copied)
        refuse(dialogs);
    return copied;
}

}  // namespace vexa
