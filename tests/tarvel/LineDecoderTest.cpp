// The monitor's decoder fed byte by byte, with the expected texts written out.

#include "tarvel/LineDecoder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kiv;

namespace {

// Every event the bytes produce, as "line:text".
std::vector<std::string> Decode(CLineDecoder& decoder, std::vector<std::uint8_t> bytes) {
    std::vector<std::string> shown;
    for (std::uint8_t b : bytes)
        if (auto e = decoder.Feed(b)) shown.push_back(std::to_string(e->line) + ":" + e->text);
    return shown;
}

std::vector<std::string> Decode(std::vector<std::uint8_t> bytes) {
    CLineDecoder decoder;
    return Decode(decoder, std::move(bytes));
}

using Shown = std::vector<std::string>;

} // namespace

TEST(LineDecoder, DigitOnLineTwo) {
    EXPECT_EQ(Decode({0x40, 0x5E, 0x01, 0x85}), Shown{"1:5 "});
}

TEST(LineDecoder, MarkersInEitherOrder) {
    EXPECT_EQ(Decode({0x5E, 0x40, 0x00, 0xFF}), Shown{"0:Off Hook "});
    EXPECT_EQ(Decode({0x40, 0x5E, 0x03, 0xFE}), Shown{"3:On Hook "});
}

TEST(LineDecoder, LineOutOfRangeShowsNothingAndResets) {
    CLineDecoder decoder;
    EXPECT_EQ(Decode(decoder, {0x40, 0x5E, 0x07, 0x80}), Shown{});
    // The markers are gone: a line number and event without new markers show nothing.
    EXPECT_EQ(Decode(decoder, {0x02, 0x81}), Shown{});
    EXPECT_EQ(Decode(decoder, {0x40, 0x5E, 0x02, 0x81}), Shown{"2:1 "});
    // Line 4 (a number one past the last line) is out of range too.
    EXPECT_EQ(Decode(decoder, {0x40, 0x5E, 0x04, 0x85}), Shown{});
    EXPECT_EQ(Decode(decoder, {0x40, 0x5E, 0xFF, 0xFF}), Shown{});
}

TEST(LineDecoder, BytesWithoutBothMarkersAreIgnored) {
    EXPECT_EQ(Decode({0x85}), Shown{});
    EXPECT_EQ(Decode({0x40, 0x01, 0x85}), Shown{});
    EXPECT_EQ(Decode({0x5E, 0x01, 0x85}), Shown{});
    // Noise before a whole event does not disturb it.
    EXPECT_EQ(Decode({0x85, 0x01, 0x5E, 0x40, 0x02, 0x8C}), Shown{"2:# "});
}

TEST(LineDecoder, MarkersAreForgottenAfterEachEvent) {
    EXPECT_EQ(Decode({0x40, 0x5E, 0x00, 0x81, 0x01, 0x82}), Shown{"0:1 "});
    EXPECT_EQ(Decode({0x40, 0x5E, 0x00, 0x81, 0x5E, 0x40, 0x01, 0x82}), (Shown{"0:1 ", "1:2 "}));
}

TEST(LineDecoder, EveryEventCode) {
    const std::pair<std::uint8_t, const char*> table[] = {
        {0x80, "0"}, {0x81, "1"}, {0x82, "2"}, {0x83, "3"}, {0x84, "4"},       {0x85, "5"},
        {0x86, "6"}, {0x87, "7"}, {0x88, "8"}, {0x89, "9"}, {0x8A, "*"},       {0x8C, "#"},
        {0x8D, "A"}, {0x8E, "B"}, {0x8F, "C"}, {0x90, "D"}, {0xFE, "On Hook"}, {0xFF, "Off Hook"}};
    for (const auto& [code, text] : table) {
        EXPECT_EQ(CLineDecoder::EventText(code), text) << std::hex << int(code);
        EXPECT_EQ(Decode({0x40, 0x5E, 0x00, code}), Shown{std::string("0:") + text + " "})
            << std::hex << int(code);
    }
}

TEST(LineDecoder, CodesWithoutTextShowNothingAndReset) {
    for (int c : {0x8B, 0x91, 0xFD, 0x7F, 0x00, 0x41}) {
        const auto code = static_cast<std::uint8_t>(c);
        CLineDecoder decoder;
        EXPECT_EQ(Decode(decoder, {0x40, 0x5E, 0x01, code}), Shown{}) << std::hex << int(code);
        EXPECT_EQ(Decode(decoder, {0x01, 0x85}), Shown{}) << std::hex << int(code);
    }
}
