#include "core/print/Report.h"

namespace vexa::print {

std::string PageNumberText(int page, int pages) {
    return "Page[" + std::to_string(page) + "/" + std::to_string(pages) + "]";
}

}  // namespace vexa::print
