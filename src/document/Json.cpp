#include "document/Json.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kiv::json {

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// "line L, column C" of the character holding byte `at` (at == size: just past the end).
std::string Where(std::string_view text, std::size_t at) {
    at = std::min(at, text.size());
    while (at > 0 && at < text.size() && IsContinuation(text[at]))
        --at;
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < at; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if (!IsContinuation(text[i])) {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

constexpr char kHex[] = "0123456789abcdef";

// Appends s as a quoted JSON string. The library escapes '"', '\' and C0 controls and replaces
// bytes that are not UTF-8 by U+FFFD; DEL and the C1 controls are escaped here as well, so that
// nothing invisible reaches the file.
void WriteString(std::string& out, const std::string& s) {
    const std::string quoted = Value(s).dump(-1, ' ', false, Value::error_handler_t::replace);
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        const auto c = static_cast<unsigned char>(quoted[i]);
        unsigned control = 0x100; // none
        if (c == 0x7F) {
            control = c;
        } else if (c == 0xC2 && i + 1 < quoted.size() &&
                   static_cast<unsigned char>(quoted[i + 1]) < 0xA0) {
            control = static_cast<unsigned char>(quoted[++i]);
        }
        if (control < 0x100) {
            out += "\\u00";
            out += kHex[control >> 4];
            out += kHex[control & 0xF];
        } else {
            out += quoted[i];
        }
    }
}

// Names a key in a message: escaped so the message stays on one line, and shortened.
std::string QuoteKey(const std::string& key) {
    constexpr std::size_t kLongest = 60;
    std::string quoted;
    if (key.size() <= kLongest) {
        WriteString(quoted, key);
        return quoted;
    }
    std::size_t cut = kLongest;
    while (cut > 0 && IsContinuation(key[cut]))
        --cut;
    WriteString(quoted, key.substr(0, cut));
    quoted.insert(quoted.size() - 1, "...");
    return quoted;
}

// The library's description of a fault, without its own prefix and position (bytes, not
// characters) and without the input it quotes, which may be long or not UTF-8.
std::string LibraryMessage(const Value::exception& ex, const std::string& lastToken) {
    std::string_view what = ex.what();
    if (const auto p = what.find("] "); p != std::string_view::npos) what.remove_prefix(p + 2);
    if (what.starts_with("parse error")) {
        if (const auto p = what.find(": "); p != std::string_view::npos) what.remove_prefix(p + 2);
    }
    std::string message(what);
    const std::string quoted = "; last read: '" + lastToken + "'";
    if (const auto p = message.find(quoted); p != std::string::npos)
        message.erase(p, quoted.size());
    return message;
}

// An iterator over the text that records how far the library has read, so that a fault found
// by the builder below can be placed in the text.
class ReadingIterator {
  public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    ReadingIterator(const char* p, const char** furthest) : p_(p), furthest_(furthest) {}
    reference operator*() const { return *p_; }
    ReadingIterator& operator++() {
        *furthest_ = ++p_;
        return *this;
    }
    ReadingIterator operator++(int) {
        ReadingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const ReadingIterator& other) const { return p_ == other.p_; }

  private:
    const char* p_;
    const char** furthest_;
};

// SAX handler: builds the value and refuses what the library lets through.
class Builder {
  public:
    using string_t = Value::string_t;

    explicit Builder(std::string_view text) : text_(text), furthest_(text.data()) {}

    ReadingIterator Begin() { return {text_.data(), &furthest_}; }
    ReadingIterator End() { return {text_.data() + text_.size(), &furthest_}; }

    bool null() { return Put(Value()); }
    bool boolean(bool b) { return Put(Value(b)); }
    bool number_integer(Value::number_integer_t n) { return Put(Value(n)); }
    bool number_unsigned(Value::number_unsigned_t n) {
        if (n > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
            return Fail(NumberStart(), "integer out of range");
        return Put(Value(static_cast<std::int64_t>(n)));
    }
    bool number_float(Value::number_float_t d, const string_t& literal) {
        // The library reads an integer too long for 64 bits as a double; refuse it instead of
        // silently rounding it.
        if (literal.find_first_of(".eE") == string_t::npos)
            return Fail(NumberStart(), "integer out of range");
        return Put(Value(d));
    }
    bool string(string_t& s) { return Put(Value(std::move(s))); }
    bool binary(Value::binary_t& b) { return Put(Value::binary(std::move(b))); }

    bool start_object(std::size_t) {
        if (!Open(Value::object())) return false;
        keys_.emplace_back();
        return true;
    }
    bool key(string_t& k) {
        if (!keys_.back().insert(k).second) return Fail(KeyStart(), "duplicate key " + QuoteKey(k));
        // Appended without the map's own look-up, which is linear: the set above has already
        // shown the key to be new, and a many-keyed object stays cheap to read.
        auto& members =
            static_cast<Value::object_t::Container&>(open_.back()->get_ref<Value::object_t&>());
        members.emplace_back(std::move(k), Value());
        member_ = &members.back().second;
        return true;
    }
    bool end_object() {
        keys_.pop_back();
        open_.pop_back();
        return true;
    }
    bool start_array(std::size_t) { return Open(Value::array()); }
    bool end_array() {
        open_.pop_back();
        return true;
    }

    bool parse_error(std::size_t position, const std::string& lastToken,
                     const Value::exception& ex) {
        // A number too large for a double: shown where it starts, without quoting it.
        constexpr int kNumberOverflow = 406;
        if (ex.id == kNumberOverflow) return Fail(NumberStart(), "number out of range");
        // position counts the bytes read, the offending one included.
        return Fail(position > 0 ? position - 1 : 0, LibraryMessage(ex, lastToken));
    }

    Value& Result() { return root_; }
    std::string Error() const { return Where(text_, errorAt_) + ": " + message_; }

  private:
    bool Fail(std::size_t at, std::string message) {
        if (message_.empty()) { // the first fault is the one to report
            errorAt_ = at;
            message_ = std::move(message);
        }
        return false;
    }

    std::size_t Read() const { return static_cast<std::size_t>(furthest_ - text_.data()); }

    // The opening quote of the key just read (the library stops right after its closing one).
    std::size_t KeyStart() const {
        std::size_t i = Read() - 1;
        while (i > 0) {
            --i;
            if (text_[i] != '"') continue;
            std::size_t backslashes = 0;
            while (backslashes < i && text_[i - 1 - backslashes] == '\\')
                ++backslashes;
            if (backslashes % 2 == 0) break;
        }
        return i;
    }

    // The first character of the number just read (the library has read one byte past its end,
    // unless the text ended).
    std::size_t NumberStart() const {
        const auto inNumber = [](char c) {
            return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' ||
                   c == 'E';
        };
        std::size_t i = Read();
        if (i > 0 && !inNumber(text_[i - 1])) --i;
        while (i > 0 && inNumber(text_[i - 1]))
            --i;
        return i;
    }

    // Stores v where the walk stands: the root, the next array element or the pending member.
    Value* Place(Value v) {
        if (open_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        Value& top = *open_.back();
        if (top.is_array()) {
            auto& items = top.get_ref<Value::array_t&>();
            items.push_back(std::move(v));
            return &items.back();
        }
        *member_ = std::move(v);
        return member_;
    }
    bool Put(Value v) {
        Place(std::move(v));
        return true;
    }
    bool Open(Value container) {
        if (open_.size() >= static_cast<std::size_t>(kMaxDepth))
            return Fail(Read() - 1, "nesting deeper than " + std::to_string(kMaxDepth) + " levels");
        open_.push_back(Place(std::move(container)));
        return true;
    }

    std::string_view text_;
    const char* furthest_;
    Value root_;
    std::vector<Value*> open_;                             // arrays and objects being filled
    std::vector<std::set<std::string, std::less<>>> keys_; // keys of each open object
    Value* member_ = nullptr;
    std::size_t errorAt_ = 0;
    std::string message_;
};

class Printer {
  public:
    explicit Printer(int indent) : indent_(indent) {}

    void Put(const Value& v, int level) {
        switch (v.type()) {
        case Value::value_t::string:
            WriteString(out_, v.get_ref<const std::string&>());
            break;
        case Value::value_t::array:
            PutArray(v, level);
            break;
        case Value::value_t::object:
            PutObject(v, level);
            break;
        default: // null, booleans, numbers
            out_ += v.dump();
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

    void PutArray(const Value& items, int level) {
        if (items.empty()) {
            out_ += "[]";
            return;
        }
        bool allNumbers = true;
        for (const Value& item : items)
            allNumbers = allNumbers && item.is_number();
        out_ += '[';
        bool first = true;
        for (const Value& item : items) {
            if (!first) out_ += allNumbers && Pretty() ? ", " : ",";
            first = false;
            if (!allNumbers) NewLine(level + 1);
            Put(item, level + 1);
        }
        if (!allNumbers) NewLine(level);
        out_ += ']';
    }

    void PutObject(const Value& members, int level) {
        if (members.empty()) {
            out_ += "{}";
            return;
        }
        out_ += '{';
        bool first = true;
        for (const auto& [key, value] : members.items()) {
            if (!first) out_ += ',';
            first = false;
            NewLine(level + 1);
            WriteString(out_, key);
            out_ += Pretty() ? ": " : ":";
            Put(value, level + 1);
        }
        NewLine(level);
        out_ += '}';
    }

    int indent_;
    std::string out_;
};

} // namespace

const Value* Find(const Value& v, std::string_view key) {
    if (!v.is_object()) return nullptr;
    const auto it = v.find(key);
    return it != v.end() ? &*it : nullptr;
}

bool Parse(std::string_view text, Value& out, std::string& error) {
    Builder builder(text);
    if (!Value::sax_parse(builder.Begin(), builder.End(), &builder)) {
        error = builder.Error();
        return false;
    }
    out = std::move(builder.Result());
    return true;
}

std::string Write(const Value& v, int indent) {
    Printer printer(indent);
    printer.Put(v, 0);
    return printer.Take();
}

} // namespace kiv::json
