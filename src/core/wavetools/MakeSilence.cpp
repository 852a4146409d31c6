#include "core/wavetools/MakeSilence.h"

#include "core/files/FileReplacement.h"
#include "core/wavetools/ByteOrder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace vexa {
namespace {

constexpr std::size_t kHeaderBytes = 44;
constexpr std::size_t kBlockBytes = 1 << 20;
constexpr std::uint64_t kLargestRiff = 0x7FFFFFFF;

std::uint32_t actualRate(int rate) { return rate == 44100 ? 44100 : 22050; }
std::uint32_t byteRate(int rate, int bits) { return actualRate(rate) * (bits == 16 ? 2 : 1); }

std::array<std::uint8_t, kHeaderBytes> header(std::uint32_t dataSize, int rate, int bits) {
    std::array<std::uint8_t, kHeaderBytes> h{};
    std::memcpy(&h[0], "RIFF", 4);
    LongToBytes(dataSize + 36, &h[4]);
    std::memcpy(&h[8], "WAVE", 4);
    std::memcpy(&h[12], "fmt ", 4);
    LongToBytes(16, &h[16]);
    IntToBytes(1, &h[20]);  // PCM
    IntToBytes(1, &h[22]);  // one channel
    LongToBytes(actualRate(rate), &h[24]);
    LongToBytes(byteRate(rate, bits), &h[28]);
    IntToBytes(bits == 8 ? 1 : 2, &h[32]);
    IntToBytes(static_cast<std::uint16_t>(bits), &h[34]);
    std::memcpy(&h[36], "data", 4);
    LongToBytes(dataSize, &h[40]);
    return h;
}

enum class FillEnd { Done, Stopped, Failed };

// Writes the silent level block by block; after a stop the rest is written as
// zero bytes so the file keeps its full length.
FillEnd writeSilence(FileReplacement& out, std::uint64_t dataSize, std::uint8_t level, ProgressLink& link) {
    const std::vector<std::uint8_t> block(std::min<std::uint64_t>(kBlockBytes, dataSize), level);
    std::uint64_t done = 0;
    bool stopped = false;
    while (done < dataSize && !stopped) {
        const std::size_t bytes = static_cast<std::size_t>(std::min<std::uint64_t>(dataSize - done, block.size()));
        std::size_t counted = 0;
        while (counted < bytes && !stopped) {
            const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(bytes - counted, link.itemsBeforeStep(1)));
            counted += piece;
            stopped = !link.countItems(piece, 1);
        }
        if (!out.write(block.data(), counted))
            return FillEnd::Failed;
        done += counted;
        stopped = stopped || (done < dataSize && link.stopRequested());
    }
    if (!out.writeZeros(dataSize - done))
        return FillEnd::Failed;
    return stopped ? FillEnd::Stopped : FillEnd::Done;
}

}  // namespace

std::uint64_t SilenceFileSize(int seconds, int rate, int bits) {
    return kHeaderBytes + static_cast<std::uint64_t>(std::max(seconds, 0)) * byteRate(rate, bits);
}

JobResult MakeSilence(const std::filesystem::path& path, int seconds, int rate, int bits, ProgressLink& link) {
    link.begin(kMakingCaption);
    const std::uint64_t dataSize = SilenceFileSize(seconds, rate, bits) - kHeaderBytes;
    // Other widths would get a header that contradicts itself.
    if ((bits != 8 && bits != 16) || seconds < 0 || dataSize + 36 > kLargestRiff)
        return JobResult::Failed;
    // Whatever fails from here on, the replacement's temporary goes and the
    // file stays as it was: absent, the old file, a link's target.
    FileReplacement out(path);
    if (!out.isOpen())
        return JobResult::Failed;
    const auto h = header(static_cast<std::uint32_t>(dataSize), rate, bits);
    if (!out.write(h.data(), h.size()))
        return JobResult::Failed;
    link.count(kHeaderBytes);
    const FillEnd end = writeSilence(out, dataSize, bits == 8 ? 128 : 0, link);
    if (end == FillEnd::Failed || !out.commit())
        return JobResult::Failed;
    if (end == FillEnd::Stopped) {
        link.setCaption(kMakingStopped);
        return JobResult::Stopped;
    }
    link.setCaption(kMakingCompleted);
    return JobResult::Completed;
}

}  // namespace vexa
