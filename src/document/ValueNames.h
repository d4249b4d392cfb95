#pragma once
// The words that stand for the configuration's coded values, in code page
// 1252, index = stored value. Editors show them in their lists and buttons, the
// report prints them, the statistics name them; they belong to the model, so
// none of those needs another's headers to find them.

#include <cstddef>

namespace kiv::names {

// Switches of a mailbox record (allowed, phone, pager, DND, time stamp ...).
inline constexpr const char* kYesNo[2] = {"No", "Si"};

// Language index (a mailbox's language, the default language) as lists and
// the report show it, and as the editors' choices name it.
inline constexpr const char* kLanguage[3] = {"Primo", "Secondo", "Terzo"};
inline constexpr const char* kLanguageChoice[3] = {"Prima Lingua", "Seconda Lingua",
                                                   "Terza Lingua"};

inline constexpr const char* kTransferMode[3] = {"Senza Controllo", "Con Controllo",
                                                 "Controllo Parziale"};
inline constexpr const char* kOperatingMode[5] = {"Giorno", "Notte", "Pausa", "Festivo", "Auto"};
inline constexpr const char* kLocalNotify[5] = {"Nessuna", "Led Messaggio 1", "Led Messaggio 2",
                                                "Squilli Avviso", "Squilli"};

// Mailbox type: the short form of lists and the report, the editor's choice.
inline constexpr const char* kMboxType[2] = {"Reale", "Virt."};
inline constexpr const char* kMboxTypeChoice[2] = {"Reale", "Virtuale"};

inline constexpr const char* kNameOrder[2] = {"Cognome", "Nome"};
inline constexpr const char* kRingDuration[2] = {"Breve", "Lungo"};
inline constexpr const char* kLedMode[2] = {"Solo Primo Nuovo Messaggio", "Ogni Nuovo Messaggio"};
// Supervision type: 0 is by call-progress tones, any other value by key.
inline constexpr const char* kSupervisionType[2] = {"Toni Controllo Chiamata", "Tasto"};
// Automatic volume control as the report prints it.
inline constexpr const char* kAutoVolume[2] = {"Disabil.", "Abilit."};

// Weekday 0 Monday ... 6 Sunday (the schedule tables' order).
inline constexpr const char* kWeekday[7] = {
    "Luned\xEC", "Marted\xEC", "Mercoled\xEC", "Gioved\xEC", "Venerd\xEC", "Sabato", "Domenica"};

// The supervisor mailbox when there is none.
inline constexpr const char* kNoMailbox = "Nessuna";

// The name of `value` in `list`; an empty text for a value outside the list,
// so that a stray stored value never reads past it.
template <std::size_t N> const char* Name(const char* const (&list)[N], int value) {
    return value >= 0 && static_cast<std::size_t>(value) < N ? list[value] : "";
}

// A switch: "Si" for any value but 0.
inline const char* YesNo(int value) {
    return kYesNo[value != 0 ? 1 : 0];
}

} // namespace kiv::names
