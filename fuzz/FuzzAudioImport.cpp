// The import's decoder adapter (FFmpeg) on any bytes, then the whole import
// of them: what cannot be decoded is refused with a reason, what can is read
// to its end (or to a bound), and an import either writes a file registration
// accepts or leaves nothing. The first byte picks the options and how soon a
// stop is asked for; the rest is the file.
#include "FuzzFolder.h"

#include "audioimport/AudioLibraries.h"
#include "core/import/ImportFile.h"
#include "core/sound/WaveRegistrationCheck.h"

#include <cmath>
#include <vector>

using namespace vexa;

namespace {

constexpr std::size_t kMaxFrames = 1 << 19;  // what one input may decode to

class StopAfter final : public Progress {
public:
    explicit StopAfter(int polls) : polls_(polls) {}
    void setValue(int percent) override {
        if (percent < 0 || percent > 100)
            __builtin_trap();
    }
    void setCaption(const std::string&) override {}
    bool stopRequested() override { return --polls_ < 0; }

private:
    int polls_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    static AudioLibraries libraries;
    const std::uint8_t choice = data[0];
    const auto& folder = fuzz::FuzzFolder::get();
    const auto source = folder.write("input", data + 1, size - 1);

    DecoderOpening opening = libraries.openDecoder(source);
    if (!opening.decoder) {
        if (opening.failure.empty())
            __builtin_trap();  // a refusal always says why
    } else {
        const AudioSourceInfo& info = opening.decoder->info();
        if (info.channels < 1 || info.sampleRate == 0)
            __builtin_trap();
        std::vector<float> block(1024 * static_cast<std::size_t>(info.channels));
        std::size_t total = 0;
        while (total < kMaxFrames) {
            const std::size_t n = opening.decoder->read(block.data(), 1024);
            if (n > 1024)
                __builtin_trap();
            if (n == 0)
                break;
            for (std::size_t i = 0; i < n * static_cast<std::size_t>(info.channels); ++i)
                if (!std::isfinite(block[i]))
                    __builtin_trap();
            total += n;
        }
        const double position = opening.decoder->position();
        if (!(position >= 0.0 && position <= 1.0))
            __builtin_trap();
    }

    ImportOptions options;
    options.bits = choice & 1 ? 8 : 16;
    options.trim = (choice & 2) != 0;
    options.stereo = options.stereoAllowed = (choice & 4) != 0;
    if (choice & 8)
        options.loudnessTarget.reset();
    const auto destination = folder.path() / "OUT.WAV";
    StopAfter progress(8 + (choice >> 4) * 8);  // each poll is a block of 16384 frames
    const ImportResult result = ImportFile(source, destination, options, libraries, progress);
    std::error_code ec;
    const bool written = std::filesystem::exists(destination, ec);
    if (result.imported() != written)
        __builtin_trap();  // a stopped or failed import leaves nothing
    if (written) {
        if (!CheckWaveForRegistration(destination, options.stereoAllowed).accepted())
            __builtin_trap();
        std::filesystem::remove(destination, ec);
    } else if (result.status == ImportStatus::Failed && result.failure.find(source.string()) == std::string::npos) {
        __builtin_trap();  // a failure names the file
    }
    return 0;
}
