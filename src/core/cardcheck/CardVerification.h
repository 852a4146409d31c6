#pragma once
// The check of a card: the top folder of a mounted card, or any folder that
// holds a card set, against a Project (the one given, or the Control File
// found in the folder).
//
// - the Control File loads, and its bytes are exactly those the Project writes;
// - every WAVE file of the Sound Table is there and identical to its source
//   (sizes, then the contents compared block by block); a sound whose source
//   is gone (or is the card's file itself) is checked for its format, size and
//   length only, and one note says so;
// - the names of the set are 8.3 names the card holds in CP932, and no two
//   names of the folder differ only in letter case;
// - other files are named (a warning; nothing is deleted); a second Control
//   File is an error, the device would not know which to read;
// - the WAVE files' total against the capacity chosen in the Card Information;
//   the free space left;
// - the file system, when its facts are given (see CardFileSystem).
//
// Memory stays bounded whatever the files' sizes: two blocks of 1 MiB. The
// card's files are read from the medium where the kernel allows it (the pages
// the computer still holds of them are dropped first).
#include "core/cardcheck/CardFileSystem.h"
#include "core/cardcheck/CardFinding.h"
#include "core/config/Configuration.h"
#include "core/model/Project.h"
#include "core/ui/Progress.h"

#include <filesystem>
#include <optional>

namespace vexa {

// What a check looks at: the whole card, or only the files of the set (the
// Control File and the WAVE files), as card creation reads back what it wrote.
enum class CheckScope { Card, SetOnly };

struct CardVerifyRequest {
    std::filesystem::path folder;
    std::optional<Project> project;  // none: the Control File found in the folder
    Project loadInto;                // what that Control File is loaded into (the Project a run starts with)
    Settings settings;
    std::optional<CardFileSystem> fileSystem;  // checked when given
    CheckScope scope = CheckScope::Card;
};

struct CardVerification {
    CardFindings findings;
    bool stopped = false;  // the user asked to stop: the findings are incomplete
};

CardVerification VerifyCard(const CardVerifyRequest& request, Progress& progress);

// The check as the card windows and commands run it: the file system of
// `request.folder` told first (through `service` where it runs; null for
// none), then VerifyCard.
CardVerification VerifyCardFolder(CardVerifyRequest request, VolumeService* service, Progress& progress);

// Whether a name is an 8.3 name in its CP932 form: at most 8 bytes, then
// optionally "." and 1 to 3 bytes, no second dot.
bool IsEightDotThree(std::string_view cp932Name);

}  // namespace vexa
