#pragma once
// Any source the import takes, decoded with libavformat and libavcodec into
// interleaved floats: WAV of every PCM width, float and
// WAVE_FORMAT_EXTENSIBLE (also Wave64 and RF64), AIFF, FLAC, MP3, Ogg Vorbis,
// Opus, AAC in M4A/MP4 or ADTS. Other containers are refused before their
// demuxer runs. The file is opened as every reader opens one (InputFile:
// regular files only, a FIFO never waited on) and FFmpeg reads it through
// this object, so it opens nothing else.
//
// The length is kept to the sample: the codecs' own priming and padding are
// dropped (MP3's from its LAME header, Opus' pre-skip, AAC's edit list), and
// where the container states the exact length (MP4, Ogg Vorbis) the decoded
// sound is cut to it. A decoding error, or a WAV, AIFF, FLAC or MP4 that ends
// well before the length it states, is a failure.
#include "core/files/InputFile.h"
#include "core/import/AudioBackend.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVIOContext;
struct AVPacket;

namespace vexa {

class FfmpegDecoder final : public AudioDecoder {
public:
    static DecoderOpening open(const std::filesystem::path& source);
    ~FfmpegDecoder() override;
    FfmpegDecoder(const FfmpegDecoder&) = delete;
    FfmpegDecoder& operator=(const FfmpegDecoder&) = delete;

    const AudioSourceInfo& info() const override { return info_; }
    std::size_t read(float* out, std::size_t maxFrames) override;
    std::string failure() const override { return failure_; }
    double position() const override;

private:
    FfmpegDecoder() = default;
    std::string start(const std::filesystem::path& source);
    static int readInput(void* opaque, std::uint8_t* buffer, int size);
    static std::int64_t seekInput(void* opaque, std::int64_t offset, int whence);
    // Decodes until frames are pending or the source has ended; false at the end.
    bool decodeMore();
    void take(const AVFrame* frame);
    void fail(int error);
    void end();

    InputFile input_;
    std::uint64_t inputAt_ = 0;
    AVIOContext* io_ = nullptr;
    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
    int stream_ = -1;
    std::int64_t fileSize_ = 0;

    AudioSourceInfo info_;
    std::string failure_;
    bool demuxed_ = false;   // every packet has been sent
    bool finished_ = false;  // the decoder is drained (or failed)
    bool manualSkip_ = false;
    bool checkGaps_ = false;
    std::optional<std::int64_t> nextStamp_;  // where the next frame should start
    std::vector<float> pending_;  // decoded frames not yet given out
    std::size_t pendingAt_ = 0;   // values of pending_ already given
    std::uint64_t decoded_ = 0;   // frames put into pending_ so far

    // The container's exact length: the sound is cut to it (trimTo_) and a
    // source that ends well before it fails (expected_).
    std::optional<std::uint64_t> trimTo_;
    std::optional<std::uint64_t> expected_;
    std::uint64_t shortfall_ = 0;  // frames it may fall short by besides 10 ms
    std::vector<float> tail_;  // frames past trimTo_, held back until the end
};

}  // namespace vexa
