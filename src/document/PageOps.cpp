#include "document/PageOps.h"

#include "document/ValueNames.h"

namespace kiv {

namespace {

constexpr int kFirstSpecialIndex = 21;
constexpr int kSpecialPagesPerLanguage = 6;

// The special pages' situations; the post-recording menu joins its language
// with "+", the others with "-".
constexpr const char* kSituations[kSpecialPagesPerLanguage] = {
    "Occupato con Casella",
    "Occupato senza Casella",
    "Mancata Risposta con Casella",
    "Mancata Risposta senza Casella",
    "Non Disturbare",
    "Men\xF9 Post-Registrazione Messaggi",
};

template <std::size_t N> const char* Label(const std::array<const char*, N>& labels, int op) {
    return op >= 0 && static_cast<std::size_t>(op) < N ? labels[static_cast<std::size_t>(op)] : "";
}

// Both operation lists begin alike: 1 goes to a page, 2-4 go to a page in the first, second or
// third language.
bool GoesToPage(int op) {
    return op >= 1 && op <= 4;
}
int SwitchedLanguage(int op) {
    return op >= 2 && op <= 4 ? op - 2 : -1;
}

} // namespace

int PageNumber(int index) {
    if (index < 0 || index >= kPageCount) return -1;
    if (index >= 33) return index + 8;
    if (index >= 27) return index + 4;
    return index;
}

int PageIndex(int number) {
    if (number >= 0 && number <= 26) return number;
    if (number >= 31 && number <= 36) return number - 4;
    if (number >= 41 && number <= 46) return number - 8;
    return -1;
}

bool IsPageNumber(int number) {
    return PageIndex(number) >= 0;
}

int PageIndexOfText(std::string_view text) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return -1;
    return PageIndex((text[0] - '0') * 10 + (text[1] - '0'));
}

bool IsSpecialPage(int index) {
    return index >= kFirstSpecialIndex && index < kPageCount;
}

int SpecialSituation(int index) {
    return IsSpecialPage(index) ? PageNumber(index) % 10 : 0;
}

bool IsBusyPage(int index) {
    const int situation = SpecialSituation(index);
    return situation == 1 || situation == 2;
}

std::string SpecialPageDescription(int index) {
    if (!IsSpecialPage(index)) return {};
    const int language = PageNumber(index) / 10 - 2;
    const int situation = SpecialSituation(index);
    const char* joint = situation == kSpecialPagesPerLanguage ? " + " : " - ";
    return std::string(kSituations[situation - 1]) + joint + names::kLanguageChoice[language];
}

std::string PageDescription(const std::array<std::string, kOrdinaryPages>& pageText, int index) {
    if (index >= 0 && index < kOrdinaryPages) return pageText[static_cast<std::size_t>(index)];
    return SpecialPageDescription(index);
}

// --- Page key operations -------------------------------------------------------------------------

const std::array<const char*, kPageOpCount> kPageOpLabels{
    "Non utilizzato",
    "Vai a Pagina",
    "Vai a Pagina + Prima Lingua",
    "Vai a Pagina + Seconda Lingua",
    "Vai a Pagina + Terza Lingua",
    "Elenco Nomi",
    "Trasferta ad un Interno",
    "Trasferta ad una Casella",
    "Selezione Diretta di un Interno",
    "Selezione Diretta di una Casella",
    "Riprova su Occupato",
    "Trasferta Senza Controllo all'Interno Occupato",
    "Lasciare un Messaggio",
    "Ascoltare i Messaggi",
    "Disconnessione",
    "Disconnessione + Messaggio",
    "Ritornare al Men\xF9 Principale",
    "Trasferta all'Operatore",
    "Compone una Stringa",
};

static_assert(kPageOpGoToPage == 1 && kPageOpGoToPageThirdLanguage == 4);
static_assert(kInBandOpGoToPage == 1 && kInBandOpGoToPageThirdLanguage == 4);

const char* PageOpLabel(int op) {
    return Label(kPageOpLabels, op);
}

bool IsPageOpToPage(int op) {
    return GoesToPage(op);
}

int PageOpLanguage(int op) {
    return SwitchedLanguage(op);
}

// --- In-band event operations --------------------------------------------------------------------

const std::array<const char*, kInBandOpCount> kInBandOpLabels{
    "Operatore Automatico",
    "Vai a Pagina",
    "Vai a Pagina + Prima Lingua",
    "Vai a Pagina + Seconda Lingua",
    "Vai a Pagina + Terza Lingua",
    "Vai al Men\xF9 Occupato",
    "Vai al Men\xF9 Mancata Risposta",
    "Vai al Men\xF9 Non Disturbare",
    "Trasferta ad un Interno",
    "Trasferta ad una Casella",
    "Trasferta all'Operatore",
    "Elenco Nomi",
    "Registrazione Chiamata",
    "Lasciare un Messaggio",
    "Ascoltare i Messaggi",
    "Disconnessione",
};

const char* InBandOpLabel(int op) {
    return Label(kInBandOpLabels, op);
}

bool IsInBandOpToPage(int op) {
    return GoesToPage(op);
}

int InBandOpLanguage(int op) {
    return SwitchedLanguage(op);
}

} // namespace kiv
