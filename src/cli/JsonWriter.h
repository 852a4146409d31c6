#pragma once
// Writes JSON as it is built, in the layout of nlohmann-json's dump(2) with
// invalid UTF-8 replaced (U+FFFD), byte for byte, without building a tree:
// for output as large as a whole Project, where the tree costs many times
// the printing. Text goes out in blocks of 64 KiB and at finish().
//
//   JsonWriter json(std::cout);
//   json.beginObject();
//   json.key("lineCount");
//   json.number(95);
//   json.endObject();
//   json.finish();  // the closing newline is the caller's
#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out);
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next value in an object.
    void key(std::string_view name);
    void text(std::string_view text);
    void number(std::int64_t number);
    void boolean(bool flag);
    // An array of texts or of numbers.
    void texts(std::span<const std::string> texts);
    void numbers(std::span<const std::int16_t> numbers);

    // Writes out what is held; the stream says whether it all went.
    void finish();

private:
    // Before a value or a key: the separator and indentation its place needs.
    void place();
    void close(char bracket);
    void quoted(std::string_view text);
    // The line break and indentation at `depth` after an optional comma.
    void newLine(bool comma, std::size_t depth);
    // Room for `count` bytes (at most a block) at the end of the block.
    char* room(std::size_t count);
    void put(std::string_view bytes);
    void flush();

    std::ostream& out_;
    std::unique_ptr<char[]> block_;
    std::size_t used_ = 0;
    std::vector<std::size_t> counts_;  // values written so far in each open container
    bool afterKey_ = false;
};

}  // namespace vexa::cli
