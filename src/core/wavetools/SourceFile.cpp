#include "core/wavetools/SourceFile.h"

#include <fcntl.h>

namespace vexa {

SourceFile::SourceFile(const std::filesystem::path& path) : file_(path) {
    // Read once from start to end: let the kernel read ahead generously.
    if (file_)
        ::posix_fadvise(file_.fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
}

bool SourceFile::readAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    return file_.readAt(offset, buffer, count);
}

}  // namespace vexa
