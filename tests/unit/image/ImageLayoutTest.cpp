// The byte layouts the unit reads, held against expected bytes written out by hand from the
// layout: the regions of the parameter image, the mailbox record and section the unit sends,
// and the mailbox stream it takes. Nothing expected here is computed by the code under test,
// so an encoder and a decoder that share a mistake (a swapped pair of bytes, a field one place
// off) fail here although they agree with each other.
//
// One configuration carries a distinct value in every member these regions hold. Each test
// checks one region in both directions: the configuration encoded over a unit image gives the
// hand-written bytes, and an image holding the hand-written bytes decodes to the
// configuration's values.

#include "unit/image/MailboxSection.h"
#include "unit/image/ParamImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace kiv;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kImageSize = 20000;

// A unit image with a byte pattern of its own, so a byte left alone is told from one written.
std::uint8_t UnitByte(std::size_t offset) {
    return static_cast<std::uint8_t>((offset * 7 + 3) & 0xFF);
}
Bytes UnitImage() {
    Bytes img(kImageSize);
    for (std::size_t i = 0; i < img.size(); ++i)
        img[i] = UnitByte(i);
    return img;
}

// Expected bytes by offset. Later entries overwrite earlier ones, so a region can be filled
// first and its used places written over it.
class Layout {
  public:
    Layout& At(std::size_t offset, const Bytes& bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes_[offset + i] = bytes[i];
        return *this;
    }
    Layout& Fill(std::size_t offset, std::size_t count, std::uint8_t value) {
        for (std::size_t i = 0; i < count; ++i)
            bytes_[offset + i] = value;
        return *this;
    }
    // The unit's own byte stays at `offset`.
    Layout& Kept(std::size_t offset) { return At(offset, {UnitByte(offset)}); }

    // Every expected byte is in `img`; each differing offset is reported (at most a few).
    void Expect(const Bytes& img, const char* region) const {
        int wrong = 0;
        for (const auto& [offset, value] : bytes_) {
            if (img[offset] == value) continue;
            if (++wrong <= 12)
                ADD_FAILURE() << region << ": offset " << offset << " holds " << int{img[offset]}
                              << ", expected " << int{value};
        }
        EXPECT_EQ(wrong, 0) << region << ": bytes out of place";
    }
    void PasteInto(Bytes& img) const {
        for (const auto& [offset, value] : bytes_)
            img[offset] = value;
    }

  private:
    std::map<std::size_t, std::uint8_t> bytes_;
};

void SetInBand(InBandEntry& e, const std::string& code, int operation,
               std::array<std::uint8_t, 4> target, int targetLength) {
    e = InBandEntry{};
    std::copy(code.begin(), code.end(), e.code.begin());
    e.codeLength = static_cast<std::uint8_t>(code.size());
    e.operation = operation;
    e.target = target;
    e.targetLength = targetLength;
}

// The configuration: one distinct value per member, in the form a decoder gives back.
void Distinct(CQelDoc& d) {
    // Header page.
    d.operatorKey = 9;
    d.transferModeOperator = 1;
    d.operatingMode = 2; // break
    d.extDigits = 3;
    d.transferModeOther = 2;
    d.flash1 = 600;
    d.busyToneOff = 440;
    d.busyToneOn = 380;
    d.noAnswerWait = 25;
    d.operatorDayExt = "12";
    d.operatorNightExt = "345";
    d.faxExt = "6789";
    d.ringsBeforeAnswer = {4, 5, 6, 7};
    d.unitPassword = "2468135";
    const char* lowEnds[] = {"4660", "4661", "4662", "4663", "4664",
                             "4665", "4666", "4667", "4668", ""};
    const char* highEnds[] = {"9029", "9030", "9031", "9032", "9033",
                              "9034", "9035", "9036", "9037", "65535"};
    for (std::size_t g = 0; g < 10; ++g) {
        d.allowedExt[g] = lowEnds[g];
        d.allowedExt[10 + g] = highEnds[g];
    }
    d.languageCode = {3, 7, 255};
    d.defaultLanguage = 1;
    d.lineSeizeCode = "9*";
    d.ringDuration = 1;
    d.ringInterval = 45;
    d.archiveDays = 60;
    d.ringAttempts = 3;
    d.disconnectToneOff = 300;
    d.disconnectToneOn = 260;
    d.voiceSensitivity = 6;
    d.firstDtmfTimeout = 5160;
    d.interDtmfDelay = 980;
    d.supervisionType = 1;
    d.autoVolume = 1;
    d.nameOrder = 1;
    d.supervisorMbox = "4321";
    d.maxRecordTime = 5;
    d.ledMode = 1;
    d.listenKey = 8;
    d.extNotifyStart = 480;
    d.extNotifyEnd = 1234;
    d.disconnectCode = "I07#";
    d.groupFirstDigit = "8";

    // Page 1 codes.
    d.led1Code = "*51";
    d.led2Code = "#52p";
    d.ledOffCode = "&X9D0";
    d.transferCode = "@!";
    d.recallOnBusy = "Q";
    d.recallOnNoAnswer = "7C8B9A";

    // In-band protocol.
    for (auto& e : d.inBand)
        e = InBandEntry{};
    SetInBand(d.inBand[0], "*1", 1, {'3', '1', 0, 0}, 2);
    SetInBand(d.inBand[9], "I12", 8, {'2', '*', 'A', 0}, 3);
    SetInBand(d.inBand[10], "#", 9, {5, 0, 0, 0}, 1);
    SetInBand(d.inBand[20], "12345678901234567890", 13, {0, 0, 0, 0}, 0);
    SetInBand(d.inBand[39], "D", 4, {'4', '6', 0, 0}, 2);
    d.answerSignal = "J1";
    d.busySignal = "ST";
    d.dndSignal = "A*";

    // Dial strings.
    d.dialStrings.fill("");
    d.dialStrings[0] = "9p#";
    d.dialStrings[9] = "&X@!Q";
    d.dialStrings[10] = "12345678901234567890";
    d.dialStrings[19] = "D";

    // Schedule.
    for (std::size_t l = 0; l < 4; ++l)
        for (std::size_t m = 0; m < 4; ++m)
            d.openingPage[l][m] = static_cast<std::int32_t>(l * 4 + m + 1);
    d.workHours = {"07:30", "08:00", "06:05", "00:00", "09:10", "10:00", "04:16",
                   "18:15", "17:45", "12:00", "23:59", "13:20", "11:11", "20:01"};
    d.workHoursCopy = d.workHours;
    d.holidayCount = 31;
    for (std::size_t i = 0; i < 50; ++i) {
        const bool used = i < 31;
        d.holidayDate[i] = used ? "25/12" : "";
        d.holidayStart[i] = used ? "00:00" : "";
        d.holidayEnd[i] = used ? "23:59" : "";
    }
    d.holidayDate[0] = "24/12";
    d.holidayStart[0] = "08:30";
    d.holidayEnd[0] = "12:45";
    d.holidayDate[1] = "06/01";
    d.holidayDate[29] = "15/08";
    d.holidayStart[29] = "09:00";
    d.holidayEnd[29] = "13:00";
    d.holidayDate[30] = "01/11";
    d.holidayStart[30] = "10:05";
    d.holidayEnd[30] = "18:20";
    for (auto& day : d.breaks)
        day.fill(BreakSlot{});
    d.breaks[0][0] = {750, 780, 21};
    d.breaks[2][3] = {300, 301, 5};
    d.breaks[6][9] = {1380, 1439, 97};

    // Auto-attendant keys.
    for (auto& page : d.pages)
        page.fill(PageEntry{});
    d.pages[0][0] = {1, {5, 0, 0, 0}, 1};
    d.pages[0][1] = {3, {7, 1, 0, 0}, 2};
    d.pages[0][2] = {6, {'1', 'p', '#', 'D'}, 4};
    d.pages[0][3] = {6, {'4', '2', 0, 0}, 2};
    d.pages[0][4] = {15, {0, 0, 0, 0}, 0};
    d.pages[0][5] = {7, {12, 0, 0, 0}, 1};
    d.pages[0][6] = {18, {19, 0, 0, 0}, 1};
    d.pages[0][8] = {4, {3, 2, 0, 0}, 2};
    d.pages[0][9] = {14, {0, 0, 0, 0}, 0};
    d.pages[0][10] = {16, {0, 0, 0, 0}, 0};
    d.pages[1][0] = {5, {0, 0, 0, 0}, 0};
    d.pages[1][1] = {8, {0, 0, 0, 0}, 0};
    d.pages[1][2] = {9, {0, 0, 0, 0}, 0};
    d.pages[1][3] = {10, {0, 0, 0, 0}, 0};
    d.pages[1][4] = {11, {0, 0, 0, 0}, 0};
    d.pages[1][5] = {12, {0, 0, 0, 0}, 0};
    d.pages[1][6] = {2, {30, 0, 0, 0}, 2};
    d.pages[22][10] = {2, {22, 0, 0, 0}, 2};
    d.pages[23][0] = {17, {1, 2, 3, 4}, 0};
    d.pages[38][10] = {13, {9, 8, 7, 6}, 0};

    // Page time-outs.
    d.pageTimeout.fill(5);
    d.pageTimeout[1] = 6;
    d.pageTimeout[38] = 30;
}

// --- The expected bytes, region by region --------------------------------------------------------

Layout HeaderPage() {
    Layout l;
    l.At(106, {0x09, 0x01, 0x04, 0x03, 0xFF}) // operatorKey, modes, operatingMode 2 -> 4, extDigits
        .Kept(111)
        .At(112, {0x02})
        .Kept(113)
        .At(114, {0x1E, 0x16, 0x13}) // flash1, busyToneOff, busyToneOn in 20 ms steps
        .Kept(117)
        .Kept(118)
        .At(119, {0x19})
        // 126-140: the three extensions, unused digits 0.
        .At(126, {0x01, 0x02, 0x00, 0x00, 0x02})
        .At(131, {0x03, 0x04, 0x05, 0x00, 0x03})
        .At(136, {0x06, 0x07, 0x08, 0x09, 0x04})
        .At(141, {0x04, 0x05, 0x06, 0x07})
        .Kept(145)
        .Kept(148)
        .At(149, {0x02, 0x04, 0x06, 0x08, 0x01, 0x03, 0x05, 0xFF, 0x07}) // unitPassword
        // allowedExt 0-9, little-endian: 4660 = 0x1234 ...
        .At(158, {0x34, 0x12, 0x35, 0x12, 0x36, 0x12, 0x37, 0x12, 0x38, 0x12, //
                  0x39, 0x12, 0x3A, 0x12, 0x3B, 0x12, 0x3C, 0x12, 0x00, 0x00})
        .At(178, {0x03, 0x07, 0xFF, 0x01}) // languageCode, defaultLanguage
        // allowedExt 10-19: 9029 = 0x2345 ...
        .At(182, {0x45, 0x23, 0x46, 0x23, 0x47, 0x23, 0x48, 0x23, 0x49, 0x23, //
                  0x4A, 0x23, 0x4B, 0x23, 0x4C, 0x23, 0x4D, 0x23, 0xFF, 0xFF})
        .At(202, {0x09, 0x0A, 0x00, 0x00, 0x02}) // lineSeizeCode
        .At(207, {0x05, 0x2D, 0x3C, 0x03, 0x0F, 0x0D, 0x06})
        .At(214, {0xFF})       // in-band protocol in use
        .At(215, {0x02, 0x01}) // firstDtmfTimeout 5160: 258 steps, 5160 / 5120 = 1
        .At(217, {0x31, 0x01})
        .Kept(219)
        .Kept(230)
        .At(231, {0x01})
        .Kept(232)
        .At(234, {0x01})
        .At(235, {0x04, 0x03, 0x02, 0x01, 0x04}) // supervisorMbox
        // (30 x 512 / 4) x (3 x 5 + 1) - 1 = 61439, little-endian.
        .At(240, {0xFF, 0xEF})
        .At(242, {0x01, 0x08})
        .At(244, {0xE0, 0x01, 0xD2, 0x04}) // 480, 1234
        .Kept(248)
        .At(250, {0x04, 0x31, 0x07, 0x0C, 0xFF}) // disconnectCode "I07#"
        .At(255, {0x08});
    return l;
}

Layout CodeSlots() {
    Layout l;
    l.At(120, {0x03, 0x04, 0x05, 0x02, 0x01, 0x06})
        .At(512, {0x0A, 0x05, 0x01})
        .Kept(515)
        .At(552, {0x0C, 0x05, 0x02, 0x31})
        .Kept(556)
        .At(592, {0x32, 0x30, 0x09, 0x10, 0x00})
        .Kept(597)
        .At(632, {0x33, 0x35})
        .Kept(634)
        .At(672, {0x36})
        .Kept(673)
        .At(712, {0x07, 0x0F, 0x08, 0x0E, 0x09, 0x0D})
        .Kept(718)
        .Kept(751);
    return l;
}

Layout InBandPages() {
    Layout l;
    // Codes: entry e at 1024 + 512 x (e div 10) + 20 x (e mod 10), 255 where unused.
    l.Fill(1024, 200, 0xFF).Fill(1536, 200, 0xFF).Fill(2048, 200, 0xFF).Fill(2560, 200, 0xFF);
    l.At(1024, {0x0A, 0x01})                                                   // 0: "*1"
        .At(1204, {0x31, 0x0C})                                                // 9: "I12"
        .At(1536, {0x0C})                                                      // 10: "#"
        .At(2048, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x00, //
                   0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x00})
        .At(2740, {0x10}) // 39: "D"
        .Kept(1224)
        .Kept(1535);
    // Page 7: counts, operations, destinations, further destination bytes.
    l.Fill(3584, 40, 0x00).Fill(3624, 40, 0xFF).Fill(3664, 160, 0xFF).Fill(3824, 40, 0x00);
    l.At(3584, {0x02})
        .At(3593, {0x02, 0x01})
        .At(3604, {0x14})
        .At(3623, {0x01})
        .At(3624, {0x03})
        .At(3633, {0x0E, 0x0D})
        .At(3644, {0x01})
        .At(3663, {0x0B})
        .At(3664, {0x03, 0x01, 0xFF, 0xFF}) // 0: page "31" as digit values
        .At(3700, {0x02, 0x0A, 0x0D, 0xFF}) // 9: extension "2*A" as dial codes
        .At(3704, {0x05, 0xFF, 0xFF, 0xFF}) // 10: mailbox at unit position 5
        .At(3744, {0xFF, 0xFF, 0xFF, 0xFF}) // 20: operation 13 has no destination
        .At(3820, {0x04, 0x06, 0xFF, 0xFF}) // 39: page "46"
        .At(3824, {0x02})
        .At(3833, {0x03, 0x01})
        .At(3863, {0x02})
        // answerSignal "J1", busySignal "ST", dndSignal "A*".
        .At(3864, {0x30, 0x01, 0xFF, 0xFF, 0x32, 0x33, 0xFF, 0xFF, 0x0D, 0x0A, 0xFF, 0xFF})
        .Kept(3876);
    return l;
}

Layout DialStringPages() {
    Layout l;
    // Every entry's count byte; entry k of page 9 at 4608 + 21 k, of page 10 at 5120 + 21 k.
    for (std::size_t off : {4608, 4629, 4650, 4671, 4692, 4713, 4734, 4755, 4776, 4797, //
                            5120, 5141, 5162, 5183, 5204, 5225, 5246, 5267, 5288, 5309})
        l.At(off, {0x00});
    l.At(4608, {0x03, 0x09, 0x31, 0x0C})
        .Kept(4612)
        .At(4797, {0x05, 0x32, 0x30, 0x33, 0x35, 0x36})
        .At(5120, {0x14, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x00, //
                   0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x00})
        .At(5309, {0x01, 0x10})
        .Kept(4630)
        .Kept(5311);
    return l;
}

Layout SchedulePages() {
    Layout l;
    l.At(6144, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, //
                0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10});
    // Working hours, Monday first: from, to, minutes of the day big-endian.
    l.At(6160, {0x01, 0xC2, 0x04, 0x47,   // 07:30 - 18:15
                0x01, 0xE0, 0x04, 0x29,   // 08:00 - 17:45
                0x01, 0x6D, 0x02, 0xD0,   // 06:05 - 12:00
                0x00, 0x00, 0x05, 0x9F,   // 00:00 - 23:59
                0x02, 0x26, 0x03, 0x20,   // 09:10 - 13:20
                0x02, 0x58, 0x02, 0x9F,   // 10:00 - 11:11
                0x01, 0x00, 0x04, 0xB1}); // 04:16 - 20:01
    // Holidays: day, month, start and end big-endian; 1-30 from 6188, 31-50 from 6656.
    for (std::size_t i = 2; i < 29; ++i)
        l.At(6188 + 6 * i, {0x19, 0x0C, 0x00, 0x00, 0x05, 0x9F}); // 25/12 00:00 - 23:59
    l.At(6188, {0x18, 0x0C, 0x01, 0xFE, 0x02, 0xFD})              // 24/12 08:30 - 12:45
        .At(6194, {0x06, 0x01, 0x00, 0x00, 0x05, 0x9F})           // 06/01
        .At(6362, {0x0F, 0x08, 0x02, 0x1C, 0x03, 0x0C})           // 15/08 09:00 - 13:00
        .Kept(6368)
        .At(6656, {0x01, 0x0B, 0x02, 0x5D, 0x04, 0x4C}) // 01/11 10:05 - 18:20
        .Fill(6662, 19 * 6, 0x00)                       // 32-50 unused
        .Kept(6776);
    // Breaks: day d slot s at 7168 + 50 d + 5 s: start, end big-endian, page.
    // An empty slot: 00:00 - 00:00, the default page 15.
    for (std::size_t slot = 0; slot < 70; ++slot)
        l.At(7168 + 5 * slot, {0x00, 0x00, 0x00, 0x00, 0x0F});
    l.At(7168, {0x02, 0xEE, 0x03, 0x0C, 0x15})    // Monday 1: 12:30 - 13:00, page 21
        .At(7283, {0x01, 0x2C, 0x01, 0x2D, 0x05}) // Wednesday 4
        .At(7513, {0x05, 0x64, 0x05, 0x9F, 0x61}) // Sunday 10, page 97
        .Kept(7518);
    return l;
}

Layout KeyPages() {
    Layout l;
    // Operations: pages 0-22 from 8192, 23-38 from 8704, 11 keys each; 255 = no operation.
    l.Fill(8192, 253, 0xFF).Fill(8704, 176, 0xFF);
    l.At(8192, {0x00, 0x0B, 0x01, 0x01, 0x03, 0x02, 0x0E, 0xFF, 0x0B, 0x03, 0x08})
        .At(8203, {0x0D, 0x06, 0x09, 0x07, 0x0C, 0x04, 0x0B})
        .At(8444, {0x0B})
        .At(8704, {0x0A})
        .At(8879, {0x05})
        .Kept(8445)
        .Kept(8880);
    // Arguments: four bytes a key, five pages an image page, from 9216.
    l.Fill(9216, 88, 0x00)                   // pages 0 and 1
        .At(9216, {0x05, 0x00, 0x00, 0x00,   // page index
                   0x07, 0x01, 0x00, 0x00,   // language key: target bytes as stored
                   0x01, 0x31, 0x0C, 0x10,   // extension "1p#D"
                   0x04, 0x02, 0xFF, 0xFF,   // extension "42"
                   0x00, 0x00, 0x00, 0x00,   //
                   0x0C, 0x00, 0x00, 0x00,   // mailbox at unit position 12
                   0x13, 0x00, 0x00, 0x00})  // string 19
        .At(9248, {0x03, 0x02, 0x00, 0x00})  // page 0 key 8
        .At(9284, {0x1E, 0x00, 0x00, 0x00})  // page 1 key 6
        .At(11392, {0x16, 0x00, 0x00, 0x00}) // page 22 key 10
        .At(11396, {0x01, 0x02, 0x03, 0x04}) // page 23 key 0
        .At(12972, {0x09, 0x08, 0x07, 0x06}) // page 38 key 10
        .Kept(9436)                          // past the five pages of the first image page
        .Kept(12976);                        // past page 38
    // Parameters: written only for the language and disconnect operations.
    l.At(13825, {0x01})
        .At(13828, {0x01})
        .At(13832, {0x02, 0x00})
        .At(13841, {0x00})
        .At(14076, {0x00})
        .Kept(13824)
        .Kept(13826)
        .Kept(14336)
        .Kept(14511);
    return l;
}

Layout PageTimeouts() {
    Layout l;
    // Seconds x 50, little-endian: 5 s = 250, 6 s = 300 = 0x012C, 30 s = 1500 = 0x05DC.
    for (std::size_t p = 0; p < 39; ++p)
        l.At(15872 + 2 * p, {0xFA, 0x00});
    l.At(15874, {0x2C, 0x01}).At(15948, {0xDC, 0x05}).Kept(15950);
    return l;
}

class ImageLayout : public ::testing::Test {
  protected:
    FixedClock clock{1796637600};
    CQelDoc doc{clock};
    ParamImageContext ctx{30, 4, true};
    Bytes encoded = UnitImage();
    Bytes hand = UnitImage();
    CQelDoc decoded{clock};

    void SetUp() override {
        Distinct(doc);
        std::vector<std::string> uncoded;
        ASSERT_TRUE(EncodeParamImage(doc, ctx, encoded, &uncoded));
        ASSERT_TRUE(uncoded.empty()) << uncoded.front();
        for (const Layout& l : {HeaderPage(), CodeSlots(), InBandPages(), DialStringPages(),
                                SchedulePages(), KeyPages(), PageTimeouts()})
            l.PasteInto(hand);
        ASSERT_TRUE(DecodeParamImage(hand, ctx, decoded));
    }
};

#define SAME(member) EXPECT_EQ(decoded.member, doc.member) << #member

TEST_F(ImageLayout, HeaderPage) {
    HeaderPage().Expect(encoded, "header");
    // clang-format off
    SAME(operatorKey); SAME(transferModeOperator); SAME(operatingMode); SAME(extDigits);
    SAME(transferModeOther); SAME(flash1); SAME(busyToneOff); SAME(busyToneOn); SAME(noAnswerWait);
    SAME(operatorDayExt); SAME(operatorNightExt); SAME(faxExt); SAME(ringsBeforeAnswer);
    SAME(unitPassword); SAME(allowedExt); SAME(languageCode); SAME(defaultLanguage);
    SAME(lineSeizeCode); SAME(ringDuration); SAME(ringInterval); SAME(archiveDays);
    SAME(ringAttempts); SAME(disconnectToneOff); SAME(disconnectToneOn); SAME(voiceSensitivity);
    SAME(firstDtmfTimeout); SAME(interDtmfDelay); SAME(supervisionType); SAME(autoVolume);
    SAME(nameOrder); SAME(supervisorMbox); SAME(maxRecordTime); SAME(ledMode); SAME(listenKey);
    SAME(extNotifyStart); SAME(extNotifyEnd); SAME(disconnectCode); SAME(groupFirstDigit);
    // clang-format on
}

TEST_F(ImageLayout, CodeSlotsOfPageOne) {
    CodeSlots().Expect(encoded, "page 1");
    // clang-format off
    SAME(led1Code); SAME(led2Code); SAME(ledOffCode); SAME(transferCode); SAME(recallOnBusy);
    SAME(recallOnNoAnswer);
    // clang-format on
}

TEST_F(ImageLayout, InBandPages) {
    InBandPages().Expect(encoded, "in-band");
    SAME(inBand);
    SAME(answerSignal);
    SAME(busySignal);
    SAME(dndSignal);
}

TEST_F(ImageLayout, DialStringPages) {
    DialStringPages().Expect(encoded, "dial strings");
    SAME(dialStrings);
}

TEST_F(ImageLayout, OpeningPagesWorkingHoursHolidaysAndBreaks) {
    SchedulePages().Expect(encoded, "schedule");
    // clang-format off
    SAME(openingPage); SAME(workHours); SAME(workHoursCopy); SAME(holidayCount); SAME(holidayDate);
    SAME(holidayStart); SAME(holidayEnd); SAME(breaks);
    // clang-format on
}

TEST_F(ImageLayout, KeyPages) {
    KeyPages().Expect(encoded, "keys");
    for (std::size_t p = 0; p < 39; ++p)
        for (std::size_t k = 0; k < 11; ++k) {
            // Keys without an operation decode their argument bytes as the unit holds them.
            if (doc.pages[p][k].op == 0 && !(p == 0 && k == 7)) continue;
            EXPECT_EQ(decoded.pages[p][k], doc.pages[p][k]) << "page " << p << " key " << k;
        }
}

TEST_F(ImageLayout, PageTimeouts) {
    PageTimeouts().Expect(encoded, "page time-outs");
    SAME(pageTimeout);
}

#undef SAME

// --- Mailbox record, section and stream ----------------------------------------------------------

// A section of two records, the first free: clock, N, records, G, message records, K, group
// blocks, call counters.
Bytes HandSection() {
    Bytes s = {0x1E, 0x17, 0x07, 0x1F, 0x0C, 0x18, // 23:30, weekday 7, 31/12/24
               0x02};
    Bytes free(233, 0x00);
    free[19] = 0xFF; // no mailbox
    s.insert(s.end(), free.begin(), free.end());
    Bytes r(233, 0xFF);
    const auto put = [&r](std::size_t at, const Bytes& bytes) {
        std::copy(bytes.begin(), bytes.end(), r.begin() + static_cast<std::ptrdiff_t>(at));
    };
    put(0, {0x03, 0x02});                                     // message counts
    put(2, {0x05, 0x05, 0x00, 0x00, 0x06, 0x06, 0x00, 0x01}); // counters: 2nd 0, 4th 1
    put(10, {0x00});                                          // dnd on
    put(11, {0x98});                                          // virtual, 2nd language, announcer
    put(12, {0x03, 0x05});                                    // phone, pager lengths
    put(14, {0x92});                                          // allowed, pager, "Led Messaggio 2"
    put(15, {0x08, 0x06, 0x04, 0x02});                        // password
    put(19, {0x01, 0x02, 0x03, 0xFF});                        // number "123"
    put(23, {0x00, 0x00, 0x00, 0x01});                        // message record indices
    put(123, {0x80, 0x82});                                   // slot states
    put(173, {0x09, 0x31, 0x34});                             // phone "9p$"
    put(193, {0x30, 0x0A, 0x0C, 0x36, 0x0D});                 // pager "X*#QA"
    s.insert(s.end(), r.begin(), r.end());
    const Bytes tail = {0x00, 0x02, // two message records
                        0x11, 0x12, 0x13, 0x01, 0x4A, 0x15, 0x16, 0x17, 0x18, 0x19, 0x0A,
                        0x1E, 0x03, 0x1C, 0x21, 0x22, 0x23, 0x02, 0x94, 0x25, 0x26, 0x27,
                        0x28, 0x29, 0x0B, 0x2D, 0x04, 0x1D,
                        0x01, // one group: two members at positions 1 and 0 (0 holds no mailbox)
                        0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, //
                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,       //
                        0x01, 0x02, 0x00, 0x03, 0x04, 0x00, 0xFF, 0xFE}; // calls per line
    s.insert(s.end(), tail.begin(), tail.end());
    return s;
}

TEST(MailboxLayout, RecordAndSectionAsTheUnitSendsThem) {
    MailboxSection section;
    std::string error;
    ASSERT_TRUE(ParseMailboxSection(HandSection(), section, error)) << error;
    EXPECT_EQ(section.clock, (ClockBytes{30, 23, 7, 31, 12, 24}));

    FixedClock clock(0);
    CQelDoc doc(clock);
    ApplyMailboxSection(section, doc);
    ASSERT_EQ(doc.mboxCount, 1);
    // clang-format off
    const MboxRecord expected{.number = "123", .type = 1, .password = "8642", .phone = "9p$",
        .localNotify = 2, .allowed = 1, .phoneEnabled = 0, .timeStamp = 1, .dnd = 1, .aux1 = 1,
        .aux2 = 0, .slot = 1, .aux3 = -1, .language = 1, .pager = "X*#QA", .pagerEnabled = 1,
        .announcer = 1};
    // clang-format on
    EXPECT_EQ(doc.mailboxes[0], expected);
    EXPECT_EQ(doc.groups[0].memberCount, 1);
    EXPECT_EQ(doc.groups[0].members[0], 123);
    EXPECT_EQ(doc.callsPerLine, (std::array<std::int32_t, 4>{0x0102, 0x0003, 0x0400, 0xFFFE}));
    ASSERT_EQ(doc.msgCount, 2);
    EXPECT_EQ(doc.msgData[1][3], 0x02);
    EXPECT_EQ(doc.msgData[1][4], 0x94);
    EXPECT_EQ(doc.msgData[0][13], 0x1C);
    EXPECT_EQ(doc.msgMboxData[0][0], 0x03);
    EXPECT_EQ(doc.msgMboxData[0][124], 0x82);
    EXPECT_EQ(doc.msgMboxData[0][232], 0xFF);
}

TEST(MailboxLayout, StreamColumnByColumn) {
    FixedClock clock(0);
    CQelDoc doc(clock);
    // clang-format off
    const MboxRecord a{.number = "407", .type = 1, .password = "2958", .phone = "12P$",
        .localNotify = 3, .allowed = 1, .phoneEnabled = 1, .timeStamp = 0, .dnd = 1,
        .language = 1, .pager = "X#", .pagerEnabled = 0, .announcer = 1};
    const MboxRecord b{.number = "316", .type = 0, .password = "1357", .phone = "",
        .localNotify = 1, .allowed = 0, .phoneEnabled = 0, .timeStamp = 1, .dnd = 0,
        .language = 2, .pager = "9Q", .pagerEnabled = 1, .announcer = 0};
    // clang-format on
    StagingSlots slots;
    slots[0] = EncodeMailboxSlot(a, 3, nullptr);
    slots[2] = EncodeMailboxSlot(b, 3, nullptr);
    doc.groups[0].memberCount = 3;
    doc.groups[0].members = {316, 407, 555};
    doc.groups[2].memberCount = 1;
    doc.groups[2].members = {407};
    doc.groups[4].memberCount = 1;
    doc.groups[4].members = {316};
    doc.callsPerLine = {0x0102, 0x0304, 0, 0xFFFF};

    // Slot 1 is free.
    Bytes expected = {0x03, 0xD8, 0x00, 0x20, // attributes
                      0x00, 0xFF, 0xFF,       // dnd
                      0xC4, 0x00, 0x11,       // notification
                      0x02, 0xFF, 0x01, 0x09, 0xFF, 0x03, 0x05, 0xFF, 0x05, 0x08, 0xFF, 0x07,
                      0x04, 0xFF, 0x03, 0x00, 0xFF, 0x01, 0x07, 0xFF, 0x06, 0xFF, 0xFF, 0xFF,
                      0x04, 0xFF, 0x03, 0x00, 0xFF, 0x01, 0x07, 0xFF, 0x06, 0xFF, 0xFF, 0xFF,
                      0x04, 0x00, 0x00, // phone lengths
                      0x01, 0xFF, 0xFF, 0x02, 0xFF, 0xFF, 0x31, 0xFF, 0xFF, 0x34, 0xFF, 0xFF};
    expected.insert(expected.end(), 16 * 3, 0xFF); // phone columns 5-20
    const Bytes pager = {0x02, 0x00, 0x02,         // pager lengths
                         0x30, 0xFF, 0x09, 0x0C, 0xFF, 0x36};
    expected.insert(expected.end(), pager.begin(), pager.end());
    expected.insert(expected.end(), 38 * 3, 0xFF); // pager columns 3-40
    const Bytes groups[] = {{0x03, 0x03, 0x01, 0x00}, {0x00}, {0x01, 0x01}, {0x00}};
    for (const Bytes& g : groups) {
        expected.insert(expected.end(), g.begin(), g.end());
        expected.insert(expected.end(), 21 - g.size(), 0x00);
    }
    const Bytes calls = {0x01, 0x02, 0x03, 0x04, 0x00, 0x00, 0xFF, 0xFF};
    expected.insert(expected.end(), calls.begin(), calls.end());

    const Bytes stream = BuildMailboxStream(doc, slots, 3);
    ASSERT_EQ(stream.size(), expected.size());
    for (std::size_t i = 0; i < stream.size(); ++i)
        EXPECT_EQ(int{stream[i]}, int{expected[i]}) << "stream byte " << i;
}

} // namespace
