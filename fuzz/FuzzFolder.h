#pragma once
// A private folder for one fuzzing process: the fuzzer's input is written to a
// file in it, because the loaders read files, not memory. Made once, under
// $TMPDIR (or /tmp), and removed when the process ends normally.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vexa::fuzz {

class FuzzFolder {
public:
    // The folder of this process, made on first use.
    static const FuzzFolder& get();

    const std::filesystem::path& path() const { return path_; }

    // Writes the bytes to `name` in the folder (replacing it) and gives its path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;
    std::filesystem::path write(std::string_view name, const std::uint8_t* data, std::size_t size) const {
        return write(name, std::string_view(reinterpret_cast<const char*>(data), size));
    }

    ~FuzzFolder();
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

private:
    FuzzFolder();
    std::filesystem::path path_;
};

// A small valid PCM WAVE file: `frames` frames of the given layout.
std::string PcmWave(int channels, int rate, int bits, std::size_t frames);

}  // namespace vexa::fuzz
