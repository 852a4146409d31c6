#include "core/controlfile/LineReader.h"

#include <algorithm>
#include <cstring>

namespace vexa {
namespace {
constexpr std::size_t kBlockBytes = 64 * 1024;
}  // namespace

LineReader::LineReader(InputFile& file, std::size_t maxLength)
    : file_(file), maxLength_(maxLength), buffer_(kBlockBytes, '\0') {}

bool LineReader::holdsCr() {
    bool found = false;
    while (!found) {
        const long got = file_.read(buffer_.data(), buffer_.size());
        if (got < 0) {
            failed_ = true;
            return false;
        }
        if (got == 0)
            break;
        found = std::find(buffer_.begin(), buffer_.begin() + got, '\r') != buffer_.begin() + got;
    }
    if (!file_.rewind())
        failed_ = true;
    return found;
}

bool LineReader::fill() {
    if (failed_)
        return false;
    const long got = file_.read(buffer_.data(), buffer_.size());
    if (got < 0) {
        failed_ = true;
        return false;
    }
    at_ = 0;
    end_ = static_cast<std::size_t>(got);
    return got > 0;
}

int LineReader::peek() {
    if (at_ == end_ && !fill())
        return failed_ ? -2 : -1;
    return static_cast<unsigned char>(buffer_[at_]);
}

LineReader::Status LineReader::next(std::string& line) {
    line.clear();
    if (!started_) {
        started_ = true;
        if (file_.rewind())
            loneLfEndsLine_ = !holdsCr();
        else
            failed_ = true;
    }
    if (at_ == end_ && !fill())
        return failed_ ? Status::Failed : Status::End;
    // A file with a CR ends its lines at CRs; one without ends them at LFs.
    const char lineEnd = loneLfEndsLine_ ? '\n' : '\r';
    for (;;) {
        if (at_ == end_ && !fill())
            return failed_ ? Status::Failed : Status::Line;  // the last line, without an end
        const char* begin = buffer_.data() + at_;
        const std::size_t available = end_ - at_;
        const auto* found = static_cast<const char*>(std::memchr(begin, lineEnd, available));
        const std::size_t length = found ? static_cast<std::size_t>(found - begin) : available;
        if (line.size() + length > maxLength_)
            return Status::TooLong;
        line.append(begin, length);
        at_ += length;
        if (found) {
            ++at_;
            if (lineEnd == '\r' && peek() == '\n')
                ++at_;
            return Status::Line;
        }
    }
}

}  // namespace vexa
