#pragma once
// What the sheet duplication window decides: the source list preset to the
// Current Sheet, the destinations without the source, and the copy itself.
#include "core/document/Document.h"
#include "core/ui/Refusal.h"

#include <string>
#include <vector>

namespace vexa {

class SheetDuplication {
public:
    // The sheet tab captions "01" … "08", in tab order.
    static std::vector<std::string> SheetCaptions();

    // Opens with the source set to the Current Sheet (none when it is no sheet).
    explicit SheetDuplication(int currentSheet);

    // The chosen source sheet's caption; "" when none is chosen.
    const std::string& source() const { return source_; }
    void chooseSource(const std::string& caption);

    // Every caption but the source's, in tab order.
    std::vector<std::string> destinations() const;

    // OK with the selected destination captions: copies the source sheet
    // whole (header with every flag, all 256 line slots) onto each of them,
    // as one step. Without a source or a destination it refuses with 2094 and
    // copies nothing; no refusal means copied (the window may close).
    CheckResult copy(Document& document, const std::vector<std::string>& selected) const;

private:
    std::string source_;
};

}  // namespace vexa
