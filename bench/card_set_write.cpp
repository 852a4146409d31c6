// Writes a Card Folder's set to a card folder with WriteCardSet alone (no
// creation, no check), for card-verify-vs-sha256sum.sh to time against
// `cp` + `sync`.
//
//   card_set_write CARD_FOLDER/NAME.vxa CARD
#include "core/cardcheck/CardSetWrite.h"
#include "core/controlfile/ControlFileReader.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: card_set_write CARD_FOLDER/NAME.vxa CARD" << std::endl;
        return 2;
    }
    const std::filesystem::path controlFile = argv[1];
    vexa::CardSetWriteJob job;
    job.cardFolder = controlFile.parent_path();
    job.card = argv[2];
    if (!vexa::LoadKtrFile(controlFile, job.project, job.settings)) {
        std::cerr << controlFile.string() << ": not a Control File this program reads" << std::endl;
        return 1;
    }
    vexa::NoProgress progress;
    const vexa::CardSetWriteResult result = vexa::WriteCardSet(job, progress);
    if (!result.written()) {
        std::cerr << result.problem << std::endl;
        return 1;
    }
    return 0;
}
