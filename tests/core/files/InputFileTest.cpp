#include "core/files/InputFile.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;

TEST(InputFile, OnlyARegularFileWithinTheLimitIsOpenedAndTheRestIsCalledWhatItIs) {
    test::TempDir dir;
    test::writeBytes(dir / "a.txt", "abc");
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_symlink(dir / "a.txt", dir / "link");
    test::writeBytes(dir / "big", "");
    ASSERT_EQ(::truncate((dir / "big").c_str(), off_t{1} << 40), 0);  // sparse: nothing of it is read
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (dir / "sock").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    const struct {
        fs::path path;
        std::uint64_t limit;
        InputProblem problem;
        const char* reason;
    } cases[] = {
        {dir / "a.txt", 3, InputProblem::None, ""},
        {dir / "link", 3, InputProblem::None, ""},  // a link to a file is that file
        {dir / "a.txt", 2, InputProblem::TooLarge, "ファイルが大きすぎます（3 バイト。読み込めるのは 2 バイト までです）。"},
        {dir / "big", 16 << 20, InputProblem::TooLarge,
         "ファイルが大きすぎます（1099511627776 バイト。読み込めるのは 16 MiB までです）。"},
        {dir / "none", InputFile::kNoLimit, InputProblem::Missing, "ファイルが見つかりません。"},
        {dir / "a.txt" / "x", InputFile::kNoLimit, InputProblem::Missing, "ファイルが見つかりません。"},
        {dir / "folder", InputFile::kNoLimit, InputProblem::NotRegular, "フォルダーで、ファイルではありません。"},
        {dir / "pipe", InputFile::kNoLimit, InputProblem::NotRegular,
         "名前付きパイプ（FIFO）で、通常のファイルではありません。"},
        {"/dev/null", InputFile::kNoLimit, InputProblem::NotRegular, "デバイスで、通常のファイルではありません。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.string());
        const InputFile file(c.path, c.limit);
        EXPECT_EQ(file.problem(), c.problem);
        EXPECT_EQ(file.reason(), c.reason);
        EXPECT_EQ(file.isOpen(), c.problem == InputProblem::None);
    }
    // A socket cannot even be opened (ENXIO): refused with the system's reason.
    const InputFile socketFile(dir / "sock");
    EXPECT_EQ(socketFile.problem(), InputProblem::Failed);
    EXPECT_TRUE(socketFile.reason().starts_with("開けません（")) << socketFile.reason();
    ::close(sock);
}

TEST(InputFile, ReadsWholeOrAtAnOffsetAndStopsAtTheLimitIfTheFileGrew) {
    test::TempDir dir;
    test::writeBytes(dir / "a.txt", "0123456789");
    InputFile file(dir / "a.txt", 12);
    ASSERT_TRUE(file);
    EXPECT_EQ(file.size(), 10u);
    EXPECT_EQ(file.readAll(), "0123456789");
    char part[4] = {};
    EXPECT_TRUE(file.readAt(6, part, 4));
    EXPECT_EQ(std::string(part, 4), "6789");
    EXPECT_FALSE(file.readAt(8, part, 4));  // runs past the end
    EXPECT_EQ(file.readUpTo(8, part, 4), 2u);

    // Grown past the limit after the open: not read beyond it.
    test::writeBytes(dir / "a.txt", std::string(20, 'x'));
    EXPECT_EQ(file.readAll(), std::nullopt);
    EXPECT_EQ(file.problem(), InputProblem::TooLarge);
}

TEST(InputFile, WithoutReadPermission) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file whatever its mode bits";
    test::TempDir dir;
    test::writeBytes(dir / "secret", "x");
    ::chmod((dir / "secret").c_str(), 0200);
    const InputFile file(dir / "secret");
    EXPECT_EQ(file.problem(), InputProblem::NoPermission);
    EXPECT_EQ(file.reason(), "読み取る権限がありません。");
}

TEST(InputFile, SizesAndTheTextNamingTheFile) {
    EXPECT_EQ(ByteSizeText(16 << 20), "16 MiB");
    EXPECT_EQ(ByteSizeText(64 << 10), "64 KiB");
    EXPECT_EQ(ByteSizeText(std::uint64_t{5} << 30), "5 GiB");
    EXPECT_EQ(ByteSizeText(1000), "1000 バイト");
    EXPECT_EQ(CannotReadText("/x/a.ini", "ファイルが見つかりません。"), "「/x/a.ini」を読めません：ファイルが見つかりません。");
}

}  // namespace
}  // namespace vexa
