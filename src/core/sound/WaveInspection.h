#pragma once
// Reading, checking and measuring WAVE files. The RIFF chunks are walked here,
// without any multimedia library, and the audio data is never read.
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexa {

// The fields of a WAVE "fmt " chunk body, filled from its first n bytes
// (n = the chunk size, at most 18); fields beyond n stay 0.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;

    bool operator==(const WaveFormat&) const = default;
};

// The sampling rates the device plays, in Hz.
inline constexpr std::array<std::uint32_t, 7> kAcceptedRates = {8000,  11025, 12800, 16000,
                                                                22050, 32000, 44100};

// The format of a file, or what refuses it (messages 2800-2803, or the read
// that failed), naming the file.
struct WaveFormatRead {
    std::optional<WaveFormat> format;
    CheckResult refusal;  // set exactly when there is no format
    std::string reason;   // the refusal's text without the file's name
};
WaveFormatRead ReadWaveFormat(const std::filesystem::path& path);
// The same, showing the refusal; nullopt after it.
std::optional<WaveFormat> ReadWaveFormat(const std::filesystem::path& path, UserDialogs& dialogs);

// What refuses a file of this format and path for registration, in this
// order: a name the card cannot hold (not an 8.3 name of half-width
// characters in its CP932 form, one that CP932 cannot hold as it is, or one
// with a comma; field "name"), stereo unless allowed (2805), a rate the device
// does not play (2806), each naming the file. None when it may be registered.
CheckResult CheckWaveFormat(const WaveFormat& format, const std::string& path, bool stereoAllowed);

// The refusal of a file name the card cannot hold, naming the file.
Refusal FileNameRefusal(const std::string& name);

// A refusal of a file's format with the file named: 「name」 on a line of its
// own above the catalogue text, so that the user knows which of several
// chosen files (or which file of a folder) it concerns.
Refusal NamingTheFile(Refusal refusal, const std::string& name);
// The name that NamingTheFile shows for a path: its last part.
std::string ShownFileName(const std::filesystem::path& path);

// The name rules of CheckWaveFormat alone, for a bare file name.
CheckResult CheckCardFileName(const std::string& name);

// The raw scan of the first 512 bytes; no message (the caller shows 2811,
// naming the file).
bool CheckWaveHeader(const std::filesystem::path& path, bool stereoAllowed);
// The same scan of those bytes already read (WaveFacts::header).
bool HeaderScanPasses(std::string_view header, bool stereoAllowed);

// Play length in milliseconds from the data size and AvgBytesPerSec; -1 when
// it cannot be measured.
long long GetWaveLength(const std::filesystem::path& path);

// The format, the play length, the size and the scanned header of a file from
// one opening (what ReadWaveFormat, GetWaveLength, the file's size and
// CheckWaveHeader give one by one).
struct WaveFacts {
    WaveFormatRead format;
    long long lengthMs = -1;
    bool opened = false;
    std::uint64_t size = 0;  // 0 when the file cannot be opened
    std::string openProblem;  // why a file that is there cannot be opened ("フォルダーで、…")
    std::string header;       // the first 512 bytes, zero-padded ("" when not opened)
};
WaveFacts InspectWave(const std::filesystem::path& path);

}  // namespace vexa
