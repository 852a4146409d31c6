// CP932 conversion, the text and file-name rules and the number formats on
// fuzzed texts, and the formats on fuzzed doubles (the first 8 bytes taken as
// one), where rounding and the time limits meet infinities and the extremes.
#include "core/model/TimeRange.h"
#include "core/text/Cp932.h"
#include "core/text/NumberFormat.h"
#include "core/text/TextRules.h"

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

using namespace vexa;

namespace {

constexpr std::array<std::string_view, 7> kPatterns{"0.0", "00", "0.000", "##.###", "00000000", "0", "#.#"};

void formatEverywhere(double value) {
    for (const std::string_view pattern : kPatterns)
        (void)numfmt::format(value, pattern);
    (void)numfmt::roundHalfEven(value);
    (void)MillisecondsOf(value);
    (void)LineTimeText(value, 1.5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = cp932::toUtf8(bytes);
    const std::string cp932 = cp932::fromUtf8(bytes);
    (void)cp932::fromUtf8(utf8);
    (void)cp932::isAscii(bytes);

    (void)ByteLength(utf8);
    (void)HasWideChar(utf8);
    (void)RightBytes(utf8, size % 16);
    (void)CutAtNul(bytes);
    (void)IsValidFileName(utf8);
    std::string folder;
    (void)SplitPath(utf8, folder);
    std::vector<std::string> list;
    (void)SplitSelection(bytes, list);
    (void)NormalizeNumberBox(utf8, 0, 99.9, "0.0");

    if (const auto value = numfmt::parseNumber(bytes)) {
        if (!std::isfinite(*value))  // no infinity is ever a number
            __builtin_trap();
        formatEverywhere(*value);
    }
    if (!std::isfinite(numfmt::leadingNumber(bytes)))
        __builtin_trap();
    (void)numfmt::toInt16(bytes);

    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        formatEverywhere(value);
    }
    return 0;
}
