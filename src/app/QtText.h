#pragma once

#include <QString>
#include <string>

namespace kiv {

QString ToQString(const std::string& cp1252);
// False when the text holds a character code page 1252 cannot hold.
bool FromQString(const QString& text, std::string& cp1252);

} // namespace kiv
