#pragma once
// Writing the small INI files of the configuration tests: readable UTF-8 with
// LF in the test, CP932 with CR LF on disk, as the delivered files are.
#include "TestPaths.h"
#include "core/text/Cp932.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vexa::test {

inline std::string crlf(std::string_view lfText) {
    std::string out;
    for (char c : lfText) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// The CP932, CR LF bytes of a UTF-8 text with LF line ends.
inline std::string cp932Bytes(std::string_view utf8) { return crlf(cp932::fromUtf8(utf8)); }

inline void writeCp932File(const std::filesystem::path& file, std::string_view utf8) {
    writeBytes(file, cp932Bytes(utf8));
}

}  // namespace vexa::test
