#include "core/document/Edits.h"

#include "core/document/MemberEdit.h"
#include "core/document/SoundTableEdit.h"
#include "core/model/Project.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace vexa {
namespace {

using PatternTimesEdit = MemberEdit<PatternTimes, &Project::patterns>;
using CardInformationEdit = MemberEdit<CardInformation, &Project::card>;

constexpr const char* kPatternTimesText = "LED/BUZZER設定の変更";
constexpr const char* kCardInformationText = "コントロールデータ情報の変更";

bool isSheet(int sheet) { return sheet >= 0 && sheet < kSheetSlots; }

const ProgramSheet& sheetOf(const Document& document, int sheet) {
    return document.project().sheets[static_cast<std::size_t>(sheet)];
}

std::unique_ptr<SheetEdit> linesEdit(const Project& project, SheetEditKind kind, const std::vector<SheetLine>& lines) {
    auto edit = std::make_unique<SheetEdit>(kind);
    for (const SheetLine& l : lines)
        if (isSheet(l.sheet) && l.line >= 0 && l.line < kLineSlots)
            edit->addLine(l.sheet, l.line,
                          project.sheets[static_cast<std::size_t>(l.sheet)].lines[static_cast<std::size_t>(l.line)],
                          l.after);
    return edit;
}

}  // namespace

void EditLines(Document& document, SheetEditKind kind, const std::vector<SheetLine>& lines, long mergeCell) {
    auto edit = linesEdit(document.project(), kind, lines);
    edit->setMergeCell(mergeCell);
    document.apply(std::move(edit));
}

void EditSheet(Document& document, SheetEditKind kind, int sheet, const ProgramSheet& after) {
    if (isSheet(sheet))
        document.apply(SheetEdit::between(kind, sheet, sheetOf(document, sheet), after));
}

void EditSheetHeader(Document& document, SheetEditKind kind, int sheet, const SheetHeader& after) {
    if (!isSheet(sheet))
        return;
    auto edit = std::make_unique<SheetEdit>(kind);
    edit->addHeader(sheet, sheetOf(document, sheet).header, after);
    document.apply(std::move(edit));
}

void DuplicateSheet(Document& document, int source, const std::vector<int>& destinations) {
    if (!isSheet(source))
        return;
    const ProgramSheet& from = sheetOf(document, source);
    auto edit = std::make_unique<SheetEdit>(SheetEditKind::Duplicate);
    for (int to : destinations)
        if (isSheet(to) && to != source)
            edit->addSheet(to, sheetOf(document, to), from);
    document.apply(std::move(edit));  // sheets already equal to the source add no step
}

MeasureWave TableLengths(const std::vector<SoundEntry>& sounds) {
    std::map<std::filesystem::path, long long> lengths;
    for (const SoundEntry& entry : sounds) {
        if (entry.fileName.empty())
            continue;
        const auto seconds = numfmt::parseNumber(entry.length);
        lengths.try_emplace(std::filesystem::path(entry.sourcePath), seconds ? std::llround(*seconds * 1000) : -1);
    }
    return [lengths = std::move(lengths)](const std::filesystem::path& file) {
        const auto at = lengths.find(file);
        return at == lengths.end() ? -1LL : at->second;
    };
}

void EditSoundTable(Document& document, std::vector<SoundEntry> sounds, bool present, const MeasureWave& measure) {
    const MeasureWave measureFile = measure ? measure : TableLengths(sounds);
    // One measurement per file, however many lines name it.
    std::map<std::filesystem::path, long long> measured;
    const MeasureWave once = [&](const std::filesystem::path& file) {
        auto [it, added] = measured.try_emplace(file, 0);
        if (added)
            it->second = measureFile(file);
        return it->second;
    };
    const Project& project = document.project();
    std::vector<SheetLine> lines;
    const int count = usableLineCount(document.configuration().settings.lineCount());
    for (int s = 0; s < kSheetSlots; ++s)
        for (int l = 0; l < count; ++l)
            lines.push_back({s, l,
                             RefreshedLine(project.sheets[static_cast<std::size_t>(s)].lines[static_cast<std::size_t>(l)],
                                           sounds, present, once)});
    auto voices = linesEdit(project, SheetEditKind::VoiceRefresh, lines);
    document.apply(std::make_unique<SoundTableEdit>(project, std::move(sounds), present, std::move(voices)));
}

void EditPatternTimes(Document& document, PatternTimes after) {
    document.apply(std::make_unique<PatternTimesEdit>(document.project().patterns, std::move(after), kPatternTimesText));
}

void EditCardInformation(Document& document, CardInformation after) {
    document.apply(std::make_unique<CardInformationEdit>(document.project().card, std::move(after),
                                                         kCardInformationText));
}

bool EditCardInformationEntry(Document& document, const std::string& field, std::string value) {
    const auto row = std::find_if(kCardInformationFields.begin(), kCardInformationFields.end(),
                                  [&](const CardInformationField& f) { return field == f.name; });
    if (row == kCardInformationFields.end())
        return false;
    CardInformation after = document.project().card;
    after.*row->value = std::move(value);
    document.apply(std::make_unique<CardInformationEdit>(document.project().card, std::move(after),
                                                         kCardInformationText, MergeId::CardInformationEntry, field));
    return true;
}

}  // namespace vexa
