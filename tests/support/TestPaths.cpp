#include "TestPaths.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace vexa::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = fs::temp_directory_path() /
                             ("vexa-test-" + std::to_string(::getpid()) + "-" + std::to_string(rd()));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

fs::path fixture(std::string_view relative) { return fs::path(VEXA_FIXTURES_DIR) / relative; }
fs::path programFolder() { return fs::path(VEXA_PROGRAM_FOLDER); }

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

CommandResult runVexa(const std::vector<std::string>& args, const fs::path& stdoutTo) {
    TempDir capture;
    const fs::path outFile = stdoutTo.empty() ? capture / "out" : stdoutTo;
    const fs::path errFile = capture / "err";
    CommandResult result;
    pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        std::string exe = VEXA_CLI_PATH;
        argv.push_back(exe.data());
        std::vector<std::string> copy = args;
        for (auto& a : copy)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (!std::freopen(outFile.c_str(), "wb", stdout) || !std::freopen(errFile.c_str(), "wb", stderr))
            ::_exit(127);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (stdoutTo.empty())
        result.out = readBytes(outFile);
    result.err = readBytes(errFile);
    return result;
}

}  // namespace vexa::test
