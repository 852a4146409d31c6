#pragma once
// The texts that say why creating a card stopped, each naming the file or
// folder concerned ("「/x/A.WAV」を読み込めません：ファイルが見つかりません。").
// Problems of writing come from WriteResult; these are the others.
#include <cstdint>
#include <filesystem>
#include <string>

namespace vexa::cardproblem {

// A source that could not be opened or read (errno `error`).
std::string cannotRead(const std::filesystem::path& file, int error);
// A source whose size changed while it was copied, or a copy of the wrong size.
std::string sizeMismatch(const std::filesystem::path& file, std::uint64_t expected, std::uint64_t actual);
// The Control File read back differs from what was written.
std::string readBackMismatch(const std::filesystem::path& file);
// Too little room where the Card Folder lives.
std::string noSpace(const std::filesystem::path& folder, std::uint64_t needed, std::uint64_t available);
// Something other than a folder where a folder is needed.
std::string notAFolder(const std::filesystem::path& path);
// The folder that should hold the Card Folder does not exist.
std::string missingFolder(const std::filesystem::path& folder);
// A folder without any write bit, or one this user may not write.
std::string readOnlyFolder(const std::filesystem::path& folder);
// A problem text about a file of the work folder, naming it instead where it
// was going to be (the work folder is no concern of the user's).
std::string shownAs(std::string problem, const std::filesystem::path& workFile, const std::filesystem::path& cardFile);
// A sub-folder of the Card Folder has the name of a file of the card.
std::string folderInTheWay(const std::filesystem::path& path);

}  // namespace vexa::cardproblem
