#pragma once
// JSON for kivtool's dump and import, on nlohmann/json. The reader takes untrusted bytes: on top
// of the library's strict grammar and UTF-8 checks it refuses duplicate keys, nesting deeper than
// kMaxDepth and integers beyond 64 bits, and reports the first fault as "line L, column C: what".
// The printer writes a stable, diffable layout. Strings are UTF-8 and may hold NUL bytes.

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace kiv::json {

// Deepest nesting of arrays and objects the reader accepts.
inline constexpr int kMaxDepth = 64;

// Objects keep their members in insertion order, so that a dump lists them as they were added.
// Integers read from text are held as int64; numbers with a fraction or exponent as double.
using Value = nlohmann::ordered_json;

// The member named key of an object, or nullptr (also when v is not an object).
const Value* Find(const Value& v, std::string_view key);

// Parses one JSON text (an optional UTF-8 byte order mark, one value, white space). On success
// stores the value in out; on failure leaves out untouched and sets error to one line such as
// "line 3, column 14: duplicate key \"a\"". Columns count characters from 1.
bool Parse(std::string_view text, Value& out, std::string& error);

// Writes v as JSON, indent spaces per level, without a final newline. Object members keep their
// order, an array holding only numbers stays on one line, control characters (C0, DEL and C1),
// '"' and '\' are escaped, other UTF-8 is written as is (invalid bytes become U+FFFD). An indent
// of 0 or less writes everything on one line. Non-finite numbers are written as null.
std::string Write(const Value& v, int indent = 2);

} // namespace kiv::json
