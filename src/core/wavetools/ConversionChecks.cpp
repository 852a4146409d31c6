#include "core/wavetools/ConversionChecks.h"

#include "core/config/Messages.h"
#include "core/files/InputFile.h"
#include "core/files/SameFile.h"
#include "core/sound/WaveInspection.h"
#include "core/wavetools/ToolsFields.h"
#include "core/wavetools/ToolsTexts.h"

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

Refusal refusal(std::string text, const char* field) {
    return Refusal{std::move(text), msg::kTitleConfirm, MessageIcon::Warning, field, -1, -1};
}

// A source that is there but cannot be read (a folder, a FIFO, no
// permission) is said so; only a missing one "does not exist".
CheckResult checkSource(const std::string& source) {
    const InputFile file(source);
    if (file)
        return std::nullopt;
    if (file.problem() == InputProblem::Missing)
        return refusal(kSourceMissing, tools_field::kSource);
    return refusal(CannotReadText(source, file.reason()), tools_field::kSource);
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
    if (CheckResult refused = checkSource(source))
        return refused;
    if (output.empty())
        return refusal(kNoOutput, tools_field::kOutput);
    if (source == output || IsSameFile(source, output))
        return refusal(kSameFile, tools_field::kOutput);
    if (isFolder(output))
        return refusal(kOutputIsFolder, tools_field::kOutput);
    if (!CheckFile(output))
        return refusal(kBadOutputName, tools_field::kOutput);
    return CheckOutputFolder(output, tools_field::kOutput);
}

CheckResult CheckOutputFolder(const std::string& output, const char* field) {
    const std::filesystem::path folder = std::filesystem::path(output).parent_path();
    std::error_code ec;
    if (folder.empty() || std::filesystem::is_directory(folder, ec))
        return std::nullopt;
    if (std::filesystem::exists(folder, ec))
        return refusal("出力先の「" + folder.string() + "」はフォルダではありません。", field);
    return refusal("出力先のフォルダ「" + folder.string() + "」が見つかりません。", field);
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
