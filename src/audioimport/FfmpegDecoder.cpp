#include "audioimport/FfmpegDecoder.h"

#include "core/files/InputFile.h"
#include "core/sound/RiffFile.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
}

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace vexa {
namespace {

// The demuxers the import lets run, by the first name FFmpeg gives them.
constexpr std::array<std::string_view, 8> kContainers = {"wav", "w64", "aiff", "flac", "mp3", "ogg", "mov", "aac"};
// Containers whose stated length is exact, and those whose decoded sound is
// cut to it.
constexpr std::array<std::string_view, 5> kExactLength = {"wav", "w64", "aiff", "flac", "mov"};

constexpr int kProbeBytes = 1 << 20;
// Past the stated length, at most this many frames are held back; more means
// the stated length was wrong, and they are given after all.
constexpr std::size_t kTailLimit = 8192;
// How far short of the stated length a source may end (a tenth of the rate:
// 10 ms) before it counts as cut off.
constexpr std::uint32_t kShortfallDivisor = 100;
constexpr std::uint64_t kMp3Shortfall = 4096;
// Between two frames, a jump of the time stamps by more than this many
// frames means pages were lost (an Ogg demuxer skips damaged ones).
constexpr std::int64_t kGapFrames = 64;

constexpr const char* kCutShort = "ファイルが途中で切れています。";

std::string_view firstName(const char* names) {
    const std::string_view all = names ? names : "";
    return all.substr(0, all.find(','));
}

bool among(std::string_view name, const auto& list) { return std::find(list.begin(), list.end(), name) != list.end(); }

std::string errorText(int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return text;
}

// Values of one of FFmpeg's sample types as floats of full scale ±1.0.
template <typename T>
float toFloat(T v) {
    if constexpr (std::is_same_v<T, std::uint8_t>)
        return (static_cast<float>(v) - 128.0f) * (1.0f / 128.0f);
    else if constexpr (std::is_same_v<T, std::int16_t>)
        return static_cast<float>(v) * (1.0f / 32768.0f);
    else if constexpr (std::is_same_v<T, std::int32_t>)
        return static_cast<float>(static_cast<double>(v) * (1.0 / 2147483648.0));
    else if constexpr (std::is_same_v<T, std::int64_t>)
        return static_cast<float>(static_cast<double>(v) * (1.0 / 9223372036854775808.0));
    else  // float formats may hold NaN or infinities, which no later step could take
        return std::isfinite(v) ? static_cast<float>(v) : 0.0f;
}

// Frames [first, first + count) of `frame`, interleaved into `out`.
template <typename T>
void convertAs(const AVFrame* frame, bool planar, std::size_t width, std::size_t first, std::size_t count, float* out) {
    if (!planar) {
        const std::size_t values = count * width;
        const std::uint8_t* data = frame->extended_data[0] + first * width * sizeof(T);
        for (std::size_t i = 0; i < values; ++i) {
            T v;
            std::memcpy(&v, data + i * sizeof(T), sizeof(T));
            out[i] = toFloat(v);
        }
        return;
    }
    for (std::size_t c = 0; c < width; ++c) {
        const std::uint8_t* data = frame->extended_data[c] + first * sizeof(T);
        for (std::size_t i = 0; i < count; ++i) {
            T v;
            std::memcpy(&v, data + i * sizeof(T), sizeof(T));
            out[i * width + c] = toFloat(v);
        }
    }
}

void convertFrames(const AVFrame* frame, std::size_t width, std::size_t first, std::size_t count, float* out) {
    const auto format = static_cast<AVSampleFormat>(frame->format);
    const bool planar = av_sample_fmt_is_planar(format) != 0;
    switch (av_get_packed_sample_fmt(format)) {
    case AV_SAMPLE_FMT_U8:
        return convertAs<std::uint8_t>(frame, planar, width, first, count, out);
    case AV_SAMPLE_FMT_S16:
        return convertAs<std::int16_t>(frame, planar, width, first, count, out);
    case AV_SAMPLE_FMT_S32:
        return convertAs<std::int32_t>(frame, planar, width, first, count, out);
    case AV_SAMPLE_FMT_S64:
        return convertAs<std::int64_t>(frame, planar, width, first, count, out);
    case AV_SAMPLE_FMT_FLT:
        return convertAs<float>(frame, planar, width, first, count, out);
    case AV_SAMPLE_FMT_DBL:
        return convertAs<double>(frame, planar, width, first, count, out);
    default:
        std::fill_n(out, count * width, 0.0f);
    }
}

// Whether an Ogg file ends with the whole last page of its stream (the end
// of stream flag set, its body complete and nothing after it). A file cut
// short ends inside a page or at a page without the flag.
bool oggEndsWhole(const std::filesystem::path& path) {
    constexpr std::uint64_t kMaxPage = 27 + 255 + 255 * 255;
    RiffFile file;  // only for its bounded reads
    if (!file.open(path))
        return false;
    const std::uint64_t size = file.fileSize();
    const std::uint64_t from = size > kMaxPage ? size - kMaxPage : 0;
    const std::string tail = file.read(from, static_cast<std::size_t>(size - from));
    // The last "OggS" whose page ends exactly at the end of the file (one
    // inside a page body does not).
    for (std::size_t at = tail.rfind("OggS"); at != std::string::npos;
         at = at == 0 ? std::string::npos : tail.rfind("OggS", at - 1)) {
        if (tail.size() - at < 27)
            continue;
        const auto segments = static_cast<unsigned char>(tail[at + 26]);
        if (tail.size() - at < 27u + segments)
            continue;
        std::uint64_t body = 0;
        for (unsigned i = 0; i < segments; ++i)
            body += static_cast<unsigned char>(tail[at + 27 + i]);
        if (at + 27 + segments + body == tail.size())
            return tail[at + 4] == 0 && (static_cast<unsigned char>(tail[at + 5]) & 0x04) != 0;
    }
    return false;
}

// Whether a WAVE file holds all the data its "data" chunk declares (a size of
// 0 or 0xFFFFFFFF, which recorders write while they record, declares nothing).
bool waveDataWhole(const std::filesystem::path& path) {
    RiffFile file;
    if (!file.open(path))
        return true;
    const auto riff = file.riff();
    const auto data = riff ? file.findChunk(*riff, "data") : std::nullopt;
    if (!data || data->size == 0 || data->size == 0xFFFFFFFF)
        return true;
    return data->bodyOffset + data->size <= file.fileSize();
}

}  // namespace

DecoderOpening FfmpegDecoder::open(const std::filesystem::path& source) {
    std::unique_ptr<FfmpegDecoder> decoder(new FfmpegDecoder());
    std::string failure = decoder->start(source);
    if (!failure.empty())
        return {nullptr, std::move(failure)};
    return {std::move(decoder), {}};
}

int FfmpegDecoder::readInput(void* opaque, std::uint8_t* buffer, int size) {
    auto* self = static_cast<FfmpegDecoder*>(opaque);
    const std::size_t got = self->input_.readUpTo(self->inputAt_, buffer, static_cast<std::size_t>(size));
    self->inputAt_ += got;
    if (got > 0)
        return static_cast<int>(got);
    return self->inputAt_ >= self->input_.size() ? AVERROR_EOF : AVERROR(EIO);
}

std::int64_t FfmpegDecoder::seekInput(void* opaque, std::int64_t offset, int whence) {
    auto* self = static_cast<FfmpegDecoder*>(opaque);
    const auto size = static_cast<std::int64_t>(self->input_.size());
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return size;
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += static_cast<std::int64_t>(self->inputAt_);
        break;
    case SEEK_END:
        offset += size;
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (offset < 0)
        return AVERROR(EINVAL);
    self->inputAt_ = static_cast<std::uint64_t>(offset);
    return offset;
}

std::string FfmpegDecoder::start(const std::filesystem::path& source) {
    // The file is opened as every reader opens one (regular files only, no
    // waiting on a FIFO) and FFmpeg reads it through this object: no URL, no
    // protocol, nothing else it could be led to open.
    input_ = InputFile(source);
    if (!input_)
        return input_.reason();
    fileSize_ = static_cast<std::int64_t>(input_.size());
    constexpr int kBufferBytes = 1 << 16;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferBytes));
    if (!buffer)
        return errorText(AVERROR(ENOMEM));
    io_ = avio_alloc_context(buffer, kBufferBytes, 0, this, &FfmpegDecoder::readInput, nullptr,
                             &FfmpegDecoder::seekInput);
    if (!io_) {
        av_free(buffer);
        return errorText(AVERROR(ENOMEM));
    }
    // The name only helps the probe by its extension.
    const std::string url = source.filename().string();
    AVDictionary* options = nullptr;
    const AVInputFormat* container = nullptr;
    int error = av_probe_input_buffer2(io_, &container, url.c_str(), nullptr, 0, kProbeBytes);
    if (error < 0 || !container)
        return errorText(error < 0 ? error : AVERROR_INVALIDDATA);
    const std::string_view containerName = firstName(container->name);
    if (!among(containerName, kContainers))
        return std::string("対応していない形式です：") + container->name;
    if ((containerName == "wav" && !waveDataWhole(source)) || (containerName == "ogg" && !oggEndsWhole(source)))
        return kCutShort;

    format_ = avformat_alloc_context();
    if (!format_)
        return errorText(AVERROR(ENOMEM));
    format_->pb = io_;
    // Checksums are checked (FLAC frames, Ogg pages), and damage ends decoding.
    format_->error_recognition = AV_EF_CRCCHECK | AV_EF_BITSTREAM | AV_EF_EXPLODE;
    av_dict_set(&options, "protocol_whitelist", "none", 0);  // no other file or stream is opened
    av_dict_set(&options, "format_whitelist", container->name, 0);
    error = avformat_open_input(&format_, url.c_str(), container, &options);
    av_dict_free(&options);
    if (error < 0)
        return errorText(error);  // the context is freed by the failed open
    error = avformat_find_stream_info(format_, nullptr);
    if (error < 0)
        return errorText(error);
    stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (stream_ < 0)
        return "音声が入っていません。";
    for (unsigned i = 0; i < format_->nb_streams; ++i)
        if (static_cast<int>(i) != stream_)
            format_->streams[i]->discard = AVDISCARD_ALL;
    AVStream* stream = format_->streams[stream_];

    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return std::string("対応していない音声の形式です：") + avcodec_get_name(stream->codecpar->codec_id);
    codec_ = avcodec_alloc_context3(codec);
    if (!codec_)
        return errorText(AVERROR(ENOMEM));
    error = avcodec_parameters_to_context(codec_, stream->codecpar);
    if (error < 0)
        return errorText(error);
    codec_->pkt_timebase = stream->time_base;
    codec_->thread_count = 1;
    codec_->err_recognition = AV_EF_CRCCHECK | AV_EF_BITSTREAM | AV_EF_EXPLODE;
    // FFmpeg cuts Ogg Vorbis short at its end (by the first block's overlap):
    // its skips are applied here, and the sound is cut to the last page's
    // granule position instead.
    manualSkip_ = containerName == "ogg" && codec->id == AV_CODEC_ID_VORBIS;
    checkGaps_ = containerName == "ogg";
    if (manualSkip_)
        codec_->flags2 |= AV_CODEC_FLAG2_SKIP_MANUAL;
    error = avcodec_open2(codec_, codec, nullptr);
    if (error < 0)
        return errorText(error);
    packet_ = av_packet_alloc();
    frame_ = av_frame_alloc();
    if (!packet_ || !frame_)
        return errorText(AVERROR(ENOMEM));

    // The first frame fixes the rate and the channels as decoded (which is
    // where HE-AAC and parametric stereo differ from the container's).
    if (!decodeMore())
        return failure_.empty() ? "音声が入っていません。" : failure_;
    info_.container = container->name;
    info_.codec = codec->name;
    if (format_->duration != AV_NOPTS_VALUE && format_->duration > 0)
        info_.seconds = static_cast<double>(format_->duration) / AV_TIME_BASE;
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0 && info_.sampleRate > 0) {
        const auto stated = static_cast<std::uint64_t>(
            av_rescale_q(stream->duration, stream->time_base, AVRational{1, static_cast<int>(info_.sampleRate)}));
        // MP3 states its length only in a Xing or LAME header, and with the
        // codec's padding in it.
        const bool mp3Counted = containerName == "mp3" && format_->duration_estimation_method != AVFMT_DURATION_FROM_BITRATE;
        if (among(containerName, kExactLength) || manualSkip_ || mp3Counted)
            expected_ = stated;
        if (mp3Counted)
            shortfall_ = kMp3Shortfall;
        if (containerName == "mov" || manualSkip_)
            trimTo_ = stated;
        // Frames already decoded past it move to the tail.
        if (trimTo_ && decoded_ > *trimTo_) {
            const std::size_t keep = static_cast<std::size_t>(*trimTo_) * static_cast<std::size_t>(info_.channels);
            tail_.assign(pending_.begin() + static_cast<std::ptrdiff_t>(keep), pending_.end());
            pending_.resize(keep);
            decoded_ = *trimTo_;
        }
    }
    return {};
}

FfmpegDecoder::~FfmpegDecoder() {
    av_frame_free(&frame_);
    av_packet_free(&packet_);
    avcodec_free_context(&codec_);
    avformat_close_input(&format_);
    if (io_)
        av_freep(&io_->buffer);  // FFmpeg may have replaced the buffer given at the start
    avio_context_free(&io_);
}

void FfmpegDecoder::fail(int error) {
    if (failure_.empty())
        failure_ = errorText(error);
    finished_ = true;
}

bool FfmpegDecoder::decodeMore() {
    while (!finished_ && pendingAt_ >= pending_.size()) {
        pending_.clear();
        pendingAt_ = 0;
        int error = avcodec_receive_frame(codec_, frame_);
        if (error >= 0) {
            take(frame_);
            av_frame_unref(frame_);
            continue;
        }
        if (error == AVERROR_EOF) {
            end();
            break;
        }
        if (error != AVERROR(EAGAIN)) {
            fail(error);
            break;
        }
        if (demuxed_) {  // a decoder that neither ends nor gives frames
            end();
            break;
        }
        error = av_read_frame(format_, packet_);
        if (error == AVERROR_EOF) {
            demuxed_ = true;
            error = avcodec_send_packet(codec_, nullptr);
        } else if (error < 0) {
            fail(error);
            break;
        } else {
            if (packet_->stream_index == stream_)
                error = avcodec_send_packet(codec_, packet_);
            av_packet_unref(packet_);
        }
        if (error < 0 && error != AVERROR(EAGAIN) && error != AVERROR_EOF)
            fail(error);
    }
    return pendingAt_ < pending_.size();
}

void FfmpegDecoder::take(const AVFrame* frame) {
    const int channels = frame->ch_layout.nb_channels;
    if (info_.channels == 0) {
        info_.channels = channels;
        info_.sampleRate = static_cast<std::uint32_t>(frame->sample_rate);
    }
    if (channels != info_.channels || static_cast<std::uint32_t>(frame->sample_rate) != info_.sampleRate) {
        failure_ = "途中でチャンネル数か周波数が変わっています。";
        finished_ = true;
        return;
    }
    // Time stamps that jump ahead: part of the source was skipped as damaged.
    if (checkGaps_ && frame->best_effort_timestamp != AV_NOPTS_VALUE) {
        const std::int64_t at = av_rescale_q(frame->best_effort_timestamp, format_->streams[stream_]->time_base,
                                             AVRational{1, frame->sample_rate});
        if (nextStamp_ && at > *nextStamp_ + kGapFrames) {
            failure_ = "ファイルの途中が壊れていて、一部が読めません。";
            finished_ = true;
            return;
        }
        nextStamp_ = at + frame->nb_samples;
    }
    std::size_t first = 0;
    if (manualSkip_) {
        if (const AVFrameSideData* skip = av_frame_get_side_data(frame, AV_FRAME_DATA_SKIP_SAMPLES);
            skip && skip->size >= 4) {
            const std::uint32_t start = skip->data[0] | skip->data[1] << 8 | skip->data[2] << 16 |
                                        static_cast<std::uint32_t>(skip->data[3]) << 24;
            first = std::min<std::size_t>(start, static_cast<std::size_t>(frame->nb_samples));
        }
    }
    const std::size_t width = static_cast<std::size_t>(channels);
    const std::size_t count = static_cast<std::size_t>(frame->nb_samples) - first;
    // Up to the stated length into pending_, past it into the tail.
    std::size_t kept = count;
    if (trimTo_)
        kept = static_cast<std::size_t>(std::min<std::uint64_t>(count, *trimTo_ - std::min(*trimTo_, decoded_)));
    const std::size_t at = pending_.size();
    pending_.resize(at + kept * width);
    convertFrames(frame, width, first, kept, pending_.data() + at);
    decoded_ += kept;
    if (kept < count) {
        const std::size_t tailAt = tail_.size();
        tail_.resize(tailAt + (count - kept) * width);
        convertFrames(frame, width, first + kept, count - kept, tail_.data() + tailAt);
    }
    if (tail_.size() > kTailLimit * width) {
        // The stated length was wrong: nothing is cut after all.
        pending_.insert(pending_.end(), tail_.begin(), tail_.end());
        decoded_ += tail_.size() / width;
        tail_.clear();
        trimTo_.reset();
        expected_.reset();
    }
}

void FfmpegDecoder::end() {
    finished_ = true;
    tail_.clear();  // past the stated length: the codec's padding
    const std::uint64_t shortfall = std::max<std::uint64_t>(shortfall_, info_.sampleRate / kShortfallDivisor);
    if (expected_ && info_.sampleRate > 0 && decoded_ + shortfall < *expected_) {
        const double rate = info_.sampleRate;
        char text[160];
        std::snprintf(text, sizeof text, "ファイルが途中で切れています（%.2f 秒のはずが %.2f 秒まで）。",
                      static_cast<double>(*expected_) / rate, static_cast<double>(decoded_) / rate);
        failure_ = text;
    }
}

std::size_t FfmpegDecoder::read(float* out, std::size_t maxFrames) {
    const std::size_t width = static_cast<std::size_t>(std::max(info_.channels, 1));
    std::size_t given = 0;
    while (given < maxFrames && decodeMore()) {
        const std::size_t available = (pending_.size() - pendingAt_) / width;
        const std::size_t n = std::min(available, maxFrames - given);
        std::copy_n(pending_.begin() + static_cast<std::ptrdiff_t>(pendingAt_), n * width, out + given * width);
        pendingAt_ += n * width;
        given += n;
    }
    return given;  // after a failure: what came before it; the next read gives 0
}

double FfmpegDecoder::position() const {
    if (finished_)
        return 1.0;
    if (fileSize_ <= 0 || !format_ || !format_->pb)
        return 0.0;
    return std::clamp(static_cast<double>(avio_tell(format_->pb)) / static_cast<double>(fileSize_), 0.0, 1.0);
}

}  // namespace vexa
