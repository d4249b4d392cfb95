#pragma once
// Texts of the week picture (the drawing and the listing of the schedule), in
// code page 1252. The captions the editors already show (weekdays, "Orario
// Lavoro", "Pausa %d", "Da", "A", the holiday columns, the mode names, "Pagina
// Inziale", "Linea") are taken from their own headers and not repeated here.

namespace kiv::schedule::texts {

// An empty holiday date, as the report prints it.
inline constexpr const char* kEmptyHolidayDate = "00/00";

// The mode line.
inline constexpr const char* kForced = "forzato";
inline constexpr const char* kForcedWholeWeek =
    "vale per tutta la settimana, l'orario settimanale non \xE8 in uso";
inline constexpr const char* kAutoFromTables =
    "l'unit\xE0 segue l'orario settimanale, le pause e le festivit\xE0";
inline constexpr const char* kUnknownMode = "sconosciuto";
// The label over a weekday's row while a mode is forced: "Notte (forzato)".
inline constexpr const char* kForcedRow = "%s (forzato)";

// A weekday's working period.
inline constexpr const char* kNoWorkHours = "nessun Orario Lavoro";
inline constexpr const char* kWorkUnreadable = "Orario Lavoro non valido";
// A break's page as lists show it: "pagina 05".
inline constexpr const char* kPageLower = "pagina";
inline constexpr const char* kNoSuchPage = "inesistente";
inline constexpr const char* kNotProgrammed = "non programmata";

// Marks.
inline constexpr const char* kMarksHeading = "Segnalazioni";
inline constexpr const char* kNoMarks = "Nessuna segnalazione";
inline constexpr const char* kMarkWorkUnreadable = "Orario Lavoro non valido (Da \"%s\", A \"%s\")";
inline constexpr const char* kMarkWorkReversed =
    "Orario Lavoro con la fine (%s) prima dell'inizio (%s)";
inline constexpr const char* kMarkBreakReversed = "la fine (%s) precede l'inizio (%s)";
inline constexpr const char* kMarkOverlap = "si sovrappone a %s (%s-%s)";
inline constexpr const char* kMarkPartlyOutside = "in parte fuori dall'Orario Lavoro (%s-%s)";
inline constexpr const char* kMarkWhollyOutside = "fuori dall'Orario Lavoro (%s-%s)";
inline constexpr const char* kMarkNoWorkDay = "il giorno non ha Orario Lavoro";
inline constexpr const char* kMarkPageMissing = "la pagina %02d non esiste";
inline constexpr const char* kMarkPageNotProgrammed = "la pagina %02d non \xE8 programmata";
inline constexpr const char* kHolidayWord = "Festivit\xE0 %d";
inline constexpr const char* kMarkHolidayDate = "data non valida (\"%s\")";
inline constexpr const char* kMarkHolidayPeriod = "orario non valido (Inizio \"%s\", Fine \"%s\")";

// The key and the legend.
inline constexpr const char* kLegendHeading = "Legenda";
inline constexpr const char* kKeyOutside = "Fuori orario";
inline constexpr const char* kKeyMark = "Segnalazione";
inline constexpr const char* kAssumeWorkIsDay =
    "In modo Auto l'unit\xE0 \xE8 in modo Giorno dentro l'Orario Lavoro e in modo Notte "
    "fuori (ipotesi).";
inline constexpr const char* kAssumeBreak =
    "Durante una pausa l'unit\xE0 \xE8 in modo Pausa e risponde la pagina della pausa; la "
    "colonna Pausa della Pagina Inziale vale per il modo Pausa forzato (ipotesi).";
inline constexpr const char* kAssumeHoliday =
    "Una festivit\xE0 vale ogni anno nella sua data, dall'Inizio alla Fine, e prevale su "
    "orario e pause (ipotesi).";
inline constexpr const char* kAssumeHalfOpen =
    "Ogni periodo va dall'ora Da fino all'ora A esclusa; Da uguale ad A \xE8 un periodo vuoto.";
inline constexpr const char* kDrawnAsStored =
    "Il disegno mostra i valori come sono memorizzati: un periodo con la fine prima "
    "dell'inizio \xE8 tratteggiato tra i due orari.";

// Holidays.
inline constexpr const char* kNoHolidays = "Nessuna festivit\xE0";

// The window and its exports.
inline constexpr const char* kWindowTitle = "Quadro Settimanale";
inline constexpr const char* kTextListName = "Quadro Settimanale in testo";
inline constexpr const char* kEditSchedule = "&Modifica Orari...";
inline constexpr const char* kExportFilter = "SVG (*.svg);;PNG (*.png);;PDF (*.pdf)";

} // namespace kiv::schedule::texts
