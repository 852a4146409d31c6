#include "core/wavetools/ConvertToMono.h"

#include "core/files/FileReplacement.h"
#include "core/wavetools/ByteOrder.h"
#include "core/wavetools/SourceFile.h"
#include "core/wavetools/StereoSource.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace vexa {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBlockBytes = 1 << 20;  // of the source; a multiple of every frame size

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// The source's bytes before the samples, copied unchanged, then the fields
// that depend on the channel count rewritten in place.
bool writeHeader(const SourceFile& in, const StereoSource& source, FileReplacement& out,
                 std::vector<std::uint8_t>& buffer) {
    for (std::uint64_t pos = 0; pos < source.headerSize();) {
        const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), source.headerSize() - pos));
        if (!in.readAt(pos, buffer.data(), piece) || !out.write(buffer.data(), piece))
            return false;
        pos += piece;
    }
    const std::uint32_t monoSize = source.monoDataSize();
    const bool eightBit = source.bits == 8;
    std::array<std::uint8_t, 4> field{};
    LongToBytes(static_cast<std::uint32_t>(source.dataChunk) + monoSize, field.data());
    bool ok = out.writeAt(4, field.data(), 4);
    IntToBytes(1, field.data());
    ok = ok && out.writeAt(source.fmtBody + 2, field.data(), 2);
    LongToBytes(eightBit ? source.rate : source.rate * 2, field.data());
    ok = ok && out.writeAt(source.fmtBody + 8, field.data(), 4);
    IntToBytes(eightBit ? 1 : 2, field.data());
    ok = ok && out.writeAt(source.fmtBody + 12, field.data(), 2);
    LongToBytes(monoSize, field.data());
    return ok && out.writeAt(source.dataChunk + 4, field.data(), 4);
}

// Keeps one sample of each frame: byte 1 of the two-byte 8-bit frame, bytes
// 0-1 of the four-byte 16-bit frame.
void keepOneChannel(const std::uint8_t* in, std::uint8_t* out, std::size_t frames, bool eightBit) {
    if (eightBit) {
        for (std::size_t i = 0; i < frames; ++i)
            out[i] = in[2 * i + 1];
    } else {
        for (std::size_t i = 0; i < frames; ++i) {
            out[2 * i] = in[4 * i];
            out[2 * i + 1] = in[4 * i + 1];
        }
    }
}

enum class CopyEnd { Done, Stopped, Failed };

// Converts the frames block by block; after a stop the rest of the data is
// written as zero bytes so the file keeps its full length.
CopyEnd writeSamples(const SourceFile& in, const StereoSource& source, FileReplacement& out,
                     ProgressLink& link, std::vector<std::uint8_t>& inBlock) {
    const bool eightBit = source.bits == 8;
    const std::size_t frameBytes = eightBit ? 2 : 4;
    const std::size_t sampleBytes = frameBytes / 2;
    const std::uint64_t totalFrames = source.monoDataSize() / sampleBytes;
    std::vector<std::uint8_t> outBlock(inBlock.size() / 2);
    std::uint64_t done = 0;
    bool stopped = false;
    while (done < totalFrames && !stopped) {
        const std::size_t frames = static_cast<std::size_t>(std::min<std::uint64_t>(totalFrames - done, inBlock.size() / frameBytes));
        if (!in.readAt(source.headerSize() + done * frameBytes, inBlock.data(), frames * frameBytes))
            return CopyEnd::Failed;
        std::size_t converted = 0;
        while (converted < frames && !stopped) {
            const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(frames - converted, link.itemsBeforeStep(frameBytes)));
            keepOneChannel(inBlock.data() + converted * frameBytes, outBlock.data() + converted * sampleBytes, piece, eightBit);
            converted += piece;
            stopped = !link.countItems(piece, frameBytes);
        }
        if (!out.write(outBlock.data(), converted * sampleBytes))
            return CopyEnd::Failed;
        done += converted;
        stopped = stopped || (done < totalFrames && link.stopRequested());
    }
    if (!out.writeZeros((totalFrames - done) * sampleBytes))
        return CopyEnd::Failed;
    return stopped ? CopyEnd::Stopped : CopyEnd::Done;
}

}  // namespace

JobResult ConvertToMono(const fs::path& source, const fs::path& destination, ProgressLink& link) {
    link.begin(kConvertingCaption);
    // Converting a file onto itself would destroy the source on any failure.
    if (sameFile(source, destination))
        return JobResult::Failed;
    const SourceFile in(source);
    const auto layout = in.isOpen() ? ReadStereoSource(in) : std::nullopt;
    if (!layout)
        return JobResult::Failed;
    // Whatever fails from here on, the replacement's temporary goes and the
    // destination stays as it was: absent, the old file, a link's target.
    FileReplacement out(destination);
    if (!out.isOpen())
        return JobResult::Failed;
    std::vector<std::uint8_t> block(kBlockBytes);
    if (!writeHeader(in, *layout, out, block))
        return JobResult::Failed;
    link.count(layout->headerSize());
    const CopyEnd end = writeSamples(in, *layout, out, link, block);
    if (end == CopyEnd::Failed || !out.commit())
        return JobResult::Failed;
    if (end == CopyEnd::Stopped) {
        link.setCaption(kConversionStopped);
        return JobResult::Stopped;
    }
    link.setCaption(kConversionCompleted);
    return JobResult::Completed;
}

}  // namespace vexa
