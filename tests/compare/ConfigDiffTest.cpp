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
    b->breaks[2][1].end = 13 * 60 + 5;   // Ora, Data e Orario Settimanale
    b->pages[5][3].op = kPageOpGoToPage; // Gestione Pagine
    b->pages[5][3].target = {7, 0, 0, 0};
    b->pages[5][3].targetInfo = 1;
    b->inBand[4].operation = kInBandOpToOperator; // Protocollo In-Band DTMF
    b->inBand[4].code = {'1', '2', '#'};
    b->inBand[4].codeLength = 3;

    const std::string expected =
        "Parametri PBX | Interno Fax: \"\" -> 205\n"
        "Parametri Sistema | Tempo Massimo di Registrazione: 2 -> 4\n"
        "Lista Caselle | Casella 102 Autorizzata: No -> Si\n"
        "Lista Caselle | Casella 102 Telefono: \"\" -> 0123\n"
        "Gruppo Caselle | Gruppo 3: \"\" -> 101 102\n"
        "Parametri Notifica Interna e Esterna | Durata Notifica Squillo: Breve -> Lungo\n"
        "Ora, Data e Orario Settimanale | Auto Pausa Mercoled\xEC Pausa 2 A: 00:00 -> 13:05\n"
        "Gestione Pagine | Pagina 05 Tasto 3 Operazione: Non utilizzato -> Vai a Pagina\n"
        "Gestione Pagine | Pagina 05 Tasto 3 Destinazione: \"\" -> 07\n"
        "Protocollo In-Band DTMF | Evento 5 Operazione: \"\" -> Trasferta all'Operatore\n"
        "Protocollo In-Band DTMF | Evento 5 Codice: \"\" -> 12#\n";
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

} // namespace
} // namespace kiv
