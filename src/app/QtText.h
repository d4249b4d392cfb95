#pragma once

#include <QString>
#include <string>

namespace kiv {

QString ToQString(const std::string& cp1252);
// False when the text holds a character code page 1252 cannot hold.
bool FromQString(const QString& text, std::string& cp1252);
// For showing a text that need not fit the code page (a file's name) inside a
// message: each character code page 1252 cannot hold becomes '?'.
std::string ToCp1252Shown(const QString& text);

// File paths cross into the core as the file system's own bytes (UTF-8 on
// Linux), unlike document texts.
std::string NativePath(const QString& path);
QString FromNativePath(const std::string& path);

} // namespace kiv
