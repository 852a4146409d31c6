#include "wavetools/ConversionChecks.h"

#include "config/Messages.h"
#include "files/SameFile.h"
#include "sound/WaveInspection.h"
#include "wavetools/ToolsFields.h"
#include "wavetools/ToolsTexts.h"

namespace vexa {
namespace {

using namespace tools_text;

constexpr const char* kNoSource = "変換対象のファイルが指定されていません。";
constexpr const char* kSourceMissing = "指定されたファイルが存在しません。";
constexpr const char* kSameFile =
    "変換するファイルと出力ファイル名が同じです。\n出力ファイル名は異なる場所または名前を指定してください。　　";
constexpr const char* kOverwrite = "出力ファイルは既に存在します。上書きしてもよろしいですか？";
constexpr const char* kNoFormat = "情報の取得に失敗しました。処理を中止します。";
constexpr const char* kNotStereo = " はステレオではありません。";
constexpr const char* kSkipQuestion = "\nこのファイルをスキップして処理を続けますか？　　";

MessageAnswer show(UserDialogs& dialogs, const std::string& text, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) {
    return dialogs.showMessage({text, GetMsg(msg::kTitleConfirm), icon, buttons});
}

Refusal refusal(const char* text, const char* field) {
    return Refusal{text, msg::kTitleConfirm, MessageIcon::Warning, field, -1, -1};
}

bool isFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

bool CheckFile(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return name.find('.') != std::string_view::npos;
}

CheckResult CheckFileEntries(const std::string& source, const std::string& output) {
    if (source.empty())
        return refusal(kNoSource, tools_field::kSource);
    if (!isFile(source))
        return refusal(kSourceMissing, tools_field::kSource);
    if (output.empty())
        return refusal(kNoOutput, tools_field::kOutput);
    if (source == output || IsSameFile(source, output))
        return refusal(kSameFile, tools_field::kOutput);
    if (isFolder(output))
        return refusal(kOutputIsFolder, tools_field::kOutput);
    if (!CheckFile(output))
        return refusal(kBadOutputName, tools_field::kOutput);
    return std::nullopt;
}

ConversionEntry CheckFileConversion(const std::string& source, const std::string& output,
                                    UserDialogs& dialogs) {
    const CheckResult result = CheckFileEntries(source, output);
    if (Passed(dialogs, result))
        return ConversionEntry::None;
    return result->field == tools_field::kSource ? ConversionEntry::Source : ConversionEntry::Output;
}

bool ConfirmOverwrite(const std::string& output, UserDialogs& dialogs) {
    std::error_code ec;
    if (!std::filesystem::exists(output, ec))
        return true;
    return show(dialogs, kOverwrite, MessageIcon::Warning, MessageButtons::YesNo) == MessageAnswer::Yes;
}

SourceVerdict CheckSourceFormat(const std::filesystem::path& source, ConversionMode mode, UserDialogs& dialogs) {
    const auto format = ReadWaveFormat(source, dialogs);
    if (!format) {
        show(dialogs, kNoFormat, MessageIcon::Warning);
        return SourceVerdict::End;
    }
    if (format->channels != 1)
        return SourceVerdict::Convert;
    const std::string notStereo = source.filename().string() + kNotStereo;
    if (mode == ConversionMode::File) {
        show(dialogs, notStereo, MessageIcon::Information);
        return SourceVerdict::End;
    }
    const MessageAnswer skip = show(dialogs, notStereo + kSkipQuestion, MessageIcon::Warning, MessageButtons::YesNo);
    return skip == MessageAnswer::Yes ? SourceVerdict::Skip : SourceVerdict::End;
}

bool CheckStereoSource(const std::filesystem::path& source, UserDialogs& dialogs) {
    return CheckSourceFormat(source, ConversionMode::File, dialogs) == SourceVerdict::Convert;
}

}  // namespace vexa
