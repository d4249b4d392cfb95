#include "unit/link/Protocol.h"

#include <gtest/gtest.h>

using namespace kiv::proto;

TEST(Protocol, VersionRule) {
    for (const char* ok : {"700", "739", "760", "799"})
        EXPECT_TRUE(VersionAccepted(ok)) << ok;
    for (const char* bad : {"740", "745", "759", "812", "699", "074", "7", "7a0", "7\x01\x02"})
        EXPECT_FALSE(VersionAccepted(bad)) << bad;

    // Digit bytes above 9 never read as a passing version.
    IdentReply r;
    r.i[0] = 7;
    r.i[1] = 4;
    r.i[2] = 200;
    EXPECT_FALSE(VersionAccepted(r.Version()));
}

TEST(Protocol, ProductCodes) {
    for (int code : {16, 20})
        EXPECT_EQ(ProductTypeOfCode(code), 0);
    for (int code : {19, 23})
        EXPECT_EQ(ProductTypeOfCode(code), 1);
    for (int code : {17, 21})
        EXPECT_EQ(ProductTypeOfCode(code), 2);
    for (int code : {18, 22})
        EXPECT_EQ(ProductTypeOfCode(code), 3);
    EXPECT_EQ(ProductNameOfCode(20), "RZ 128 Mbx");
    EXPECT_EQ(ProductNameOfCode(22), "RZ 2 Mbx");
    EXPECT_EQ(ProductNameOfCode(24), "Sconosciuto (24)");
    EXPECT_EQ(ProductNameOfCode(5), "Sconosciuto (05)");
    EXPECT_EQ(ProductNameOfCode(255), "Sconosciuto (255)");
    EXPECT_EQ(ProductTypeOfCode(24), unknownProductType);
}

TEST(Protocol, IdentificationFields) {
    const std::uint8_t bytes[16] = {7, 6, 0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 20, 1, 255, 3};
    auto r = DecodeIdent(bytes, 16);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Version(), "760");
    EXPECT_EQ(r->Password(), "12345678");
    EXPECT_EQ(r->ProductCode(), 20);
    EXPECT_TRUE(r->HasLanguage(1));
    EXPECT_FALSE(r->HasLanguage(2));
    EXPECT_EQ(r->Language(3), 3);
    r->i[11] = 0;
    EXPECT_EQ(r->Password(), "");
    r->i[11] = 3;
    EXPECT_EQ(r->Password(), "123");
    r->i[11] = 200; // a length beyond the eight digits stops at eight
    EXPECT_EQ(r->Password(), "12345678");

    EXPECT_FALSE(DecodeIdent(bytes, 15));
    EXPECT_FALSE(DecodeStatus(bytes, 16));
    EXPECT_FALSE(DecodeGeometry(nullptr, 7));
}

TEST(Protocol, StatusAndGeometryFields) {
    std::uint8_t s[20] = {};
    s[8] = 40;
    s[9] = 0x01;
    s[10] = 0xF4; // 500
    s[11] = 0x0E;
    s[12] = 0x10;
    s[15] = 6;
    s[18] = 2;
    const auto r = DecodeStatus(s, 20);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->SectionLength(), 20000u);
    EXPECT_EQ(r->FlashTotalSeconds(), 3600);
    EXPECT_EQ(r->LineState(1), 6);
    EXPECT_EQ(r->LineState(4), 2);

    const std::uint8_t g[7] = {0, 0, 9, 0x01, 0x02, 0x02, 0x00};
    const auto geo = DecodeGeometry(g, 7);
    ASSERT_TRUE(geo);
    EXPECT_EQ(geo->BlockCount(), 258);
    EXPECT_EQ(geo->ImageBlocks(), 2);
    EXPECT_EQ(geo->BlockSize(), 512);
    EXPECT_EQ(geo->Stored(), 9);
}

TEST(Protocol, ChecksumIsTheLowByteOfTheSum) {
    const std::uint8_t data[] = {0xFF, 0xFF, 0x03};
    EXPECT_EQ(Checksum(data, 3), 0x01);
    EXPECT_EQ(Checksum(data, 0), 0x00);
}
