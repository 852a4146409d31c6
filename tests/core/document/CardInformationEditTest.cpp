// The creation window's edits of the Card Information as steps of the
// Document: typing into one entry is one step, another entry a new one.
#include "core/document/CardInformationEdit.h"
#include "core/document/Document.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

void type(Document& document, const std::string& field, const std::string& text) {
    document.apply(CardInformationEdit::setField(document.project().card, field, text));
}

TEST(CardInformationEdit, TypingIntoOneEntryIsOneStepAndAnotherEntryIsTheNext) {
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

TEST(CardInformationEdit, UnknownFieldsAndUnchangedValuesMakeNoStep) {
    Document document{Configuration{}};
    EXPECT_EQ(CardInformationEdit::setField(document.project().card, "Colour", "x"), nullptr);
    type(document, "Memo1", "");
    EXPECT_FALSE(document.canUndo());
}

TEST(CardInformationEdit, ACompletedCreationIsTheNewCleanPointAndEndsTheHistory) {
    Document document{Configuration{}};
    type(document, "CardName", "SHOP");
    document.markWritten();
    EXPECT_FALSE(document.modified());
    EXPECT_FALSE(document.canUndo());
    type(document, "CardName", "SHOP2");  // a new step, not merged into the written one
    document.undo();
    EXPECT_EQ(document.project().card.cardName, "SHOP");
    EXPECT_FALSE(document.modified());
}

}  // namespace
}  // namespace vexa
