#pragma once
// What may name the Card Folder and the files of a card: exactly one entry
// directly inside its folder. A name read from a Control File is outside
// data; one that could lead elsewhere ("..", "a/b", "\\x") or that a card
// reader would show differently (control characters, leading or trailing
// spaces or dots) is refused before any file is touched.
#include <string>
#include <string_view>

namespace vexa {

enum class NameFault {
    None,
    Empty,
    DotName,           // "." or ".."
    Separator,         // "/" or "\"
    ControlCharacter,  // NUL, the other C0 controls and DEL
    EdgeSpaceOrDot,    // a space (also the full-width one) or "." first or last
    TooLong,           // more than kLongestEntryName bytes
};

// The longest name a folder entry may have here (NAME_MAX), less the room the
// hidden work folder's name needs around it.
inline constexpr std::size_t kLongestEntryName = 200;

// NUL, the other C0 controls or DEL anywhere in `text`.
bool HasControlCharacter(std::string_view text);

NameFault PlainNameFault(std::string_view name);
inline bool IsPlainName(std::string_view name) { return PlainNameFault(name) == NameFault::None; }

// The refusal of a Folder entry, saying why ("" for NameFault::None).
std::string FolderNameRefusalText(NameFault fault);

}  // namespace vexa
