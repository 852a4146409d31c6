#pragma once
// What is checked before a single file is converted to mono, in the order the
// tools window checks it; the command line runs the same checks. Refusals are
// shown with the warning icon and the title "確認"; the first one wins.
#include "ui/UserDialogs.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vexa {

// The entry that a refusal is about (the window puts the focus there).
enum class ConversionEntry { None, Source, Output };

// True when the name part of `path` (after the last separator) contains ".".
bool CheckFile(std::string_view path);

// The entries as typed: source given and an existing file, output given,
// different from the source text and with a "." in its name.
ConversionEntry CheckFileConversion(const std::string& source, const std::string& output,
                                    UserDialogs& dialogs);

// True when `output` does not exist or the user agrees to overwrite it.
bool ConfirmOverwrite(const std::string& output, UserDialogs& dialogs);

// True when the source's format can be read (ReadWaveFormat shows its own
// message, then the job is called off) and it has more than one channel (a
// mono file is named in an information message).
bool CheckStereoSource(const std::filesystem::path& source, UserDialogs& dialogs);

}  // namespace vexa
