#pragma once
// The commands of `vexa` that run in a helper program of their own, because
// they need large libraries that no other command should load at start:
// `play` (Qt Multimedia), `print` (Qt Gui), `import` (FFmpeg), and `verify`
// and `cards`, which ask the disk service over the system bus (Qt DBus). `vexa`
// lists them in its help and, when one is asked for, replaces itself with
// libexec/vexa/vexa-NAME found relative to its own executable (bin/ of the
// build or of the installation), passing every argument on. Each helper
// parses the same command line as `vexa` would (src/cli/libexec).
#include <array>
#include <filesystem>
#include <string_view>

namespace vexa::cli {

struct HelperCommand {
    std::string_view name;
    std::string_view description;
};

inline constexpr HelperCommand kPlayHelper{
    "play", "Play WAVE files in turn through the sound output (exit 1 when one cannot be played)"};
inline constexpr HelperCommand kPrintHelper{
    "print", "Print the reports of a Control File (with the Card Information it holds) to a PDF file"};
inline constexpr HelperCommand kImportHelper{
    "import",
    "Convert audio files (WAV, AIFF, FLAC, MP3, Ogg Vorbis, Opus, AAC/M4A) into WAVE files the device plays, "
    "loudness levelled (exit 0 all imported, 1 a file refused or failed or stopped by SIGTERM, "
    "130 stopped by Ctrl+C, 2 usage)"};

inline constexpr HelperCommand kVerifyHelper{
    "verify", "Check a card (or a folder holding a card set): Control File, WAVE files, names, size, file system"};
inline constexpr HelperCommand kCardsHelper{"cards", "List the removable volumes (cards) a card set can be written to"};

// In the order `vexa --help` lists them after the commands of its own.
inline constexpr std::array kHelperCommands{kPlayHelper, kPrintHelper, kImportHelper, kVerifyHelper, kCardsHelper};

// Where the helpers are, seen from the folder of `vexa`, and back.
inline constexpr std::string_view kHelperFolderFromBin = "../libexec/vexa";
inline constexpr std::string_view kBinFromHelperFolder = "../../bin";

// The folder of this process's executable (/proc/self/exe).
std::filesystem::path OwnExecutableFolder();

}  // namespace vexa::cli
