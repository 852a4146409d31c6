#include "wavetools/LeaveEmptyFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace vexa {

void LeaveEmptyFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::close(fd);
}

}  // namespace vexa
