#include "model/LineReader.h"

namespace vexa {

bool LineReader::next(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    using Traits = std::char_traits<char>;
    int c = buffer->sbumpc();
    if (c == Traits::eof())
        return false;
    while (c != Traits::eof()) {
        if (c == '\n')
            return true;
        if (c == '\r') {
            if (buffer->sgetc() == '\n')
                buffer->sbumpc();
            return true;
        }
        line.push_back(static_cast<char>(c));
        c = buffer->sbumpc();
    }
    return true;
}

}  // namespace vexa
