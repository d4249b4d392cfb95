#pragma once
// Texts of the parameter image's mailbox section, as code page 1252 bytes.

namespace kiv::texts {

inline constexpr const char* sectionLengthError = "La lunghezza dei dati letti \xE8 troppo breve: ";
inline constexpr const char* deleteMailboxesQuestion =
    "Questo processo canceller\xE0 le Caselle gi\xE0 configurate.  Si vuole continuare?";
inline constexpr const char* mailboxesMisconfigured =
    "Le Caselle non sono configurate correttamente. Prego leggere i dati dall'unit\xE0 e "
    "riprovare di nuovo.";

} // namespace kiv::texts
