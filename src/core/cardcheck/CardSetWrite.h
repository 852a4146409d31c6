#pragma once
// Writes a card set (the Control File and the WAVE files of a Card Folder
// made on the computer) to the top folder of a card, safely:
// - the free space is checked first: the whole new set must fit beside the
//   old one, whose files are only replaced at the end (the message counts them);
// - each new file goes onto the card under a hidden temporary name, through
//   the card folder's descriptor, with the one copy of card creation;
// - only when the whole new set is on the card and flushed are the temporaries
//   renamed over their names, the Control File last, and then the old set's
//   files that the new set does not name (the old Control File and the WAVE
//   files it names) removed; files the card holds for other reasons stay;
// - any failure before that removes the temporaries, names the file and
//   leaves the old set as it was.
#include "core/model/Project.h"
#include "core/config/Configuration.h"
#include "core/ui/Progress.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vexa {

struct CardSetWriteJob {
    std::filesystem::path cardFolder;  // the set as creation made it
    std::filesystem::path card;        // the card's top folder
    Project project;                   // names the set (Control File, Sound Entries)
    Settings settings;
};

struct CardSetWriteResult {
    enum class Outcome { Written, Stopped, Failed };
    Outcome outcome = Outcome::Written;
    std::string problem;  // for Failed: what went wrong, naming the file
    std::vector<std::string> removed;  // old set files removed from the card
    bool written() const { return outcome == Outcome::Written; }
};

CardSetWriteResult WriteCardSet(const CardSetWriteJob& job, Progress& progress);

}  // namespace vexa
