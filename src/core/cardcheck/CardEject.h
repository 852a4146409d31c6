#pragma once
// Taking a card out: what is still in the computer's memory is written to the
// card first (the whole file system flushed); then, where the disk service
// runs, the card is unmounted and its drive powered off; elsewhere the user
// is told that the card can be taken out now.
#include "core/cardcheck/CardFinding.h"
#include "core/cardcheck/VolumeService.h"

#include <filesystem>
#include <string>

namespace vexa {

struct CardEjectResult {
    bool ok = false;      // the card can be taken out
    bool powered = false;  // unmounted and powered off by the disk service
    std::string text;      // what to tell the user
};

// `service` may be null.
CardEjectResult EjectCard(const Volume& volume, VolumeService* service);

// "取り外し" is offered only after a whole, clean check of that volume's top folder.
bool CanEjectAfterCheck(const Volume& volume, const std::filesystem::path& checkedFolder,
                        const CardFindings& findings, bool stopped);

}  // namespace vexa
