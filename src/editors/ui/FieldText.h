#pragma once
// The text of an input field as the editors' rules read it (code page 1252).
// A character that code page 1252 cannot hold becomes '?', which no number,
// key or dial string accepts, so the field's check refuses it.

#include <QString>
#include <string>

namespace kiv {

std::string FieldText(const QString& text);

} // namespace kiv
