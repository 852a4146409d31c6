#include "core/card/CardFileCopy.h"

#include "core/files/UniqueFd.h"

#include "TestPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// A source whose size is not the one counted (it changed after it was
// measured) is no copy: the problem names it with both sizes.
TEST(CardFileCopy, ASourceOfAnotherSizeThanCountedIsRefusedNamingIt) {
    test::TempDir dir;
    fs::create_directory(dir / "work");
    const std::string bytes(3 << 20, 'w');
    test::writeBytes(dir / "A.WAV", bytes);
    const struct {
        std::uint64_t expected;
        bool copied;
        std::string problem;
    } cases[] = {
        {bytes.size(), true, ""},
        {bytes.size() - 1, false, std::to_string(bytes.size() - 1) + " バイトのはずが " + std::to_string(bytes.size())},
        {bytes.size() + 10, false, std::to_string(bytes.size() + 10) + " バイトのはずが " + std::to_string(bytes.size())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        fs::remove(dir / "work" / "A.WAV");
        const UniqueFd work(::open((dir / "work").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        NoProgress progress;
        const CopyOutcome outcome = CopyCardFile(dir / "A.WAV", work.get(), "A.WAV", dir / "card" / "A.WAV",
                                                 c.expected, progress);
        EXPECT_EQ(outcome.copied, c.copied);
        if (c.copied) {
            EXPECT_EQ(test::readBytes(dir / "work" / "A.WAV"), bytes);
        } else {
            EXPECT_THAT(outcome.problem, HasSubstr("「" + (dir / "A.WAV").string() + "」"));
            EXPECT_THAT(outcome.problem, HasSubstr(c.problem));
        }
    }
}

}  // namespace
}  // namespace vexa
