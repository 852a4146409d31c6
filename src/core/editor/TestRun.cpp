#include "core/editor/TestRun.h"

#include "core/editor/GridColumns.h"
#include "core/text/NumberFormat.h"

namespace vexa {
namespace {

// The device adds a double 0.05 to a single-precision clock.
float addTick(float clock) { return static_cast<float>(static_cast<double>(clock) + kTestTickSeconds); }

// A Pattern Time text as seconds; a text that is not a number counts as 0.
double patternSeconds(const std::string& text) { return numfmt::parseNumber(text).value_or(0); }

StatePicture litPicture(int col) { return col == gridcol::kLedPicture ? StatePicture::Led : StatePicture::Buzzer; }

// The blink of one output: when its phase has lasted longer than the
// pattern's on (phase 0) or off (phase 1) time, the phase turns.
struct Blink {
    int col;
    std::int16_t type;
    const std::array<PatternTime, 3>& patterns;
};

bool turns(const Blink& b, int phase, float clock) {
    const int p = b.type - 2;
    if (b.type < 2 || p >= 3)
        return false;
    const PatternTime& pattern = b.patterns[static_cast<std::size_t>(p)];
    return patternSeconds(phase == 0 ? pattern.on : pattern.off) < static_cast<double>(clock);
}

Refusal unplayable(const TestVoice& voice, const AudioResult& result) {
    const std::string file = voice.path.empty() ? voice.fileName : voice.path.string();
    const std::string reason = voice.path.empty() ? "Sound登録にない音声です。" : AudioFaultText(result);
    Refusal refusal;
    refusal.text = "音声ファイル「" + file + "」を再生できないため、テストを終了しました。\n" + reason;
    return refusal;
}

}  // namespace

TestRun::TestRun(AudioOutput& output, TestRunView& view, VoiceDescriber describe)
    : output_(output), view_(view), describe_(std::move(describe)) {
    if (!describe_)
        describe_ = [](const std::filesystem::path& path) { return DescribeTestVoice(path); };
}

bool TestRun::startOrStop(int row, TestEntry entry, const PatternTimes& patterns, const TablePreparation& prepare) {
    if (running_) {
        stop();
        return false;
    }
    std::optional<TestTable> table = prepare();
    return table && start(std::move(*table), row, entry, patterns);
}

bool TestRun::start(TestTable table, int row, TestEntry entry, const PatternTimes& patterns) {
    if (running_ || !table.anyActive())
        return false;
    table_ = std::move(table);
    patterns_ = patterns;
    sheetTest_ = entry == TestEntry::Sim;
    running_ = true;
    ticks_ = 0;
    currentRow_ = 0;
    nextRow_ = row;
    startLine_ = true;
    testDone_ = false;
    voiceOpen_ = false;
    view_.showTestMode(true, sheetTest_ ? CommandState::SheetTest : CommandState::LineTest);
    return true;
}

void TestRun::stop() {
    if (!running_)
        return;
    running_ = false;
    view_.showState("");
    output_.close();
    voiceOpen_ = false;
    if (currentRow_ >= kGridHeaderRows) {
        for (int col : {gridcol::kLedPicture, gridcol::kBuzzerPicture, gridcol::kSoundPicture})
            view_.showPicture(currentRow_, col, StatePicture::Idle);
        view_.showPlaying(currentRow_, false);
    }
    view_.showTestMode(false, CommandState::Idle);
}

CheckResult TestRun::tick() {
    if (!running_)
        return std::nullopt;
    ++ticks_;
    pending_.reset();
    lineTime_ = addTick(lineTime_);
    ledTime_ = addTick(ledTime_);
    buzzerTime_ = addTick(buzzerTime_);
    if (startLine_) {
        beginLine();
        if (!running_)
            return pending_;
    }
    const TestLine& line = table_.line(currentRow_);
    if (!ledDone_)
        blinkLed(line);
    if (!buzzerDone_)
        blinkBuzzer(line);
    finishOutputs(line);
    if (ledDone_) {
        if (buzzerDone_ && voicesDone_) {  // the line is over
            view_.showPlaying(currentRow_, false);
            if (currentRow_ > kTestScrollRow)
                view_.scrollToTop(currentRow_ - (kTestScrollRow - 1));
            startLine_ = true;
        }
        if (buzzerDone_ && testDone_) {  // so is the test
            stop();
            return pending_;
        }
    }
    if (line.hasVoices)
        return followVoices(line);
    voicesDone();
    return pending_;
}

void TestRun::beginLine() {
    startLine_ = false;
    voicesDone_ = ledDone_ = buzzerDone_ = false;
    lineTime_ = ledTime_ = buzzerTime_ = 0;
    currentRow_ = nextRow_;
    voiceIndex_ = 0;
    const TestLine& line = table_.line(currentRow_);
    repeatLeft_ = line.repeat;
    if (line.active)
        view_.showPlaying(currentRow_, true);
    ledPhase_ = 0;
    if (line.ledTime > 0 && line.ledType > 0)
        view_.showPicture(currentRow_, gridcol::kLedPicture, StatePicture::Led);
    buzzerPhase_ = 0;
    if (line.buzzerTime > 0 && line.buzzerType > 0)
        view_.showPicture(currentRow_, gridcol::kBuzzerPicture, StatePicture::Buzzer);
    if (line.hasVoices) {
        pending_ = playVoice(0);
        if (running_)
            view_.showPicture(currentRow_, gridcol::kSoundPicture, StatePicture::Voice);
    }
}

void TestRun::blinkLed(const TestLine& line) {
    const Blink blink{gridcol::kLedPicture, line.ledType, patterns_.led};
    if (!turns(blink, ledPhase_, ledTime_))
        return;
    ledTime_ = 0;
    ledPhase_ = 1 - ledPhase_;
    view_.showPicture(currentRow_, blink.col, ledPhase_ == 0 ? litPicture(blink.col) : StatePicture::Idle);
}

void TestRun::blinkBuzzer(const TestLine& line) {
    const Blink blink{gridcol::kBuzzerPicture, line.buzzerType, patterns_.buzzer};
    if (!turns(blink, buzzerPhase_, buzzerTime_))
        return;
    buzzerTime_ = 0;
    buzzerPhase_ = 1 - buzzerPhase_;
    view_.showPicture(currentRow_, blink.col, buzzerPhase_ == 0 ? litPicture(blink.col) : StatePicture::Idle);
}

void TestRun::finishOutputs(const TestLine& line) {
    if (line.ledTime < lineTime_ && !ledDone_) {
        ledDone_ = true;
        ledTime_ = 0;
        view_.showPicture(currentRow_, gridcol::kLedPicture, StatePicture::Idle);
    }
    if (line.buzzerTime < lineTime_ && !buzzerDone_) {
        buzzerDone_ = true;
        buzzerTime_ = 0;
        view_.showPicture(currentRow_, gridcol::kBuzzerPicture, StatePicture::Idle);
    }
}

CheckResult TestRun::followVoices(const TestLine& line) {
    // A closed sound has no state to ask for: the line's voices are over.
    if (!voiceOpen_ || !output_.stopped())
        return pending_;
    view_.showState("");
    output_.close();
    voiceOpen_ = false;
    const int next = voiceIndex_ + 1;
    if (voiceIndex_ == kVoicesPerLine - 1 || line.voices[static_cast<std::size_t>(next)].empty()) {
        if (repeatLeft_ < 2) {
            voicesDone();
            return pending_;
        }
        --repeatLeft_;
        voiceIndex_ = 0;
    } else {
        voiceIndex_ = next;
    }
    pending_ = playVoice(voiceIndex_);
    return pending_;
}

void TestRun::voicesDone() {
    view_.showPicture(currentRow_, gridcol::kSoundPicture, StatePicture::Idle);
    if (sheetTest_) {
        if (const int next = table_.nextActiveRow(currentRow_)) {
            nextRow_ = next;
            voicesDone_ = true;
            return;
        }
    }
    testDone_ = true;
}

CheckResult TestRun::playVoice(int slot) {
    const TestVoice& voice = table_.line(currentRow_).voices[static_cast<std::size_t>(slot)];
    CheckResult shown;
    if (!voice.path.empty()) {
        TestVoiceLabel label = describe_(voice.path);
        if (label.refusal)
            shown = std::move(label.refusal);
        else
            view_.showState(label.text);
    }
    AudioResult result{AudioFault::FileMissing, ""};
    if (!voice.path.empty()) {
        result = output_.open(voice.path);
        if (result.ok())
            result = output_.play();
    }
    if (!result.ok()) {
        stop();
        return unplayable(voice, result);
    }
    voiceOpen_ = true;
    return shown;
}

}  // namespace vexa
