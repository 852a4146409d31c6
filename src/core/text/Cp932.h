#pragma once
// Conversion between UTF-8, the internal form of every text, and CP932, the
// form of every file the system reads or writes.
#include <string>
#include <string_view>

namespace vexa::cp932 {

// UTF-8 → CP932. A character CP932 cannot hold becomes "?" (one byte), as the
// platform's ANSI conversion does; malformed UTF-8 is treated the same way.
std::string fromUtf8(std::string_view utf8);

// CP932 → UTF-8. Bytes that are not valid CP932 become U+FFFD.
std::string toUtf8(std::string_view cp932);
// The same; `replaced` tells whether any byte became U+FFFD.
std::string toUtf8(std::string_view cp932, bool& replaced);

// The character that stands for bytes that were not CP932 (U+FFFD, UTF-8).
inline constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// True when the text is plain 7-bit ASCII (identical in both encodings).
bool isAscii(std::string_view text) noexcept;

}  // namespace vexa::cp932
