#include "core/print/PdfTarget.h"

#include "core/config/Messages.h"

namespace vexa::print {

std::filesystem::path PdfTargetPath(const std::string& chosen) {
    std::filesystem::path path(chosen);
    if (!path.has_extension())
        path += ".pdf";
    return path;
}

FileChooserRequest PdfChooserRequest(const std::string& folder) {
    return {"PDF保存", folder, {"PDF|*.pdf"}, false, false, true};
}

MessageRequest PdfSavedMessage(const std::filesystem::path& file, int pages) {
    return {"PDFファイルを保存しました（" + std::to_string(pages) + "ページ）。\n" + file.string(),
            GetMsg(msg::kTitleConfirm), MessageIcon::Information, MessageButtons::Ok};
}

bool ConfirmPdfReplacement(UserDialogs& dialogs, const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return true;
    const MessageRequest question{"「" + file.string() + "」は既にあります。置き換えますか？", GetMsg(msg::kTitleConfirm),
                                  MessageIcon::Question, MessageButtons::YesNo};
    return dialogs.showMessage(question) == MessageAnswer::Yes;
}

}  // namespace vexa::print
