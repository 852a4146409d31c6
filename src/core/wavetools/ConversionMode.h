#pragma once
// What the conversion tab converts: one file, or every WAVE file of a folder.
#include <string_view>

namespace vexa {

enum class ConversionMode { File, Folder };

// The captions of the source and output boxes in that mode.
struct ConversionLabels {
    std::string_view source;
    std::string_view output;
};

constexpr ConversionLabels LabelsFor(ConversionMode mode) {
    if (mode == ConversionMode::Folder)
        return {"変換対象フォルダ", "出力フォルダ"};
    return {"変換するファイル", "出力ファイル名"};
}

}  // namespace vexa
