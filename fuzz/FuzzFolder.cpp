#include "FuzzFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace vexa::fuzz {
namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

const FuzzFolder& FuzzFolder::get() {
    static const FuzzFolder folder;
    return folder;
}

FuzzFolder::FuzzFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vexa-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a folder for the fuzzer's files");
    path_ = pattern;
}

FuzzFolder::~FuzzFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::filesystem::path FuzzFolder::write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string PcmWave(int channels, int rate, int bits, std::size_t frames) {
    const auto block = static_cast<std::uint32_t>(channels * bits / 8);
    const auto data = static_cast<std::uint32_t>(block * frames);
    std::string w = "RIFF";
    putLe(w, 36 + data, 4);
    w += "WAVEfmt ";
    putLe(w, 16, 4);
    putLe(w, 1, 2);
    putLe(w, static_cast<std::uint32_t>(channels), 2);
    putLe(w, static_cast<std::uint32_t>(rate), 4);
    putLe(w, static_cast<std::uint32_t>(rate) * block, 4);
    putLe(w, block, 2);
    putLe(w, static_cast<std::uint32_t>(bits), 2);
    w += "data";
    putLe(w, data, 4);
    for (std::uint32_t i = 0; i < data; ++i)
        w += static_cast<char>(i * 37);
    return w;
}

}  // namespace vexa::fuzz
