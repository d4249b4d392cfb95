#include "document/Json.h"

#include <charconv>
#include <cmath>
#include <set>
#include <stdexcept>
#include <system_error>

namespace kiv::json {

namespace {

// Length of the well-formed UTF-8 sequence starting at s[i], or 0 when the bytes there are not
// one (overlong forms, encoded surrogates, values past U+10FFFF, truncated or stray bytes).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto at = [&](std::size_t k) -> unsigned {
        return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0u;
    };
    const auto cont = [&](std::size_t k, unsigned lo = 0x80, unsigned hi = 0xBF) {
        const unsigned b = at(k);
        return i + k < s.size() && b >= lo && b <= hi;
    };
    const unsigned b0 = at(0);
    if (b0 < 0x80) return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) return cont(1) ? 2 : 0;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        const unsigned lo = b0 == 0xE0 ? 0xA0 : 0x80;
        const unsigned hi = b0 == 0xED ? 0x9F : 0xBF;
        return cont(1, lo, hi) && cont(2) ? 3 : 0;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        const unsigned lo = b0 == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = b0 == 0xF4 ? 0x8F : 0xBF;
        return cont(1, lo, hi) && cont(2) && cont(3) ? 4 : 0;
    }
    return 0;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr char kHex[] = "0123456789abcdef";

// Appends s as a quoted JSON string. C0 and C1 controls and DEL are escaped so that nothing
// invisible reaches the file; bytes that are not UTF-8 are replaced by U+FFFD.
void WriteString(std::string& out, std::string_view s) {
    out += '"';
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t len = Utf8SequenceLength(s, i);
        if (len == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        unsigned control = 0x100; // none
        if (c < 0x20 || c == 0x7F)
            control = c;
        else if (c == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0)
            control = static_cast<unsigned char>(s[i + 1]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (control == '\b') {
            out += "\\b";
        } else if (control == '\f') {
            out += "\\f";
        } else if (control == '\n') {
            out += "\\n";
        } else if (control == '\r') {
            out += "\\r";
        } else if (control == '\t') {
            out += "\\t";
        } else if (control < 0x100) {
            out += "\\u00";
            out += kHex[control >> 4];
            out += kHex[control & 0xF];
        } else {
            out.append(s.substr(i, len));
        }
        i += len;
    }
    out += '"';
}

void WriteNumber(std::string& out, const Value& v) {
    char buf[64];
    if (v.IsInteger()) {
        const auto r = std::to_chars(buf, buf + sizeof buf, v.AsInt64());
        out.append(buf, r.ptr);
        return;
    }
    const double d = v.AsDouble();
    if (!std::isfinite(d)) {
        out += "null";
        return;
    }
    const auto r = std::to_chars(buf, buf + sizeof buf, d);
    const std::string_view text(buf, static_cast<std::size_t>(r.ptr - buf));
    out += text;
    // Keep a fraction so that the number reads back as a non-integer.
    if (text.find_first_of(".e") == std::string_view::npos) out += ".0";
}

class Writer {
  public:
    explicit Writer(int indent) : indent_(indent) {}

    void WriteValue(const Value& v, int level) {
        switch (v.GetType()) {
        case Value::Type::Null:
            out_ += "null";
            break;
        case Value::Type::Bool:
            out_ += v.AsBool() ? "true" : "false";
            break;
        case Value::Type::Number:
            WriteNumber(out_, v);
            break;
        case Value::Type::String:
            WriteString(out_, v.AsString());
            break;
        case Value::Type::Array:
            WriteArray(v.AsArray(), level);
            break;
        case Value::Type::Object:
            WriteObject(v.AsObject(), level);
            break;
        }
    }

    std::string Take() { return std::move(out_); }

  private:
    bool Pretty() const { return indent_ > 0; }

    void NewLine(int level) {
        if (!Pretty()) return;
        out_ += '\n';
        out_.append(static_cast<std::size_t>(level) * static_cast<std::size_t>(indent_), ' ');
    }

    void WriteArray(const Value::Items& items, int level) {
        if (items.empty()) {
            out_ += "[]";
            return;
        }
        bool allNumbers = true;
        for (const Value& item : items)
            allNumbers = allNumbers && item.IsNumber();
        out_ += '[';
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0) out_ += allNumbers && Pretty() ? ", " : ",";
            if (!allNumbers) NewLine(level + 1);
            WriteValue(items[i], level + 1);
        }
        if (!allNumbers) NewLine(level);
        out_ += ']';
    }

    void WriteObject(const Value::Members& members, int level) {
        if (members.empty()) {
            out_ += "{}";
            return;
        }
        out_ += '{';
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (i > 0) out_ += ',';
            NewLine(level + 1);
            WriteString(out_, members[i].first);
            out_ += Pretty() ? ": " : ":";
            WriteValue(members[i].second, level + 1);
        }
        NewLine(level);
        out_ += '}';
    }

    int indent_;
    std::string out_;
};

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool Run(Value& out, std::string& error) {
        if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
        Value v;
        SkipSpace();
        bool ok = ParseValue(v, 0);
        if (ok) {
            SkipSpace();
            if (pos_ < text_.size()) ok = Fail(pos_, "unexpected text after the value");
        }
        if (!ok) {
            error = Where(errorAt_) + ": " + message_;
            return false;
        }
        out = std::move(v);
        return true;
    }

  private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    bool Fail(std::size_t at, std::string message) {
        errorAt_ = at;
        message_ = std::move(message);
        return false;
    }

    // At the end of the text every complaint is that the text stopped too soon.
    bool FailHere(const char* expected) {
        return AtEnd() ? Fail(pos_, "unexpected end of input") : Fail(pos_, expected);
    }

    std::string Where(std::size_t at) const {
        std::size_t line = 1;
        std::size_t column = 1;
        for (std::size_t i = 0; i < at && i < text_.size(); ++i) {
            const auto c = static_cast<unsigned char>(text_[i]);
            if (c == '\n') {
                ++line;
                column = 1;
            } else if ((c & 0xC0) != 0x80) {
                ++column;
            }
        }
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }

    void SkipSpace() {
        while (!AtEnd()) {
            const char c = text_[pos_];
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r') break;
            ++pos_;
        }
    }

    bool ParseValue(Value& out, int depth) {
        switch (Peek()) {
        case '{':
            return ParseObject(out, depth + 1);
        case '[':
            return ParseArray(out, depth + 1);
        case '"': {
            std::string s;
            if (!ParseString(s)) return false;
            out = Value(std::move(s));
            return true;
        }
        case 't':
            return ParseLiteral("true", Value(true), out);
        case 'f':
            return ParseLiteral("false", Value(false), out);
        case 'n':
            return ParseLiteral("null", Value(), out);
        default:
            if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) return ParseNumber(out);
            return FailHere("expected a value");
        }
    }

    bool ParseLiteral(std::string_view word, Value value, Value& out) {
        if (text_.substr(pos_, word.size()) != word)
            return Fail(pos_, "invalid literal, expected '" + std::string(word) + "'");
        pos_ += word.size();
        out = std::move(value);
        return true;
    }

    bool ParseNumber(Value& out) {
        const std::size_t start = pos_;
        const auto digits = [&] {
            const std::size_t from = pos_;
            while (!AtEnd() && Peek() >= '0' && Peek() <= '9')
                ++pos_;
            return pos_ > from;
        };
        if (Peek() == '-') ++pos_;
        if (Peek() == '0') {
            ++pos_;
            if (Peek() >= '0' && Peek() <= '9') return Fail(start, "invalid number: leading zero");
        } else if (!digits()) {
            return Fail(start, "invalid number");
        }
        bool integer = true;
        if (Peek() == '.') {
            ++pos_;
            integer = false;
            if (!digits()) return Fail(start, "invalid number: digits expected after '.'");
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            integer = false;
            if (Peek() == '+' || Peek() == '-') ++pos_;
            if (!digits()) return Fail(start, "invalid number: digits expected in the exponent");
        }
        const char* first = text_.data() + start;
        const char* last = text_.data() + pos_;
        if (integer) {
            std::int64_t n = 0;
            const auto r = std::from_chars(first, last, n);
            if (r.ec != std::errc() || r.ptr != last) return Fail(start, "integer out of range");
            out = Value(n);
        } else {
            double d = 0;
            const auto r = std::from_chars(first, last, d);
            if (r.ec != std::errc() || r.ptr != last || !std::isfinite(d))
                return Fail(start, "number out of range");
            out = Value(d);
        }
        return true;
    }

    // Reads four hex digits at pos_; false when they are not there.
    bool Hex4(std::uint32_t& cp) {
        if (text_.size() - pos_ < 4) return false;
        cp = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text_[pos_ + static_cast<std::size_t>(k)];
            std::uint32_t d = 0;
            if (c >= '0' && c <= '9')
                d = static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                d = static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                d = static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return false;
            cp = cp * 16 + d;
        }
        pos_ += 4;
        return true;
    }

    // pos_ is just past "\u".
    bool ParseUnicodeEscape(std::size_t escapeAt, std::string& out) {
        std::uint32_t cp = 0;
        if (!Hex4(cp)) return Fail(escapeAt, "invalid \\u escape, expected four hex digits");
        if (cp >= 0xDC00 && cp <= 0xDFFF) return Fail(escapeAt, "lone low surrogate in \\u escape");
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            std::uint32_t low = 0;
            if (text_.substr(pos_, 2) != "\\u")
                return Fail(escapeAt, "lone high surrogate in \\u escape");
            pos_ += 2;
            if (!Hex4(low)) return Fail(pos_ - 2, "invalid \\u escape, expected four hex digits");
            if (low < 0xDC00 || low > 0xDFFF)
                return Fail(escapeAt, "lone high surrogate in \\u escape");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, cp);
        return true;
    }

    bool ParseString(std::string& out) {
        const std::size_t start = pos_;
        ++pos_; // opening quote
        for (;;) {
            if (AtEnd()) return Fail(start, "unterminated string");
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20) return Fail(pos_, "control character in string, it must be escaped");
            if (c == '\\') {
                const std::size_t escapeAt = pos_;
                ++pos_;
                const char e = Peek();
                ++pos_;
                switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    if (!ParseUnicodeEscape(escapeAt, out)) return false;
                    break;
                default:
                    if (pos_ > text_.size()) return Fail(start, "unterminated string");
                    return Fail(escapeAt, "invalid escape in string");
                }
                continue;
            }
            const std::size_t len = Utf8SequenceLength(text_, pos_);
            if (len == 0) return Fail(pos_, "invalid UTF-8 in string");
            out.append(text_.substr(pos_, len));
            pos_ += len;
        }
    }

    bool CheckDepth(int depth) {
        if (depth > kMaxDepth)
            return Fail(pos_, "nesting deeper than " + std::to_string(kMaxDepth) + " levels");
        return true;
    }

    bool ParseArray(Value& out, int depth) {
        if (!CheckDepth(depth)) return false;
        ++pos_; // '['
        Value::Items items;
        SkipSpace();
        if (Peek() == ']') {
            ++pos_;
            out = Value::Array(std::move(items));
            return true;
        }
        for (;;) {
            SkipSpace();
            Value item;
            if (!ParseValue(item, depth)) return false;
            items.push_back(std::move(item));
            SkipSpace();
            if (Peek() == ',') {
                ++pos_;
                SkipSpace();
                if (Peek() == ']') return Fail(pos_, "expected a value after ','");
                continue;
            }
            if (Peek() == ']') {
                ++pos_;
                break;
            }
            return FailHere("expected ',' or ']'");
        }
        out = Value::Array(std::move(items));
        return true;
    }

    // Names a key in a message: escaped so the message stays on one line, and shortened.
    static std::string QuoteKey(const std::string& key) {
        constexpr std::size_t kLongest = 60;
        std::string quoted;
        if (key.size() <= kLongest) {
            WriteString(quoted, key);
            return quoted;
        }
        std::size_t cut = kLongest;
        while (cut > 0 && (static_cast<unsigned char>(key[cut]) & 0xC0) == 0x80)
            --cut;
        WriteString(quoted, std::string_view(key).substr(0, cut));
        quoted.insert(quoted.size() - 1, "...");
        return quoted;
    }

    bool ParseObject(Value& out, int depth) {
        if (!CheckDepth(depth)) return false;
        ++pos_; // '{'
        Value::Members members;
        std::set<std::string, std::less<>> seen;
        SkipSpace();
        if (Peek() == '}') {
            ++pos_;
            out = Value::Object(std::move(members));
            return true;
        }
        for (;;) {
            SkipSpace();
            if (Peek() != '"')
                return FailHere(Peek() == '}' ? "expected a key after ','" : "expected a key");
            const std::size_t keyAt = pos_;
            std::string key;
            if (!ParseString(key)) return false;
            if (!seen.insert(key).second) return Fail(keyAt, "duplicate key " + QuoteKey(key));
            SkipSpace();
            if (Peek() != ':') return FailHere("expected ':'");
            ++pos_;
            SkipSpace();
            Value value;
            if (!ParseValue(value, depth)) return false;
            members.emplace_back(std::move(key), std::move(value));
            SkipSpace();
            if (Peek() == ',') {
                ++pos_;
                continue;
            }
            if (Peek() == '}') {
                ++pos_;
                break;
            }
            return FailHere("expected ',' or '}'");
        }
        out = Value::Object(std::move(members));
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t errorAt_ = 0;
    std::string message_;
};

const std::string kEmptyString;
const Value::Items kEmptyItems;
const Value::Members kEmptyMembers;

} // namespace

Value Value::Array(Items items) {
    Value v;
    v.data_ = std::move(items);
    return v;
}

Value Value::Object(Members members) {
    Value v;
    v.data_ = std::move(members);
    return v;
}

Value::Type Value::GetType() const {
    if (IsBool()) return Type::Bool;
    if (IsNumber()) return Type::Number;
    if (IsString()) return Type::String;
    if (IsArray()) return Type::Array;
    if (IsObject()) return Type::Object;
    return Type::Null;
}

const char* Value::TypeName() const {
    switch (GetType()) {
    case Type::Null:
        return "null";
    case Type::Bool:
        return "boolean";
    case Type::Number:
        return "number";
    case Type::String:
        return "string";
    case Type::Array:
        return "array";
    case Type::Object:
        return "object";
    }
    return "null";
}

bool Value::AsBool() const {
    const bool* b = std::get_if<bool>(&data_);
    return b != nullptr && *b;
}

std::int64_t Value::AsInt64() const {
    const std::int64_t* n = std::get_if<std::int64_t>(&data_);
    return n != nullptr ? *n : 0;
}

double Value::AsDouble() const {
    if (const std::int64_t* n = std::get_if<std::int64_t>(&data_)) return static_cast<double>(*n);
    if (const double* d = std::get_if<double>(&data_)) return *d;
    return 0.0;
}

const std::string& Value::AsString() const {
    const std::string* s = std::get_if<std::string>(&data_);
    return s != nullptr ? *s : kEmptyString;
}

const Value::Items& Value::AsArray() const {
    const Items* items = std::get_if<Items>(&data_);
    return items != nullptr ? *items : kEmptyItems;
}

const Value::Members& Value::AsObject() const {
    const Members* members = std::get_if<Members>(&data_);
    return members != nullptr ? *members : kEmptyMembers;
}

const Value* Value::Find(std::string_view key) const {
    if (const Members* members = std::get_if<Members>(&data_)) {
        for (const Member& m : *members) {
            if (m.first == key) return &m.second;
        }
    }
    return nullptr;
}

Value* Value::Find(std::string_view key) {
    return const_cast<Value*>(std::as_const(*this).Find(key));
}

Value& Value::Push(Value v) {
    if (IsNull()) data_ = Items();
    Items* items = std::get_if<Items>(&data_);
    if (items == nullptr) throw std::logic_error(std::string("json: Push on a ") + TypeName());
    items->push_back(std::move(v));
    return items->back();
}

Value& Value::Set(std::string_view key, Value v) {
    if (IsNull()) data_ = Members();
    Members* members = std::get_if<Members>(&data_);
    if (members == nullptr) throw std::logic_error(std::string("json: Set on a ") + TypeName());
    if (Value* existing = Find(key)) {
        *existing = std::move(v);
        return *existing;
    }
    members->emplace_back(std::string(key), std::move(v));
    return members->back().second;
}

bool Parse(std::string_view text, Value& out, std::string& error) {
    return Parser(text).Run(out, error);
}

std::string Write(const Value& v, int indent) {
    Writer writer(indent);
    writer.WriteValue(v, 0);
    return writer.Take();
}

} // namespace kiv::json
