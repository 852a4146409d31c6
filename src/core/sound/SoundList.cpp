#include "core/sound/SoundList.h"

#include "core/config/Messages.h"
#include "core/text/NumberFormat.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace vexa {
namespace {

constexpr std::uint64_t kCapacityLimit = 2147483647;  // the largest signed 32-bit value
constexpr std::size_t kMaxCommentBytes = 40;

double numberIn(const std::string& text) {
    return numfmt::parseNumber(text).value_or(numfmt::leadingNumber(text));
}

std::uint64_t bytesIn(const std::string& text) {
    const double value = numfmt::leadingNumber(text);
    return value > 0 ? static_cast<std::uint64_t>(value) : 0;
}

long long millisecondsIn(const std::string& seconds) { return std::llround(numberIn(seconds) * 1000.0); }

// Seconds in the shortest decimal form: 12.5, 3, 0.001.
std::string shortestSeconds(double seconds) {
    std::string text = numfmt::format(seconds, "0.###");
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

const SoundEntry& emptyEntry() {
    static const SoundEntry none;
    return none;
}

}  // namespace

const std::array<SoundColumnHeading, soundcol::kCount>& SoundColumnHeadings() {
    static const std::array<SoundColumnHeading, soundcol::kCount> headings = {{
        {"No.", 450},
        {"NAME", 1500},
        {"COMENTS", 3000},
        {"SampleRate", 1200},
        {"BitRate", 1000},
        {"TYPE", 1000},
        {"SEC", 1200},
        {"BYTES", 1200},
        {"", 0},
    }};
    return headings;
}

SoundList SoundList::FromProject(const Project& project) {
    SoundList list;
    if (!project.soundPresent)
        return list;
    double seconds = 0;
    for (const SoundEntry& entry : project.sounds) {
        if (entry.fileName.empty() || list.count() == kSoundRows)
            continue;
        list.rows_.push_back(entry);
        seconds += numberIn(entry.length);
        list.totalSize_ += static_cast<long long>(bytesIn(entry.size));
    }
    list.totalLength_ = std::llround(seconds * 1000.0);
    list.timeDisplay_ = shortestSeconds(seconds) + GetMsg(msg::kSecondsUnit);
    list.sizeDisplay_ = std::to_string(list.totalSize_) + GetMsg(msg::kBytesUnit);
    return list;
}

const SoundEntry& SoundList::entry(int row) const {
    return isEntryRow(row) ? rows_[static_cast<std::size_t>(row - 1)] : emptyEntry();
}

std::string SoundList::cell(int row, int col) const {
    if (col < 0 || col >= soundcol::kCount)
        return {};
    if (row == 0)
        return SoundColumnHeadings()[static_cast<std::size_t>(col)].text;
    if (!isEntryRow(row))
        return {};
    const SoundEntry& e = entry(row);
    switch (col) {
    case soundcol::kNo: return numfmt::format(row, "000");
    case soundcol::kName: return e.fileName;
    case soundcol::kComment: return e.comment;
    case soundcol::kRate: return e.rate;
    case soundcol::kBits: return e.bits;
    case soundcol::kType: return e.channels;
    case soundcol::kSec: return e.length;
    case soundcol::kBytes: return e.size;
    case soundcol::kPath: return e.sourcePath;
    default: return {};
    }
}

// --- Selecting ----------------------------------------------------------------

bool SoundList::selectCell(int row, int col) {
    if (row < 1 || row > kSoundRows)
        return false;
    current_ = row;
    if (col == soundcol::kComment) {
        highlighted_ = 0;
        return isEntryRow(row);
    }
    highlighted_ = row;
    return false;
}

void SoundList::clearSelection() {
    highlighted_ = 0;
    current_ = 0;
}

// --- Registering --------------------------------------------------------------

std::uint64_t SoundList::sizeSum() const {
    std::uint64_t sum = 0;
    for (const SoundEntry& e : rows_)
        sum += bytesIn(e.size);
    return sum;
}

bool SoundList::DuplicationCheck(const std::string& name, UserDialogs& dialogs) const {
    const std::string wanted = lower(name);
    for (const SoundEntry& e : rows_) {
        if (lower(e.fileName) == wanted) {
            ShowRefusal(dialogs, {GetMsg(msg::kAlreadyRegisteredBefore) + name + GetMsg(msg::kAlreadyRegisteredAfter),
                                  msg::kTitleConfirm, MessageIcon::Warning, {}, -1, -1});
            return true;
        }
    }
    return false;
}

void SoundList::addEntry(SoundEntry entry, long long milliseconds, std::uint64_t bytes) {
    rows_.push_back(std::move(entry));
    totalLength_ += milliseconds;
    totalSize_ += static_cast<long long>(bytes);
}

RegistrationResult SoundList::registerChecked(const std::vector<WaveRegistrationCheck>& checks, UserDialogs& dialogs,
                                              bool complete) {
    RegistrationResult result;
    bool noRoom = false;
    for (const WaveRegistrationCheck& check : checks) {
        if (check.refusal) {
            ShowRefusal(dialogs, *check.refusal);
            result.stopped = true;
            break;
        }
        const std::uint64_t bytes = bytesIn(check.size);
        if (sizeSum() + bytes > kCapacityLimit) {
            ShowRefusal(dialogs, Refusal::warning(msg::kSoundCapacity));
            result.stopped = true;
            break;
        }
        if (DuplicationCheck(check.name, dialogs))
            continue;
        if (count() == kSoundRows) {
            noRoom = true;
            continue;
        }
        addEntry({check.name, check.rate, check.bits, check.channels, check.length, check.size, check.path, ""},
                 millisecondsIn(check.length), bytes);
        ++result.added;
        result.currentRow = count();
    }
    if (result.added > 0) {
        timeDisplay_ = numfmt::format(static_cast<double>(totalLength_) / 1000.0, "0.000") + GetMsg(msg::kSecondsUnit);
        sizeDisplay_ = std::to_string(totalSize_) + GetMsg(msg::kBytesUnit);
        markChanged();
    }
    if (result.stopped || !complete) {
        result.currentRow = 0;
        return result;
    }
    if (noRoom) {
        ShowRefusal(dialogs, Refusal::warning(msg::kSoundListFull));
        result.currentRow = 0;
    }
    if (result.currentRow > 0)
        current_ = result.currentRow;
    return result;
}

// --- Editing ------------------------------------------------------------------

void SoundList::markChanged() {
    changed_ = true;
    tableChanged_ = true;
}

void SoundList::setComment(int row, std::string text) {
    if (!isEntryRow(row))
        return;
    std::string& comment = rows_[static_cast<std::size_t>(row - 1)].comment;
    if (comment == text)
        return;
    comment = std::move(text);
    markChanged();
}

bool SoundList::deleteCurrent(UserDialogs& dialogs) {
    if (!AskYesNo(dialogs, msg::kDeleteSoundQuestion))
        return false;
    if (!isEntryRow(current_))
        return false;
    const SoundEntry& gone = entry(current_);
    totalLength_ -= millisecondsIn(gone.length);
    totalSize_ -= static_cast<long long>(bytesIn(gone.size));
    timeDisplay_ = shortestSeconds(static_cast<double>(totalLength_) / 1000.0) + GetMsg(msg::kSecondsUnit);
    sizeDisplay_ = std::to_string(totalSize_) + GetMsg(msg::kBytesUnit);
    rows_.erase(rows_.begin() + (current_ - 1));  // the rows below move up and take new numbers
    markChanged();
    highlighted_ = current_;
    return true;
}

bool SoundList::deleteAll(UserDialogs& dialogs) {
    if (!AskYesNo(dialogs, msg::kDeleteAllSoundsQuestion))
        return false;
    rows_.clear();
    timeDisplay_.clear();
    sizeDisplay_.clear();
    totalLength_ = 0;
    totalSize_ = 0;
    markChanged();
    clearSelection();
    return true;
}

bool SoundList::moveUp() {
    if (!isEntryRow(current_) || current_ <= 1)
        return false;
    markChanged();
    std::swap(rows_[static_cast<std::size_t>(current_ - 1)], rows_[static_cast<std::size_t>(current_ - 2)]);
    --current_;
    highlighted_ = current_;
    return true;
}

bool SoundList::moveDown() {
    if (!isEntryRow(current_) || current_ >= kSoundRows || !isEntryRow(current_ + 1))
        return false;
    markChanged();
    std::swap(rows_[static_cast<std::size_t>(current_ - 1)], rows_[static_cast<std::size_t>(current_)]);
    ++current_;
    if (current_ < kSoundRows)  // reaching the last row leaves the highlight where it was
        highlighted_ = current_;
    return true;
}

// --- Playing ------------------------------------------------------------------

std::optional<PlayRequest> SoundList::playCurrent() const {
    if (!isEntryRow(current_))
        return std::nullopt;
    return PlayRequest{PlayMode::One, current_};
}

std::optional<PlayRequest> SoundList::playAll() const {
    if (rows_.empty())
        return std::nullopt;
    return PlayRequest{PlayMode::All, 1};
}

// --- Closing ------------------------------------------------------------------

CheckResult SoundList::checkComments() const {
    for (int row = 1; row <= count(); ++row) {
        if (ByteLength(entry(row).comment) > kMaxCommentBytes) {
            Refusal refusal = Refusal::warning(msg::kCommentTooLong).atCell(row, soundcol::kComment);
            refusal.text += "\r\n";
            return refusal;
        }
    }
    return std::nullopt;
}

std::vector<SoundEntry> SoundList::soundTable() const {
    if (rows_.empty())
        return std::vector<SoundEntry>(1);
    return rows_;
}

bool SoundList::confirmDiscard(UserDialogs& dialogs) const {
    return !changed_ || AskYesNo(dialogs, msg::kDiscardDetailsQuestion);
}

}  // namespace vexa
