#pragma once
// Where "PDF保存" writes: the chosen name, with ".pdf" added when it has no
// extension, the question before an existing file is replaced, and where the
// file went once it is written.
#include "core/ui/UserDialogs.h"

#include <filesystem>
#include <string>

namespace vexa::print {

std::filesystem::path PdfTargetPath(const std::string& chosen);

// The chooser of the PDF file, a save chooser opened in `folder`.
FileChooserRequest PdfChooserRequest(const std::string& folder);

// What is said once the PDF of `pages` pages has been written to `file`.
MessageRequest PdfSavedMessage(const std::filesystem::path& file, int pages);

// Asks before an existing file is replaced; true to go on (also when there
// is no such file).
bool ConfirmPdfReplacement(UserDialogs& dialogs, const std::filesystem::path& file);

}  // namespace vexa::print
