#include "core/import/ImportFile.h"

#include "core/files/FileReplacement.h"
#include "core/files/SameFile.h"
#include "core/files/ScratchFile.h"
#include "core/import/BackgroundMeter.h"
#include "core/import/PcmWriter.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace vexa {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kBlockFrames = 16384;
constexpr double kFirstPassShare = 0.85;  // of one file's part of the bar
constexpr int kMaxChannels = 64;
// Mean square (full scale 1.0) below which a channel counts as silent when
// the mix is compared with it.
constexpr double kAudibleMeanSquare = 1e-8;
// The mix of the channels at least this much weaker than the channels
// themselves (10 dB) means they cancel out: opposite in phase.
constexpr double kCancellingRatio = 0.1;

enum class Mix { Copy, Average, FirstChannel };

class ShareProgress {
public:
    ShareProgress(Progress& progress, ProgressShare share) : progress_(progress), share_(share) {}
    void at(double fraction) {
        fraction = std::clamp(fraction, 0.0, 1.0);
        const int value = share_.from + static_cast<int>((share_.to - share_.from) * fraction);
        if (value != last_) {
            last_ = value;
            progress_.setValue(value);
        }
    }
    bool stopRequested() { return progress_.stopRequested(); }

private:
    Progress& progress_;
    ProgressShare share_;
    int last_ = -1;
};

enum class PassEnd { Done, Stopped, Failed };

std::string quoted(const fs::path& path) { return "「" + path.string() + "」"; }

std::string secondsText(double seconds) { return numfmt::format(seconds, "0.00"); }

double toDb(double linear) { return 20.0 * std::log10(linear); }
double fromDb(double db) { return std::pow(10.0, db / 20.0); }

// The first pass: source → mix → resampler → meter and scratch file.
class FirstPass {
public:
    FirstPass(const fs::path& source, const fs::path& destination, AudioBackend& backend, ScratchFile& scratch,
              ShareProgress& progress)
        : source_(source), destination_(destination), backend_(backend), scratch_(scratch), progress_(progress) {}

    // Opens the source; false with `failure` set when it cannot be decoded.
    bool open() {
        DecoderOpening opening = backend_.openDecoder(source_);
        decoder_ = std::move(opening.decoder);
        if (!decoder_) {
            failure = quoted(source_) + "は取り込めません。\n" + reasonOf(opening.failure);
            return false;
        }
        const AudioSourceInfo& info = decoder_->info();
        if (info.channels < 1 || info.channels > kMaxChannels || info.sampleRate == 0) {
            failure = quoted(source_) + "は取り込めません。\n音声のチャンネル数か周波数が読み取れません。";
            return false;
        }
        return true;
    }

    const AudioSourceInfo& info() const { return decoder_->info(); }

    PassEnd run(const ImportFormat& format, Mix mix) {
        const AudioSourceInfo& in = decoder_->info();
        const int inChannels = in.channels;
        const int outChannels = format.channels;
        frames = 0;
        sourceFrames = 0;
        channelEnergy = 0;
        mixEnergy = 0;
        maxFrames_ = MaxPcmFrames(format.bits, outChannels);
        if (!scratch_.resize(0))
            return scratchFailed();
        std::unique_ptr<Resampler> resampler;
        if (in.sampleRate != format.rate)
            resampler = backend_.makeResampler(in.sampleRate, format.rate, outChannels);
        meter_ = std::make_unique<BackgroundMeter>(backend_.makeMeter(format.rate, outChannels, true), outChannels);
        channels_ = outChannels;

        std::vector<float> block(kBlockFrames * static_cast<std::size_t>(inChannels));
        std::vector<float> mixed(kBlockFrames * static_cast<std::size_t>(outChannels));
        std::vector<float> resampled;
        for (;;) {
            if (progress_.stopRequested())
                return PassEnd::Stopped;
            const std::size_t n = decoder_->read(block.data(), kBlockFrames);
            if (n == 0)
                break;
            sourceFrames += n;
            mixDown(block.data(), n, inChannels, outChannels, mix, mixed.data());
            if (resampler) {
                resampled.clear();
                resampler->process(mixed.data(), n, resampled);
                if (!emit(resampled.data(), resampled.size() / static_cast<std::size_t>(outChannels)))
                    return PassEnd::Failed;
            } else if (!emit(mixed.data(), n)) {
                return PassEnd::Failed;
            }
            progress_.at(decoder_->position() * kFirstPassShare);
        }
        if (const std::string reason = decoder_->failure(); !reason.empty()) {
            failure = quoted(source_) + "は " + secondsText(static_cast<double>(sourceFrames) / in.sampleRate) +
                      " 秒のところから読めません。\n" + reasonOf(reason);
            return PassEnd::Failed;
        }
        if (sourceFrames == 0) {
            failure = quoted(source_) + "には音声がありません。";
            return PassEnd::Failed;
        }
        if (resampler) {
            resampled.clear();
            resampler->finish(resampled);
            if (!emit(resampled.data(), resampled.size() / static_cast<std::size_t>(outChannels)))
                return PassEnd::Failed;
        }
        // The length kept to the frame: what the resampler gives may differ by
        // a frame or so from the source's length at the new rate.
        const auto expected = static_cast<std::uint64_t>(
            std::llround(static_cast<double>(sourceFrames) * format.rate / in.sampleRate));
        if (frames > expected) {
            if (!scratch_.resize(expected * frameBytes()))
                return scratchFailed();
            frames = expected;
        } else if (frames < expected) {
            const std::vector<float> zeros((expected - frames) * static_cast<std::size_t>(outChannels), 0.0f);
            if (!emit(zeros.data(), expected - frames))
                return PassEnd::Failed;
        }
        const LoudnessMeter& measured = meter_->finish();
        loudness = measured.integratedLoudness();
        truePeak = measured.truePeak();
        return PassEnd::Done;
    }

    // After run(): the mix of two or more channels into one cancelled them.
    bool cancelled(int inChannels) const {
        if (sourceFrames == 0)
            return false;
        const double channelMeanSquare = channelEnergy / (static_cast<double>(sourceFrames) * inChannels);
        const double mixMeanSquare = mixEnergy / static_cast<double>(sourceFrames);
        return channelMeanSquare > kAudibleMeanSquare && mixMeanSquare < kCancellingRatio * channelMeanSquare;
    }

    std::string failure;
    std::uint64_t frames = 0;        // in the scratch file, at the output rate
    std::uint64_t sourceFrames = 0;  // decoded
    double channelEnergy = 0;        // sum of squares of every source sample (averaging only)
    double mixEnergy = 0;            // sum of squares of the mix
    std::optional<double> loudness;
    std::optional<double> truePeak;

private:
    std::uint64_t frameBytes() const { return static_cast<std::uint64_t>(channels_) * sizeof(float); }

    static std::string reasonOf(const std::string& decoderReason) {
        return decoderReason.empty() ? std::string("音声として読めません。") : "理由：" + decoderReason;
    }

    void mixDown(const float* in, std::size_t n, int inChannels, int outChannels, Mix mix, float* out) {
        if (mix == Mix::Copy || inChannels == outChannels) {
            std::copy(in, in + n * static_cast<std::size_t>(inChannels), out);
            return;
        }
        if (mix == Mix::FirstChannel) {
            for (std::size_t i = 0; i < n; ++i)
                out[i] = in[i * static_cast<std::size_t>(inChannels)];
            return;
        }
        const float share = 1.0f / static_cast<float>(inChannels);
        double channels = 0;
        double mixed = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const float* frame = in + i * static_cast<std::size_t>(inChannels);
            float sum = 0;
            for (int c = 0; c < inChannels; ++c) {
                sum += frame[c];
                channels += static_cast<double>(frame[c]) * frame[c];
            }
            out[i] = sum * share;
            mixed += static_cast<double>(out[i]) * out[i];
        }
        channelEnergy += channels;
        mixEnergy += mixed;
    }

    bool emit(const float* data, std::size_t count) {
        if (count == 0)
            return true;
        if (frames + count > maxFrames_) {
            failure = quoted(source_) + "は長すぎて、1つのWAVEファイルに収まりません。";
            return false;
        }
        meter_->add(data, count);
        if (!scratch_.append(data, count * frameBytes())) {
            scratchFailed();
            return false;
        }
        frames += count;
        return true;
    }

    PassEnd scratchFailed() {
        failure = WriteResult::fromError(scratch_.error(), destination_).message;
        return PassEnd::Failed;
    }

    const fs::path& source_;
    const fs::path& destination_;
    AudioBackend& backend_;
    ScratchFile& scratch_;
    ShareProgress& progress_;
    std::unique_ptr<AudioDecoder> decoder_;
    std::unique_ptr<BackgroundMeter> meter_;
    int channels_ = 1;
    std::uint64_t maxFrames_ = 0;
};

// The linear gain that brings the measured loudness to the target without the
// true peak passing the ceiling, as the result records it.
void chooseGain(const ImportOptions& options, const ImportFormat& format, const FirstPass& pass,
                ImportResult& result) {
    result.loudnessBefore = pass.loudness;
    if (!options.loudnessTarget)
        return;
    if (!pass.loudness) {
        result.notes.push_back("音が小さすぎて音量を測れないため、音量は揃えていません。");
        return;
    }
    double gain = *options.loudnessTarget - *pass.loudness;
    if (pass.truePeak) {
        // The dither and the rounding may add up to one and a half steps to
        // any sample: the ceiling leaves room for them.
        const double step = format.bits == 8 ? 1.0 / 128.0 : 1.0 / 32768.0;
        const double room = std::max(fromDb(options.peakCeiling) - 2.0 * step, step);
        const double peakGain = toDb(room) - *pass.truePeak;
        if (peakGain < gain) {
            gain = peakGain;
            result.limitedByPeak = true;
            result.notes.push_back("ピークの上限（" + DecibelText(options.peakCeiling, "dBTP") +
                                   "）を超えないよう、音量を目標より小さくしました。");
        }
    }
    result.gainDb = gain;
}

struct Span {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
};

// The frames from the first to the last that reach the silence threshold in
// the result, widened by the kept time on both sides; none when no frame does.
std::optional<Span> audibleSpan(const ScratchFile& scratch, std::uint64_t frames, int channels, std::uint32_t rate,
                                double gain, bool& readFailed) {
    const float threshold = static_cast<float>(fromDb(kSilenceThreshold) / gain);
    const std::size_t width = static_cast<std::size_t>(channels);
    std::vector<float> block(kBlockFrames * width);
    auto loud = [&](std::uint64_t from, std::uint64_t count, bool forward) -> std::optional<std::uint64_t> {
        if (!scratch.readAt(from * width * sizeof(float), block.data(), count * width * sizeof(float))) {
            readFailed = true;
            return std::nullopt;
        }
        for (std::uint64_t k = 0; k < count; ++k) {
            const std::uint64_t i = forward ? k : count - 1 - k;
            for (std::size_t c = 0; c < width; ++c)
                if (std::fabs(block[i * width + c]) >= threshold)
                    return from + i;
        }
        return std::nullopt;
    };
    std::optional<std::uint64_t> first;
    for (std::uint64_t at = 0; at < frames && !first && !readFailed; at += kBlockFrames)
        first = loud(at, std::min<std::uint64_t>(kBlockFrames, frames - at), true);
    if (!first)
        return std::nullopt;
    std::optional<std::uint64_t> last;
    for (std::uint64_t end = frames; end > *first && !last && !readFailed;) {
        const std::uint64_t count = std::min<std::uint64_t>(kBlockFrames, end - *first);
        last = loud(end - count, count, false);
        end -= count;
    }
    if (!last)
        return std::nullopt;
    const auto keep = static_cast<std::uint64_t>(std::llround(kSilenceKeptSeconds * rate));
    return Span{*first > keep ? *first - keep : 0, std::min(frames, *last + 1 + keep)};
}

}  // namespace

ImportResult ImportFile(const fs::path& source, const fs::path& destination, const ImportOptions& options,
                        AudioBackend& backend, Progress& progress, ProgressShare share) {
    ImportResult result;
    result.source = source.string();
    ShareProgress bar(progress, share);
    bar.at(0);
    if (IsSameFile(source, destination)) {
        result.failure = quoted(destination) + "は取り込む元のファイルです。別の名前を指定してください。";
        return result;
    }
    const fs::path folder = destination.parent_path().empty() ? fs::path(".") : destination.parent_path();
    std::error_code ec;
    ScratchFile scratch({folder, fs::temp_directory_path(ec)});
    if (!scratch.isOpen()) {
        result.failure = WriteResult::fromError(scratch.error(), destination).message;
        return result;
    }

    FirstPass pass(source, destination, backend, scratch, bar);
    if (!pass.open()) {
        result.failure = pass.failure;
        return result;
    }
    FormatChoice choice = ChooseImportFormat(options, pass.info());
    result.format = choice.format;
    result.notes = std::move(choice.notes);
    const int inChannels = pass.info().channels;
    Mix mix = inChannels > 1 && result.format.channels == 1 ? Mix::Average : Mix::Copy;
    PassEnd end = pass.run(result.format, mix);
    if (end == PassEnd::Done && mix == Mix::Average && pass.cancelled(inChannels)) {
        // Averaging channels opposite in phase leaves next to nothing: one
        // channel is taken instead, read again from the start.
        if (!pass.open()) {
            result.failure = pass.failure;
            return result;
        }
        mix = Mix::FirstChannel;
        end = pass.run(result.format, mix);
        result.notes.push_back("左右の音が逆位相で、混ぜると打ち消し合うため、左チャンネルだけを使いました。");
    }
    if (end == PassEnd::Stopped) {
        result.status = ImportStatus::Stopped;
        return result;
    }
    if (end == PassEnd::Failed) {
        result.failure = pass.failure;
        return result;
    }

    chooseGain(options, result.format, pass, result);
    const auto gain = static_cast<float>(fromDb(result.gainDb));
    const int channels = result.format.channels;
    Span span{0, pass.frames};
    if (options.trim) {
        bool readFailed = false;
        const auto audible = audibleSpan(scratch, pass.frames, channels, result.format.rate, gain, readFailed);
        if (readFailed) {
            result.failure = WriteResult::fromError(scratch.error(), destination).message;
            return result;
        }
        if (!audible) {
            result.notes.push_back("全体が無音のため、無音の切り詰めはしていません。");
        } else if (audible->begin > 0 || audible->end < pass.frames) {
            span = *audible;
            const double rate = result.format.rate;
            result.notes.push_back("先頭 " + secondsText(span.begin / rate) + " 秒と末尾 " +
                                   secondsText((pass.frames - span.end) / rate) + " 秒の無音を切り詰めました。");
        }
    }

    // The second pass: gain, dither, bytes, into the destination.
    FileReplacement out(destination);
    if (!out.isOpen()) {
        result.failure = out.result().message;
        return result;
    }
    const std::uint64_t frames = span.end - span.begin;
    const auto header = PcmWaveHeader(result.format.rate, result.format.bits, channels, frames);
    if (!out.write(header.data(), header.size())) {
        result.failure = out.result().message;
        return result;
    }
    DitheredQuantizer quantizer(result.format.bits);
    // The written sound's loudness is measured again; its true peak is the
    // first pass's scaled by the gain (the rounding lies within the room the
    // ceiling left), which spares a second true-peak meter, the dearest part.
    auto meter = backend.makeMeter(result.format.rate, channels, false);
    const std::size_t width = static_cast<std::size_t>(channels);
    std::vector<float> block(kBlockFrames * width);
    std::vector<float> quantized(kBlockFrames * width);
    std::vector<std::uint8_t> bytes;
    for (std::uint64_t at = span.begin; at < span.end;) {
        if (bar.stopRequested()) {
            out.abandon();
            result.status = ImportStatus::Stopped;
            return result;
        }
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockFrames, span.end - at));
        if (!scratch.readAt(at * width * sizeof(float), block.data(), count * width * sizeof(float))) {
            result.failure = WriteResult::fromError(scratch.error(), destination).message;
            return result;
        }
        bytes.clear();
        quantizer.convert(block.data(), count * width, gain, bytes, quantized.data());
        meter->add(quantized.data(), count);
        if (!out.write(bytes.data(), bytes.size())) {
            result.failure = out.result().message;
            return result;
        }
        at += count;
        bar.at(kFirstPassShare + (1.0 - kFirstPassShare) * static_cast<double>(at - span.begin) /
                                     static_cast<double>(std::max<std::uint64_t>(frames, 1)));
    }
    if (const WriteResult written = out.commit(); !written) {
        result.failure = written.message;
        return result;
    }
    if (quantizer.clipped() > 0)
        result.notes.push_back("音が大きすぎてクリップしたサンプルが " + std::to_string(quantizer.clipped()) +
                               " 個あります。");
    result.status = ImportStatus::Imported;
    result.output = destination.string();
    result.seconds = static_cast<double>(frames) / result.format.rate;
    result.loudnessAfter = meter->integratedLoudness();
    if (pass.truePeak)
        result.truePeakAfter = *pass.truePeak + result.gainDb;
    bar.at(1.0);
    return result;
}

}  // namespace vexa
