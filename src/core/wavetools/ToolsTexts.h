#pragma once
// Texts that both tabs of the WAVE tools window give about the output name.
namespace vexa::tools_text {

inline constexpr const char* kNoOutput = "出力ファイル名が指定されていません。";
inline constexpr const char* kBadOutputName = "出力ファイル名が正しくありません。";
inline constexpr const char* kOutputIsFolder =
    "出力ファイル名にフォルダが指定されています。\nファイル名を指定してください。";

}  // namespace vexa::tools_text
