#pragma once
// What is checked before files are converted to mono, in the order the tools
// window checks them; the command line runs the same checks for one file.
// Refusals are warnings titled "確認"; the first one wins.
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"
#include "core/wavetools/ConversionMode.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vexa {

// The entry that a refusal is about (the window puts the focus there).
enum class ConversionEntry { None, Source, Output };

// True when the name part of `path` (after the last separator) contains ".".
bool CheckFile(std::string_view path);

// The entries of one file as typed: source given and a regular file that can
// be read (a folder, a FIFO or a file without read permission is said to be
// so), output given, neither the source (compared as text, then as the same
// file on disk: "./a.wav", a hard or symbolic link) nor a folder, with a "."
// in its name and in a folder that exists. The refusal names the box
// (tools_field::kSource or kOutput).
CheckResult CheckFileEntries(const std::string& source, const std::string& output);

// The folder an output file goes into exists (the file is never made there
// otherwise): a refusal naming the folder for `field` when it does not.
CheckResult CheckOutputFolder(const std::string& output, const char* field);

// CheckFileEntries, showing the refusal.
ConversionEntry CheckFileConversion(const std::string& source, const std::string& output,
                                    UserDialogs& dialogs);

// True when `output` does not exist or the user agrees to overwrite it.
bool ConfirmOverwrite(const std::string& output, UserDialogs& dialogs);

// What becomes of one source once its format is read.
enum class SourceVerdict {
    Convert,  // more than one channel
    Skip,     // mono, in folder mode, and the user chose to go on without it
    End,      // unreadable, mono in file mode, or the user chose to end
};

// Reads the source's format (ReadWaveFormat shows its own message; then the
// job is called off with a second one). A mono file is named in an
// information message in file mode; in folder mode the user is asked whether
// to skip it and go on.
SourceVerdict CheckSourceFormat(const std::filesystem::path& source, ConversionMode mode, UserDialogs& dialogs);

// CheckSourceFormat in file mode: true for a source to convert.
bool CheckStereoSource(const std::filesystem::path& source, UserDialogs& dialogs);

}  // namespace vexa
