#pragma once
// How a file write ended: ok, or what stopped it, with a text for the user
// that names the file ("「/x/a.ini」に書き込めません：読み取り専用のファイルです。").
// Usable as a bool: true when the file was written.
#include <filesystem>
#include <string>

namespace vexa {

enum class WriteProblem {
    None,
    ReadOnlyFile,    // the file exists with no write bit in its mode
    NotAFile,        // a folder (or another kind of entry) has that name
    NoPermission,    // this user may not write the file or its folder
    ReadOnlyPlace,   // the file system is mounted read-only
    NoSpace,         // the disk or the user's quota is full
    MissingFolder,   // the folder of the file does not exist
    NameTooLong,
    LinkLoop,        // symbolic links that lead round in a circle
    InvalidContent,  // the data could not be turned into the file's bytes
    Failed,          // any other error of the system
};

struct WriteResult {
    WriteProblem problem = WriteProblem::None;
    std::string message;  // "" when ok

    bool ok() const { return problem == WriteProblem::None; }
    explicit operator bool() const { return ok(); }

    static WriteResult success() { return {}; }
    // `problem` with its text for `file`.
    static WriteResult failure(WriteProblem problem, const std::filesystem::path& file);
    // The problem that the error number `error` (errno) stands for.
    static WriteResult fromError(int error, const std::filesystem::path& file);
};

// The problem that an errno value means for a write; Failed for the rest.
WriteProblem ProblemOfError(int error);

}  // namespace vexa
