#include "core/text/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vexa::cp932 {
namespace {

// One iconv descriptor per direction and thread; opening one is costly.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between UTF-8 and CP932");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; on an input sequence it cannot convert, appends
    // `replacement` and skips `skip(rest)` bytes.
    template <typename Skip>
    std::string run(std::string_view in, std::string_view replacement, Skip skip) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.resize(in.size() * 2 + 8);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t used = 0;
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            size_t dstLeft = out.size() - used;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (rc != static_cast<size_t>(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ or EINVAL (a sequence cut short at the end)
            size_t n = skip(std::string_view(src, srcLeft));
            src += n;
            srcLeft -= n;
            out.resize(std::max(out.size(), used + replacement.size() + srcLeft * 2 + 8));
            out.replace(used, replacement.size(), replacement);
            used += replacement.size();
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence starting `rest` (at least 1, at most its size).
size_t utf8SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    size_t i = 1;
    while (i < n && i < rest.size() && (static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80)
        ++i;
    return i;
}

}  // namespace

bool isAscii(std::string_view text) noexcept {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string fromUtf8(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    thread_local Converter conv("CP932", "UTF-8");
    return conv.run(utf8, "?", utf8SequenceLength);
}

std::string toUtf8(std::string_view cp932) {
    bool replaced = false;
    return toUtf8(cp932, replaced);
}

std::string toUtf8(std::string_view cp932, bool& replaced) {
    replaced = false;
    if (isAscii(cp932))
        return std::string(cp932);
    thread_local Converter conv("UTF-8", "CP932");
    return conv.run(cp932, kReplacement, [&replaced](std::string_view) -> size_t {
        replaced = true;
        return 1;
    });
}

}  // namespace vexa::cp932
