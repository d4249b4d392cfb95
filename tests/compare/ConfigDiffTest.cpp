#include "compare/ConfigDiff.h"

#include "document/Clock.h"
#include "document/DocCommands.h"
#include "document/PageOps.h"
#include "document/QelDoc.h"
#include "editors/MboxList.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv {
namespace {

struct ConfigDiffTest : ::testing::Test {
    FixedClock clock{1796637600};
    std::unique_ptr<CQelDoc> a = std::make_unique<CQelDoc>(clock);
    std::unique_ptr<CQelDoc> b = std::make_unique<CQelDoc>(clock);

    void SetUp() override {
        NewConfiguration(*a, 0);
        a->extDigits = 3;
        a->mboxCount = 2;
        for (int i = 0; i < 2; ++i) {
            MboxRecord r = editors::NewMboxTemplate();
            r.number = std::to_string(101 + i);
            r.slot = static_cast<std::uint8_t>(i);
            a->mailboxes[static_cast<std::size_t>(i)] = r;
        }
        a->workHours[0] = "08:00";
        a->workHours[7] = "17:30";
        *b = *a;
    }
    static std::string Lines(const std::vector<ConfigDifference>& diffs) {
        std::string out;
        for (const auto& d : diffs)
            out += DifferenceLine(d) + "\n";
        return out;
    }
};

TEST_F(ConfigDiffTest, EqualConfigurationsHaveNoDifference) {
    EXPECT_EQ(Lines(CompareConfigurations(*a, *b)), "");
    // The clock and what only the program keeps are not compared; a time written
    // without its leading zero is the same time.
    b->clockHour = 13;
    b->clockYear = 2031;
    b->title = "other.qel";
    b->workHours[0] = "8:00";
    b->supervisorMbox = "Nessuna";
    a->supervisorMbox = "None";
    a->workHours[3] = "";
    b->workHours[3] = "00:00";
    a->dialStrings[0] = "0P1a";
    b->dialStrings[0] = "0p1A";
    b->languageCode = {1, 2, 255};
    EXPECT_EQ(Lines(CompareConfigurations(*a, *b)), "");
}

TEST_F(ConfigDiffTest, OneFieldOfEverySheetGivesExactlyThoseDifferences) {
    b->faxExt = "205";              // Parametri PBX
    b->maxRecordTime = 4;           // Parametri Sistema
    b->mailboxes[1].phone = "0123"; // Lista Caselle: a mailbox's field
    b->mailboxes[1].allowed = 1;
    b->groups[2].memberCount = 2; // Gruppo Caselle
    b->groups[2].members = {101, 102};
    b->ringDuration = 1;                 // Notifica
    b->breaks[2][1].end = 13 * 60 + 5;   // Ora, Data e Orario Settimanale (second row: "Pausa 1")
    b->pages[5][3].op = kPageOpGoToPage; // Gestione Pagine
    b->pages[5][3].target = {7, 0, 0, 0};
    b->pages[5][3].targetInfo = 1;
    b->inBand[4].operation = kInBandOpToOperator; // Protocollo In-Band DTMF (the sheet's "4")
    b->inBand[4].code = {'1', '2', '#'};
    b->inBand[4].codeLength = 3;

    const std::string expected =
        "Parametri PBX | Interno Fax: \"\" -> 205\n"
        "Parametri Sistema | Tempo Massimo di Registrazione: 2 -> 4\n"
        "Lista Caselle | Casella 102 Autorizzata: No -> Si\n"
        "Lista Caselle | Casella 102 Telefono: \"\" -> 0123\n"
        "Gruppo Caselle | Gruppo 902: \"\" -> 101 102\n"
        "Parametri Notifica Interna e Esterna | Durata Notifica Squillo: Breve -> Lungo\n"
        "Ora, Data e Orario Settimanale | Auto Pausa Mercoled\xEC Pausa 1 A: 00:00 -> 13:05\n"
        "Gestione Pagine | Pagina 05 Tasto 3 Operazione: Non utilizzato -> Vai a Pagina\n"
        "Gestione Pagine | Pagina 05 Tasto 3 Destinazione: \"\" -> 07\n"
        "Protocollo In-Band DTMF | Evento 4 Operazione: \"\" -> Trasferta all'Operatore\n"
        "Protocollo In-Band DTMF | Evento 4 Codice: \"\" -> 12#\n";
    EXPECT_EQ(Lines(CompareConfigurations(*a, *b)), expected);
}

TEST_F(ConfigDiffTest, MailboxesAreMatchedByNumberAndHiddenPasswordsStillDiffer) {
    // The same mailboxes in another order and on other slots: no difference.
    std::swap(b->mailboxes[0], b->mailboxes[1]);
    b->mailboxes[0].slot = 7;
    EXPECT_EQ(Lines(CompareConfigurations(*a, *b)), "");

    a->mailboxes[0].password = "1111";
    b->mailboxes[1].password = "2222";
    b->mailboxes[2] = editors::NewMboxTemplate();
    b->mailboxes[2].number = "150";
    b->mboxCount = 3;
    const auto diffs = CompareConfigurations(*a, *b);
    ASSERT_GE(diffs.size(), 2u);
    EXPECT_EQ(DifferenceLine(diffs[0]),
              "Lista Caselle | Casella 101 Password Utente: **** -> ****");
    EXPECT_EQ(DifferenceLine(diffs[1]), "Lista Caselle | Casella 150: \"\" -> Si");
    // The added mailbox's fields follow its own line, with nothing on the first side.
    EXPECT_EQ(diffs[2].caption, "Casella 150 Tipo Casella");
    EXPECT_EQ(diffs[2].first, "");
    EXPECT_EQ(diffs[2].second, "Reale");
}

TEST_F(ConfigDiffTest, ProductTypeFirstAndAFileComparedWithAFileWhole) {
    // Another product type and nothing else: that alone is a difference, and
    // when more differs it comes before everything else.
    b->SetProductType(3);
    EXPECT_EQ(Lines(CompareConfigurations(*a, *b)),
              "Tipo Prodotto | Tipo Prodotto: RZ 128 Mbx -> RZ 2 Mbx\n");
    b->faxExt = "205";
    b->dialStrings[0] = "12";
    const auto both = CompareConfigurations(*a, *b, CompareScope::File);
    ASSERT_EQ(both.size(), 3u);
    EXPECT_EQ(DifferenceLine(both[0]), "Tipo Prodotto | Tipo Prodotto: RZ 128 Mbx -> RZ 2 Mbx");
    EXPECT_EQ(DifferenceLine(both[2]), "Gestione Pagine | Compone una Stringa 0: \"\" -> 12");

    // What only the file keeps differs file against file, not against the unit.
    *b = *a;
    a->unitPassword = "4711";
    b->unitPassword = "9999";
    b->pageText[3] = "Vendite";
    b->pageFile[3] = "vendite.pag";
    b->holidayCount = 1;
    a->holidayCount = 1;
    b->holidayText[0] = "Natale";
    a->languageCode = {1, 2, 255};
    b->languageCode = {1, 7, 255};
    a->groupFirstDigit = "8";
    b->groupFirstDigit = "7";
    b->groups[0].memberCount = 1;
    b->groups[0].members = {102};
    const std::string sendOnly = "Gruppo Caselle | Prima cifra del Gruppo: 8 -> 7\n"
                                 "Gruppo Caselle | Gruppo 800: \"\" -> 102\n";
    EXPECT_EQ(Lines(CompareConfigurations(*a, *b)), sendOnly);
    const std::string file = Lines(CompareConfigurations(*a, *b, CompareScope::File));
    EXPECT_EQ(file,
              "Parametri Sistema | Lingua 2: 2 -> 7\n"
              "Parametri Sistema | Password Unit\xE0: **** -> ****\n" +
                  sendOnly +
                  "Ora, Data e Orario Settimanale | Orario Festivit\xE0 1 Descrizione: \"\" -> "
                  "Natale\n"
                  "Gestione Pagine | Pagina 03 Descrizione: \"\" -> Vendite\n"
                  "Gestione Pagine | Registrazione Pagine Pagina 03: \"\" -> vendite.pag\n");
    // The password's digits never show.
    EXPECT_EQ(file.find("4711"), std::string::npos);
    EXPECT_EQ(file.find("9999"), std::string::npos);
}

} // namespace
} // namespace kiv
