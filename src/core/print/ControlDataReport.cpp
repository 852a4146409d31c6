#include "core/print/ControlDataReport.h"

#include "core/card/CapacityClass.h"
#include "core/card/CardDate.h"

namespace vexa::print {

Report ControlDataReport(const CardInformation& card, const PrintTime& time) {
    Section section;
    section.heading = "［コントロールデータ作成情報］";
    section.lines = {card.title};
    // CardType under the label the creation window gives it; the model is
    // the Title, the line above.
    section.fields = {
        {"使用カード型式", card.cardType},
        {"コントロールファイル名", card.cardName},
        {"作成フォルダ名", card.folder},
        {"使用カード容量", CardSizeText(card.cardSize)},
        {"IN", card.in},
        {"LED", card.out},
        {"VOICE", card.voice},
        {"BUZZER", card.buzzer},
        {"EX", card.ex},
        {"作成会社", card.prgCorp},
        {"作成者", card.prgMake},
        {"作成日", NormalizeCardDate(card.prgDate)},
        {"コメント①", card.memo1},
        {"コメント②", card.memo2},
    };
    return {ReportKind::ControlData, CommonPageHeader(time), {std::move(section)}, false, true};
}

}  // namespace vexa::print
