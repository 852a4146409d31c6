#include "core/sound/PcmWaveReader.h"

#include "core/sound/WaveInspection.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace vexa {
namespace {

constexpr std::uint16_t kPcm = 1;

AudioResult unplayable(std::string why) { return {AudioFault::Unplayable, std::move(why)}; }

bool isAcceptedRate(std::uint32_t rate) {
    return std::find(kAcceptedRates.begin(), kAcceptedRates.end(), rate) != kAcceptedRates.end();
}

}  // namespace

AudioResult PcmWaveReader::open(const std::filesystem::path& file) {
    *this = PcmWaveReader{};
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return {AudioFault::FileMissing, file.filename().string()};
    if (!file_.open(file))  // a folder or a FIFO is called what it is
        return unplayable(file_.openProblem().empty() ? std::string("読み込めません") : file_.openProblem());
    const auto riff = file_.riff();
    if (!riff || file_.read(8, 4) != "WAVE")
        return unplayable("RIFF WAVEではありません");
    const auto fmt = file_.findChunk(*riff, "fmt ");
    if (!fmt || fmt->size < 16)
        return unplayable("fmt チャンクがありません");
    const std::string body = file_.read(fmt->bodyOffset, 16);
    if (body.size() < 16)
        return unplayable("fmt チャンクが途中で切れています");
    if (readLe16(body, 0) != kPcm)
        return unplayable("PCMではありません");
    format_.channels = readLe16(body, 2);
    format_.rate = readLe32(body, 4);
    format_.bits = readLe16(body, 14);
    if (format_.channels != 1 && format_.channels != 2)
        return unplayable("モノラルでもステレオでもありません");
    if (format_.bits != 8 && format_.bits != 16)
        return unplayable("8ビットでも16ビットでもありません");
    if (!isAcceptedRate(format_.rate))
        return unplayable("使えない周波数です");
    const auto data = file_.findChunk(*riff, "data");
    if (!data)
        return unplayable("data チャンクがありません");
    dataOffset_ = data->bodyOffset;
    // A size running past the end of the file counts the bytes present; a
    // last frame cut short is not played.
    const std::uint64_t present = file_.fileSize() - std::min(file_.fileSize(), dataOffset_);
    const std::uint64_t bytes = std::min<std::uint64_t>(data->size, present);
    dataBytes_ = bytes - bytes % format_.bytesPerFrame();
    return {};
}

long long PcmWaveReader::durationMicroseconds() const {
    const std::uint64_t perSecond = static_cast<std::uint64_t>(format_.rate) * format_.bytesPerFrame();
    if (perSecond == 0)
        return 0;
    return static_cast<long long>(dataBytes_ / perSecond * 1000000 + dataBytes_ % perSecond * 1000000 / perSecond);
}

std::size_t PcmWaveReader::read(char* out, std::size_t max) {
    const std::uint32_t frame = format_.bytesPerFrame();
    if (frame == 0 || atEnd())
        return 0;
    std::uint64_t want = std::min<std::uint64_t>(max, dataBytes_ - position_);
    want -= want % frame;
    if (want == 0)
        return 0;
    const std::string block = file_.read(dataOffset_ + position_, static_cast<std::size_t>(want));
    const std::size_t got = block.size() - block.size() % frame;
    std::memcpy(out, block.data(), got);
    position_ += got;
    return got;
}

}  // namespace vexa
