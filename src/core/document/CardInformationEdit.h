#pragma once
// The command of the control data creation window: a change of the Card
// Information, kept as its before and after. Consecutive edits of one entry
// (each typed character) merge into one step.
#include "core/document/Command.h"
#include "core/model/CardInformation.h"

#include <memory>
#include <string>

namespace vexa {

class CardInformationEdit final : public Command {
public:
    CardInformationEdit(CardInformation before, CardInformation after, std::string field = {});

    // The edit that sets one entry, named as in kCardInformationFields
    // ("Title", "CardName", …), to `value`; nullptr for an unknown name.
    static std::unique_ptr<CardInformationEdit> setField(const CardInformation& current, const std::string& field,
                                                         std::string value);

    const CardInformation& after() const { return after_; }

    void redo(Project& project) override;
    void undo(Project& project) override;
    std::string text() const override;
    bool isEmpty() const override { return before_ == after_; }
    int mergeId() const override { return field_.empty() ? -1 : 2; }
    bool mergeWith(const Command& next) override;

private:
    CardInformation before_;
    CardInformation after_;
    std::string field_;  // the one entry changed; "" for a change that never merges
};

}  // namespace vexa
