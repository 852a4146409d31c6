#include "cli/StandardOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace vexa::cli {

int FinishStandardOutput(int exitCode) {
    errno = 0;
    std::cout.flush();
    const bool streamFailed = !std::cout;
    const bool fileFailed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (!streamFailed && !fileFailed)
        return exitCode;
    const int error = errno;
    std::cerr << "標準出力に書き込めません" << (error != 0 ? std::string("：") + std::strerror(error) : std::string())
              << "。出力は完全ではありません。" << std::endl;
    return exitCode != 0 ? exitCode : 1;
}

}  // namespace vexa::cli
