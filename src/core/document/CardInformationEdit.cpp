#include "core/document/CardInformationEdit.h"

#include "core/model/Project.h"

#include <algorithm>

namespace vexa {

CardInformationEdit::CardInformationEdit(CardInformation before, CardInformation after, std::string field)
    : before_(std::move(before)), after_(std::move(after)), field_(std::move(field)) {}

std::unique_ptr<CardInformationEdit> CardInformationEdit::setField(const CardInformation& current,
                                                                   const std::string& field, std::string value) {
    const auto row = std::find_if(kCardInformationFields.begin(), kCardInformationFields.end(),
                                  [&](const CardInformationField& f) { return field == f.name; });
    if (row == kCardInformationFields.end())
        return nullptr;
    CardInformation after = current;
    after.*row->value = std::move(value);
    return std::make_unique<CardInformationEdit>(current, std::move(after), field);
}

void CardInformationEdit::redo(Project& project) { project.card = after_; }

void CardInformationEdit::undo(Project& project) { project.card = before_; }

std::string CardInformationEdit::text() const { return "コントロールデータ情報の変更"; }

bool CardInformationEdit::mergeWith(const Command& next) {
    const auto* other = dynamic_cast<const CardInformationEdit*>(&next);
    if (!other || field_.empty() || other->field_ != field_ || other->before_ != after_)
        return false;
    after_ = other->after_;
    return true;
}

}  // namespace vexa
