#include "cli/JsonWriter.h"

#include <array>
#include <charconv>
#include <cstring>
#include <nlohmann/json.hpp>

namespace vexa::cli {
namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
constexpr std::size_t kIndent = 2;

// Printable ASCII other than the quote and the backslash: written as it is.
constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c)
        plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return plain;
}();

}  // namespace

JsonWriter::JsonWriter(std::ostream& out) : out_(out), block_(std::make_unique<char[]>(kBlockBytes)) {}

char* JsonWriter::room(std::size_t count) {
    if (count > kBlockBytes - used_)
        flush();
    return block_.get() + used_;
}

void JsonWriter::put(std::string_view bytes) {
    if (bytes.size() > kBlockBytes) {
        flush();
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return;
    }
    std::memcpy(room(bytes.size()), bytes.data(), bytes.size());
    used_ += bytes.size();
}

void JsonWriter::flush() {
    out_.write(block_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

void JsonWriter::place() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!counts_.empty())
        newLine(counts_.back()++ > 0, counts_.size());
}

void JsonWriter::newLine(bool comma, std::size_t depth) {
    const std::size_t spaces = depth * kIndent;  // the nesting is the caller's: a few levels
    char* const start = room(spaces + 2);
    char* out = start;
    if (comma)
        *out++ = ',';
    *out++ = '\n';
    std::memset(out, ' ', spaces);
    used_ += static_cast<std::size_t>(out - start) + spaces;
}

void JsonWriter::beginObject() {
    place();
    put("{");
    counts_.push_back(0);
}

void JsonWriter::endObject() { close('}'); }

void JsonWriter::beginArray() {
    place();
    put("[");
    counts_.push_back(0);
}

void JsonWriter::endArray() { close(']'); }

void JsonWriter::close(char bracket) {
    const std::size_t count = counts_.back();
    counts_.pop_back();
    if (count > 0)
        newLine(false, counts_.size());
    put(std::string_view(&bracket, 1));
}

void JsonWriter::key(std::string_view name) {
    place();
    quoted(name);
    put(": ");
    afterKey_ = true;
}

void JsonWriter::text(std::string_view text) {
    place();
    quoted(text);
}

void JsonWriter::number(std::int64_t number) {
    place();
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::boolean(bool flag) {
    place();
    put(flag ? "true" : "false");
}

void JsonWriter::texts(std::span<const std::string> texts) {
    beginArray();
    for (const std::string& t : texts)
        text(t);
    endArray();
}

void JsonWriter::numbers(std::span<const std::int16_t> numbers) {
    beginArray();
    for (const std::int16_t n : numbers)
        number(n);
    endArray();
}

void JsonWriter::quoted(std::string_view text) {
    if (text.size() + 2 <= kBlockBytes) {
        // Copied while it is checked; written only when nothing needs escaping.
        char* const start = room(text.size() + 2);
        char* out = start;
        *out++ = '"';
        bool plain = true;
        for (const char c : text) {
            plain &= kPlainBytes[static_cast<unsigned char>(c)];
            *out++ = c;
        }
        if (plain) {
            *out++ = '"';
            used_ += static_cast<std::size_t>(out - start);
            return;
        }
    }
    // Escapes, other scripts and bytes that are no UTF-8: the library's own
    // rules, so that nothing differs from its output.
    put(nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

void JsonWriter::finish() { flush(); }

}  // namespace vexa::cli
