#pragma once

#include <QString>
#include <string>

namespace kiv {

QString ToQString(const std::string& cp1252);
// False when the text holds a character code page 1252 cannot hold.
bool FromQString(const QString& text, std::string& cp1252);

// File paths cross into the core as the file system's own bytes (UTF-8 on
// Linux), unlike document texts.
std::string NativePath(const QString& path);
QString FromNativePath(const std::string& path);

} // namespace kiv
