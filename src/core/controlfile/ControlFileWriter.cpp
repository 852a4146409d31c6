#include "core/controlfile/ControlFileWriter.h"

#include "core/controlfile/ControlFileFormat.h"
#include "core/model/TimeRange.h"
#include "core/text/Cp932.h"
#include "core/text/NumberFormat.h"

#include <cmath>
#include <fstream>
#include <unordered_map>
#include <unistd.h>

namespace vexa {

namespace {

using controlfile::sheetCode;

// Seconds as text → whole milliseconds with at least as many digits as the
// pattern ("00000") has; an empty text counts as 0, one that is no time the
// device can hold (TimeRange) as none.
std::optional<std::string> milliseconds(const std::string& seconds, std::string_view pattern) {
    const auto value = numfmt::parseNumber(seconds.empty() ? "0" : seconds);
    const auto ms = value ? MillisecondsOf(*value) : std::nullopt;
    if (!ms)
        return std::nullopt;
    return numfmt::format(*ms, pattern);
}

// The output time of a line: zero when the type is numerically 0.
std::optional<std::string> outputMilliseconds(const std::string& type, const std::string& time) {
    const auto typeValue = numfmt::parseNumber(type.empty() ? "0" : type);
    if (!typeValue)
        return std::nullopt;
    if (*typeValue == 0)
        return std::string("00000000");
    return milliseconds(time, "00000000");
}

class Composer {
public:
    Composer(const Project& project, const Settings& settings)
        : project_(project), lineCount_(usableLineCount(settings.lineCount())),
          multiSheet_(settings.multiSheet()) {
        // The first entry of each name, as Find Sound gives it.
        for (std::size_t k = project.sounds.size(); k-- > 0;)
            if (!project.sounds[k].fileName.empty())
                soundIndex_[project.sounds[k].fileName] = k;
    }

    std::optional<std::string> compose() {
        text_.reserve(kBytesPerSheetLine * static_cast<std::size_t>(lineCount_) *
                      static_cast<std::size_t>(multiSheet_ ? kSheetCount : 1));
        for (const char* header : controlfile::kHeaderLines)
            add(header);
        soundList();
        voiceSection(0, "#3");
        patterns("#4A", project_.patterns.led);
        patterns("#4B", project_.patterns.buzzer);
        add("#5");
        if (lineCount_ == 0)
            add("*");
        controlLines(0);
        if (multiSheet_) {
            for (int s = 1; s < kSheetCount; ++s)
                voiceSection(s, "#3X" + sheetCode(s));
            for (int s = 1; s < kSheetCount; ++s)
                controlSection(s);
            for (int s = 0; s < kSheetCount; ++s)
                headerBlocks(s);
        }
        add("#0");
        for (const auto& value : project_.user.values)
            add(value);
        add("#1");
        for (auto member : controlfile::kCardLines)
            add(project_.card.*member);
        comments();
        if (!ok_)
            return std::nullopt;
        return std::move(text_);
    }

private:
    // About what a voice line and a control line with every field set take.
    static constexpr std::size_t kBytesPerSheetLine = 96;

    void add(std::string_view line) {
        text_ += line;
        endLine();
    }

    void endLine() { text_ += "\r\n"; }

    // "n," or "n*", the start of every sheet line.
    void addIndex(int n, char after) {
        text_ += std::to_string(n);
        text_ += after;
    }

    void soundList() {
        if (!project_.soundPresent) {
            add("#2*");
            return;
        }
        add("#2");
        for (std::size_t k = 0; k < project_.sounds.size(); ++k) {
            text_ += std::to_string(k);
            text_ += ',';
            add(project_.sounds[k].fileName);
        }
    }

    void comments() {
        if (!project_.soundPresent) {
            add("#S*");
            return;
        }
        add("#S");
        for (const auto& entry : project_.sounds)
            add(entry.comment);
    }

    // Whether any line in use has a Voice 1 (a single space counts here).
    bool hasVoices(int sheet) const {
        const auto& lines = project_.sheets[sheet].lines;
        for (int n = 0; n < lineCount_; ++n)
            if (!lines[n].voices[0].empty())
                return true;
        return false;
    }

    void voiceSection(int sheet, const std::string& marker) {
        if (!hasVoices(sheet)) {
            add(marker + "*");
            return;
        }
        add(marker);
        for (int n = 0; n < lineCount_; ++n)
            voiceLine(n, project_.sheets[sheet].lines[n]);
    }

    // Voices that name no Sound Entry are dropped; the indices are packed.
    void voiceLine(int n, const ProgramLine& line) {
        const std::size_t start = text_.size();
        addIndex(n, ',');
        text_ += line.select;
        text_ += ',';
        text_ += line.repeat;
        bool any = false;
        for (const auto& voice : line.voices) {
            if (voice.empty() || voice == " ")
                continue;
            if (const auto k = soundIndex_.find(voice); k != soundIndex_.end()) {
                text_ += ',';
                text_ += std::to_string(k->second);
                any = true;
            }
        }
        if (!any) {  // no index: the placeholder instead
            text_.resize(start);
            addIndex(n, '*');
        }
        endLine();
    }

    void patterns(const char* marker, const std::array<PatternTime, 3>& times) {
        add(marker);
        for (int i = 0; i < 3; ++i) {
            addIndex(i, ',');
            text_ += need(milliseconds(times[i].on, "00000"));
            text_ += ',';
            add(need(milliseconds(times[i].off, "00000")));
        }
    }

    void controlSection(int sheet) {
        const std::string marker = "#5X" + sheetCode(sheet);
        if (!hasVoices(sheet)) {
            add(marker + "*");
            return;
        }
        add(marker);
        controlLines(sheet);
    }

    void controlLines(int sheet) {
        for (int n = 0; n < lineCount_; ++n)
            controlLine(n, project_.sheets[sheet].lines[n]);
    }

    void controlLine(int n, const ProgramLine& line) {
        if (!line.inUse()) {
            addIndex(n, '*');
            endLine();
            return;
        }
        addIndex(n, ',');
        text_ += "0,";
        text_ += line.ledType;
        text_ += ',';
        text_ += need(outputMilliseconds(line.ledType, line.ledTime));
        text_ += ',';
        text_ += line.buzzerType;
        text_ += ',';
        text_ += need(outputMilliseconds(line.buzzerType, line.buzzerTime));
        for (const auto& ex : line.ex) {
            text_ += ',';
            text_ += ex;
        }
        endLine();
    }

    // A sheet has lines when its control section was written with lines.
    bool hasLines(int sheet) const { return sheet == 0 ? lineCount_ > 0 : hasVoices(sheet); }

    void headerBlocks(int sheet) {
        const std::string marker = "#6X" + sheetCode(sheet);
        if (!hasLines(sheet)) {
            add(marker + "A*");
            add(marker + "C*");
            return;
        }
        const SheetHeader& h = project_.sheets[sheet].header;
        add(marker + "A");
        add(h.name);
        add(h.memo);
        add(marker + "C");
        add(std::to_string(h.volume) + "," + h.startHour + "," + h.startMinute + "," + h.endHour + "," +
            h.endMinute);
        add(flags(h.weekdays.data(), kWeekdayFlags));
        add(flags(h.seasons.data(), kSeasonFlags - 1));  // flag 13 is never written
    }

    static std::string flags(const std::int16_t* values, int count) {
        std::string out;
        for (int i = 0; i < count; ++i)
            out += std::string(i == 0 ? "" : ",") + (values[i] != 0 ? "1" : "0");
        return out;
    }

    std::string need(const std::optional<std::string>& value) {
        if (!value)
            ok_ = false;
        return value.value_or("");
    }

    const Project& project_;
    const int lineCount_;
    const bool multiSheet_;
    std::unordered_map<std::string, std::size_t> soundIndex_;
    std::string text_;
    bool ok_ = true;
};

}  // namespace

std::optional<std::string> ControlFileText(const Project& project, const Settings& settings) {
    return Composer(project, settings).compose();
}

WriteResult WriteControlFile(const Project& project, const Settings& settings,
                             const std::filesystem::path& path) {
    const auto text = ControlFileText(project, settings);
    if (!text)
        return WriteResult::failure(WriteProblem::InvalidContent, path);
    return ReplaceFileContents(path, cp932::fromUtf8(*text));
}

}  // namespace vexa
