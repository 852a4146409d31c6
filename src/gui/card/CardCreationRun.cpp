#include "gui/card/CardCreationRun.h"

namespace vexa::gui {

CardCreationRun::CardCreationRun(CardJob job, QObject* parent) : JobRun(parent), job_(std::move(job)) {}

void CardCreationRun::start() {
    JobRun::start([this](Progress& progress) { result_ = CreateCard(job_, progress); });
}

}  // namespace vexa::gui
