// The Element Pattern File: every list the windows read, the names by number
// and the model and card lists.
#include "FuzzFolder.h"

#include "core/config/ElementPatternFile.h"

using namespace vexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto path = fuzz::FuzzFolder::get().write("elmptnvxa.elm", data, size);
    const ElementPatternFile file = ElementPatternFile::load(path);
    for (const std::string_view key : {element::kMaxLine, element::kLedType, element::kBuzzerType, element::kEx,
                                       element::kSelect, element::kRepeat, element::kCard}) {
        (void)file.list(key);
        for (const char* number : {"0", "1", "2.5", "-1", "1e9", "31E308", "", "x"})
            (void)file.name(key, number);
    }
    (void)file.models();
    (void)file.cardCapacities();
    return 0;
}
