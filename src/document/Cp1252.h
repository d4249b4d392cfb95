#pragma once
// Document texts are code page 1252 bytes. These convert to and from UTF-8
// losslessly: the five bytes that code page 1252 leaves undefined map to the
// control characters of the same value, as the system's own converter does.

#include <string>
#include <string_view>

namespace kiv {

std::string Cp1252ToUtf8(std::string_view cp1252);

// Fails (returns false) on invalid UTF-8 or a character code page 1252 cannot
// hold; `out` then holds nothing useful.
bool Utf8ToCp1252(std::string_view utf8, std::string& out);

} // namespace kiv
