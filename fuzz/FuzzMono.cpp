// Stereo-to-mono conversion of a fuzzed source, through the file replacement.
// The first byte asks for a stop after that many progress steps (0: never),
// so that the stopped path, which fills the rest with zeros, is reached too.
#include "FuzzFolder.h"

#include "core/sound/WaveInspection.h"
#include "core/ui/Progress.h"
#include "core/wavetools/ConvertToMono.h"

#include <filesystem>

using namespace vexa;

namespace {

class StopAfter final : public Progress {
public:
    explicit StopAfter(int steps) : left_(steps) {}
    void setValue(int) override {}
    void setCaption(const std::string&) override {}
    bool stopRequested() override { return left_ > 0 && --left_ == 0; }

private:
    int left_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const auto& folder = fuzz::FuzzFolder::get();
    const auto source = folder.write("src.wav", data + 1, size - 1);
    const auto output = folder.path() / "out.wav";
    std::error_code ec;
    std::filesystem::remove(output, ec);
    // The tools window and `vexa mono` convert only a source whose format the
    // inspection reads (any other is refused before the job), so only then is
    // the output promised to read back as mono; any source must still be safe.
    const bool checkedSource = ReadWaveFormat(source).format.has_value();
    StopAfter progress(data[0]);
    ProgressLink link(progress, size);
    const JobResult result = ConvertToMono(source, output, link);
    // Completed or stopped: a mono file of the promised layout; failed: none.
    if (result == JobResult::Failed) {
        if (std::filesystem::exists(output))
            __builtin_trap();
        return 0;
    }
    if (!checkedSource)
        return 0;
    const WaveFormatRead read = ReadWaveFormat(output);
    if (!read.format || read.format->channels != 1)
        __builtin_trap();
    return 0;
}
