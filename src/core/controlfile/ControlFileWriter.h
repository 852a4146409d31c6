#pragma once
// Writes the Project as a Control File (CP932, CR LF). The file appears under
// its name only when it was written completely.
#include "core/config/Configuration.h"
#include "core/files/FileReplacement.h"  // WriteResult; the writer replaces files through it
#include "core/model/Project.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vexa {

// The whole file as UTF-8 lines joined with CR LF; nullopt when a time or a
// type that must become a number is not one.
std::optional<std::string> ControlFileText(const Project& project, const Settings& settings);

// Writes the file, replacing any file of that name (through a symbolic link,
// the file it points at). A failure, with the reason to show, when nothing was
// written: the file that was there before stays.
WriteResult WriteControlFile(const Project& project, const Settings& settings,
                             const std::filesystem::path& path);

}  // namespace vexa
