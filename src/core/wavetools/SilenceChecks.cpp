#include "wavetools/SilenceChecks.h"

#include "config/Messages.h"
#include "wavetools/ConversionChecks.h"

namespace vexa {
namespace {

SilenceEntry refuse(UserDialogs& dialogs, const char* text, SilenceEntry entry) {
    dialogs.showMessage({text, GetMsg(msg::kTitleConfirm), MessageIcon::Warning, MessageButtons::Ok});
    return entry;
}

}  // namespace

SilenceEntry CheckSilenceRequest(int seconds, const std::string& output, UserDialogs& dialogs) {
    if (seconds <= 0)
        return refuse(dialogs, "０秒以上の時間を指定してください。", SilenceEntry::Minutes);
    if (output.empty())
        return refuse(dialogs, "出力ファイル名が指定されていません。", SilenceEntry::Output);
    if (!CheckFile(output))
        return refuse(dialogs, "出力ファイル名が正しくありません。", SilenceEntry::Output);
    return SilenceEntry::None;
}

}  // namespace vexa
