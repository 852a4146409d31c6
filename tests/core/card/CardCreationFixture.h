#pragma once
// A card to create in a temporary card data folder: sources in "src", the
// card data folder "cards", the Card Folder "cards/SHOP".
#include "FolderContents.h"
#include "TestPaths.h"
#include "core/card/CardPreparation.h"
#include "core/controlfile/ControlFileWriter.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace vexa::test {

class CardCreationFixture : public ::testing::Test {
protected:
    CardCreationFixture() {
        std::filesystem::create_directories(sources);
        std::filesystem::create_directories(cards);
        settings.maxLine = 3;
        settings.cardPath = cards.string();
        project.card.title = "VX-100";
        project.card.cardName = "SHOP";
        project.card.folder = "SHOP";
        project.card.cardSize = "0";
        project.card.prgCorp = "見本商店";
        project.card.prgMake = "見本 太郎";
        project.card.prgDate = "2004/07/01";
        project.card = CardInformationToWrite(project.card);
    }

    // Registers a sound whose source holds `bytes`.
    void addSound(const std::string& name, const std::string& bytes) {
        writeBytes(sources / name, bytes);
        SoundEntry entry;
        entry.fileName = name;
        entry.sourcePath = (sources / name).string();
        if (project.soundPresent)
            project.sounds.push_back(entry);
        else
            project.sounds[0] = entry;
        project.soundPresent = true;
    }

    CardJob job() const {
        const CardCheck check = CheckCardCreation(project, settings);
        EXPECT_EQ(check.outcome, CardCheckOutcome::Ready);
        return *check.job;
    }

    std::string controlFileBytes() const { return cp932::fromUtf8(*ControlFileText(project, settings)); }

    // An old card: two files and a sub-folder with a file.
    void makeOldCard() {
        std::filesystem::create_directories(cardFolder / "keep");
        writeBytes(cardFolder / "SHOP.vxa", "old control file");
        writeBytes(cardFolder / "OLD.WAV", "old sound");
        writeBytes(cardFolder / "keep" / "notes.txt", "the installer's notes");
    }

public:
    TempDir temp;
    std::filesystem::path sources = temp / "src";
    std::filesystem::path cards = temp / "cards";
    std::filesystem::path cardFolder = cards / "SHOP";
    Settings settings;
    Project project;
};

}  // namespace vexa::test
