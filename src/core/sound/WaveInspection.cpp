#include "core/sound/WaveInspection.h"

#include "core/config/Messages.h"
#include "core/sound/RiffFile.h"
#include "core/text/Cp932.h"
#include "core/text/TextRules.h"

#include <algorithm>
#include <cstring>

namespace vexa {

namespace {

constexpr std::uint32_t kMaxFormatSize = 18;
constexpr std::size_t kHeaderScanSize = 512;
constexpr std::size_t kHeaderScanLimit = 255;  // a match must start below this

WaveFormatRead refused(Refusal refusal, const std::filesystem::path& path) {
    std::string reason = refusal.text;
    return {std::nullopt, NamingTheFile(std::move(refusal), ShownFileName(path)), std::move(reason)};
}

WaveFormatRead refused(int number, const std::filesystem::path& path) { return refused(Refusal::error(number), path); }

WaveFormat decodeFormat(std::string_view body) {
    WaveFormat f;
    f.formatTag = readLe16(body, 0);
    f.channels = readLe16(body, 2);
    f.samplesPerSec = readLe32(body, 4);
    f.avgBytesPerSec = readLe32(body, 8);
    f.blockAlign = readLe16(body, 12);
    f.bitsPerSample = readLe16(body, 14);
    f.extraSize = readLe16(body, 16);
    return f;
}

bool isAcceptedRate(std::uint32_t rate) {
    return std::find(kAcceptedRates.begin(), kAcceptedRates.end(), rate) != kAcceptedRates.end();
}

// First p in [from, kHeaderScanLimit) where `id` starts in the scanned header.
std::optional<std::size_t> scanFor(std::string_view header, std::string_view id, std::size_t from) {
    for (std::size_t p = from; p < kHeaderScanLimit; ++p)
        if (header.substr(p, 4) == id)
            return p;
    return std::nullopt;
}

}  // namespace

namespace {

WaveFormatRead readFormat(RiffFile& file, const std::filesystem::path& path) {
    const auto riff = file.riff();
    if (!riff)
        return refused(msg::kWaveNotRiff, path);
    const auto fmt = file.findChunk(*riff, "fmt ");
    if (!fmt)
        return refused(msg::kWaveChunkMissing, path);
    if (fmt->size > kMaxFormatSize)
        return refused(msg::kWaveUnsupported, path);
    // A body cut short by the end of the file is read as far as it goes.
    const std::string body = file.read(fmt->bodyOffset, fmt->size);
    if (body.empty())
        return refused(Refusal{"mmioRead failed - 0", msg::kAppTitle, MessageIcon::None, {}, -1, -1}, path);
    return {decodeFormat(body), std::nullopt, {}};
}

long long waveLength(RiffFile& file) {
    const auto riff = file.riff();
    if (!riff || file.read(8, 4) != "WAVE")
        return -1;
    const auto fmt = file.findChunk(*riff, "fmt ");
    if (!fmt || fmt->size < 16)
        return -1;
    const WaveFormat format = decodeFormat(file.read(fmt->bodyOffset, 16));
    if (format.channels == 0 || format.avgBytesPerSec == 0 || format.blockAlign == 0)
        return -1;
    const auto data = file.findChunk(*riff, "data");
    if (!data)
        return -1;
    // A data size running past the end of the file counts the bytes present.
    const std::uint64_t present = file.fileSize() - std::min(file.fileSize(), data->bodyOffset);
    const std::uint64_t bytes = std::min<std::uint64_t>(data->size, present);
    return static_cast<long long>(bytes * 1000 / format.avgBytesPerSec);
}

}  // namespace

WaveFormatRead ReadWaveFormat(const std::filesystem::path& path) {
    RiffFile file;
    if (!file.open(path))
        return refused(msg::kWaveReadFailed, path);
    return readFormat(file, path);
}

std::optional<WaveFormat> ReadWaveFormat(const std::filesystem::path& path, UserDialogs& dialogs) {
    WaveFormatRead read = ReadWaveFormat(path);
    Passed(dialogs, read.refusal);
    return read.format;
}

Refusal FileNameRefusal(const std::string& name) {
    return {"「" + name +
                "」はカードで使えないファイル名です。\n"
                "ファイル名は半角文字の8.3形式（名前8文字以内・拡張子3文字以内、記号は一部のみ）にしてください。",
            msg::kTitleConfirm, MessageIcon::Warning, "name", -1, -1};
}

Refusal NamingTheFile(Refusal refusal, const std::string& name) {
    if (!name.empty())
        refusal.text = "「" + name + "」\n" + refusal.text;
    return refusal;
}

std::string ShownFileName(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    return name.empty() ? path.string() : name;
}

// The name as the Control File will hold it: checked in its CP932 form, which
// must turn back into the same name ("¥" would become a backslash, "é" "?"). A comma
// would split the sound list's line.
CheckResult CheckCardFileName(const std::string& name) {
    const std::string stored = cp932::fromUtf8(name);
    if (cp932::toUtf8(stored) != name)
        return FileNameRefusal(name);
    if (name.find(',') != std::string::npos)
        return Refusal{"「" + name + "」はカードで使えないファイル名です。\nファイル名に「,」（カンマ）は使えません。",
                       msg::kTitleConfirm, MessageIcon::Warning, "name", -1, -1};
    if (HasWideChar(name) || stored.size() > 12 || !IsValidFileName(stored))
        return FileNameRefusal(name);
    return std::nullopt;
}

CheckResult CheckWaveFormat(const WaveFormat& format, const std::string& path, bool stereoAllowed) {
    std::string folder;
    const std::string name = SplitPath(path, folder);
    if (CheckResult refusal = CheckCardFileName(name))
        return refusal;
    if (format.channels != 1 && !stereoAllowed)
        return NamingTheFile(Refusal::warning(msg::kWaveStereo), name);
    if (!isAcceptedRate(format.samplesPerSec))
        return NamingTheFile(Refusal::warning(msg::kWaveRate), name);
    return std::nullopt;
}

namespace {

// The first bytes of the file, as the header scan reads them.
std::string scannedHeader(RiffFile& file) {
    std::string header = file.read(0, kHeaderScanSize);
    header.resize(kHeaderScanSize, '\0');
    return header;
}

}  // namespace

bool HeaderScanPasses(std::string_view header, bool stereoAllowed) {
    if (header.size() < kHeaderScanSize || header.compare(0, 4, "RIFF") != 0)
        return false;
    const auto p = scanFor(header, "fmt ", 12);
    if (!p)
        return false;
    if (readLe16(header, *p + 10) != 1 && !stereoAllowed)
        return false;
    if (!isAcceptedRate(readLe32(header, *p + 12)))
        return false;
    const std::uint16_t bits = readLe16(header, *p + 22);
    if (bits != 8 && bits != 16)
        return false;
    // The "fmt " chunk is taken to be 16 bytes long.
    return scanFor(header, "data", *p + 24).has_value();
}

bool CheckWaveHeader(const std::filesystem::path& path, bool stereoAllowed) {
    RiffFile file;
    if (!file.open(path))
        return false;
    return HeaderScanPasses(scannedHeader(file), stereoAllowed);
}

long long GetWaveLength(const std::filesystem::path& path) {
    RiffFile file;
    return file.open(path) ? waveLength(file) : -1;
}

WaveFacts InspectWave(const std::filesystem::path& path) {
    WaveFacts facts;
    RiffFile file;
    if (!file.open(path)) {
        facts.format = refused(msg::kWaveReadFailed, path);
        if (file.openFault() != InputProblem::Missing)
            facts.openProblem = file.openProblem();
        return facts;
    }
    facts.opened = true;
    facts.size = file.fileSize();
    facts.format = readFormat(file, path);
    facts.lengthMs = waveLength(file);
    facts.header = scannedHeader(file);
    return facts;
}

}  // namespace vexa
