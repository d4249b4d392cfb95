#include "editors/FieldCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace kiv::editors {
namespace {

TEST(FieldCheck, CharacterSetsAndLength) {
    // Lamp codes: at most 40 characters; lower-case x is a dial character, e is not.
    const std::string forty(40, '#');
    EXPECT_TRUE(OnlyChars(forty, chars::kLedCode, 40));
    EXPECT_FALSE(OnlyChars(forty + "1", chars::kLedCode, 40));
    EXPECT_TRUE(OnlyChars("x", chars::kLedCode, 40));
    EXPECT_FALSE(OnlyChars("e", chars::kLedCode, 40));
    EXPECT_TRUE(OnlyChars("", chars::kLedCode, 40));

    // The outside-line code takes upper-case A-D and lower-case p only.
    EXPECT_TRUE(OnlyChars("0", chars::kLineSeize, 4));
    EXPECT_TRUE(OnlyChars("9#", chars::kLineSeize, 4));
    EXPECT_FALSE(OnlyChars("a", chars::kLineSeize, 4));
    EXPECT_FALSE(OnlyChars("P", chars::kLineSeize, 4));
    EXPECT_FALSE(OnlyChars("12345", chars::kLineSeize, 4));

    // Transfer codes: star, nine and ampersand pass, q does not, nor the lamps' "!".
    EXPECT_TRUE(OnlyChars("*9&", chars::kTransferCode));
    EXPECT_FALSE(OnlyChars("q", chars::kTransferCode));
    EXPECT_FALSE(OnlyChars("!", chars::kTransferCode));

    // Dial strings: no space, and of the lower-case letters only p, a, b, c, d.
    EXPECT_TRUE(OnlyChars("9pabcd*#&@", chars::kDialString));
    EXPECT_FALSE(OnlyChars("9 1", chars::kDialString));
    EXPECT_FALSE(OnlyChars("x", chars::kDialString));

    // DTMF digits have no P; extensions do; signals take no "&".
    EXPECT_FALSE(OnlyChars("P", chars::kDtmf));
    EXPECT_TRUE(OnlyChars("2*A", chars::kExtension));
    EXPECT_FALSE(OnlyChars("&", chars::kDtmf));

    // A character past the end of a set's text is not in it.
    EXPECT_FALSE(OnlyChars(std::string(1, '\0'), chars::kDigits));
}

TEST(FieldCheck, NumbersInARange) {
    EXPECT_FALSE(IsNumberIn("0", 1, 99));
    EXPECT_TRUE(IsNumberIn("99", 1, 99));
    EXPECT_FALSE(IsNumberIn("100", 1, 99));
    EXPECT_FALSE(IsNumberIn("1a", 1, 99));
    EXPECT_FALSE(IsNumberIn("-1", -5, 99)) << "a sign is no digit";
    EXPECT_FALSE(IsNumberIn(" 5", 1, 99));
    EXPECT_FALSE(IsNumberIn("99999999999", 0, 2147483647 - 1)) << "too large: no wrap-around";

    // An emptied field: refused, or read as 0 where the page says so.
    EXPECT_FALSE(IsNumberIn("", 0, 99));
    EXPECT_TRUE(IsNumberIn("", 0, 99, EmptyField::ReadsZero));
    EXPECT_FALSE(IsNumberIn("", 1, 9, EmptyField::ReadsZero));
    EXPECT_EQ(FieldNumber("", EmptyField::ReadsZero), 0);
    EXPECT_EQ(FieldNumber("007"), 7);
    EXPECT_EQ(FieldNumber("7x"), std::nullopt);
}

TEST(FieldCheck, MultiplesOfTwentyInARange) {
    EXPECT_FALSE(IsMultipleIn("990", 0, 980));
    EXPECT_FALSE(IsMultipleIn("970", 0, 980));
    EXPECT_TRUE(IsMultipleIn("980", 0, 980));
    EXPECT_TRUE(IsMultipleIn("0", 0, 980));
    EXPECT_FALSE(IsMultipleIn("3020", 100, 3000));
    EXPECT_TRUE(IsMultipleIn("3000", 100, 3000));
    EXPECT_FALSE(IsMultipleIn("110", 100, 3000));
    EXPECT_FALSE(IsMultipleIn("9990", 0, 9980));
    EXPECT_FALSE(IsMultipleIn("30", 0, 9980));
    EXPECT_FALSE(IsMultipleIn("", 0, 980));
    EXPECT_FALSE(IsMultipleIn("2O", 0, 980)) << "a letter O is no digit";
}

TEST(FieldCheck, InBandCodeSyntax) {
    EXPECT_TRUE(IsInBandCode("", 3));
    EXPECT_TRUE(IsInBandCode("72TTT", 3));
    EXPECT_FALSE(IsInBandCode("72TT", 3));
    EXPECT_FALSE(IsInBandCode("TTT", 2));
    EXPECT_TRUE(IsInBandCode("tT", 2)) << "either case makes one run";
    EXPECT_TRUE(IsInBandCode("TT1TT", 2)) << "each run is measured alone";
    EXPECT_TRUE(IsInBandCode("i07#", 3));
    EXPECT_FALSE(IsInBandCode("I00", 3));
    EXPECT_FALSE(IsInBandCode("I7", 3));
    EXPECT_FALSE(IsInBandCode("IA7", 3));
    EXPECT_TRUE(IsInBandCode("J*s", 3));
    EXPECT_FALSE(IsInBandCode("12J", 3)) << "J needs its digit";
    EXPECT_FALSE(IsInBandCode("JP", 3)) << "P is no DTMF digit";
    EXPECT_FALSE(IsInBandCode("1X", 3));
    EXPECT_TRUE(IsInBandCode("1234567890AaBbCcDd*#", 3));
}

} // namespace
} // namespace kiv::editors
