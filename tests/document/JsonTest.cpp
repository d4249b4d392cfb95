#include "document/Json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <string>

using kiv::json::Find;
using kiv::json::Parse;
using kiv::json::Value;
using kiv::json::Write;

namespace {

Value MustParse(std::string_view text) {
    Value v;
    std::string error;
    EXPECT_TRUE(Parse(text, v, error)) << error << " in: " << text;
    return v;
}

// The error for text, which must not parse.
std::string ErrorOf(std::string_view text) {
    Value v(42);
    std::string error;
    EXPECT_FALSE(Parse(text, v, error)) << "accepted: " << text;
    EXPECT_EQ(v, Value(42)) << "output changed on failure";
    EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    // The message names a place, it does not quote the input (which may be long or not UTF-8).
    EXPECT_EQ(error.find("last read"), std::string::npos) << error;
    return error;
}

// The place of the error for text, "line L, column C".
std::string PlaceOf(std::string_view text) {
    const std::string error = ErrorOf(text);
    return error.substr(0, error.find(':'));
}

const char* const kDocument = R"({
  "name": "Ufficio \"Nord\"",
  "mailboxes": [
    {
      "number": 101,
      "active": true,
      "greeting": null,
      "codes": [1, 2, 3, -4, 0.5, 1e+20]
    },
    {}
  ],
  "empty": [],
  "ratio": -0.0,
  "text": "\u0000 tab\t nl\n \u001f \u007f caf\u00e9 \ud83d\ude00"
})";

} // namespace

TEST(JsonRoundTrip, PrettyOutputIsStableAndPreservesEverything) {
    const Value v = MustParse(kDocument);
    const std::string written = Write(v);
    EXPECT_EQ(MustParse(written), v);
    EXPECT_EQ(Write(MustParse(written)), written);
    // Non-ASCII is written as is, controls escaped, keys in their original order.
    EXPECT_NE(written.find("caf\u00e9 \U0001F600"), std::string::npos) << written;
    EXPECT_NE(written.find(R"("\u0000 tab\t nl\n \u001f \u007f)"), std::string::npos);
    EXPECT_LT(written.find("\"name\""), written.find("\"mailboxes\""));
    EXPECT_LT(written.find("\"empty\""), written.find("\"ratio\""));
    EXPECT_EQ(MustParse(Write(v, 0)), v);
    EXPECT_EQ(Write(v, 0).find('\n'), std::string::npos);
}

TEST(JsonRoundTrip, ExactLayout) {
    Value v = Value::object();
    v["b"] = Value::array({1, 2.5, -3});
    v["a"] = Value::array({"x", Value::object()});
    v["c"] = Value::array();
    v["b"] = Value::array({7}); // replaced in place
    EXPECT_EQ(Write(v), "{\n"
                        "  \"b\": [7],\n"
                        "  \"a\": [\n"
                        "    \"x\",\n"
                        "    {}\n"
                        "  ],\n"
                        "  \"c\": []\n"
                        "}");
    EXPECT_EQ(Write(v, 0), R"({"b":[7],"a":["x",{}],"c":[]})");
    EXPECT_EQ(Write(MustParse(R"({"n": [1, 2.5, -3], "m": [1, null]})")),
              "{\n  \"n\": [1, 2.5, -3],\n  \"m\": [\n    1,\n    null\n  ]\n}");

    Value numbers = Value::array();
    for (int i = 0; i < 20; ++i)
        numbers.push_back(i * 1000);
    EXPECT_EQ(Write(numbers).find('\n'), std::string::npos);
}

TEST(JsonStrings, EscapesDecode) {
    EXPECT_EQ(MustParse(R"("\"\\\/\b\f\n\r\t")"), "\"\\/\b\f\n\r\t");
    const std::string nul = MustParse(R"("a\u0000b")");
    EXPECT_EQ(nul, std::string("a\0b", 3));
    EXPECT_EQ(MustParse(R"("\u00E9\u20ac")"), "\u00e9\u20ac");
    EXPECT_EQ(MustParse(R"("\uD834\uDD1E")"), "\U0001D11E");
    EXPECT_EQ(MustParse(R"("\udbff\udfff")"), "\U0010FFFF");
}

TEST(JsonStrings, WriterEscapesEveryControlAndRoundTrips) {
    std::string all;
    for (int c = 0; c < 0x80; ++c)
        all += static_cast<char>(c);
    all += "\u0085\u009f\u00a0\u2028";
    const std::string written = Write(Value(all));
    for (char c : written)
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << int(c);
    EXPECT_NE(written.find("\\u0085\\u009f\u00a0\u2028"), std::string::npos);
    EXPECT_EQ(MustParse(written), all);
}

TEST(JsonStrings, InvalidUtf8IsReplacedWhenWriting) {
    const std::string written = Write(Value(std::string("caff\xE8 \xC3")));
    EXPECT_EQ(written, "\"caff\xEF\xBF\xBD \xEF\xBF\xBD\"");
    MustParse(written);
}

TEST(JsonNumbers, IntegersAreExact) {
    const std::int64_t lo = std::numeric_limits<std::int64_t>::min();
    const std::int64_t hi = std::numeric_limits<std::int64_t>::max();
    const Value v = MustParse("[-9223372036854775808, 9223372036854775807, -0, 9007199254740993]");
    EXPECT_EQ(v[0].get<std::int64_t>(), lo);
    EXPECT_EQ(v[1].get<std::int64_t>(), hi);
    EXPECT_TRUE(v[2].is_number_integer());
    EXPECT_EQ(v[3].get<std::int64_t>(), 9007199254740993);
    // Every integer read is held as a signed 64-bit one, also the positive ones.
    for (const Value& n : v)
        EXPECT_FALSE(n.is_number_unsigned());
    EXPECT_EQ(Write(v), "[-9223372036854775808, 9223372036854775807, 0, 9007199254740993]");

    // Beyond 64 bits an integer is refused where it starts, not rounded to a double.
    EXPECT_EQ(ErrorOf("9223372036854775808"), "line 1, column 1: integer out of range");
    EXPECT_EQ(ErrorOf("[1,\n -9223372036854775809]"), "line 2, column 2: integer out of range");
    EXPECT_EQ(ErrorOf("[100000000000000000000000000000 ]"),
              "line 1, column 2: integer out of range");
    EXPECT_EQ(ErrorOf("{\"a\": 18446744073709551615}"), "line 1, column 7: integer out of range");
    EXPECT_EQ(ErrorOf("[1e400]"), "line 1, column 2: number out of range");
}

TEST(JsonNumbers, NonIntegersStayNonIntegers) {
    for (const char* text :
         {"1.0", "1e2", "-0.0", "0.1", "2.5E-3", "1.7976931348623157e308", "5e-324"}) {
        const Value v = MustParse(text);
        EXPECT_TRUE(v.is_number_float()) << text;
        const Value back = MustParse(Write(v));
        EXPECT_TRUE(back.is_number_float()) << text << " -> " << Write(v);
        EXPECT_EQ(back.get<double>(), v.get<double>()) << text;
    }
    EXPECT_TRUE(std::signbit(MustParse(Write(MustParse("-0.0"))).get<double>()));
    EXPECT_EQ(Write(Value(std::numeric_limits<double>::infinity())), "null");
    EXPECT_EQ(Write(Value(std::nan(""))), "null");
}

TEST(JsonNumbers, MalformedNumbersAreRejected) {
    for (const char* text : {"01", "-01", "1.", ".5", "-", "+1", "1e", "1e+", "1.e3", "0x10", "NaN",
                             "Infinity", "-Infinity", "1e400", "-1e400", "1 2"})
        ErrorOf(text);
}

TEST(JsonMalformed, EveryTruncationOfADocumentFails) {
    const std::string_view doc = kDocument;
    for (std::size_t n = 0; n < doc.size(); ++n)
        ErrorOf(doc.substr(0, n));
}

TEST(JsonMalformed, SyntaxErrors) {
    for (const char* text :
         {"",          "   ",      "[1,]",  "[,1]",      "{\"a\":1,}", "{,}",
          "{\"a\" 1}", "{\"a\":}", "{1:2}", "{'a':1}",   "[1 2]",      "tru",
          "nul",       "True",     "[1]]",  "{} {}",     "null x",     "\"a\" \"b\"",
          "[\"a\"",    "\"abc",    "[1,2",  "/* c */ 1", "\xEF\xBB"})
        ErrorOf(text);
    MustParse("\xEF\xBB\xBF {\"a\": 1}\r\n");
}

TEST(JsonMalformed, BadEscapesAndSurrogates) {
    for (const char* text : {R"("\x")", R"("\u12")", R"("\u12g4")", R"("\U0041")", R"("\)",
                             R"("\ud800")", R"("\udc00")", R"("\ud800\u0041")", R"("\ud800x")",
                             R"("\ud800\ud800")", R"("\udc00\ud800")", R"("\ud800\u")", "\"\\\0\""})
        ErrorOf(text);
}

TEST(JsonMalformed, InvalidUtf8AndRawControls) {
    for (const char* text :
         {"\"\x80\"", "\"\xC0\x80\"", "\"\xC1\xBF\"", "\"\xE0\x80\x80\"", "\"\xED\xA0\x80\"",
          "\"\xF0\x80\x80\x80\"", "\"\xF4\x90\x80\x80\"", "\"\xF5\x80\x80\x80\"", "\"\xE2\x82\"",
          "\"\xE2\x82", "\"\xFF\"", "\"a\nb\"", "\"a\tb\"", "\"\x1f\"", "\xC3\xA9"})
        ErrorOf(text);
    const std::string nulInside("\"a\0b\"", 5);
    ErrorOf(nulInside);
    MustParse("\"\xED\x9F\xBF \xEE\x80\x80 \xF4\x8F\xBF\xBF \x7F\"");
}

TEST(JsonMalformed, DuplicateKeysAreNamed) {
    EXPECT_EQ(ErrorOf("{\"a\": 1,\n \"b\": 2, \"a\": 3}"),
              "line 2, column 10: duplicate key \"a\"");
    EXPECT_EQ(ErrorOf("{\"x\": {\"k\\n\": 1, \"k\\u000a\": 2}}"),
              "line 1, column 18: duplicate key \"k\\n\"");
    // Same key in different objects is fine; keys differing by a NUL are different.
    MustParse("[{\"a\": 1}, {\"a\": 2}, {\"a\": {\"a\": 3}}]");
    MustParse(R"({"a": 1, "a\u0000": 2})");
    // Many keys: still detected at the end, without quadratic time.
    std::string many = "{";
    for (int i = 0; i < 50000; ++i)
        many += "\"k" + std::to_string(i) + "\": 0, ";
    const Value big = MustParse(many + "\"end\": 1}");
    EXPECT_EQ(big.size(), 50001u);
    EXPECT_EQ(big.begin().key(), "k0");
    EXPECT_EQ(std::prev(big.end()).key(), "end");
    EXPECT_NE(ErrorOf(many + "\"k49999\": 1}").find("duplicate key \"k49999\""), std::string::npos);
}

TEST(JsonMalformed, NestingIsBounded) {
    const auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '[') +
               std::string(static_cast<std::size_t>(depth), ']');
    };
    MustParse(nested(kiv::json::kMaxDepth));
    EXPECT_NE(ErrorOf(nested(kiv::json::kMaxDepth + 1)).find("nesting deeper than 64"),
              std::string::npos);
    EXPECT_EQ(ErrorOf(std::string(100000, '[')),
              "line 1, column 65: nesting deeper than 64 levels");
    std::string objects;
    for (int i = 0; i < 100000; ++i)
        objects += "{\"a\":";
    ErrorOf(objects);
}

TEST(JsonErrors, PositionsCountLinesAndCharacters) {
    // The place is the character at which the text went wrong (the last one of a token).
    EXPECT_EQ(PlaceOf("{\n  \"a\": 1,\n  \"bb\": [1,2]\"c\": 3\n}"), "line 3, column 16");
    EXPECT_EQ(PlaceOf("[1, 2,\n]"), "line 2, column 1");
    // Multi-byte characters count as one column, also when one is the culprit.
    EXPECT_EQ(PlaceOf("[\"\u00e9\u20ac\U0001F600\" x]"), "line 1, column 8");
    EXPECT_EQ(PlaceOf("[\"\u00e9\", \"\xED\xA0\x80\"]"), "line 1, column 8");
    EXPECT_EQ(PlaceOf("[\"ok\", \"bad\\q\"]"), "line 1, column 13");
    EXPECT_EQ(PlaceOf("\"a\nb\""), "line 1, column 3");
    EXPECT_EQ(PlaceOf("1 ]"), "line 1, column 3");
    // At the end of the text: just past its last character.
    EXPECT_EQ(PlaceOf("{\"a\": [1, 2"), "line 1, column 12");
    EXPECT_EQ(PlaceOf("  \"abc"), "line 1, column 7");
    // The library's own words follow the place.
    EXPECT_NE(ErrorOf("{\"a\": [1, 2")
                  .find(": syntax error while parsing array - unexpected end "
                        "of input; expected ']'"),
              std::string::npos);
    EXPECT_NE(ErrorOf("[\"\xC3\"]").find("ill-formed UTF-8 byte"), std::string::npos);
}

TEST(JsonValue, FindOnlyLooksIntoObjects) {
    const Value v = MustParse(R"({"n": 3, "a": [1], "": null})");
    ASSERT_NE(Find(v, "n"), nullptr);
    EXPECT_EQ(*Find(v, "n"), 3);
    ASSERT_NE(Find(v, ""), nullptr);
    EXPECT_TRUE(Find(v, "")->is_null());
    EXPECT_EQ(Find(v, "missing"), nullptr);
    EXPECT_EQ(Find(v, "N"), nullptr);
    EXPECT_EQ(Find(*Find(v, "a"), "n"), nullptr);
    EXPECT_EQ(Find(Value("n"), "n"), nullptr);
}

TEST(JsonFuzz, MutatedDocumentsNeverCrash) {
    const std::string doc = Write(MustParse(kDocument));
    std::mt19937 rng(12345);
    const char alphabet[] = "{}[],:\"\\u0-1.eE tfn\x80\xC3\xED\xF4\xFF";
    for (int round = 0; round < 3000; ++round) {
        std::string text = doc;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = rng() % text.size();
            const char c = alphabet[rng() % (sizeof alphabet - 1)];
            switch (rng() % 3) {
            case 0:
                text[at] = c;
                break;
            case 1:
                text.insert(at, 1, c);
                break;
            default:
                text.erase(at, 1);
                break;
            }
        }
        Value v;
        std::string error;
        if (Parse(text, v, error))
            EXPECT_EQ(MustParse(Write(v)), v);
        else
            EXPECT_EQ(error.rfind("line ", 0), 0u);
    }
}
