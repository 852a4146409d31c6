#pragma once
// Shared helpers for tests: a fresh temporary folder per test, fixture paths,
// whole-file reads and writes, and running the `vexa` command line.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::test {

// A folder that exists for the lifetime of the object and is removed after.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::filesystem::path fixture(std::string_view relative);
std::filesystem::path programFolder();  // the build's Program Folder

std::string readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, std::string_view bytes);

struct CommandResult {
    int exitCode = -1;
    std::string out;  // stdout
    std::string err;  // stderr
};

// Runs the built `vexa` with the given arguments (no shell quoting needed).
// Its standard output is captured, or goes to `stdoutTo` when one is given
// (`out` is then empty).
CommandResult runVexa(const std::vector<std::string>& args, const std::filesystem::path& stdoutTo = {});

}  // namespace vexa::test
