#pragma once
// Where "PDF保存" writes: the chosen name, with ".pdf" added when it has no
// extension, and the question before an existing file is replaced.
#include "ui/UserDialogs.h"

#include <filesystem>
#include <string>

namespace vexa::print {

std::filesystem::path PdfTargetPath(const std::string& chosen);

// The chooser of the PDF file, opened in `folder`.
FileChooserRequest PdfChooserRequest(const std::string& folder);

// Asks before an existing file is replaced; true to go on (also when there
// is no such file).
bool ConfirmPdfReplacement(UserDialogs& dialogs, const std::filesystem::path& file);

}  // namespace vexa::print
