#include "DocumentEdits.h"

#include "core/document/SheetEdit.h"

namespace vexa::test {

void renameSheet(Document& document, int sheet, const std::string& name) {
    const SheetHeader& before = document.project().sheets[static_cast<std::size_t>(sheet)].header;
    SheetHeader after = before;
    after.name = name;
    auto edit = std::make_unique<SheetEdit>(SheetEditKind::Name);
    edit->addHeader(sheet, before, after);
    document.apply(std::move(edit));
}

}  // namespace vexa::test
