#include "core/sound/PlayInfo.h"

#include "core/text/NumberFormat.h"

namespace vexa {

std::string PlaySizeText(std::uint64_t bytes) {
    constexpr std::uint64_t kMiB = 1048576;
    const bool mega = bytes >= kMiB;
    const double units = numfmt::roundHalfEven(static_cast<double>(bytes) / (mega ? kMiB : 1024.0));
    return numfmt::format(units, "0.0") + (mega ? "MB " : "KB ");
}

std::string PlayAudioText(const SoundEntry& entry) {
    return "PCM " + entry.rate + ", " + entry.bits + ", " + entry.channels;
}

PlayInfo PlayInfoFor(const SoundEntry& entry) {
    const double bytes = numfmt::leadingNumber(entry.size);
    return {entry.fileName, entry.length + " 秒", PlaySizeText(bytes > 0 ? static_cast<std::uint64_t>(bytes) : 0),
            PlayAudioText(entry)};
}

}  // namespace vexa
