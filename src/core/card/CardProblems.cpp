#include "core/card/CardProblems.h"

#include <array>
#include <cerrno>

namespace vexa::cardproblem {
namespace {

struct ReadReason {
    int error;
    const char* text;
};

constexpr std::array kReadReasons{
    ReadReason{ENOENT, "ファイルが見つかりません。"},
    ReadReason{ENOTDIR, "ファイルが見つかりません。"},
    ReadReason{EACCES, "読み取る権限がありません。"},
    ReadReason{EPERM, "読み取る権限がありません。"},
    ReadReason{EISDIR, "ファイルではなくフォルダーです。"},
    ReadReason{EIO, "ディスクから読み取れません。"},
};

std::string quoted(const std::filesystem::path& path) { return "「" + path.string() + "」"; }

}  // namespace

std::string cannotRead(const std::filesystem::path& file, int error) {
    for (const ReadReason& row : kReadReasons)
        if (row.error == error)
            return quoted(file) + "を読み込めません：" + row.text;
    return quoted(file) + "を読み込めません：読み込み中にエラーが発生しました（エラー番号 " + std::to_string(error) + "）。";
}

std::string sizeMismatch(const std::filesystem::path& file, std::uint64_t expected, std::uint64_t actual) {
    return quoted(file) + "を正しくコピーできません：" + std::to_string(expected) + " バイトのはずが " +
           std::to_string(actual) + " バイトです。";
}

std::string readBackMismatch(const std::filesystem::path& file) {
    return quoted(file) + "を読み返した内容が、書き込んだ内容と一致しません。";
}

std::string noSpace(const std::filesystem::path& folder, std::uint64_t needed, std::uint64_t available) {
    return quoted(folder) + "の空き容量が足りません：" + std::to_string(needed) + " バイト必要ですが、空きは " +
           std::to_string(available) + " バイトです。";
}

std::string notAFolder(const std::filesystem::path& path) {
    return quoted(path) + "はフォルダーではありません。";
}

std::string missingFolder(const std::filesystem::path& folder) {
    return quoted(folder) + "が見つかりません。";
}

std::string readOnlyFolder(const std::filesystem::path& folder) {
    return quoted(folder) + "に書き込めません：読み取り専用のフォルダーです。";
}

std::string shownAs(std::string problem, const std::filesystem::path& workFile, const std::filesystem::path& cardFile) {
    const std::string from = quoted(workFile);
    if (const auto at = problem.find(from); at != std::string::npos)
        problem.replace(at, from.size(), quoted(cardFile));
    return problem;
}

std::string folderInTheWay(const std::filesystem::path& path) {
    return quoted(path) + "を置き換えられません：同じ名前のフォルダーがあります。";
}

}  // namespace vexa::cardproblem
