#pragma once
// Reads a text file line by line. A line ends at CR LF or at a CR alone; a
// LF alone ends a line only in a file that holds no CR at all (a file saved
// with LF endings on another system). In a CR LF or CR file a lone LF is part
// of the value, so a Title holding one cannot shift the lines after it. The
// last line needs no end. A line longer than the reader's limit stops the
// reading: no line is ever held in memory beyond that limit.
#include "core/files/InputFile.h"

#include <cstddef>
#include <string>

namespace vexa {

class LineReader {
public:
    enum class Status {
        Line,     // `line` holds the next line, without its end
        End,      // the file has no more lines
        TooLong,  // the next line holds more than maxLength bytes
        Failed,   // the file could not be read (the file's reason says why)
    };

    // Reads `file` from its start. Looks through the file once for a CR
    // before the first line is given.
    LineReader(InputFile& file, std::size_t maxLength);

    Status next(std::string& line);

private:
    // The next byte (not taken), or -1 at the end; -2 on a read error.
    int peek();
    bool fill();
    bool holdsCr();

    InputFile& file_;
    const std::size_t maxLength_;
    std::string buffer_;
    std::size_t at_ = 0;
    std::size_t end_ = 0;
    bool failed_ = false;
    bool started_ = false;
    bool loneLfEndsLine_ = false;
};

}  // namespace vexa
