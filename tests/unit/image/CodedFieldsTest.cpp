// The table of coded texts and the check a send and an import run over it.

#include "unit/image/CodedFields.h"

#include "document/DocCommands.h"
#include "unit/image/ParamImage.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace kiv;

namespace {

struct Found {
    std::string member, caption;
    bool operator==(const Found&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Found& f) {
    return os << f.member << " / " << f.caption;
}

Found Check(const CQelDoc& doc) {
    const auto bad = FindUncodableText(doc);
    return bad ? Found{bad->member, bad->Caption()} : Found{"none", ""};
}

template <std::size_t N> void Put(std::array<std::uint8_t, N>& bytes, const char* text) {
    bytes.fill(0);
    std::memcpy(bytes.data(), text, std::strlen(text));
}

class CodedFieldsTest : public ::testing::Test {
  protected:
    void SetUp() override { NewConfiguration(doc, 0); }
    FixedClock clock{1700000000};
    CQelDoc doc{clock};
};

} // namespace

TEST_F(CodedFieldsTest, FreshConfigurationsOfEveryTypeCanBeSent) {
    for (int type = 0; type < 4; ++type) {
        NewConfiguration(doc, type);
        doc.mboxCount = 2; // the reset's blank numbers stand for no number
        doc.mailboxes[0].number = "101";
        doc.mailboxes[1].number = "102";
        EXPECT_EQ(Check(doc), (Found{"none", ""})) << type;
    }
}

TEST_F(CodedFieldsTest, EachKindOfTextIsNamedWithItsPlace) {
    struct Case {
        const char* name;
        void (*set)(CQelDoc&);
        Found expected;
    };
    const Case cases[] = {
        {"five codes in a four-code field",
         [](CQelDoc& d) { d.lineSeizeCode = "12345"; },
         {"lineSeizeCode", "Codice Impegno Linea Esterna"}},
        {"a dial string with $",
         [](CQelDoc& d) { d.dialStrings[3] = "12$"; },
         {"dialStrings[3]", "Stringa da comporre (N. 3)"}},
        {"41 codes in a lamp code",
         [](CQelDoc& d) { d.led2Code = std::string(41, '1'); },
         {"led2Code", "Codice Led Messaggio 2"}},
        {"a signal of five codes",
         [](CQelDoc& d) { d.busySignal = "I0712#"; },
         {"busySignal", "Segnale di Occupato"}},
        {"an I without its two digits",
         [](CQelDoc& d) { d.disconnectCode = "I7"; },
         {"disconnectCode", "Codice Disconnessione"}},
        {"an in-band code with X",
         [](CQelDoc& d) {
             Put(d.inBand[5].code, "1X");
             d.inBand[5].codeLength = 2;
         },
         {"inBand[5].code", "CODICE Ricevuto dal PBX (Evento 5)"}},
        {"an in-band extension with $",
         [](CQelDoc& d) {
             Put(d.inBand[7].code, "12");
             d.inBand[7].codeLength = 2;
             d.inBand[7].operation = 8;
             Put(d.inBand[7].target, "2$");
             d.inBand[7].targetLength = 2;
         },
         {"inBand[7].target", "Destinazione (Evento 7)"}},
        {"a key's extension with a blank",
         [](CQelDoc& d) {
             d.pages[27][10] = {6, {'1', ' ', '2', 0}, 3};
         },
         {"pages[27][10].target", "Destinazione (Pagina 31, Timeout)"}},
        {"a key's extension with $",
         [](CQelDoc& d) {
             d.pages[2][4] = {6, {'1', '$', 0, 0}, 2};
         },
         {"pages[2][4].target", "Destinazione (Pagina 02, Tasto 4)"}},
        {"a telephone number with &",
         [](CQelDoc& d) {
             d.mboxCount = 2;
             d.mailboxes[1].number = "205";
             d.mailboxes[1].phone = "12&";
         },
         {"mailboxes[1].phone", "Telefono (Casella 205)"}},
        {"a pager number of 41 codes",
         [](CQelDoc& d) {
             d.mboxCount = 1;
             d.mailboxes[0].number = "300";
             d.mailboxes[0].pager = std::string(41, '$');
         },
         {"mailboxes[0].pager", "Pager (Casella 300)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewConfiguration(doc, 0);
        c.set(doc);
        EXPECT_EQ(Check(doc), c.expected);
    }
}

TEST_F(CodedFieldsTest, TextsTheSendDoesNotWriteAreNotLookedAt) {
    // Full fields that fit: 4 signal codes from five characters, 40 dial codes, 20 pager codes.
    doc.answerSignal = "I07#1";
    doc.transferCode = std::string(40, '&');
    doc.dialStrings[19] = std::string(20, '@');
    // A key or an in-band entry whose operation takes no extension, an in-band entry without
    // a code, a mailbox past the count: their bytes are not sent as codes.
    doc.pages[0][1] = {7, {200, '$', '$', '$'}, 4};
    doc.inBand[0].operation = 8;
    Put(doc.inBand[0].target, "$$");
    doc.inBand[0].targetLength = 2;
    Put(doc.inBand[1].code, "12");
    doc.inBand[1].codeLength = 2;
    doc.inBand[1].operation = 9;
    Put(doc.inBand[1].target, "\xC8$");
    doc.mboxCount = 1;
    doc.mailboxes[0].number = "101";
    doc.mailboxes[0].phone = "  ";
    doc.mailboxes[1].phone = "&&";
    EXPECT_EQ(Check(doc), (Found{"none", ""}));
}

// The table's code sets and sizes are those of the image: a text of the most codes a field
// holds is written, one more code and the image codec writes the field empty.
TEST_F(CodedFieldsTest, SizesAgreeWithTheImage) {
    std::vector<std::uint8_t> img(20000, 0x5A);
    const ParamImageContext context{30, 4, false};
    struct Field {
        const char* member;
        std::string* text;
        char fill;
    };
    const Field fields[] = {
        {"led1Code", &doc.led1Code, '@'},
        {"led2Code", &doc.led2Code, '!'},
        {"ledOffCode", &doc.ledOffCode, 'Q'},
        {"lineSeizeCode", &doc.lineSeizeCode, 'p'},
        {"transferCode", &doc.transferCode, '&'},
        {"recallOnBusy", &doc.recallOnBusy, 'X'},
        {"recallOnNoAnswer", &doc.recallOnNoAnswer, '#'},
        {"answerSignal", &doc.answerSignal, 'J'},
        {"busySignal", &doc.busySignal, 'S'},
        {"dndSignal", &doc.dndSignal, 'T'},
        {"disconnectCode", &doc.disconnectCode, '*'},
    };
    for (const Field& f : fields) {
        SCOPED_TRACE(f.member);
        const CodedField* row = FindCodedField(f.member);
        ASSERT_NE(row, nullptr);
        NewConfiguration(doc, 0);
        *f.text = std::string(static_cast<std::size_t>(row->maxCodes), f.fill);
        std::vector<std::string> uncoded;
        ASSERT_TRUE(EncodeParamImage(doc, context, img, &uncoded));
        EXPECT_TRUE(uncoded.empty());
        EXPECT_FALSE(FindUncodableText(doc));

        f.text->push_back(f.fill);
        uncoded.clear();
        ASSERT_TRUE(EncodeParamImage(doc, context, img, &uncoded));
        EXPECT_EQ(uncoded, std::vector<std::string>{f.member});
        ASSERT_TRUE(FindUncodableText(doc));
        EXPECT_EQ(FindUncodableText(doc)->member, f.member);
    }
    // The dial strings: 20 codes of the dial set; "$" is the number set's.
    const CodedField* strings = FindCodedField("dialStrings[]");
    ASSERT_NE(strings, nullptr);
    EXPECT_EQ(strings->maxCodes, 20);
    EXPECT_EQ(strings->kind, CodeKind::Dial);
    EXPECT_TRUE(CanCode(*strings, std::string(20, '9')));
    EXPECT_FALSE(CanCode(*strings, std::string(21, '9')));
    EXPECT_FALSE(CanCode(*strings, "$"));
    const CodedField* pager = FindCodedField("mailboxes[].pager");
    ASSERT_NE(pager, nullptr);
    EXPECT_TRUE(CanCode(*pager, "$"));
    EXPECT_TRUE(CanCode(*pager, " "));
    EXPECT_FALSE(CanCode(*pager, "&"));
}
