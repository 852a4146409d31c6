// The creation window's edits of the Card Information as steps of the
// Document: typing into one entry is one step, another entry a new one, and a
// written card is a clean point the history goes on past.
#include "core/document/Document.h"
#include "core/document/Edits.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

void type(Document& document, const std::string& field, const std::string& text) {
    EXPECT_TRUE(EditCardInformationEntry(document, field, text)) << field;
}

TEST(CardInformationEdits, TypingIntoOneEntryIsOneStepAndAnotherEntryIsTheNext) {
    Document document{Configuration{}};
    type(document, "Title", "V");
    type(document, "Title", "VX");
    type(document, "Title", "VX-1");
    type(document, "PrgDate", "2004/7/1");
    type(document, "PrgDate", "2004/07/01");  // the date box rewritten when left
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.project().card.title, "VX-1");

    document.undo();
    EXPECT_EQ(document.project().card.prgDate, "");
    EXPECT_EQ(document.project().card.title, "VX-1");
    document.undo();
    EXPECT_EQ(document.project().card, CardInformation{});
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(document.canUndo());

    document.redo();
    EXPECT_EQ(document.project().card.title, "VX-1");
}

TEST(CardInformationEdits, UnknownFieldsAndUnchangedValuesMakeNoStep) {
    Document document{Configuration{}};
    EXPECT_FALSE(EditCardInformationEntry(document, "Colour", "x"));
    type(document, "Memo1", "");
    EXPECT_FALSE(document.canUndo());
}

TEST(CardInformationEdits, ACompletedCreationIsTheNewCleanPointAndKeepsTheHistory) {
    Document document{Configuration{}};
    type(document, "CardName", "SHOP");
    document.markWritten();
    EXPECT_FALSE(document.modified());
    EXPECT_EQ(document.undoText(), "コントロールデータ情報の変更");
    type(document, "CardName", "SHOP2");  // a new step, not merged into the written one
    document.undo();
    EXPECT_EQ(document.project().card.cardName, "SHOP");
    EXPECT_FALSE(document.modified());

    // Undone past the card written: modified until redone to it.
    document.undo();
    EXPECT_EQ(document.project().card.cardName, "");
    EXPECT_TRUE(document.modified());
    document.redo();
    EXPECT_FALSE(document.modified());
}

TEST(CardInformationEdits, TheWholeInformationIsOneStepThatNeverMerges) {
    Document document{Configuration{}};
    CardInformation written;
    written.title = "T";
    written.cardName = "C";
    EditCardInformation(document, written);
    type(document, "Title", "T2");
    EXPECT_EQ(document.project().card.title, "T2");
    document.undo();
    EXPECT_EQ(document.project().card, written);
    document.undo();
    EXPECT_EQ(document.project().card, CardInformation{});
    EXPECT_FALSE(document.canUndo());
}

}  // namespace
}  // namespace vexa
