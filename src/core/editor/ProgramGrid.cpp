#include "core/editor/ProgramGrid.h"

#include "core/config/ElementPatternFile.h"
#include "core/config/Messages.h"
#include "core/model/TimeRange.h"
#include "core/sound/WaveInspection.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <map>
#include <utility>

namespace vexa {
namespace {

constexpr int kLongLineCount = 255;
constexpr double kMaxOutputSeconds = 300.0;

bool isBlank(const std::string& text) { return !HoldsVoice(text); }

int voiceIndex(int col) { return col - gridcol::kVoice1; }

CursorMove reopen(int row, int col) { return {row, col, true}; }

// An LED or BUZZER time as typed: "" → "0.0", a number in the "0.0" form,
// anything else as it is (Check Sheet refuses it later).
std::string outputTimeText(const std::string& text) {
    if (text.empty())
        return "0.0";
    const auto value = numfmt::parseNumber(text);
    return value ? numfmt::format(*value, "0.0") : text;
}

}  // namespace

ProgramGrid::ProgramGrid(Document& document, std::filesystem::path elementFile, WaveLengthFunction measure)
    : document_(document), elementFile_(std::move(elementFile)), measure_(std::move(measure)) {
    if (!measure_)
        measure_ = [](const std::filesystem::path& path) { return GetWaveLength(path); };
    setup(0);
}

// --- Layout -----------------------------------------------------------------

void ProgramGrid::setup(int lineCount) {
    lineCount_ = usableLineCount(lineCount);
    playingRow_ = 0;
    // 97 rows unless the Line Count is 255; a larger Line Count than the rows
    // hold gets the rows it needs, so that no line is out of reach.
    rows_ = std::max(lineCount_ == kLongLineCount ? kGridRowsLong : kGridRowsShort, lineCount_ + kGridHeaderRows);
    pictures_.assign(static_cast<std::size_t>(rows_), Pictures{});
    buildElementLists();
    for (int line = 0; line < lineCount_; ++line)
        pictures_[static_cast<std::size_t>(line + kGridHeaderRows)].fill(StatePicture::Idle);
}

void ProgramGrid::buildElementLists() {
    const ElementPatternFile file = ElementPatternFile::load(elementFile_);
    for (int c = 0; c < gridcol::kCount; ++c) {
        const GridColumn& column = gridColumn(c);
        elementLists_[static_cast<std::size_t>(c)] =
            column.kind == ColumnKind::Choice ? ChoiceList::numbered(file.list(column.elementKey), column.base)
                                              : ChoiceList();
    }
}

const ProgramLine* ProgramGrid::shownLine(int row) const {
    if (!isUsableRow(row) || sheet_ < 0 || sheet_ >= kSheetSlots)
        return nullptr;
    return &project().sheets[static_cast<std::size_t>(sheet_)].lines[static_cast<std::size_t>(row - kGridHeaderRows)];
}

std::string ProgramGrid::text(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= gridcol::kCount)
        return {};
    if (row < kGridHeaderRows) {
        const GridColumn& column = gridColumn(col);
        return std::string(row == 0 ? column.top : column.bottom);
    }
    const ProgramLine* line = shownLine(row);
    if (!line)
        return {};
    if (col == gridcol::kNumber)
        return numfmt::format(row - kGridHeaderRows + 1, "00");
    const std::string* field = LineFieldOf(*line, col);
    return field ? *field : std::string();
}

std::string ProgramGrid::displayText(int row, int col) const {
    const std::string& cell = text(row, col);
    if (row < kGridHeaderRows || col < 0 || col >= gridcol::kCount)
        return cell;
    const ChoiceList& list = elementLists_[static_cast<std::size_t>(col)];
    return list.empty() ? cell : list.nameFor(cell);
}

CellShade ProgramGrid::shade(int row, int col) const {
    if (row < kGridHeaderRows)
        return CellShade::Header;
    if (!isUsableRow(row))
        return CellShade::Grey;
    if (row == playingRow_ && col >= gridcol::kSoundPicture)
        return CellShade::Playing;
    return col >= gridcol::kLedPicture ? CellShade::Pink : CellShade::White;
}

int ProgramGrid::pictureSlot(int col) {
    switch (col) {
    case gridcol::kSoundPicture: return 0;
    case gridcol::kLedPicture: return 1;
    case gridcol::kBuzzerPicture: return 2;
    default: return -1;
    }
}

StatePicture ProgramGrid::picture(int row, int col) const {
    const int slot = pictureSlot(col);
    if (slot < 0 || row < 0 || row >= rowCount())
        return StatePicture::None;
    return pictures_[static_cast<std::size_t>(row)][static_cast<std::size_t>(slot)];
}

void ProgramGrid::setPicture(int row, int col, StatePicture picture) {
    const int slot = pictureSlot(col);
    if (slot >= 0 && isUsableRow(row))
        pictures_[static_cast<std::size_t>(row)][static_cast<std::size_t>(slot)] = picture;
}

ChoiceList ProgramGrid::choices(int col) const {
    if (isVoiceColumn(col))
        return project().soundPresent ? ChoiceList::voices(project().sounds) : ChoiceList();
    if (col < 0 || col >= gridcol::kCount)
        return {};
    return elementLists_[static_cast<std::size_t>(col)];
}

// --- Transfers ----------------------------------------------------------------

void ProgramGrid::commitRows(SheetEditKind kind, const std::vector<std::pair<int, ProgramLine>>& rows,
                             long mergeCell) {
    std::vector<SheetLine> lines;
    lines.reserve(rows.size());
    for (const auto& [row, line] : rows)
        if (shownLine(row))
            lines.push_back({sheet_, row - kGridHeaderRows, line});
    if (!lines.empty())
        EditLines(document_, kind, lines, mergeCell);
}

ProgramLine ProgramGrid::lineAt(int row) const {
    const ProgramLine* line = shownLine(row);
    return line ? *line : ProgramLine{};
}

// --- Editing ------------------------------------------------------------------

bool ProgramGrid::isEditable(int row, int col) const {
    if (!isUsableRow(row) || col < gridcol::kSelect || col >= gridcol::kCount)
        return false;
    if (col == gridcol::kLedPicture || col == gridcol::kBuzzerPicture)
        return false;
    return !isVoiceColumn(col) || project().soundPresent;
}

int ProgramGrid::maxLength(int col) {
    return col == gridcol::kLedTime || col == gridcol::kBuzzerTime ? 5 : 0;
}

void ProgramGrid::commitEdit(int row, int col, std::string text) {
    const ProgramLine* shown = shownLine(row);
    if (!shown || !LineFieldOf(*shown, col))
        return;
    ProgramLine line = *shown;
    *LineFieldOf(line, col) = std::move(text);
    afterEdit(line, col);
    commitRows(SheetEditKind::Cell, {{row, std::move(line)}}, static_cast<long>(sheet_) * 100000 + row * 100 + col);
}

void ProgramGrid::afterEdit(ProgramLine& line, int col) const {
    if (col < gridcol::kTime || col >= gridcol::kCount)
        return;
    if (col == gridcol::kLedTime || col == gridcol::kBuzzerTime) {
        std::string& cell = *LineFieldOf(line, col);
        cell = outputTimeText(cell);
        return;
    }
    if ((col != gridcol::kRepeat && !isVoiceColumn(col)) || !project().soundPresent)
        return;
    if (isVoiceColumn(col) && HoldsVoice(*LineFieldOf(line, col)))
        PackVoiceInto(line.voices, voiceIndex(col));
    CloseVoiceGaps(line.voices);
    updateMeasuredTime(line);
}

void ProgramGrid::RefreshVoiceCell() {
    // One measurement per file, however many lines name it.
    std::map<std::filesystem::path, long long> measured;
    const MeasureWave once = [&](const std::filesystem::path& file) {
        auto [it, added] = measured.try_emplace(file, 0);
        if (added)
            it->second = measure_(file);
        return it->second;
    };
    std::vector<std::pair<int, ProgramLine>> rows;
    for (int row = kGridHeaderRows; row < kGridHeaderRows + lineCount_; ++row)
        if (const ProgramLine* line = shownLine(row))
            rows.emplace_back(row, RefreshedLine(*line, project().sounds, project().soundPresent, once));
    commitRows(SheetEditKind::VoiceRefresh, rows);
}

bool ProgramGrid::holdsVoice(int row, int col) const { return !isBlank(text(row, col)); }

// TIME from the lengths measured now.
void ProgramGrid::updateMeasuredTime(ProgramLine& line) const {
    line.time = LineTime(EditedRepeat(line.repeat), line.voices, [&](const std::string& voice) -> std::optional<double> {
                    const auto index = HoldsVoice(voice) ? project().findSound(voice) : std::nullopt;
                    if (!index)
                        return 0.0;
                    return MeasuredSeconds(measure_(std::filesystem::path(project().sounds[*index].sourcePath)));
                }).value_or("");
}

// TIME from the registered Lengths, the Repeat rounded to a whole number.
void ProgramGrid::updateRegisteredTime(ProgramLine& line) const {
    const double repeat = numfmt::roundHalfEven(EditedRepeat(line.repeat));
    line.time = LineTime(repeat, line.voices, [&](const std::string& voice) -> std::optional<double> {
                    const auto index = HoldsVoice(voice) ? project().findSound(voice) : std::nullopt;
                    return index ? RegisteredSeconds(project().sounds[*index].length).value_or(0) : 0.0;
                }).value_or("");
}

// --- Cursor -------------------------------------------------------------------

std::optional<CommandState> ProgramGrid::stateForCell(int row, int col, bool testRunning) const {
    if (testRunning || row < kGridHeaderRows || col < gridcol::kSoundPicture)
        return std::nullopt;
    return isVoiceColumn(col) && holdsVoice(row, col) ? CommandState::VoiceCell : CommandState::Idle;
}

GridClick ProgramGrid::click(int row, int col, bool testRunning) const {
    GridClick result;
    if (!isUsableRow(row))
        return result;
    if (col == gridcol::kNumber || isPictureColumn(col)) {
        result.lineTest = true;
        return result;
    }
    if (testRunning) {
        result.ignored = true;
        return result;
    }
    if (isVoiceColumn(col)) {
        if (!project().soundPresent)
            return result;
        if (holdsVoice(row, col))
            result.state = CommandState::VoiceCell;
    }
    result.edit = isEditable(row, col);
    return result;
}

// --- Line commands --------------------------------------------------------------

GridCommandResult ProgramGrid::moveVoiceSideways(int row, int col, int neighbour) {
    GridCommandResult result;
    result.cursor = reopen(row, col);
    const ProgramLine* shown = shownLine(row);
    if (!shown || !isVoiceColumn(col) || !isVoiceColumn(neighbour) || !holdsVoice(row, col))
        return result;
    ProgramLine line = *shown;
    auto& voices = line.voices;
    if (voices[static_cast<std::size_t>(voiceIndex(neighbour))].empty())
        return result;
    std::swap(voices[static_cast<std::size_t>(voiceIndex(col))], voices[static_cast<std::size_t>(voiceIndex(neighbour))]);
    commitRows(SheetEditKind::MoveVoice, {{row, std::move(line)}});
    result.cursor = reopen(row, neighbour);
    return result;
}

GridCommandResult ProgramGrid::moveVoiceLeft(int row, int col) { return moveVoiceSideways(row, col, col - 1); }

GridCommandResult ProgramGrid::moveVoiceRight(int row, int col) { return moveVoiceSideways(row, col, col + 1); }

GridCommandResult ProgramGrid::moveVoiceVertical(int row, int col, int target) {
    GridCommandResult result;
    result.cursor = reopen(row, col);
    if (!shownLine(row) || !shownLine(target) || !isVoiceColumn(col) || !holdsVoice(row, col))
        return result;
    if (holdsVoice(target, gridcol::kVoice8)) {  // that line is full
        result.refusal = Refusal::warning(msg::kVoiceMoveRefused);
        return result;
    }
    ProgramLine from = *shownLine(row);
    ProgramLine to = *shownLine(target);
    const auto at = static_cast<std::size_t>(voiceIndex(col));
    std::size_t landed = at;
    if (!HoldsVoice(to.voices[at])) {
        landed = 0;
        while (HoldsVoice(to.voices[landed]))
            ++landed;
    } else {
        for (std::size_t k = to.voices.size() - 1; k > at; --k)
            to.voices[k] = std::move(to.voices[k - 1]);
    }
    to.voices[landed] = std::move(from.voices[at]);
    from.voices[at].clear();
    CloseVoiceGaps(from.voices);
    updateRegisteredTime(from);
    updateRegisteredTime(to);
    commitRows(SheetEditKind::MoveVoice, {{row, std::move(from)}, {target, std::move(to)}});
    result.cursor = reopen(target, gridcol::kVoice1 + static_cast<int>(landed));
    return result;
}

GridCommandResult ProgramGrid::moveVoiceUp(int row, int col) { return moveVoiceVertical(row, col, row - 1); }

GridCommandResult ProgramGrid::moveVoiceDown(int row, int col) { return moveVoiceVertical(row, col, row + 1); }

GridCommandResult ProgramGrid::deleteVoice(int row, int col) {
    GridCommandResult result;
    result.cursor = reopen(row, col);
    const ProgramLine* shown = shownLine(row);
    if (!shown || !isVoiceColumn(col))
        return result;
    ProgramLine line = *shown;
    line.voices[static_cast<std::size_t>(voiceIndex(col))].clear();
    afterEdit(line, col);
    commitRows(SheetEditKind::DeleteVoice, {{row, std::move(line)}});
    result.state = stateForCell(row, col, false);
    return result;
}

GridCommandResult ProgramGrid::batchFill(UserDialogs& dialogs) {
    GridCommandResult result;
    if (!project().soundPresent) {
        result.refusal = Refusal::warning(msg::kNoSounds);
        return result;
    }
    if (!AskYesNo(dialogs, msg::kOverwriteAllQuestion))
        return result;
    setup(lineCount_);
    // Every usable line as set up, then one entry of the Sound Table per line.
    std::vector<std::pair<int, ProgramLine>> rows;
    for (int line = 0; line < lineCount_; ++line) {
        ProgramLine filled;
        if (static_cast<std::size_t>(line) < project().sounds.size()) {
            const SoundEntry& sound = project().sounds[static_cast<std::size_t>(line)];
            filled.voices[0] = sound.fileName;
            filled.time = numfmt::format(RegisteredSeconds(sound.length).value_or(0), "0.0");
        }
        rows.emplace_back(line + kGridHeaderRows, std::move(filled));
    }
    commitRows(SheetEditKind::BatchFill, rows);
    result.gridReset = true;
    return result;
}

GridCommandResult ProgramGrid::clearSheet(UserDialogs& dialogs) {
    if (sheet_ < 0 || sheet_ >= kSheetSlots || !AskYesNo(dialogs, msg::kClearQuestion))
        return {};
    ProgramSheet cleared = project().sheets[static_cast<std::size_t>(sheet_)];
    cleared.clear(lineCount_);
    EditSheet(document_, SheetEditKind::ClearSheet, sheet_, cleared);
    setup(lineCount_);
    GridCommandResult result;
    result.state = CommandState::Idle;
    result.gridReset = true;
    return result;
}

GridCommandResult ProgramGrid::runLineCommand(int index, int row, int col, UserDialogs& dialogs) {
    switch (index) {
    case linecmd::kMoveUp: return moveVoiceUp(row, col);
    case linecmd::kMoveDown: return moveVoiceDown(row, col);
    case linecmd::kMoveLeft: return moveVoiceLeft(row, col);
    case linecmd::kMoveRight: return moveVoiceRight(row, col);
    case linecmd::kDelete: return deleteVoice(row, col);
    case linecmd::kBatchFill: return batchFill(dialogs);
    case linecmd::kClearSheet: return clearSheet(dialogs);
    default: return {};
    }
}

// --- Check before a test ----------------------------------------------------------

CheckResult ProgramGrid::checkSheet() const {
    for (int row = kGridHeaderRows; row < kGridHeaderRows + lineCount_; ++row) {
        for (int col = gridcol::kSoundPicture; col < gridcol::kCount; ++col) {
            const std::string cell = text(row, col);
            int failure = 0;
            if (col == gridcol::kSelect || col == gridcol::kRepeat || col == gridcol::kLedType ||
                col == gridcol::kBuzzerType) {
                if (isBlank(cell))  // "" or " "
                    failure = msg::kRequiredMissing;
            } else if ((col == gridcol::kLedTime || col == gridcol::kBuzzerTime) && text(row, col - 1) != "0" &&
                       !cell.empty()) {
                const auto value = numfmt::parseNumber(cell);
                if (!value)
                    failure = msg::kEnterNumber;
                else if (*value < 0 || *value > kMaxOutputSeconds)
                    failure = msg::kOutputTimeRange;
            }
            if (failure != 0)
                return Refusal::warning(failure).atCell(row, col);
        }
    }
    return std::nullopt;
}

}  // namespace vexa
