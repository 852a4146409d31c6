#include "core/controlfile/LineReader.h"

#include <algorithm>

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

int LineReader::get() {
    const int c = peek();
    if (c >= 0)
        ++at_;
    return c;
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
    int c = get();
    if (c == -1)
        return Status::End;
    while (c >= 0) {
        if (c == '\n' && loneLfEndsLine_)
            return Status::Line;
        if (c == '\r') {
            if (peek() == '\n')
                ++at_;
            return Status::Line;
        }
        if (line.size() == maxLength_)
            return Status::TooLong;
        line.push_back(static_cast<char>(c));
        c = get();
    }
    return c == -2 ? Status::Failed : Status::Line;
}

}  // namespace vexa
