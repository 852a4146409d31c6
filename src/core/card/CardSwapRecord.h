#pragma once
// The record a swap writes beside its work folder before it changes the Card
// Folder: how it swaps, which folder, the new set's folder (device and inode)
// and the names of the new files. With it, a later run can tell how far an
// interrupted swap got and finish it or undo it (CardSwapRecovery).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

struct CardSwapRecord {
    enum class Method { Exchange, FileByFile };
    Method method = Method::Exchange;
    std::string cardFolder;  // its name in the record's folder; "." when that folder is the Card Folder
    std::uint64_t device = 0;  // of the new set's folder when the record was written
    std::uint64_t inode = 0;
    std::vector<std::string> newFiles;

    bool operator==(const CardSwapRecord&) const = default;
};

std::string CardSwapRecordText(const CardSwapRecord& record);
// nullopt for a text that is not a whole record or names anything but plain
// names (the record lies in a folder others may write).
std::optional<CardSwapRecord> ParseCardSwapRecord(std::string_view text);

// Writes the record as `name` in `folder` so that it is on the disk (and whole)
// before the call returns; errno kept on failure.
bool WriteCardSwapRecord(int folder, const std::string& name, const CardSwapRecord& record);
// nullopt when there is none, it cannot be read or it is not a record.
std::optional<CardSwapRecord> ReadCardSwapRecord(int folder, const std::string& name);

}  // namespace vexa
