// The streamed JSON of `vexa show` must be byte for byte what nlohmann-json's
// dump(2) with replacement gives for the same values.
#include "cli/JsonWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vexa::cli {
namespace {

using Json = nlohmann::ordered_json;

std::string libraryDump(const Json& value) { return value.dump(2, ' ', false, Json::error_handler_t::replace); }

// Texts that need escaping, other scripts, and bytes that are no UTF-8.
const std::vector<std::string> kTexts = {
    "",
    "plain text",
    "q\"uote and back\\slash",
    "\x01\x1f\x7f control",
    "\n\t\r\b\f",
    std::string("a\0b", 3),
    "日本語　全角",
    "\xff",
    "a\xe3\x81",      // cut short at the end
    "\xe3\x81" "a",   // cut short before ASCII
    "\xc0\xaf",       // overlong
    "\xed\xa0\x80",   // a surrogate
    "\xf4\x90\x80\x80",  // beyond U+10FFFF
    "ok\x80\x80ok\xf0\x9f\x98\x80",
};

TEST(JsonWriter, WritesWhatTheLibraryDumps) {
    Json expected = Json::object();
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject();

    json.key("texts");
    json.texts(kTexts);
    expected["texts"] = kTexts;

    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        const std::string key = "k" + std::to_string(i) + kTexts[i];  // keys are escaped too
        json.key(key);
        json.text(kTexts[i]);
        expected[key] = kTexts[i];
    }

    const std::array<std::int16_t, 4> numbers = {0, -1, 32767, -32768};
    json.key("numbers");
    json.numbers(numbers);
    expected["numbers"] = numbers;
    json.key("big");
    json.number(-9000000000);
    expected["big"] = -9000000000;
    json.key("yes");
    json.boolean(true);
    expected["yes"] = true;
    json.key("no");
    json.boolean(false);
    expected["no"] = false;

    // Empty containers, and nesting inside arrays.
    json.key("emptyArray");
    json.beginArray();
    json.endArray();
    expected["emptyArray"] = Json::array();
    json.key("emptyObject");
    json.beginObject();
    json.endObject();
    expected["emptyObject"] = Json::object();
    json.key("nested");
    json.beginArray();
    json.beginArray();
    json.endArray();
    json.beginObject();
    json.key("a");
    json.beginArray();
    json.number(1);
    json.endArray();
    json.endObject();
    json.endArray();
    expected["nested"] = Json::array({Json::array(), Json::object({{"a", Json::array({1})}})});

    json.endObject();
    json.finish();
    EXPECT_EQ(out.str(), libraryDump(expected));
}

TEST(JsonWriter, OutputLargerThanItsBlocks) {
    // Many values across block ends, a text longer than a block, and one
    // that needs escaping across a block end.
    Json expected = Json::array();
    std::ostringstream out;
    JsonWriter json(out);
    json.beginArray();
    for (int i = 0; i < 6000; ++i) {
        const std::string text = "line " + std::to_string(i) + (i % 7 == 0 ? " \"quoted\" 日本" : " plain");
        json.text(text);
        expected.push_back(text);
    }
    const std::string huge(200 * 1024, 'x');
    json.text(huge);
    expected.push_back(huge);
    const std::string hugeEscaped = std::string(70 * 1024, 'y') + "\n\xff";
    json.text(hugeEscaped);
    expected.push_back(hugeEscaped);
    json.endArray();
    json.finish();
    EXPECT_EQ(out.str(), libraryDump(expected));
}

TEST(JsonWriter, ATopLevelValueAlone) {
    for (const std::string& text : kTexts) {
        std::ostringstream out;
        JsonWriter json(out);
        json.text(text);
        json.finish();
        EXPECT_EQ(out.str(), libraryDump(Json(text))) << text;
    }
}

}  // namespace
}  // namespace vexa::cli
