#include "document/PageOps.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace kiv {
namespace {

TEST(PageOps, NumbersAndIndexesBothWays) {
    // Written out: index i is page kNumbers[i].
    constexpr std::array<int, 39> kNumbers{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                           13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                                           26, 31, 32, 33, 34, 35, 36, 41, 42, 43, 44, 45, 46};
    for (int i = 0; i < 39; ++i) {
        EXPECT_EQ(PageNumber(i), kNumbers[static_cast<std::size_t>(i)]) << "index " << i;
        EXPECT_EQ(PageIndex(kNumbers[static_cast<std::size_t>(i)]), i);
    }
    for (int n : {-1, 27, 28, 29, 30, 37, 40, 47, 50, 99}) {
        EXPECT_EQ(PageIndex(n), -1) << n;
        EXPECT_FALSE(IsPageNumber(n)) << n;
    }
    EXPECT_EQ(PageNumber(-1), -1);
    EXPECT_EQ(PageNumber(39), -1);

    EXPECT_EQ(PageIndexOfText("31"), 27);
    EXPECT_EQ(PageIndexOfText("00"), 0);
    EXPECT_EQ(PageIndexOfText("41"), 33);
    EXPECT_EQ(PageIndexOfText("30"), -1);
    EXPECT_EQ(PageIndexOfText("28"), -1);
    EXPECT_EQ(PageIndexOfText("5"), -1) << "one character";
    EXPECT_EQ(PageIndexOfText("005"), -1);
    EXPECT_EQ(PageIndexOfText("4a"), -1);
}

TEST(PageOps, SpecialPages) {
    EXPECT_FALSE(IsSpecialPage(20));
    EXPECT_TRUE(IsSpecialPage(21));
    EXPECT_TRUE(IsSpecialPage(38));
    EXPECT_FALSE(IsSpecialPage(39));
    EXPECT_TRUE(IsBusyPage(21));             // 21
    EXPECT_TRUE(IsBusyPage(PageIndex(32)));  // second language, no mailbox
    EXPECT_FALSE(IsBusyPage(PageIndex(43))); // no answer
    EXPECT_FALSE(IsBusyPage(1));
    EXPECT_EQ(SpecialSituation(PageIndex(46)), 6);
    EXPECT_EQ(SpecialSituation(5), 0);

    EXPECT_EQ(SpecialPageDescription(PageIndex(21)), "Occupato con Casella - Prima Lingua");
    EXPECT_EQ(SpecialPageDescription(PageIndex(32)), "Occupato senza Casella - Seconda Lingua");
    EXPECT_EQ(SpecialPageDescription(PageIndex(43)), "Mancata Risposta con Casella - Terza Lingua");
    EXPECT_EQ(SpecialPageDescription(PageIndex(24)),
              "Mancata Risposta senza Casella - Prima Lingua");
    EXPECT_EQ(SpecialPageDescription(PageIndex(35)), "Non Disturbare - Seconda Lingua");
    EXPECT_EQ(SpecialPageDescription(PageIndex(46)),
              "Men\xF9 Post-Registrazione Messaggi + Terza Lingua");
    EXPECT_EQ(SpecialPageDescription(20), "");

    std::array<std::string, kOrdinaryPages> texts{};
    texts[20] = "Benvenuto";
    EXPECT_EQ(PageDescription(texts, 20), "Benvenuto");
    EXPECT_EQ(PageDescription(texts, PageIndex(26)),
              "Men\xF9 Post-Registrazione Messaggi + Prima Lingua");
    EXPECT_EQ(PageDescription(texts, 39), "");
}

TEST(PageOps, OperationCodesAndLabels) {
    EXPECT_STREQ(PageOpLabel(0), "Non utilizzato");
    EXPECT_STREQ(PageOpLabel(kPageOpToMailbox), "Trasferta ad una Casella");
    EXPECT_STREQ(PageOpLabel(11), "Trasferta Senza Controllo all'Interno Occupato");
    EXPECT_STREQ(PageOpLabel(16), "Ritornare al Men\xF9 Principale");
    EXPECT_STREQ(PageOpLabel(18), "Compone una Stringa");
    EXPECT_STREQ(PageOpLabel(19), "");
    EXPECT_STREQ(PageOpLabel(-1), "");
    EXPECT_EQ(kPageOpToMailbox, 7);
    EXPECT_EQ(kPageOpDialString, 18);

    EXPECT_STREQ(InBandOpLabel(0), "Operatore Automatico");
    EXPECT_STREQ(InBandOpLabel(5), "Vai al Men\xF9 Occupato");
    EXPECT_STREQ(InBandOpLabel(kInBandOpToMailbox), "Trasferta ad una Casella");
    EXPECT_STREQ(InBandOpLabel(12), "Registrazione Chiamata");
    EXPECT_STREQ(InBandOpLabel(15), "Disconnessione");
    EXPECT_STREQ(InBandOpLabel(16), "");
    EXPECT_EQ(kInBandOpToMailbox, 9);
    EXPECT_EQ(kInBandOpToExtension, 8);

    // Language switches: the same codes 2-4 in both lists, none elsewhere.
    EXPECT_EQ(PageOpLanguage(1), -1);
    EXPECT_EQ(PageOpLanguage(2), 0);
    EXPECT_EQ(PageOpLanguage(4), 2);
    EXPECT_EQ(PageOpLanguage(5), -1);
    EXPECT_EQ(InBandOpLanguage(3), 1);
    EXPECT_EQ(InBandOpLanguage(13), -1);
    EXPECT_TRUE(IsPageOpToPage(1));
    EXPECT_TRUE(IsPageOpToPage(4));
    EXPECT_FALSE(IsPageOpToPage(5));
    EXPECT_FALSE(IsInBandOpToPage(0));
    EXPECT_TRUE(IsInBandOpToPage(4));
}

} // namespace
} // namespace kiv
