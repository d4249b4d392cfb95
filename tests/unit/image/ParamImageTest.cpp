#include "unit/image/ParamImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

using namespace kiv;

namespace {

constexpr std::size_t kImageSize = 20000;

// A unit image whose bytes are all different from their neighbours, so that a byte the codec
// should not touch is noticed.
std::vector<std::uint8_t> UnitImage(std::uint8_t salt = 0) {
    std::vector<std::uint8_t> img(kImageSize);
    for (std::size_t i = 0; i < img.size(); ++i)
        img[i] = static_cast<std::uint8_t>((i * 7 + 3 + salt) & 0xFF);
    return img;
}

class ParamImageTest : public ::testing::Test {
  protected:
    FixedClock clock{1700000000};
    CQelDoc doc{clock};
    ParamImageContext ctx{30, 4, false};
    std::vector<std::uint8_t> img = UnitImage();

    void Encode(std::vector<std::string>* uncoded = nullptr) {
        ASSERT_TRUE(EncodeParamImage(doc, ctx, img, uncoded));
    }
    std::vector<std::uint8_t> At(std::size_t off, std::size_t n) const {
        return {img.begin() + static_cast<std::ptrdiff_t>(off),
                img.begin() + static_cast<std::ptrdiff_t>(off + n)};
    }
};

using Bytes = std::vector<std::uint8_t>;

void SetCode(InBandEntry& e, const char* code) {
    e.code.fill(0);
    e.codeLength = static_cast<std::uint8_t>(std::strlen(code));
    std::memcpy(e.code.data(), code, e.codeLength);
}

void SetEntry(InBandEntry& e, const char* code, int operation,
              std::array<std::uint8_t, 4> target = {}, int targetLength = 0) {
    SetCode(e, code);
    e.operation = operation;
    e.target = target;
    e.targetLength = targetLength;
}

} // namespace

TEST_F(ParamImageTest, UnitPasswordOnlyWhenAChangeIsPending) {
    doc.unitPassword = "1234";
    const Bytes before = At(149, 9);
    Encode();
    EXPECT_EQ(At(149, 9), before) << "no change pending: the unit's bytes stay";

    ctx.passwordChangePending = true;
    Encode();
    EXPECT_EQ(At(149, 9), (Bytes{1, 2, 3, 4, 255, 255, 255, 255, 4}));

    img = UnitImage();
    doc.unitPassword.clear();
    Encode();
    EXPECT_EQ(At(149, 9), before) << "an empty password is never written";
}

TEST_F(ParamImageTest, KeyOperationsAndParameters) {
    doc.pages[0][0].op = 3; // second language: code 11, parameter 1
    doc.pages[22][10].op = 15;
    doc.pages[23][0].op = 6;
    doc.pages[23][0].target = {'2', '*', 'A', 0};
    doc.pages[23][0].targetInfo = 3;
    doc.pages[38][10].op = 7;
    doc.pages[38][10].target = {5, 0, 0, 0};
    doc.pages[38][10].targetInfo = 1;
    const std::uint8_t unitParam = img[13824 + 1];
    Encode();

    EXPECT_EQ(img[8192], 11);
    EXPECT_EQ(img[13824], 1);
    EXPECT_EQ(img[8192 + 1], 255) << "operation 0";
    EXPECT_EQ(img[13824 + 1], unitParam) << "no parameter for operation 0";
    EXPECT_EQ(img[8192 + 22 * 11 + 10], 3);
    EXPECT_EQ(img[13824 + 22 * 11 + 10], 1);
    // Page 23 is the first of page 17; its arguments sit in the fifth image page of arguments.
    EXPECT_EQ(img[8704], 1);
    EXPECT_EQ(At(9216 + 512 * 4 + 44 * 3, 4), (Bytes{2, 10, 13, 255}));
    EXPECT_EQ(img[8704 + 15 * 11 + 10], 2);
    EXPECT_EQ(At(9216 + 512 * 7 + 44 * 3 + 40, 4), (Bytes{5, 0, 0, 0}));

    CQelDoc out(clock);
    ASSERT_TRUE(DecodeParamImage(img, ctx, out));
    EXPECT_EQ(out.pages[0][0].op, 3);
    EXPECT_EQ(out.pages[0][0].targetInfo, 2);
    EXPECT_EQ(out.pages[0][0].target[1], 1);
    EXPECT_EQ(out.pages[22][10].op, 15);
}

// Values whose bytes are not simply the value (the hand-written layout is in ImageLayoutTest).
TEST_F(ParamImageTest, HeaderSpecialValues) {
    doc.autoVolume = 7;
    doc.faxExt = "1234";
    doc.supervisorMbox = "None";
    Encode();
    EXPECT_EQ(img[231], 1) << "any set autoVolume is 1";
    EXPECT_EQ(At(235, 5), (Bytes{255, 255, 255, 255, 0}));
    // A shorter extension after a longer one: the cleared digits hold 0, the fourth included.
    doc.faxExt = "123";
    Encode();
    EXPECT_EQ(At(136, 5), (Bytes{1, 2, 3, 0, 3}));

    CQelDoc out(clock);
    out.supervisorMbox = "12";
    ASSERT_TRUE(DecodeParamImage(img, ctx, out));
    EXPECT_EQ(out.supervisorMbox, "None");
    EXPECT_EQ(out.autoVolume, 1);
}

TEST_F(ParamImageTest, ComputedSizeNeedsUsableStatusBytes) {
    doc.maxRecordTime = 9;
    ctx.s19 = 0;
    const Bytes before = At(240, 2);
    Encode();
    EXPECT_EQ(At(240, 2), before);

    // A value that does not read back as 1-9 minutes leaves the configuration's value.
    ctx = {39, 1, false}; // 19968 x 28 - 1 wraps in 16 bits
    Encode();
    CQelDoc out(clock);
    out.maxRecordTime = 4;
    ASSERT_TRUE(DecodeParamImage(img, ctx, out));
    EXPECT_EQ(out.maxRecordTime, 4);
}

TEST_F(ParamImageTest, DisconnectCodeCount) {
    const std::pair<const char*, Bytes> cases[] = {
        {"###", {4, 12, 12, 12, 255}},
        {"0#", {3, 0, 12, 255, 255}},
        {"", {4, 255, 255, 255, 255}},
        {"I07#", {4, 49, 7, 12, 255}},
    };
    for (const auto& [code, bytes] : cases) {
        doc.disconnectCode = code;
        Encode();
        EXPECT_EQ(At(250, 5), bytes) << code;
        CQelDoc out(clock);
        ASSERT_TRUE(DecodeParamImage(img, ctx, out));
        EXPECT_EQ(out.disconnectCode, code);
    }
}

TEST_F(ParamImageTest, InBandEntries) {
    SetEntry(doc.inBand[0], "I07#", 1, {'3', '1', 0, 0}, 2);
    SetEntry(doc.inBand[11], "*2", 8, {'2', '*', 0, 0}, 2);
    SetEntry(doc.inBand[25], "5", 9, {7, 0, 0, 0}, 1);
    SetEntry(doc.inBand[39], "D", 15);
    doc.inBand[39].target = {1, 2, 3, 4}; // not a destination of operation 15
    doc.inBand[2].operation = 13;         // no code: written as unused
    Encode();

    EXPECT_EQ(img[214], 255);
    EXPECT_EQ(At(1024, 5), (Bytes{49, 7, 12, 255, 255}));
    EXPECT_EQ(img[3584], 3);
    EXPECT_EQ(img[3624], 3);
    EXPECT_EQ(At(3664, 4), (Bytes{3, 1, 255, 255}));
    EXPECT_EQ(img[3824], 2);

    EXPECT_EQ(At(1024 + 512 + 20, 3), (Bytes{10, 2, 255}));
    EXPECT_EQ(img[3624 + 11], 14);
    EXPECT_EQ(At(3664 + 44, 4), (Bytes{2, 10, 255, 255}));
    EXPECT_EQ(img[3824 + 11], 2);

    EXPECT_EQ(img[3624 + 25], 13);
    EXPECT_EQ(At(3664 + 100, 4), (Bytes{7, 255, 255, 255}));
    EXPECT_EQ(img[3824 + 25], 1);

    EXPECT_EQ(img[3624 + 39], 7);
    EXPECT_EQ(At(3664 + 156, 4), (Bytes{255, 255, 255, 255}));
    EXPECT_EQ(img[3824 + 39], 0);

    EXPECT_EQ(At(1024 + 40, 20), Bytes(20, 255));
    EXPECT_EQ(img[3584 + 2], 0);
    EXPECT_EQ(img[3624 + 2], 255);
    EXPECT_EQ(At(3664 + 8, 4), Bytes(4, 255));
    EXPECT_EQ(img[3824 + 2], 0);

    // A code the unit cannot take goes out as an unused entry and does not count as in use.
    for (auto& e : doc.inBand)
        e = InBandEntry{};
    SetEntry(doc.inBand[7], "Z", 0);
    std::vector<std::string> uncoded;
    Encode(&uncoded);
    EXPECT_EQ(img[214], 0);
    EXPECT_EQ(img[3624 + 7], 255);
    EXPECT_EQ(uncoded, std::vector<std::string>{"inBand"});
}

TEST_F(ParamImageTest, OnlyTheLayoutsBytesChange) {
    // Every byte either comes from the configuration whatever the unit held, or is the unit's.
    ctx.passwordChangePending = true;
    std::vector<std::uint8_t> other = UnitImage(0x5A);
    const std::vector<std::uint8_t> unitA = img, unitB = other;
    Encode();
    ASSERT_TRUE(EncodeParamImage(doc, ctx, other));
    for (std::size_t i = 0; i < img.size(); ++i)
        ASSERT_TRUE(img[i] == other[i] || (img[i] == unitA[i] && other[i] == unitB[i])) << i;

    const auto untouched = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            if (img[i] != unitA[i] || other[i] != unitB[i]) return false;
        return true;
    };
    // Header gaps, code tails (led codes are empty, transferCode is "&X", dial string 0 is
    // empty), the parameter bytes of keys without one, and the pages the layout leaves alone.
    const std::pair<std::size_t, std::size_t> unitBytes[] = {
        {0, 106},     {111, 112},   {113, 114},     {117, 119},     {145, 149},
        {219, 231},   {232, 234},   {248, 250},     {256, 632},     {634, 672},
        {752, 1024},  {1224, 1536}, {3072, 3584},   {3876, 4608},   {4609, 4629},
        {4818, 5120}, {5330, 6144}, {6368, 6656},   {6776, 7168},   {7518, 8192},
        {8445, 8704}, {8880, 9216}, {13312, 14077}, {14848, 15872}, {15950, kImageSize}};
    for (const auto& [from, to] : unitBytes)
        EXPECT_TRUE(untouched(from, to)) << from << "-" << to;
}

TEST_F(ParamImageTest, ShortImageIsRefusedUntouched) {
    std::vector<std::uint8_t> shortImg(ParamImageExtent() - 1, 0xAB);
    EXPECT_FALSE(EncodeParamImage(doc, ctx, shortImg));
    EXPECT_EQ(shortImg, Bytes(ParamImageExtent() - 1, 0xAB));

    CQelDoc out(clock);
    out.operatorKey = 4;
    EXPECT_FALSE(DecodeParamImage(shortImg, ctx, out));
    EXPECT_EQ(out.operatorKey, 4);

    img.resize(ParamImageExtent());
    EXPECT_TRUE(EncodeParamImage(doc, ctx, img));
    EXPECT_TRUE(DecodeParamImage(img, ctx, out));
}

TEST_F(ParamImageTest, UncodableTextsAreReportedAndSentEmpty) {
    doc.led1Code = "1Z";
    doc.lineSeizeCode = "12345";
    doc.dialStrings[3] = "$";
    doc.operatorDayExt = "12a";
    std::vector<std::string> uncoded;
    Encode(&uncoded);
    EXPECT_EQ(uncoded, (std::vector<std::string>{"led1Code", "operatorDayExt", "lineSeizeCode",
                                                 "dialStrings"}));
    EXPECT_EQ(img[120], 0);
    EXPECT_EQ(At(202, 5), (Bytes{0, 0, 0, 0, 0}));
    EXPECT_EQ(img[4608 + 63], 0);
    EXPECT_EQ(img[130], 0);
}

TEST_F(ParamImageTest, ScheduleTimesAndDates) {
    doc.workHours[0] = "08:30";  // 510
    doc.workHours[7] = "99:59";  // 5999, the longest a stored time may be
    doc.workHours[1] = "100:00"; // too long: sent as 0
    doc.workHours[8] = "";       // empty: midnight
    doc.holidayCount = 2;
    doc.holidayDate[0] = "05/03";
    doc.holidayStart[0] = "00:00";
    doc.holidayEnd[0] = "23:59";
    doc.holidayDate[1] = "5-3";
    doc.holidayStart[1] = "7:5";
    doc.holidayEnd[1] = "12.00";
    std::vector<std::string> uncoded;
    Encode(&uncoded);
    EXPECT_EQ(uncoded, (std::vector<std::string>{"workHours", "holidayDate", "holidayEnd"}));
    EXPECT_EQ(At(6160, 4), (Bytes{0x01, 0xFE, 0x17, 0x6F}));
    EXPECT_EQ(At(6164, 4), (Bytes{0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(At(6188, 12),
              (Bytes{0x05, 0x03, 0x00, 0x00, 0x05, 0x9F, 0x00, 0x00, 0x01, 0xA9, 0x00, 0x00}));

    img[6160] = 0x00;
    img[6161] = 0x00;
    img[6162] = 0x05;
    img[6163] = 0x9F;
    img[6188 + 6] = 0x1F;
    img[6188 + 7] = 0x0C;
    CQelDoc read{clock};
    ASSERT_TRUE(DecodeParamImage(img, ctx, read));
    EXPECT_EQ(read.workHours[0], "00:00");
    EXPECT_EQ(read.workHours[7], "23:59");
    EXPECT_EQ(read.holidayDate[0], "05/03");
    EXPECT_EQ(read.holidayEnd[0], "23:59");
    EXPECT_EQ(read.holidayDate[1], "31/12");
    EXPECT_EQ(read.holidayStart[1], "07:05");
}

namespace {

// A configuration with a distinctive value in every field the image carries.
void MakeDistinctive(CQelDoc& d) {
    // clang-format off
    d.operatorKey = 7; d.transferModeOperator = 2; d.operatingMode = 3; d.extDigits = 4;
    d.transferModeOther = 1; d.flash1 = 620; d.busyToneOff = 440; d.busyToneOn = 380;
    d.noAnswerWait = 25; d.led1Code = "*51"; d.led2Code = "#52p"; d.ledOffCode = "&X9";
    d.transferCode = "@!"; d.recallOnBusy = "Q1"; d.recallOnNoAnswer = "&&";
    d.operatorDayExt = "12"; d.operatorNightExt = "345"; d.faxExt = "6789";
    d.ringsBeforeAnswer = {2, 3, 4, 5}; d.unitPassword = "24681357";
    for (int g = 0; g < 9; ++g) {
        d.allowedExt[g] = std::to_string(100 + g);
        d.allowedExt[10 + g] = std::to_string(2000 + g);
    }
    d.languageCode = {3, 7, 255}; d.defaultLanguage = 1; d.lineSeizeCode = "0*"; d.ringDuration = 1;
    d.ringInterval = 45; d.archiveDays = 60; d.ringAttempts = 3; d.disconnectToneOff = 300;
    d.disconnectToneOn = 260; d.voiceSensitivity = 7; d.firstDtmfTimeout = 5160;
    d.interDtmfDelay = 980; d.supervisionType = 1; d.autoVolume = 0; d.nameOrder = 1;
    d.supervisorMbox = "4321"; d.maxRecordTime = 5; d.ledMode = 1; d.listenKey = 8;
    d.extNotifyStart = 480; d.extNotifyEnd = 1234; d.disconnectCode = "I07#";
    d.groupFirstDigit = "8"; d.answerSignal = "J1"; d.busySignal = "ST"; d.dndSignal = "A*";
    // clang-format on

    SetEntry(d.inBand[0], "*1", 1, {'3', '1', 0, 0}, 2);
    SetEntry(d.inBand[9], "I12", 8, {'2', '*', 'A', 0}, 3);
    SetEntry(d.inBand[10], "#", 9, {5, 0, 0, 0}, 1);
    SetEntry(d.inBand[20], "12345678901234567890", 13);
    SetEntry(d.inBand[39], "D", 4, {'4', '6', 0, 0}, 2);

    for (std::size_t k = 0; k < 20; ++k)
        d.dialStrings[k] = k == 4 ? "" : "9" + std::to_string(k) + (k % 2 ? "&X@!Q" : "p#");
    d.dialStrings[19] = "12345678901234567890";

    for (std::size_t l = 0; l < 4; ++l)
        for (std::size_t m = 0; m < 4; ++m)
            d.openingPage[l][m] = static_cast<std::int32_t>(l * 4 + m + 1);
    char text[16];
    for (int day = 0; day < 7; ++day) {
        std::snprintf(text, sizeof text, "08:%02d", day * 5);
        d.workHours[day] = text;
        std::snprintf(text, sizeof text, "%02d:30", 12 + day);
        d.workHours[day + 7] = text;
    }
    d.workHoursCopy = d.workHours;
    d.holidayCount = 32;
    for (int i = 0; i < 32; ++i) {
        std::snprintf(text, sizeof text, "%02d/%02d", i % 28 + 1, i % 12 + 1);
        d.holidayDate[i] = text;
        std::snprintf(text, sizeof text, "%02d:%02d", i % 24, i);
        d.holidayStart[i] = text;
        std::snprintf(text, sizeof text, "23:%02d", 59 - i);
        d.holidayEnd[i] = text;
    }
    for (std::size_t day = 0; day < 7; ++day)
        for (std::size_t s = 0; s < 10; ++s)
            d.breaks[day][s] = {static_cast<std::int32_t>(day * 200 + s),
                                static_cast<std::int32_t>(day * 200 + s + 30),
                                static_cast<std::int32_t>((day * 10 + s) % 98)};

    const auto key = [&d](std::size_t p, std::size_t k, int op, std::array<std::uint8_t, 4> t,
                          std::uint8_t info) {
        d.pages[p][k] = {op, t, info};
    };
    for (std::size_t p = 0; p < 39; ++p) {
        key(p, 0, 1, {static_cast<std::uint8_t>((p + 1) % 39), 0, 0, 0}, 1);
        key(p, 1, 2 + static_cast<int>(p % 3),
            {static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p % 3), 0, 0}, 2);
        key(p, 2, 6, {'1', 'p', '#', 'D'}, 4);
        key(p, 3, 7, {static_cast<std::uint8_t>(p), 0, 0, 0}, 1);
        key(p, 4, 18, {static_cast<std::uint8_t>(p % 20), 0, 0, 0}, 1);
        key(p, 5, 14, {}, 0);
        key(p, 6, 15, {9, 8, 7, 6}, 0);
        key(p, 7, std::array{5, 8, 9, 10, 12, 13}[p % 6], {}, 0);
        key(p, 8, 11 + static_cast<int>(p % 3), {}, 0);
        key(p, 9, 16 + static_cast<int>(p % 2), {}, 0);
        d.pageTimeout[p] = static_cast<std::int32_t>(p % 10);
    }
}

} // namespace

TEST_F(ParamImageTest, RoundTripOfEveryCarriedField) {
    MakeDistinctive(doc);
    ctx.passwordChangePending = true;
    std::vector<std::string> uncoded;
    Encode(&uncoded);
    EXPECT_TRUE(uncoded.empty()) << uncoded.front();

    CQelDoc out(clock);
    ASSERT_TRUE(DecodeParamImage(img, ctx, out));
#define SAME(member) EXPECT_EQ(out.member, doc.member) << #member
    // clang-format off
    SAME(operatorKey); SAME(transferModeOperator); SAME(operatingMode); SAME(extDigits);
    SAME(transferModeOther); SAME(flash1); SAME(busyToneOff); SAME(busyToneOn); SAME(noAnswerWait);
    SAME(led1Code); SAME(led2Code); SAME(ledOffCode); SAME(transferCode); SAME(recallOnBusy);
    SAME(recallOnNoAnswer); SAME(operatorDayExt); SAME(operatorNightExt); SAME(faxExt);
    SAME(ringsBeforeAnswer); SAME(unitPassword); SAME(allowedExt); SAME(languageCode);
    SAME(defaultLanguage); SAME(lineSeizeCode); SAME(ringDuration); SAME(ringInterval);
    SAME(archiveDays); SAME(ringAttempts); SAME(disconnectToneOff); SAME(disconnectToneOn);
    SAME(voiceSensitivity); SAME(firstDtmfTimeout); SAME(interDtmfDelay); SAME(supervisionType);
    SAME(autoVolume); SAME(nameOrder); SAME(supervisorMbox); SAME(maxRecordTime); SAME(ledMode);
    SAME(listenKey); SAME(extNotifyStart); SAME(extNotifyEnd); SAME(disconnectCode);
    SAME(groupFirstDigit); SAME(answerSignal); SAME(busySignal); SAME(dndSignal); SAME(inBand);
    SAME(dialStrings); SAME(openingPage); SAME(workHours); SAME(workHoursCopy); SAME(holidayCount);
    SAME(holidayDate); SAME(holidayStart); SAME(holidayEnd); SAME(breaks); SAME(pages);
    SAME(pageTimeout);
    // clang-format on
#undef SAME
    // Not carried: the holiday descriptions keep the reading configuration's texts.
    EXPECT_EQ(out.holidayText, CQelDoc(clock).holidayText);
}
