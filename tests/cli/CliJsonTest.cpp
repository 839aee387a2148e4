// info --json and capacity --json: one well-formed JSON object on standard output, read back
// here by a strict reader, whatever bytes the file's name holds.
#include <gtest/gtest.h>

#include "cli/CliFixture.h"
#include "cli/JsonReader.h"
#include "support/JpegBuilder.h"

namespace velmora {
namespace {

using test::JsonFields;

JsonFields parsed(const CliRun& r) {
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.ends_with("}\n")) << r.out;
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one line: " << r.out;
    try {
        return test::JsonReader(r.out).object();
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what() << " in " << r.out;
        return {};
    }
}

TEST_F(Cli, InfoJsonDescribesEveryKind) {
    test::BmpRecipe core;
    core.header = test::HeaderForm::Core;
    core.width = 40;
    core.rows = 35;
    core.topDown = false;
    core.bitsPerPixel = 8;
    test::writeFile(dir.path("core.bmp"), test::buildBmp(core));
    test::BmpRecipe topDown;
    topDown.topDown = true;
    topDown.bitsPerPixel = 32;
    test::writeFile(dir.path("td.bmp"), test::buildBmp(topDown));
    test::writeFile(dir.path("photo.jpg"), test::buildJpeg(41, 33));
    using V = test::JsonValue;
    EXPECT_EQ(parsed(run({"info", "--json", dir.path("core.bmp")})),
              (JsonFields{{"file", V(dir.path("core.bmp"))}, {"kind", V("bitmap")}, {"width", V(40.0)}, {"height", V(35.0)},
                          {"bits_per_pixel", V(8.0)}, {"header", V("core")}, {"header_bytes", V(12.0)},
                          {"row_order", V("bottom-up")}}));
    EXPECT_EQ(parsed(run({"info", dir.path("td.bmp"), "--json"})),
              (JsonFields{{"file", V(dir.path("td.bmp"))}, {"kind", V("bitmap")}, {"width", V(32.0)}, {"height", V(32.0)},
                          {"bits_per_pixel", V(32.0)}, {"header", V("information")}, {"header_bytes", V(40.0)},
                          {"row_order", V("top-down")}}));
    EXPECT_EQ(parsed(run({"--json", "info", dir.path("photo.jpg")})),
              (JsonFields{{"file", V(dir.path("photo.jpg"))}, {"kind", V("jpeg")}, {"width", V(41.0)}, {"height", V(33.0)}}));
    const test::Bytes jpeg = test::buildJpeg(8, 9);
    EXPECT_EQ(parsed(run({"info", "--json", "-"}, std::string(jpeg.begin(), jpeg.end()))),
              (JsonFields{{"file", V("-")}, {"kind", V("jpeg")}, {"width", V(8.0)}, {"height", V(9.0)}}));
}

TEST_F(Cli, CapacityJsonGivesTheNumbersAsNumbers) {
    using V = test::JsonValue;
    EXPECT_EQ(parsed(run({"capacity", dir.path("pic.bmp"), "--step=10", "--json"})),
              (JsonFields{{"file", V(dir.path("pic.bmp"))}, {"width", V(32.0)}, {"height", V(32.0)}, {"step", V(10.0)},
                          {"message_bytes", V(98.0)}}));
    const test::Bytes picture = test::readFile(dir.path("pic.bmp"));
    const auto fromStdin = parsed(run({"capacity", "-", "--step=500", "--json"}, std::string(picture.begin(), picture.end())));
    EXPECT_EQ(fromStdin.at("file"), V("-"));
    EXPECT_EQ(fromStdin.at("message_bytes"), V(0.0));
}

// File names are bytes: quotes, backslashes, control characters and names in another encoding
// all give valid JSON, and what is valid UTF-8 comes back unchanged.
TEST_F(Cli, JsonStringsAreEscaped) {
    const struct {
        std::string name;
        std::string readBack;
    } cases[] = {
        {"quote\"back\\slash.bmp", "quote\"back\\slash.bmp"},
        {"line\nbreak\ttab\x01\x1f\x7f.bmp", "line\nbreak\ttab\x01\x1f\x7f.bmp"},
        {"Привет €𝄞.bmp", "Привет €𝄞.bmp"},
        {"latin1-\xE9t\xE9.bmp", "latin1-\xEF\xBF\xBDt\xEF\xBF\xBD.bmp"},
        {"overlong-\xC0\xAF-surrogate-\xED\xA0\x80-cut-\xE2\x82.bmp",
         "overlong-\xEF\xBF\xBD\xEF\xBF\xBD-surrogate-\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD-cut-\xEF\xBF\xBD\xEF\xBF\xBD.bmp"},
    };
    const test::Bytes picture = test::readFile(dir.path("pic.bmp"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeFile(dir.path(c.name), picture);
        const JsonFields info = parsed(run({"info", "--json", dir.path(c.name)}));
        EXPECT_EQ(info.count("file") ? std::get<std::string>(info.at("file")) : "", dir.path(c.readBack));
        const JsonFields capacity = parsed(run({"capacity", "--json", "--step=10", dir.path(c.name)}));
        EXPECT_EQ(capacity.count("file") ? std::get<std::string>(capacity.at("file")) : "", dir.path(c.readBack));
    }
}

TEST(JsonReaderTest, RefusesWhatIsNotJson) {
    for (const std::string text : {"", "{", "{\"a\":1,}", "{\"a\":01}", "{\"a\":\"\x01\"}", "{\"a\":\"\\x\"}",
                                   "{\"a\":\"\xE9\"}", "{\"a\":1}x", "{\"a\":1,\"a\":2}", "{\"a\":\"\\ud800\"}", "{a:1}"}) {
        EXPECT_THROW(test::JsonReader(text).object(), std::runtime_error) << text;
    }
    EXPECT_EQ(test::JsonReader("{ \"a\" : -1.5e2 , \"b\":\"\\u00e9\\ud834\\udd1e\\/\" }").object(),
              (JsonFields{{"a", test::JsonValue(-150.0)}, {"b", test::JsonValue("\xC3\xA9\xF0\x9D\x84\x9E/")}}));
}

}  // namespace
}  // namespace velmora
