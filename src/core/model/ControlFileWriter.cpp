#include "model/ControlFileWriter.h"

#include "model/ControlFileFormat.h"
#include "text/Cp932.h"
#include "text/NumberFormat.h"

#include <fstream>
#include <unordered_map>
#include <unistd.h>

namespace vexa {

namespace {

using controlfile::sheetCode;

// Seconds as text → whole milliseconds with at least `width` digits; an empty
// text counts as 0.
std::optional<std::string> milliseconds(const std::string& seconds, int width) {
    const auto value = numfmt::parseNumber(seconds.empty() ? "0" : seconds);
    if (!value)
        return std::nullopt;
    return numfmt::format(*value * 1000, std::string(static_cast<std::size_t>(width), '0'));
}

// The output time of a line: zero when the type is numerically 0.
std::optional<std::string> outputMilliseconds(const std::string& type, const std::string& time) {
    const auto typeValue = numfmt::parseNumber(type.empty() ? "0" : type);
    if (!typeValue)
        return std::nullopt;
    if (*typeValue == 0)
        return std::string("00000000");
    return milliseconds(time, 8);
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
        return text_;
    }

private:
    void add(const std::string& line) { text_ += line + "\r\n"; }

    void soundList() {
        if (!project_.soundPresent) {
            add("#2*");
            return;
        }
        add("#2");
        for (std::size_t k = 0; k < project_.sounds.size(); ++k)
            add(std::to_string(k) + "," + project_.sounds[k].fileName);
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
            add(voiceLine(n, project_.sheets[sheet].lines[n]));
    }

    // Voices that name no Sound Entry are dropped; the indices are packed.
    std::string voiceLine(int n, const ProgramLine& line) const {
        std::string indices;
        for (const auto& voice : line.voices) {
            if (voice.empty() || voice == " ")
                continue;
            if (const auto k = soundIndex_.find(voice); k != soundIndex_.end())
                indices += "," + std::to_string(k->second);
        }
        if (indices.empty())
            return std::to_string(n) + "*";
        return std::to_string(n) + "," + line.select + "," + line.repeat + indices;
    }

    void patterns(const char* marker, const std::array<PatternTime, 3>& times) {
        add(marker);
        for (int i = 0; i < 3; ++i)
            add(std::to_string(i) + "," + need(milliseconds(times[i].on, 5)) + "," +
                need(milliseconds(times[i].off, 5)));
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
            add(controlLine(n, project_.sheets[sheet].lines[n]));
    }

    std::string controlLine(int n, const ProgramLine& line) {
        if (!line.inUse())
            return std::to_string(n) + "*";
        std::string out = std::to_string(n) + ",0," + line.ledType + "," +
                          need(outputMilliseconds(line.ledType, line.ledTime)) + "," + line.buzzerType +
                          "," + need(outputMilliseconds(line.buzzerType, line.buzzerTime));
        for (const auto& ex : line.ex)
            out += "," + ex;
        return out;
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
