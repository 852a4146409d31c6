// Lines read in blocks: an end of line or a line that crosses a block's end
// reads as one that does not, and the length limit holds across blocks.
#include "core/controlfile/LineReader.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

constexpr std::size_t kBlock = 64 * 1024;  // the reader's block

struct Read {
    std::vector<std::string> lines;
    LineReader::Status last;
};

Read readAll(const std::string& bytes, std::size_t maxLength) {
    test::TempDir temp;
    test::writeBytes(temp.path() / "t.txt", bytes);
    InputFile file(temp.path() / "t.txt");
    LineReader reader(file, maxLength);
    Read read;
    std::string line;
    while ((read.last = reader.next(line)) == LineReader::Status::Line)
        read.lines.push_back(line);
    return read;
}

TEST(LineReader, LinesAndTheirEndsAcrossBlockBoundaries) {
    const std::string a(kBlock - 1, 'a');
    const std::string b(kBlock + 10, 'b');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"CR LF split by the block's end", a + "\r\nnext\r\n", {a, "next"}},
        {"CR as the block's last byte, no LF", a + "\rnext", {a, "next"}},
        {"a line longer than a block", "x\r\n" + b + "\r\ny", {"x", b, "y"}},
        {"LF endings in a file without CR", a + "\nnext\n\nlast", {a, "next", "", "last"}},
        {"a lone LF is data where a CR is", "p\nq\r\n" + a + "\n\r", {"p\nq", a + "\n"}},
        {"empty lines", "\r\n\r\r\n", {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Read read = readAll(c.bytes, 3 * kBlock);
        EXPECT_EQ(read.lines, c.lines);
        EXPECT_EQ(read.last, LineReader::Status::End);
    }
    EXPECT_TRUE(readAll("", 10).lines.empty());
}

TEST(LineReader, TheLimitIsTheLongestLineAcceptedEvenWhenItSpansBlocks) {
    const std::string longest(kBlock + 5, 'z');
    const Read exact = readAll("h\r\n" + longest + "\r\nt", longest.size());
    EXPECT_EQ(exact.lines, (std::vector<std::string>{"h", longest, "t"}));
    EXPECT_EQ(exact.last, LineReader::Status::End);

    const Read over = readAll("h\r\n" + longest + "z\r\nt", longest.size());
    EXPECT_EQ(over.lines, std::vector<std::string>{"h"});
    EXPECT_EQ(over.last, LineReader::Status::TooLong);
}

}  // namespace
}  // namespace vexa
