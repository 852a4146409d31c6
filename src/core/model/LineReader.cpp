#include "model/LineReader.h"

#include <algorithm>
#include <array>

namespace vexa {
namespace {

// True when the rest of the stream holds a CR; the stream is put back where
// it was. A stream that cannot go back is taken to hold one.
bool holdsCr(std::istream& in) {
    const auto start = in.tellg();
    if (start == std::istream::pos_type(-1))
        return true;
    std::array<char, 64 * 1024> buffer{};
    bool found = false;
    std::streambuf* source = in.rdbuf();
    while (!found) {
        const std::streamsize got = source->sgetn(buffer.data(), buffer.size());
        if (got <= 0)
            break;
        found = std::find(buffer.begin(), buffer.begin() + got, '\r') != buffer.begin() + got;
    }
    in.clear();
    in.seekg(start);
    return found;
}

}  // namespace

LineReader::LineReader(std::istream& in) : in_(in), loneLfEndsLine_(!holdsCr(in)) {}

bool LineReader::next(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    using Traits = std::char_traits<char>;
    int c = buffer->sbumpc();
    if (c == Traits::eof())
        return false;
    while (c != Traits::eof()) {
        if (c == '\n' && loneLfEndsLine_)
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
