#pragma once
// Texts shown by the line monitor, as code page 1252 bytes.

namespace kiv::texts {

inline constexpr const char* onHook = "On Hook";
inline constexpr const char* offHook = "Off Hook";

inline constexpr const char* monitorCaption = "Monitor di Linea";
inline constexpr const char* monitorLineHeading = "Linea";
inline constexpr const char* monitorDtmfHeading = "Mostra DTMF";
inline constexpr const char* monitorClear = "Incolla";
inline constexpr const char* monitorStart = "Inizio";
inline constexpr const char* monitorStop = "Fine";
inline constexpr const char* monitorExit = "Esci";
inline constexpr const char* monitorAbout = "&About Tarvel...";
inline constexpr const char* monitorProgram = "Tarvel";
inline constexpr const char* monitorAboutVersion = "Tarvel Version 7.01.00";
inline constexpr const char* monitorAboutOk = "OK";

} // namespace kiv::texts
