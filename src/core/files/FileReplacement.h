#pragma once
// The one safe way to replace a file. A new version is written to a temporary
// file beside the target and put in its place only by commit(), so that a
// failure or a crash leaves either the old file or the new one, never a
// half-written file under the real name:
// - the temporary is hidden and unique (".NAME.vexa-<pid>-<serial>.tmp",
//   created exclusively), and removed on any failure, by abandon(), by the
//   destructor and when SIGINT, SIGTERM or SIGHUP ends the process
//   (TemporaryRegistry); those a killed process left behind in the folder are
//   removed by the next replacement there (TemporaryName);
// - commit() flushes the file to the disk, renames it over the target and
//   flushes the folder, so the rename itself survives a power cut;
// - an existing target keeps its permission bits (and its owner where the
//   user may set it);
// - a target that is a symbolic link is written through: the file it points
//   at is replaced (its temporary lives beside it) and the link stays;
// - a target without any write bit in its mode, or one that is not a regular
//   file, is refused before anything is written.
// Every failure gives a WriteResult naming the file as the caller named it.
#include "core/files/UniqueFd.h"
#include "core/files/WriteResult.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace vexa {

class FileReplacement {
public:
    // Checks the target and opens the temporary; result() tells why not.
    explicit FileReplacement(std::filesystem::path target);
    ~FileReplacement();  // abandon()
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // True while the temporary is open and nothing has failed.
    bool isOpen() const { return fd_ >= 0; }
    // The first failure so far; ok while there is none (and after commit()).
    const WriteResult& result() const { return result_; }

    // Appends bytes; false on any failure (the temporary is then gone).
    bool write(const void* data, std::size_t count);
    bool write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }
    // Appends `count` zero bytes.
    bool writeZeros(std::uint64_t count);
    // Overwrites bytes already written.
    bool writeAt(std::uint64_t offset, const void* data, std::size_t count);

    // For a caller that writes many files and flushes their file system once
    // (syncfs) before it relies on any of them: commit() then renames without
    // flushing the file and its folder first.
    void deferSync() { syncOnCommit_ = false; }

    // Puts the temporary in the target's place. The first failure when one
    // happened before or during it; the target is then as it was.
    WriteResult commit();
    // Removes the temporary and leaves the target as it was.
    void abandon();

private:
    bool open();
    bool fail(int error);
    void removeTemporary();

    std::filesystem::path requested_;  // as the caller named it, for the messages
    std::filesystem::path target_;     // the file that is replaced: a link's target
    UniqueFd folder_;                  // the target's folder, where all the work happens
    std::string targetName_;           // the target's name in it
    std::string temporary_;            // the temporary's name in it
    bool existed_ = false;
    bool committed_ = false;
    bool syncOnCommit_ = true;
    mode_t mode_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    int fd_ = -1;
    int slot_ = -1;
    WriteResult result_;
};

// Replaces the whole file at `path` with `bytes` through a FileReplacement.
WriteResult ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vexa
