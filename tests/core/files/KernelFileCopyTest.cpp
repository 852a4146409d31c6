#include "core/files/KernelFileCopy.h"

#include "core/files/FileFaults.h"
#include "core/files/UniqueFd.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;

std::string pattern(std::size_t bytes) {
    std::string text(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i)
        text[i] = static_cast<char>((i * 131 + i / 4096) & 0xff);
    return text;
}

// Copies all of `input` to `output` in steps of `step` bytes; the way it ended on.
CopyWay copyAll(int input, int output, CopyWay first, std::size_t step) {
    KernelFileCopy copy(input, output, first);
    for (;;) {
        const CopyStep done = copy.step(step);
        EXPECT_FALSE(done.failed()) << done.error;
        if (done.failed() || done.moved == 0)
            return copy.way();
    }
}

TEST(KernelFileCopy, EveryWayCopiesEveryByteWithinAndAcrossFileSystems) {
    test::TempDir dir;
    const std::string bytes = pattern((3 << 20) + 7);
    test::writeBytes(dir / "source", bytes);
    std::vector<fs::path> sources{dir / "source"};
    // A source on another file system: the kernel's copy across file systems
    // may be refused, and the next way takes over.
    std::unique_ptr<test::TempDir> other;
    if (fs::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0) {
        const fs::path shm = fs::path("/dev/shm") / ("vexa-copy-" + std::to_string(::getpid()));
        fs::create_directory(shm);
        test::writeBytes(shm / "source", bytes);
        sources.push_back(shm / "source");
    }
    for (const fs::path& source : sources) {
        for (const CopyWay way : {CopyWay::CopyFileRange, CopyWay::Sendfile, CopyWay::Buffer}) {
            SCOPED_TRACE(source.string() + ", way " + std::to_string(static_cast<int>(way)));
            const UniqueFd input(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
            const UniqueFd output(::open((dir / "copy").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
            ASSERT_TRUE(input && output);
            ASSERT_EQ(PreallocateFile(output.get(), bytes.size()), 0);
            EXPECT_EQ(fs::file_size(dir / "copy"), 0u);  // room reserved, size untouched
            const CopyWay ended = copyAll(input.get(), output.get(), way, 1 << 20);
            EXPECT_GE(ended, way);
            EXPECT_EQ(test::readBytes(dir / "copy"), bytes);
        }
    }
    if (sources.size() > 1)
        fs::remove_all(sources.back().parent_path());
}

TEST(KernelFileCopy, AFailureIsToldAsTheInputsOrTheOutputs) {
    test::TempDir dir;
    test::writeBytes(dir / "source", pattern(100000));
    struct Case {
        const char* what;
        int inputFlags;
        const char* output;
        int outputFlags;
        int injected;
        int error;
        bool readFailed;
    } const cases[] = {
        {"a full device", O_RDONLY, "/dev/full", O_WRONLY, 0, ENOSPC, false},
        {"an input that cannot be read", O_WRONLY, "copy", O_WRONLY | O_CREAT | O_TRUNC, 0, EBADF, true},
        {"an injected write fault", O_RDONLY, "copy", O_WRONLY | O_CREAT | O_TRUNC, EIO, EIO, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path output = fs::path(c.output).is_absolute() ? fs::path(c.output) : dir / c.output;
        const UniqueFd input(::open((dir / "source").c_str(), c.inputFlags | O_CLOEXEC));
        const UniqueFd out(::open(output.c_str(), c.outputFlags | O_CLOEXEC, 0600));
        ASSERT_TRUE(input && out);
        if (c.injected)
            InjectFileFault(FileCall::Write, c.injected);
        for (const CopyWay way : {CopyWay::CopyFileRange, CopyWay::Buffer}) {
            ASSERT_EQ(::lseek(input.get(), 0, SEEK_SET), 0);
            KernelFileCopy copy(input.get(), out.get(), way);
            const CopyStep step = copy.step(1 << 20);
            EXPECT_EQ(step.error, c.error);
            EXPECT_EQ(step.readFailed, c.readFailed);
            if (c.injected)
                InjectFileFault(FileCall::Write, c.injected);
        }
        ClearFileFaults();
    }
}

}  // namespace
}  // namespace vexa
