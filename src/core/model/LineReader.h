#pragma once
// Reads a text stream line by line. A line ends at CR LF, at a CR alone or at
// a LF alone (files edited on other systems); the last line needs no end.
#include <istream>
#include <string>

namespace vexa {

class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}

    // The next line without its end; false at the end of the stream.
    bool next(std::string& line);

private:
    std::istream& in_;
};

}  // namespace vexa
