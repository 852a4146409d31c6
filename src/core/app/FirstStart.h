#pragma once
// A user's very first start: the Configuration File gets the default card data
// folder once, and a per-user record remembers that this has happened.
#include <filesystem>
#include <string>
#include <string_view>

namespace vexa {

enum class FirstStartResult {
    AlreadyDone,  // the record exists: nothing was touched
    Written,      // CardPath written and the record created
    Failed,       // CardPath could not be written: no record, so the next start tries again
};

// The card data folder a first start writes: the documents folder (cut at a
// NUL; empty when the folder query failed) + "/VexaEditor CardData".
std::string DefaultCardPath(std::string_view documentsFolder);

// Writes System/CardPath into the Configuration File and creates the record,
// unless the record already exists.
FirstStartResult RunFirstStart(const std::filesystem::path& record,
                               const std::filesystem::path& configurationFile,
                               std::string_view documentsFolder);

}  // namespace vexa
