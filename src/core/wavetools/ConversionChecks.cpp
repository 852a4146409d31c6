#include "wavetools/ConversionChecks.h"

#include "config/Messages.h"
#include "sound/WaveInspection.h"

namespace vexa {
namespace {

constexpr const char* kNoSource = "変換対象のファイルが指定されていません。";
constexpr const char* kSourceMissing = "指定されたファイルが存在しません。";
constexpr const char* kNoOutput = "出力ファイル名が指定されていません。";
constexpr const char* kSameFile =
    "変換するファイルと出力ファイル名が同じです。\n出力ファイル名は異なる場所または名前を指定してください。　　";
constexpr const char* kBadOutputName = "出力ファイル名が正しくありません。";
constexpr const char* kOverwrite = "出力ファイルは既に存在します。上書きしてもよろしいですか？";
constexpr const char* kNoFormat = "情報の取得に失敗しました。処理を中止します。";
constexpr const char* kNotStereo = " はステレオではありません。";

MessageAnswer show(UserDialogs& dialogs, const std::string& text, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) {
    return dialogs.showMessage({text, GetMsg(msg::kTitleConfirm), icon, buttons});
}

ConversionEntry refuse(UserDialogs& dialogs, const char* text, ConversionEntry entry) {
    show(dialogs, text, MessageIcon::Warning);
    return entry;
}

bool isFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

bool CheckFile(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return name.find('.') != std::string_view::npos;
}

ConversionEntry CheckFileConversion(const std::string& source, const std::string& output,
                                    UserDialogs& dialogs) {
    if (source.empty())
        return refuse(dialogs, kNoSource, ConversionEntry::Source);
    if (!isFile(source))
        return refuse(dialogs, kSourceMissing, ConversionEntry::Source);
    if (output.empty())
        return refuse(dialogs, kNoOutput, ConversionEntry::Output);
    if (source == output)
        return refuse(dialogs, kSameFile, ConversionEntry::Output);
    if (!CheckFile(output))
        return refuse(dialogs, kBadOutputName, ConversionEntry::Output);
    return ConversionEntry::None;
}

bool ConfirmOverwrite(const std::string& output, UserDialogs& dialogs) {
    std::error_code ec;
    if (!std::filesystem::exists(output, ec))
        return true;
    return show(dialogs, kOverwrite, MessageIcon::Warning, MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool CheckStereoSource(const std::filesystem::path& source, UserDialogs& dialogs) {
    const auto format = ReadWaveFormat(source, dialogs);
    if (!format) {
        show(dialogs, kNoFormat, MessageIcon::Warning);
        return false;
    }
    if (format->channels == 1) {
        show(dialogs, source.filename().string() + kNotStereo, MessageIcon::Information);
        return false;
    }
    return true;
}

}  // namespace vexa
