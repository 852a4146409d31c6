#include "core/app/ProgramFolderChoice.h"

#include "core/files/FileReplacement.h"
#include "core/files/InputFile.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace vexa {
namespace fs = std::filesystem;

namespace {

constexpr const char* kFolderName = "vexa-editor";

bool writableFolder(const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

bool isPortable(const fs::path& executableFolder) {
    std::error_code ec;
    return fs::is_regular_file(executableFolder / "vexacontrol.ini", ec) && writableFolder(executableFolder);
}

fs::path perUserFolder(const ProgramFolderInputs& in) {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rules say.
    if (!in.xdgConfigHome.empty() && fs::path(in.xdgConfigHome).is_absolute())
        return fs::path(in.xdgConfigHome) / kFolderName;
    return fs::path(in.userHome.empty() ? "/" : in.userHome) / ".config" / kFolderName;
}

// <prefix>/bin/vexa-editor → <prefix>/share/…
fs::path shareFolder(const fs::path& executableFolder) { return executableFolder.parent_path() / "share"; }

// The delivered files are a few kilobytes each.
constexpr std::uint64_t kMaxSeededBytes = 1024 * 1024;

bool readWhole(const fs::path& file, std::string& bytes) {
    InputFile in(file, kMaxSeededBytes);
    auto read = in ? in.readAll() : std::nullopt;
    if (!read)
        return false;
    bytes = std::move(*read);
    return true;
}

}  // namespace

ProgramFolderChoice ChooseProgramFolder(const ProgramFolderInputs& in) {
    ProgramFolderChoice choice;
    if (!in.home.empty()) {
        choice.kind = ProgramFolderKind::Home;
        choice.folder = fs::absolute(in.home);
    } else if (isPortable(in.executableFolder)) {
        choice.kind = ProgramFolderKind::Portable;
        choice.folder = in.executableFolder;
    } else {
        choice.kind = ProgramFolderKind::Installed;
        choice.folder = perUserFolder(in);
        choice.defaultsFolder = shareFolder(in.executableFolder) / kFolderName;
    }
    // The guide lies beside a portable program; an installed one has it with
    // its documentation, shared by every user.
    const fs::path installedGuide = shareFolder(in.executableFolder) / "doc" / kFolderName / "UserGuide.html";
    std::error_code ec;
    if (choice.kind == ProgramFolderKind::Installed ||
        (!fs::exists(choice.folder / "UserGuide.html", ec) && fs::exists(installedGuide, ec)))
        choice.userGuide = installedGuide;
    else
        choice.userGuide = choice.folder / "UserGuide.html";
    return choice;
}

ProgramFolderInputs CurrentProgramFolderInputs(const fs::path& home) {
    ProgramFolderInputs in;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    in.executableFolder = ec ? fs::current_path() : exe.parent_path();
    in.home = home;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"))
        in.xdgConfigHome = xdg;
    if (const char* user = std::getenv("HOME"))
        in.userHome = user;
    return in;
}

SeedResult SeedProgramFolder(const fs::path& folder, const fs::path& defaults) {
    SeedResult result;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder)) {
        result.error = folder.string() + ": " + (ec ? ec.message() : "not a folder");
        return result;
    }
    for (const std::string& name : kSeededFiles) {
        const fs::path target = folder / name;
        if (fs::exists(fs::symlink_status(target, ec)))
            continue;
        std::string bytes;
        if (!readWhole(defaults / name, bytes)) {
            result.error = (defaults / name).string() + ": cannot be read";
            continue;
        }
        const WriteResult written = ReplaceFileContents(target, bytes);
        if (!written) {
            result.error = written.message;
            continue;
        }
        result.copied.push_back(name);
    }
    return result;
}

ResolvedProgramFolder ResolveProgramFolder(const ProgramFolderInputs& inputs) {
    ResolvedProgramFolder resolved;
    resolved.choice = ChooseProgramFolder(inputs);
    if (resolved.choice.kind == ProgramFolderKind::Installed)
        resolved.seedError = SeedProgramFolder(resolved.choice.folder, resolved.choice.defaultsFolder).error;
    resolved.paths = ProgramPaths::forFolder(resolved.choice.folder);
    resolved.paths.userGuide = resolved.choice.userGuide;
    return resolved;
}

const char* ProgramFolderKindName(ProgramFolderKind kind) {
    switch (kind) {
    case ProgramFolderKind::Home: return "home";
    case ProgramFolderKind::Portable: return "portable";
    case ProgramFolderKind::Installed: return "installed";
    }
    return "";
}

}  // namespace vexa
