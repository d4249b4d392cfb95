#include "editors/MboxCsv.h"

#include "document/Clock.h"
#include "document/DocCommands.h"
#include "document/PageOps.h"
#include "document/QelDoc.h"
#include "document/QelFile.h"
#include "editors/MboxList.h"
#include "editors/Texts.h"
#include "support/CorpusFiles.h"

#include <gtest/gtest.h>

#include <memory>

extern "C" int FuzzMboxCsvOne(const uint8_t* data, size_t size);

namespace kiv::editors {
namespace {

const char* const kHeader = "number,type,attendant,password,internal_notification,authorised,"
                            "phone,phone_enabled,pager,pager_enabled,do_not_disturb,date_time,"
                            "language\r\n";

struct MboxCsvTest : ::testing::Test {
    FixedClock clock{1796637600};
    std::unique_ptr<CQelDoc> doc = std::make_unique<CQelDoc>(clock);

    void SetUp() override { NewConfiguration(*doc, 0); }

    // `count` mailboxes numbered 100, 101 ... with a spread of field values.
    void Fill(int count) {
        doc->extDigits = 3;
        doc->mboxCount = count;
        for (int i = 0; i < count; ++i) {
            MboxRecord r = NewMboxTemplate();
            r.number = std::to_string(100 + i);
            r.slot = static_cast<std::uint8_t>((i * 7) % count);
            r.type = i % 5 == 0 ? 1 : 0;
            r.dnd = r.type == 1 || i % 3 == 0;
            r.localNotify = r.type == 1 ? 0 : i % 5;
            r.announcer = i % 2;
            r.password = i % 4 == 0 ? "1234" : kDefaultMboxPassword;
            r.allowed = i % 7 != 0;
            // The editor's rules hold: numbers only when authorised, and set when enabled.
            r.phone = i % 6 == 0 || !r.allowed ? " " : "0" + std::to_string(i) + "P*";
            r.phoneEnabled = r.phone != " " && i % 2 == 0;
            r.pager = r.allowed ? "$" + std::to_string(i) : "";
            r.pagerEnabled = r.allowed && i % 3 == 0;
            r.timeStamp = i % 4 != 1;
            r.language = i % 3;
            r.aux1 = i;
            r.aux2 = 2 * i;
            r.aux3 = i - 1;
            doc->mailboxes[static_cast<std::size_t>(i)] = r;
        }
    }
    std::string Store() {
        StoreOptions o;
        o.advanceClock = false;
        return StoreConfiguration(*doc, o);
    }
};

TEST(CsvReaderTest, QuotesCommasLineBreaksAccentsBomAndSemicolonsSurvive) {
    // Written by hand: a quoted comma, a doubled quote, a line break inside
    // quotes, an accented name (UTF-8), an empty field, CRLF and LF endings.
    const std::string text = "\xEF\xBB\xBF"
                             "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
                             "\r\n"
                             "\"two\nlines\",Citt\xC3\xA0,\n"
                             "last,x,y";
    const CsvReadResult r = ReadCsv(text);
    ASSERT_EQ(r.errorLine, 0);
    ASSERT_EQ(r.records.size(), 3u);
    EXPECT_EQ(r.records[0].fields, (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(r.records[0].line, 1);
    EXPECT_EQ(r.records[1].fields, (std::vector<std::string>{"two\nlines", "Citt\xC3\xA0", ""}));
    EXPECT_EQ(r.records[1].line, 3);
    EXPECT_EQ(r.records[2].line, 5);

    // The semicolon variant, with commas as plain text.
    const CsvReadResult s = ReadCsv("n;\"x;y\";1,5\r\n");
    ASSERT_EQ(s.records.size(), 1u);
    EXPECT_EQ(s.records[0].fields, (std::vector<std::string>{"n", "x;y", "1,5"}));

    // Faults name the line they sit on.
    EXPECT_EQ(ReadCsv("a,b\n\"open,c\n").errorLine, 2);
    EXPECT_EQ(ReadCsv("a,b\nc,\"d\"e\n").errorLine, 2);
    EXPECT_EQ(ReadCsv("a,b\nc,d\"e\n").errorLine, 2);

    // The writer quotes what needs it, and the reader gives it back.
    const std::vector<std::string> fields{"plain", "a,b",  "semi;colon",
                                          "q\"q",  " pad", "Citt\xC3\xA0"};
    const std::string line = WriteCsvRecord(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"semi;colon\",\"q\"\"q\",\" pad\",Citt\xC3\xA0\r\n");
    EXPECT_EQ(ReadCsv(line).records.at(0).fields, fields);
}

TEST_F(MboxCsvTest, ExportWritesTheListsDisplayForm) {
    Fill(2);
    const std::string csv = ExportMboxCsv({doc->mailboxes.data(), 2});
    // Mailbox 100: virtual, hidden password, blank phone shown empty; 101: real.
    // Numbers are written as formulas giving text, so a spreadsheet keeps the "0".
    EXPECT_EQ(csv, std::string(kHeader) +
                       "100,1,0,****,0,0,,0,,0,1,1,0\r\n"
                       "101,0,1,6071,1,1,\"=\"\"01P*\"\"\",0,\"=\"\"$1\"\"\",0,0,0,1\r\n");
}

TEST_F(MboxCsvTest, HundredTwentyEightMailboxesRoundTripToTheSameFile) {
    Fill(128);
    // A key and an in-band entry route to mailbox 105 by its slot.
    doc->pages[2][3].op = kPageOpToMailbox;
    doc->pages[2][3].target[0] = doc->mailboxes[5].slot;
    const std::string before = Store();
    const std::string csv = ExportMboxCsv({doc->mailboxes.data(), 128});

    CMboxList list(*doc);
    const MboxCsvImport result = ImportMboxCsv(list, csv);
    ASSERT_TRUE(result.Ok()) << CsvErrorText(result.errors);
    EXPECT_EQ(result.replaced, 128);
    EXPECT_EQ(result.added, 0);
    EXPECT_FALSE(result.changed);
    list.ApplyTo(*doc);
    EXPECT_EQ(Store(), before);

    // A changed row replaces its mailbox in place: slot, hidden fields and the
    // key that routes to it stay.
    std::string edited = csv;
    const std::string row105 = "105,1,1,6071,0,1,\"=\"\"05P*\"\"\",0,\"=\"\"$5\"\"\",0,1,0,2\r\n";
    ASSERT_NE(edited.find(row105), std::string::npos);
    edited.replace(edited.find(row105), row105.size(), "105,0,1,6071,2,1,777,1,$5,0,1,1,2\r\n");
    ASSERT_TRUE(ImportMboxCsv(list, edited).changed);
    list.ApplyTo(*doc);
    const MboxRecord& m = doc->mailboxes[5];
    EXPECT_EQ(m.number, "105");
    EXPECT_EQ(m.type, 0);
    EXPECT_EQ(m.localNotify, 2);
    EXPECT_EQ(m.phone, "777");
    EXPECT_EQ(m.phoneEnabled, 1);
    EXPECT_EQ(m.slot, 35);
    EXPECT_EQ(m.aux1, 5);
    EXPECT_EQ(m.aux3, 4);
    EXPECT_EQ(doc->pages[2][3].target[0], 35);
    EXPECT_EQ(doc->mboxCount, 128);
}

TEST_F(MboxCsvTest, NewNumbersAreAddedAsTheAddButtonAddsThem) {
    Fill(2);
    CMboxList list(*doc);
    const auto result = ImportMboxCsv(
        list, std::string("\xEF\xBB\xBF") +
                  "number;type;attendant;password;internal_notification;authorised;phone;"
                  "phone_enabled;pager;pager_enabled;do_not_disturb;date_time;language\r\n"
                  "099;0;0;6071;0;0;;0;;0;0;1;0\r\n"
                  "150;0;1;****;3;1;\"12,3\";0;;0;0;1;2\r\n");
    ASSERT_EQ(result.errors.size(), 2u);
    // 099 is not a valid number for three digits; a comma is no telephone digit.
    EXPECT_EQ(CsvErrorText(result.errors),
              "Riga 2, colonna number: Numero Casella inserito non valido: \"099\" (3 cifre)\n"
              "Riga 3, colonna phone: valore \"12,3\": il carattere \",\" non \xE8 ammesso "
              "(ammessi 1234567890PpAaBbCcDd*#Qq)");

    // A number written as a spreadsheet formula reads as its text.
    const auto good = ImportMboxCsv(list, std::string(kHeader) +
                                              "150,0,1,****,3,1,\"=\"\"123\"\"\",1,,0,0,1,2\r\n");
    ASSERT_TRUE(good.Ok()) << CsvErrorText(good.errors);
    EXPECT_EQ(good.added, 1);
    ASSERT_EQ(list.Count(), 3);
    const MboxRecord& r = list.Record(2);
    EXPECT_EQ(r.number, "150");
    EXPECT_EQ(r.password, kDefaultMboxPassword);
    EXPECT_EQ(r.phone, "123");
    EXPECT_EQ(r.localNotify, 3);
    EXPECT_EQ(r.language, 2);
    // The lowest free slot, hidden fields as a new mailbox has them.
    EXPECT_EQ(r.slot, 2);
    EXPECT_EQ(r.aux1, 0);
    EXPECT_EQ(r.aux3, -1);
}

TEST_F(MboxCsvTest, ThreeBadRowsAreAllNamedAndNothingChanges) {
    Fill(3);
    CMboxList list(*doc);
    const CMboxList before = list;
    const std::string csv = std::string(kHeader) +
                            "100,1,0,****,2,0,,0,,0,1,1,0\r\n"     // line 2: virtual, notified
                            "101,0,0,6071,0,0,,0,,0,0,1,0\r\n"     // good
                            "102,0,0,6071,0,1,,1,,0,0,1,0\r\n"     // line 4: enabled, no number
                            "200,0,0,6071,0,1,,0,,0,0,1,0\r\n"     // good, would be added
                            "\"103\",0,0,6071,0,0,,0,,0,0,1,0\r\n" // good (quoted number)
                            "101,0,0,6071,0,0,,0,,0,0,1,0\r\n";    // line 7: repeated
    const MboxCsvImport result = ImportMboxCsv(list, csv);
    EXPECT_EQ(CsvErrorText(result.errors),
              std::string("Riga 2, colonna internal_notification: ") +
                  texts::kVirtualNoLocalNotify +
                  "\nRiga 4, colonna phone_enabled: " + texts::kNumberRequired +
                  "\nRiga 7, colonna number: Casella Vocale esistente: il numero 101 \xE8 gi\xE0 "
                  "alla riga 3");
    EXPECT_FALSE(result.changed);
    ASSERT_EQ(list.Count(), before.Count());
    EXPECT_EQ(list.mailboxes, before.mailboxes);
}

TEST_F(MboxCsvTest, StructuralFaultsAreRefused) {
    Fill(1);
    CMboxList list(*doc);
    const auto missing = ImportMboxCsv(list, "number,type\r\n100,0\r\n");
    ASSERT_EQ(missing.errors.size(), 1u);
    EXPECT_EQ(missing.errors[0].message, std::string(texts::kCsvMissingColumn) + "attendant");
    const auto unknown = ImportMboxCsv(list, "number,colour\r\n");
    ASSERT_EQ(unknown.errors.size(), 1u);
    EXPECT_EQ(unknown.errors[0].message, std::string(texts::kCsvUnknownColumn) + "colour");
    const auto shortRow = ImportMboxCsv(list, std::string(kHeader) + "100,0,0\r\n");
    EXPECT_EQ(CsvErrorText(shortRow.errors), "Riga 2: Numero di colonne errato: 3 invece di 13");
    EXPECT_EQ(list.Record(0), doc->mailboxes[0]);
}

TEST_F(MboxCsvTest, EveryRefusalNamesItsLineItsColumnAndWhatIsWrong) {
    Fill(1); // mailbox 100
    CMboxList list(*doc);
    const std::string csv =
        std::string(kHeader) +
        "201,2,0,6071,0,0,,0,,0,0,1,0\r\n"                      // 2 type
        "202,0,x,6071,0,0,,0,,0,0,1,0\r\n"                      // 3 attendant
        "203,0,0,9999,0,0,,0,,0,0,1,0\r\n"                      // 4 password (not echoed)
        "204,0,0,6071,5,0,,0,,0,0,1,0\r\n"                      // 5 internal_notification
        "205,0,0,6071,0,1,,0,,0,0,1,3\r\n"                      // 6 language
        "206,1,0,6071,0,0,,0,,0,0,1,0\r\n"                      // 7 virtual without dnd
        "207,0,0,6071,0,0,123,0,,0,0,1,0\r\n"                   // 8 phone, not authorised
        "208,0,0,6071,0,1,123456789012345678901,0,,0,0,1,0\r\n" // 9 phone too long
        "209,0,0,6071,0,1,,0,12!,0,0,1,0\r\n"                   // 10 pager character
        "210,0,0,6071,0,1,,0,,1,0,1,0\r\n"                      // 11 pager enabled, empty
        "211,0,0,6071,0,1,,0,\xE2\x82,0,0,1,0\r\n"              // 12 pager not UTF-8
        "212,0,0,6071,0,0,,0,,0,0,,0\r\n"                       // 13 date_time empty
        "100,0,0,6071,0,0,,0,,0,0,1,0\r\n";                     // good: replaces 100
    const MboxCsvImport result = ImportMboxCsv(list, csv);
    EXPECT_EQ(
        CsvErrorText(result.errors),
        std::string("Riga 2, colonna type: valore \"2\" non ammesso: si scrive un numero da 0 a 1\n"
                    "Riga 3, colonna attendant: valore \"x\" non ammesso: si scrive un numero da 0 "
                    "a 1\n"
                    "Riga 4, colonna password: ") +
            texts::kCsvPassword +
            "\nRiga 5, colonna internal_notification: valore \"5\" non ammesso: si scrive "
            "un numero da 0 a 4\n"
            "Riga 6, colonna language: valore \"3\" non ammesso: si scrive un numero da 0 a "
            "2\n"
            "Riga 7, colonna do_not_disturb: " +
            texts::kVirtualMustBeDnd +
            "\nRiga 8, colonna phone: valore \"123\": un numero \xE8 ammesso solo per una "
            "casella autorizzata (authorised 1)\n"
            "Riga 9, colonna phone: valore \"123456789012345678901\" troppo lungo: al "
            "massimo 20 caratteri\n"
            "Riga 10, colonna pager: valore \"12!\": il carattere \"!\" non \xE8 ammesso "
            "(ammessi 1234567890PpXxAaBbCcDd*#$Qq)\n"
            "Riga 11, colonna pager_enabled: " +
            texts::kNumberRequired + "\nRiga 12, colonna pager: " + texts::kCsvBadCharacters +
            "\nRiga 13, colonna date_time: valore \"\" non ammesso: si scrive un numero da "
            "0 a 1");
    EXPECT_EQ(CsvErrorText(result.errors).find("9999"), std::string::npos);
    EXPECT_EQ(list.Record(0), doc->mailboxes[0]);
}

TEST_F(MboxCsvTest, MoreRowsThanTheProductHoldsAreRefusedWithItsLimit) {
    Fill(0);
    CMboxList list(*doc);
    std::string csv = kHeader;
    for (int i = 0; i < 130; ++i)
        csv += std::to_string(100 + i) + ",0,0,6071,0,0,,0,,0,0,1,0\r\n";
    const MboxCsvImport result = ImportMboxCsv(list, csv);
    ASSERT_EQ(result.errors.size(), 2u);
    EXPECT_EQ(result.errors[0].line, 130);
    EXPECT_EQ(result.errors[0].message, "Non si possono definire piu' di 128 Caselle Vocali");
    EXPECT_EQ(result.errors[1].line, 131);
    EXPECT_EQ(list.Count(), 0);
}

// The fuzz target's checks over its corpus, and every prefix of each file.
TEST(CsvReaderTest, FuzzCorpusReplays) {
    EXPECT_GE(kiv::test::ReplayCorpus("csv_corpus", FuzzMboxCsvOne, true), 3);
}

} // namespace
} // namespace kiv::editors
