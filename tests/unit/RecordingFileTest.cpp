// The files the transfers write, against bytes written out by hand.

#include "unit/FileIdentity.h"

#include <gtest/gtest.h>

#include <string>

using namespace kiv;

namespace {

std::string Text(const FileIdentity& id) {
    return std::string(id.begin(), id.end());
}

} // namespace

TEST(FileIdentity, PartsConcatenatedEachCutToItsWidthRestZero) {
    EXPECT_EQ(Text(MakeFileIdentity("7.01", "DKL", "07/12/2026", "Script file")),
              std::string("7.01DKL07/12/2026Script file") + std::string(16, '\0'));
    // Too long parts are cut: 4, 10, 10 and 20 characters.
    EXPECT_EQ(Text(MakeFileIdentity("7.015", "ABCDEFGHIJKL", "0123456789xx",
                                    "WAX file(KIV)-and-more-words")),
              "7.01ABCDEFGHIJ0123456789WAX file(KIV)-and-mo");
    EXPECT_EQ(Text(MakeFileIdentity("", "", "", "")), std::string(44, '\0'));
}
