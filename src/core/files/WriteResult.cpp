#include "core/files/WriteResult.h"

#include <array>
#include <cerrno>
#include <utility>

namespace vexa {
namespace {

struct ErrorMeaning {
    int error;
    WriteProblem problem;
};

constexpr std::array kErrorMeanings{
    ErrorMeaning{EACCES, WriteProblem::NoPermission},  ErrorMeaning{EPERM, WriteProblem::NoPermission},
    ErrorMeaning{EROFS, WriteProblem::ReadOnlyPlace},  ErrorMeaning{ENOSPC, WriteProblem::NoSpace},
    ErrorMeaning{EDQUOT, WriteProblem::NoSpace},       ErrorMeaning{ENOENT, WriteProblem::MissingFolder},
    ErrorMeaning{ENOTDIR, WriteProblem::MissingFolder}, ErrorMeaning{EISDIR, WriteProblem::NotAFile},
    ErrorMeaning{ENAMETOOLONG, WriteProblem::NameTooLong}, ErrorMeaning{ELOOP, WriteProblem::LinkLoop},
};

struct ProblemText {
    WriteProblem problem;
    const char* reason;
};

constexpr std::array kProblemTexts{
    ProblemText{WriteProblem::ReadOnlyFile, "読み取り専用のファイルです。"},
    ProblemText{WriteProblem::NotAFile, "同じ名前のフォルダーなど、ファイルでないものがあります。"},
    ProblemText{WriteProblem::NoPermission, "書き込む権限がありません。"},
    ProblemText{WriteProblem::ReadOnlyPlace, "読み取り専用の場所です。"},
    ProblemText{WriteProblem::NoSpace, "ディスクの空き容量が足りません。"},
    ProblemText{WriteProblem::MissingFolder, "保存先のフォルダーが見つかりません。"},
    ProblemText{WriteProblem::NameTooLong, "ファイル名またはパスが長すぎます。"},
    ProblemText{WriteProblem::LinkLoop, "シンボリックリンクが循環しているため、書き込み先のファイルをたどれません。"},
    ProblemText{WriteProblem::InvalidContent, "数値にできない値があるため、ファイルの内容を作れません。"},
    ProblemText{WriteProblem::Failed, "書き込み中にエラーが発生しました。"},
};

std::string reasonText(WriteProblem problem) {
    for (const ProblemText& row : kProblemTexts)
        if (row.problem == problem)
            return row.reason;
    return "書き込み中にエラーが発生しました。";
}

std::string cannotWrite(const std::filesystem::path& file, const std::string& reason) {
    return "「" + file.string() + "」に書き込めません：" + reason;
}

}  // namespace

WriteProblem ProblemOfError(int error) {
    for (const ErrorMeaning& row : kErrorMeanings)
        if (row.error == error)
            return row.problem;
    return WriteProblem::Failed;
}

WriteResult WriteResult::failure(WriteProblem problem, const std::filesystem::path& file) {
    if (problem == WriteProblem::None)
        return success();
    return {problem, cannotWrite(file, reasonText(problem))};
}

WriteResult WriteResult::fromError(int error, const std::filesystem::path& file) {
    const WriteProblem problem = ProblemOfError(error);
    if (problem != WriteProblem::Failed)
        return failure(problem, file);
    // No reason of its own: the number lets someone look the error up.
    return {problem, cannotWrite(file, "書き込み中にエラーが発生しました（エラー番号 " + std::to_string(error) + "）。")};
}

}  // namespace vexa
