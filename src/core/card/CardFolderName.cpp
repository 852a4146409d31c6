#include "core/card/CardFolderName.h"

#include <array>

namespace vexa {
namespace {

constexpr std::string_view kFullWidthSpace = "\u3000";

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool edgeIsSpaceOrDot(std::string_view name) {
    const auto edge = [](char c) { return c == ' ' || c == '.'; };
    return edge(name.front()) || edge(name.back()) || name.starts_with(kFullWidthSpace) ||
           name.ends_with(kFullWidthSpace);
}

struct FaultText {
    NameFault fault;
    const char* text;
};

constexpr std::array kFaultTexts{
    FaultText{NameFault::Empty, "作成フォルダ名が空です。"},
    FaultText{NameFault::DotName, "「.」や「..」はフォルダ名に使えません。"},
    FaultText{NameFault::Separator, "「/」や「\\」は使えません。"},
    FaultText{NameFault::ControlCharacter, "制御文字は使えません。"},
    FaultText{NameFault::EdgeSpaceOrDot, "先頭や末尾に空白や「.」は使えません。"},
    FaultText{NameFault::TooLong, "長すぎます（200バイトまで）。"},
};

}  // namespace

bool HasControlCharacter(std::string_view text) {
    for (const char c : text)
        if (isControl(static_cast<unsigned char>(c)))
            return true;
    return false;
}

NameFault PlainNameFault(std::string_view name) {
    if (name.empty())
        return NameFault::Empty;
    if (name == "." || name == "..")
        return NameFault::DotName;
    if (name.find_first_of("/\\") != std::string_view::npos)
        return NameFault::Separator;
    if (HasControlCharacter(name))
        return NameFault::ControlCharacter;
    if (edgeIsSpaceOrDot(name))
        return NameFault::EdgeSpaceOrDot;
    if (name.size() > kLongestEntryName)
        return NameFault::TooLong;
    return NameFault::None;
}

std::string FolderNameRefusalText(NameFault fault) {
    for (const FaultText& row : kFaultTexts)
        if (row.fault == fault)
            return std::string("作成フォルダ名には、カードデータフォルダの中に作るフォルダの名前を１つだけ入力してください。\n") +
                   row.text;
    return {};
}

}  // namespace vexa
