#pragma once
// Reads a text stream line by line. A line ends at CR LF or at a CR alone; a
// LF alone ends a line only in a stream that holds no CR at all (a file saved
// with LF endings on another system). In a CR LF or CR file a lone LF is part
// of the value, so a Title holding one cannot shift the lines after it. The
// last line needs no end.
#include <istream>
#include <string>

namespace vexa {

class LineReader {
public:
    // Looks through the stream once for a CR and goes back to where it was.
    explicit LineReader(std::istream& in);

    // The next line without its end; false at the end of the stream.
    bool next(std::string& line);

private:
    std::istream& in_;
    bool loneLfEndsLine_;
};

}  // namespace vexa
