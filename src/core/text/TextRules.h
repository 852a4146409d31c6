#pragma once
// The text and file-name rules the windows and the file code share. Every
// length limit is counted in CP932 bytes: a full-width character is 2 bytes.
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// Number of bytes of the text in CP932.
std::size_t ByteLength(std::string_view text);

// True when the text holds at least one character taking two CP932 bytes.
bool HasWideChar(std::string_view text);

// The last n bytes of the text's CP932 form, turned back into text.
std::string RightBytes(std::string_view text, std::size_t n);

// The text, or `fallback` when the text is empty.
std::string IfEmpty(std::string_view text, std::string_view fallback);

// The part before the first NUL character (the whole text when it has none).
std::string CutAtNul(std::string_view text);

// False when the text holds any of  : ? * | / \ > < ] [ ) ( -  (true for "").
bool IsValidFileName(std::string_view text);

// Splits at the last path separator: returns the file name, sets `folder` to
// the part before the separator (empty when there is none).
std::string SplitPath(std::string_view path, std::string& folder);

// Takes apart the multi-file result of OpenFileDialog ("folder/" NUL name NUL
// name …) into full paths; returns the number of entries (at least 1).
std::size_t SplitSelection(std::string_view selection, std::vector<std::string>& list);

// What a numeric entry box holds after it loses the focus: a number is clamped
// to [minimum, maximum], an empty text becomes the minimum, any other text
// stays; then a number is shown in `pattern` (see numfmt::format).
std::string NormalizeNumberBox(std::string_view text, double minimum, double maximum,
                               std::string_view pattern);

}  // namespace vexa
