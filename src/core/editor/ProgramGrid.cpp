#include "core/editor/ProgramGrid.h"

#include "core/config/ElementPatternFile.h"
#include "core/config/Messages.h"
#include "core/model/TimeRange.h"
#include "core/sound/WaveInspection.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <utility>

namespace vexa {
namespace {

constexpr int kLongLineCount = 255;
constexpr double kMaxOutputSeconds = 300.0;

bool isBlank(const std::string& text) { return text.empty() || text == " "; }

CursorMove reopen(int row, int col) { return {row, col, true}; }

// A number text in the "0.0" form; anything else counts as 0.
double oneDecimal(const std::string& text) {
    const auto value = numfmt::parseNumber(text);
    if (!value)
        return 0;
    return numfmt::parseNumber(numfmt::format(*value, "0.0")).value_or(0);
}

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
    const int rows = std::max(lineCount_ == kLongLineCount ? kGridRowsLong : kGridRowsShort,
                              lineCount_ + kGridHeaderRows);
    cells_.assign(static_cast<std::size_t>(rows), Row{});
    pictures_.assign(static_cast<std::size_t>(rows), Pictures{});
    const auto& columns = GridColumns();
    for (int c = 0; c < gridcol::kCount; ++c) {
        cells_[0][static_cast<std::size_t>(c)] = columns[static_cast<std::size_t>(c)].top;
        cells_[1][static_cast<std::size_t>(c)] = columns[static_cast<std::size_t>(c)].bottom;
    }
    buildElementLists();
    for (int line = 0; line < lineCount_; ++line) {
        Row& row = cells_[static_cast<std::size_t>(line + kGridHeaderRows)];
        for (int c = 0; c < gridcol::kCount; ++c)
            row[static_cast<std::size_t>(c)] = columns[static_cast<std::size_t>(c)].setupValue;
        row[gridcol::kNumber] = numfmt::format(line + 1, "00");
        pictures_[static_cast<std::size_t>(line + kGridHeaderRows)].fill(StatePicture::Idle);
    }
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

const std::string& ProgramGrid::text(int row, int col) const {
    static const std::string none;
    if (row < 0 || row >= rowCount() || col < 0 || col >= gridcol::kCount)
        return none;
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void ProgramGrid::setText(int row, int col, std::string text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= gridcol::kCount)
        return;
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
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

void ProgramGrid::showLines(const ProgramSheet& sheet) {
    for (int line = 0; line < lineCount_; ++line) {
        const ProgramLine& l = sheet.lines[static_cast<std::size_t>(line)];
        Row& row = cells_[static_cast<std::size_t>(line + kGridHeaderRows)];
        row[gridcol::kSelect] = l.select;
        row[gridcol::kRepeat] = l.repeat;
        row[gridcol::kLedType] = l.ledType;
        row[gridcol::kLedTime] = l.ledTime;
        row[gridcol::kBuzzerType] = l.buzzerType;
        row[gridcol::kBuzzerTime] = l.buzzerTime;
        for (int v = 0; v < kVoicesPerLine; ++v)
            row[static_cast<std::size_t>(gridcol::kVoice1 + v)] = l.voices[static_cast<std::size_t>(v)];
        row[gridcol::kTime] = l.time;
        for (int x = 0; x < kExPerLine; ++x)
            row[static_cast<std::size_t>(gridcol::kEx1 + x)] = l.ex[static_cast<std::size_t>(x)];
    }
}

void ProgramGrid::showSheet() {
    if (sheet_ >= 0 && sheet_ < kSheetSlots)
        showLines(project().sheets[static_cast<std::size_t>(sheet_)]);
}

void ProgramGrid::record(SheetEditKind kind, long mergeCell) {
    if (sheet_ < 0 || sheet_ >= kSheetSlots)
        return;
    const ProgramSheet& stored = project().sheets[static_cast<std::size_t>(sheet_)];
    auto edit = std::make_unique<SheetEdit>(kind);
    for (int line = 0; line < lineCount_; ++line)
        edit->addLine(sheet_, line, stored.lines[static_cast<std::size_t>(line)], lineAt(line + kGridHeaderRows));
    edit->setMergeCell(mergeCell);
    document_.apply(std::move(edit));
}

ProgramLine ProgramGrid::lineAt(int row) const {
    ProgramLine l;
    l.select = text(row, gridcol::kSelect);
    l.repeat = text(row, gridcol::kRepeat);
    l.ledType = text(row, gridcol::kLedType);
    l.ledTime = text(row, gridcol::kLedTime);
    l.buzzerType = text(row, gridcol::kBuzzerType);
    l.buzzerTime = text(row, gridcol::kBuzzerTime);
    for (int v = 0; v < kVoicesPerLine; ++v)
        l.voices[static_cast<std::size_t>(v)] = text(row, gridcol::kVoice1 + v);
    l.time = text(row, gridcol::kTime);
    for (int x = 0; x < kExPerLine; ++x)
        l.ex[static_cast<std::size_t>(x)] = text(row, gridcol::kEx1 + x);
    return l;
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
    setText(row, col, std::move(text));
    afterEdit(row, col);
    record(SheetEditKind::Cell, static_cast<long>(sheet_) * 100000 + row * 100 + col);
}

void ProgramGrid::afterEdit(int row, int col) {
    if (row < kGridHeaderRows || col < gridcol::kTime || !isUsableRow(row) || col >= gridcol::kCount)
        return;
    if (col == gridcol::kLedTime || col == gridcol::kBuzzerTime) {
        std::string& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
        cell = outputTimeText(cell);
        return;
    }
    if ((col != gridcol::kRepeat && !isVoiceColumn(col)) || !project().soundPresent)
        return;
    if (isVoiceColumn(col) && holdsVoice(row, col))
        packInto(row, col);
    closeGaps(row);
    updateMeasuredTime(row);
}

void ProgramGrid::RefreshVoiceCell() {
    for (int row = kGridHeaderRows; row < kGridHeaderRows + lineCount_; ++row) {
        Row& cells = cells_[static_cast<std::size_t>(row)];
        for (int c = gridcol::kVoice1; c <= gridcol::kVoice8; ++c) {
            std::string& cell = cells[static_cast<std::size_t>(c)];
            if (!project().soundPresent || !project().findSound(cell))
                cell.clear();
        }
        packLine(row);
        updateMeasuredTime(row);
    }
}

bool ProgramGrid::holdsVoice(int row, int col) const { return !isBlank(text(row, col)); }

// A voice just put into `col` moves into the leftmost empty cell before it.
void ProgramGrid::packInto(int row, int col) {
    Row& cells = cells_[static_cast<std::size_t>(row)];
    for (int k = gridcol::kVoice1; k < col; ++k) {
        if (!holdsVoice(row, k)) {
            cells[static_cast<std::size_t>(k)] = std::move(cells[static_cast<std::size_t>(col)]);
            cells[static_cast<std::size_t>(col)].clear();
            return;
        }
    }
}

// One pass from the left: an empty cell takes the voice of its right neighbour.
void ProgramGrid::closeGaps(int row) {
    Row& cells = cells_[static_cast<std::size_t>(row)];
    for (int k = gridcol::kVoice1; k < gridcol::kVoice8; ++k) {
        if (!holdsVoice(row, k) && holdsVoice(row, k + 1)) {
            cells[static_cast<std::size_t>(k)] = std::move(cells[static_cast<std::size_t>(k + 1)]);
            cells[static_cast<std::size_t>(k + 1)].clear();
        }
    }
}

// Every empty cell takes the first voice to its right.
void ProgramGrid::packLine(int row) {
    Row& cells = cells_[static_cast<std::size_t>(row)];
    for (int k = gridcol::kVoice1; k < gridcol::kVoice8; ++k) {
        if (holdsVoice(row, k))
            continue;
        for (int j = k + 1; j <= gridcol::kVoice8; ++j) {
            if (holdsVoice(row, j)) {
                cells[static_cast<std::size_t>(k)] = std::move(cells[static_cast<std::size_t>(j)]);
                cells[static_cast<std::size_t>(j)].clear();
                break;
            }
        }
    }
}

double ProgramGrid::repeatValue(int row) const {
    const std::string& repeat = text(row, gridcol::kRepeat);
    if (repeat.empty())
        return 1;
    return numfmt::parseNumber(repeat).value_or(numfmt::leadingNumber(repeat));
}

// The file's length measured now, rounded to one decimal; 0 when it is no
// entry. A failed measurement (-1 ms) rounds to minus zero and adds nothing.
double ProgramGrid::measuredSeconds(const std::string& fileName) const {
    const auto index = project().findSound(fileName);
    if (!index)
        return 0;
    const long long ms = measure_(std::filesystem::path(project().sounds[*index].sourcePath));
    return oneDecimal(numfmt::format(static_cast<double>(ms) / 1000.0, "0.0"));
}

// The Length registered for the file, rounded to one decimal.
double ProgramGrid::registeredSeconds(const std::string& fileName) const {
    const auto index = project().findSound(fileName);
    if (!index)
        return 0;
    const std::string& length = project().sounds[*index].length;
    return oneDecimal(length.empty() ? "0" : length);
}

void ProgramGrid::updateMeasuredTime(int row) {
    double sum = 0;
    for (int c = gridcol::kVoice1; c <= gridcol::kVoice8; ++c)
        if (holdsVoice(row, c))
            sum += measuredSeconds(text(row, c));
    setText(row, gridcol::kTime, LineTimeText(repeatValue(row), sum).value_or(""));
}

void ProgramGrid::updateRegisteredTime(int row) {
    double sum = 0;
    for (int c = gridcol::kVoice1; c <= gridcol::kVoice8; ++c)
        if (holdsVoice(row, c))
            sum += registeredSeconds(text(row, c));
    setText(row, gridcol::kTime, LineTimeText(numfmt::roundHalfEven(repeatValue(row)), sum).value_or(""));
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
    if (!isUsableRow(row) || !isVoiceColumn(col) || !isVoiceColumn(neighbour) || !holdsVoice(row, col))
        return result;
    Row& cells = cells_[static_cast<std::size_t>(row)];
    if (cells[static_cast<std::size_t>(neighbour)].empty())
        return result;
    std::swap(cells[static_cast<std::size_t>(col)], cells[static_cast<std::size_t>(neighbour)]);
    record(SheetEditKind::MoveVoice);
    result.cursor = reopen(row, neighbour);
    return result;
}

GridCommandResult ProgramGrid::moveVoiceLeft(int row, int col) { return moveVoiceSideways(row, col, col - 1); }

GridCommandResult ProgramGrid::moveVoiceRight(int row, int col) { return moveVoiceSideways(row, col, col + 1); }

GridCommandResult ProgramGrid::moveVoiceVertical(int row, int col, int target) {
    GridCommandResult result;
    result.cursor = reopen(row, col);
    if (!isUsableRow(row) || !isUsableRow(target) || !isVoiceColumn(col) || !holdsVoice(row, col))
        return result;
    if (holdsVoice(target, gridcol::kVoice8)) {  // that line is full
        result.refusal = Refusal::warning(msg::kVoiceMoveRefused);
        return result;
    }
    Row& to = cells_[static_cast<std::size_t>(target)];
    Row& from = cells_[static_cast<std::size_t>(row)];
    int landed = col;
    if (!holdsVoice(target, col)) {
        landed = gridcol::kVoice1;
        while (holdsVoice(target, landed))
            ++landed;
    } else {
        for (int k = gridcol::kVoice8 - 1; k >= col; --k)
            to[static_cast<std::size_t>(k + 1)] = std::move(to[static_cast<std::size_t>(k)]);
    }
    to[static_cast<std::size_t>(landed)] = std::move(from[static_cast<std::size_t>(col)]);
    from[static_cast<std::size_t>(col)].clear();
    closeGaps(row);
    updateRegisteredTime(row);
    updateRegisteredTime(target);
    record(SheetEditKind::MoveVoice);
    result.cursor = reopen(target, landed);
    return result;
}

GridCommandResult ProgramGrid::moveVoiceUp(int row, int col) { return moveVoiceVertical(row, col, row - 1); }

GridCommandResult ProgramGrid::moveVoiceDown(int row, int col) { return moveVoiceVertical(row, col, row + 1); }

GridCommandResult ProgramGrid::deleteVoice(int row, int col) {
    GridCommandResult result;
    result.cursor = reopen(row, col);
    if (!isUsableRow(row) || !isVoiceColumn(col))
        return result;
    setText(row, col, "");
    afterEdit(row, col);
    record(SheetEditKind::DeleteVoice);
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
    const std::size_t lines = std::min(project().sounds.size(), static_cast<std::size_t>(lineCount_));
    for (std::size_t i = 0; i < lines; ++i) {
        const SoundEntry& sound = project().sounds[i];
        const int row = static_cast<int>(i) + kGridHeaderRows;
        setText(row, gridcol::kVoice1, sound.fileName);
        setText(row, gridcol::kTime, numfmt::format(oneDecimal(sound.length), "0.0"));
    }
    record(SheetEditKind::BatchFill);
    result.gridReset = true;
    return result;
}

GridCommandResult ProgramGrid::clearSheet(UserDialogs& dialogs) {
    if (sheet_ < 0 || sheet_ >= kSheetSlots || !AskYesNo(dialogs, msg::kClearQuestion))
        return {};
    const ProgramSheet& stored = project().sheets[static_cast<std::size_t>(sheet_)];
    ProgramSheet cleared = stored;
    cleared.clear(lineCount_);
    document_.apply(SheetEdit::between(SheetEditKind::ClearSheet, sheet_, stored, cleared));
    setup(lineCount_);
    showSheet();
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
            const std::string& cell = text(row, col);
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
