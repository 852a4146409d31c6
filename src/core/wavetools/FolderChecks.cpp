#include "core/wavetools/FolderChecks.h"

#include "core/config/Messages.h"
#include "core/files/SameFile.h"
#include "core/sound/WaveFolderListing.h"
#include "core/wavetools/ToolsFields.h"

#include <filesystem>

namespace vexa {
namespace {

Refusal refusal(const char* text, const char* field) {
    return Refusal{text, msg::kTitleConfirm, MessageIcon::Warning, field, -1, -1};
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

CheckResult CheckFolderEntries(const std::string& source, const std::string& output) {
    if (source.empty())
        return refusal("変換対象のフォルダが指定されていません。", tools_field::kSource);
    if (!isFolder(source))
        return refusal("指定されたフォルダが存在しません。", tools_field::kSource);
    if (output.empty())
        return refusal("出力フォルダが指定されていません。", tools_field::kOutput);
    return std::nullopt;
}

CheckResult CheckFolderSources(const std::string& source, const std::string& output) {
    if (source == output || IsSameFile(source, output))
        return refusal("変換対象フォルダと出力先フォルダが同じです。\n出力先フォルダは異なる場所を指定してください。　　",
                       tools_field::kOutput);
    if (ListWaveFiles(source).empty())
        return refusal("フォルダ内に変換できるファイルがありません。", tools_field::kSource);
    return std::nullopt;
}

std::string CreateFolderQuestion() { return GetMsg(msg::kFolderNotFound) + "\n" + GetMsg(msg::kCreateFolderQuestion); }

Refusal FolderNotMade() { return Refusal::warning(msg::kFolderNotCreated).at(tools_field::kOutput); }

}  // namespace vexa
