#include "document/DialCode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace kiv {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes FromText(std::string_view text, std::size_t capacity) {
    Bytes buf(text.begin(), text.end());
    buf.resize(capacity, 0xAA);
    return buf;
}

// One of the two table-driven sets: its functions and every character it has, in code order.
struct SetCase {
    const char* name;
    bool (*encode)(std::string_view, Bytes&);
    bool (*decode)(std::span<const std::uint8_t>, std::string&);
    int (*encodeInPlace)(std::span<std::uint8_t>, int);
    int (*decodeInPlace)(std::span<std::uint8_t>, int);
    std::string chars;        // in code order
    std::vector<int> codesOf; // code of each character
};

const SetCase kDial{"dial",
                    EncodeDialText,
                    DecodeDialCodes,
                    EncodeDial,
                    DecodeDial,
                    "0123456789*#ABCDXp&@!Q",
                    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 48, 49, 50, 51, 53, 54}};
const SetCase kNumber{"number",
                      EncodeNumberText,
                      DecodeNumberCodes,
                      EncodeNumber,
                      DecodeNumber,
                      "0123456789*#ABCDXp$Q",
                      {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 48, 49, 52, 54}};

class TableSetTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(TableSetTest, EveryCharacterRoundTripsInBothCases) {
    const SetCase& set = GetParam();
    Bytes codes;
    ASSERT_TRUE(set.encode(set.chars, codes));
    ASSERT_EQ(codes.size(), set.codesOf.size());
    for (std::size_t i = 0; i < codes.size(); ++i)
        EXPECT_EQ(codes[i], set.codesOf[i]) << i;
    std::string text;
    ASSERT_TRUE(set.decode(codes, text));
    EXPECT_EQ(text, set.chars); // code 49 comes back as lower-case "p"

    std::string lower = set.chars;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    Bytes lowerCodes;
    ASSERT_TRUE(set.encode(lower, lowerCodes));
    EXPECT_EQ(lowerCodes, codes);
}

TEST_P(TableSetTest, DecodingRejectsCodesWithoutCharacter) {
    const SetCase& set = GetParam();
    std::string text;
    for (int code = 0; code < 256; ++code) {
        const bool valid = code == 55 || std::find(set.codesOf.begin(), set.codesOf.end(), code) !=
                                             set.codesOf.end();
        EXPECT_EQ(set.decode(Bytes{1, static_cast<std::uint8_t>(code)}, text), valid) << code;
    }
    Bytes buf{2, 11, 0xAA};
    EXPECT_EQ(set.decodeInPlace(buf, 2), 1);
    EXPECT_EQ(buf, (Bytes{2, 11, 0xAA}));
}

TEST_P(TableSetTest, Code55EndsTextButLaterCodesAreStillChecked) {
    const SetCase& set = GetParam();
    std::string text;
    ASSERT_TRUE(set.decode(Bytes{1, 2, 55, 3, 4}, text));
    EXPECT_EQ(text, "12");
    EXPECT_FALSE(set.decode(Bytes{1, 55, 11}, text));
    EXPECT_FALSE(set.decode(Bytes{1, 55, 56}, text));

    Bytes buf{1, 55, 3, 0xAA};
    ASSERT_EQ(set.decodeInPlace(buf, 3), 0);
    EXPECT_EQ(buf, (Bytes{'1', 0, '3', 0}));
}

TEST_P(TableSetTest, InPlaceLimitsAndCapacity) {
    const SetCase& set = GetParam();
    Bytes buf = FromText("12", 3);
    EXPECT_EQ(set.encodeInPlace(buf, 0), 0);
    EXPECT_EQ(set.decodeInPlace(buf, -1), 0);
    EXPECT_EQ(buf, FromText("12", 3));

    Bytes hundred = FromText(std::string(100, '7'), 101);
    ASSERT_EQ(set.encodeInPlace(hundred, 100), 0);
    EXPECT_EQ(hundred[99], 7);
    ASSERT_EQ(set.decodeInPlace(hundred, 100), 0);
    Bytes expected = FromText(std::string(100, '7'), 100);
    expected.push_back(0);
    EXPECT_EQ(hundred, expected);

    Bytes tooLong = FromText(std::string(101, '7'), 102);
    EXPECT_EQ(set.encodeInPlace(tooLong, 101), 1);
    Bytes codes;
    EXPECT_FALSE(set.encode(std::string(101, '7'), codes));

    // Decoding writes a terminator after the n characters: without room for it the call fails.
    Bytes exact{1, 2};
    EXPECT_EQ(set.decodeInPlace(exact, 2), 1);
    EXPECT_EQ(exact, (Bytes{1, 2}));
    // n larger than the buffer fails instead of reading past it.
    EXPECT_EQ(set.encodeInPlace(exact, 3), 1);
}

INSTANTIATE_TEST_SUITE_P(Sets, TableSetTest, ::testing::Values(kDial, kNumber),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(DialCodeTest, SetsDifferInTheirSpecialCharacters) {
    Bytes buf = FromText("&X", 2);
    ASSERT_EQ(EncodeDial(buf, 2), 0);
    EXPECT_EQ(buf, (Bytes{50, 48}));

    buf = FromText("12P4", 5);
    ASSERT_EQ(EncodeDial(buf, 4), 0);
    EXPECT_EQ(buf, (Bytes{1, 2, 49, 4, 0xAA}));
    ASSERT_EQ(DecodeDial(buf, 4), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buf.data())), "12p4");

    buf = FromText("$", 1);
    ASSERT_EQ(EncodeNumber(buf, 1), 0);
    EXPECT_EQ(buf, Bytes{52});

    Bytes codes{9};
    for (const char* bad : {"$", "1$", ".", "E", " ", "1 2"}) {
        buf = FromText(bad, 4);
        EXPECT_EQ(EncodeDial(buf, static_cast<int>(std::string_view(bad).size())), 1) << bad;
        EXPECT_EQ(buf, FromText(bad, 4)) << bad;
        EXPECT_FALSE(EncodeDialText(bad, codes)) << bad;
    }
    for (const char* bad : {"&", "@", "!", "J", "."}) {
        EXPECT_FALSE(EncodeNumberText(bad, codes)) << bad;
    }
    EXPECT_EQ(codes, Bytes{9});
}

TEST(SignalCodeTest, EncodesIntoFieldPaddedWith0xFF) {
    Bytes buf = FromText("I07#", 4);
    ASSERT_EQ(EncodeSignal(buf, 4), 0);
    EXPECT_EQ(buf, (Bytes{49, 7, 12, 0xFF}));

    Bytes codes;
    ASSERT_TRUE(EncodeSignalText("0123456789*#ABCDJSTI99", 21, codes));
    EXPECT_EQ(codes,
              (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 48, 50, 51, 49, 99}));
    Bytes lower;
    ASSERT_TRUE(EncodeSignalText("abcdjsti99", 10, lower));
    EXPECT_EQ(lower, (Bytes{13, 14, 15, 16, 48, 50, 51, 49, 99, 0xFF}));

    ASSERT_TRUE(EncodeSignalText("###", 4, codes));
    EXPECT_EQ(codes, (Bytes{12, 12, 12, 0xFF}));
    ASSERT_TRUE(EncodeSignalText("", 4, codes));
    EXPECT_EQ(codes, (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_FALSE(EncodeSignalText("12345", 4, codes)); // does not fit: never cut short
    EXPECT_EQ(codes, (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(SignalCodeTest, EncodeRejectsBadCharactersAndIncompleteI) {
    Bytes codes{9};
    for (const char* bad :
         {"I", "I7", "I7#", "IA1", "1I", "X", "P", "u", "\"", "1 2", "Q", "i-5"}) {
        Bytes buf = FromText(bad, 8);
        const int n = static_cast<int>(std::string_view(bad).size());
        EXPECT_EQ(EncodeSignal(buf, n), 1) << bad;
        EXPECT_EQ(buf, FromText(bad, 8)) << bad;
        EXPECT_FALSE(EncodeSignalText(bad, 8, codes)) << bad;
    }
    EXPECT_EQ(codes, Bytes{9});
    EXPECT_FALSE(EncodeSignalText(std::string(101, '1'), 100, codes));
    EXPECT_FALSE(EncodeSignalText("1", 101, codes));
}

TEST(SignalCodeTest, DecodesEveryCodeAndExpandsI) {
    std::string text;
    ASSERT_TRUE(DecodeSignalCodes(Bytes{49, 23}, text));
    EXPECT_EQ(text, "I23");
    ASSERT_TRUE(DecodeSignalCodes(
        Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 15, 16, 48, 50, 51, 49, 0, 49, 99},
        text));
    EXPECT_EQ(text, "0123456789*#ABCDJSTI00I99");

    // In place, the text may outgrow n as long as the buffer holds it.
    Bytes buf{49, 5, 49, 60, 0xAA, 0xAA};
    int length = 0;
    ASSERT_EQ(DecodeSignal(buf, 4, &length), 0);
    EXPECT_EQ(length, 6);
    EXPECT_EQ(buf, (Bytes{'I', '0', '5', 'I', '6', '0'}));

    Bytes small{49, 5, 7}; // "I057" needs four bytes
    EXPECT_EQ(DecodeSignal(small, 3), 1);
    EXPECT_EQ(small, (Bytes{49, 5, 7}));
}

TEST(SignalCodeTest, DecodeRejectsInvalidCodesAndLengths) {
    std::string text = "kept";
    for (int code = 0; code < 256; ++code) {
        const bool valid =
            code <= 10 || (code >= 12 && code <= 16) || code == 48 || code == 50 || code == 51;
        EXPECT_EQ(DecodeSignalCodes(Bytes{static_cast<std::uint8_t>(code)}, text), valid) << code;
    }
    text = "kept";
    EXPECT_FALSE(DecodeSignalCodes(Bytes{1, 49}, text));    // 49 needs a value
    EXPECT_FALSE(DecodeSignalCodes(Bytes{49, 100}, text));  // value above 99
    EXPECT_FALSE(DecodeSignalCodes(Bytes{1, 55, 2}, text)); // no terminator code here
    EXPECT_FALSE(DecodeSignalCodes(Bytes{}, text));
    EXPECT_EQ(text, "kept");

    Bytes buf(150, 1);
    EXPECT_EQ(DecodeSignal(buf, 0), 1);
    EXPECT_EQ(DecodeSignal(buf, 101), 1);
    EXPECT_EQ(DecodeSignal(buf, 100), 0);
    EXPECT_EQ(EncodeSignal(buf, 0), 0);
}

} // namespace
} // namespace kiv
