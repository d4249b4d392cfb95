#pragma once
// A small JSON value with a strict parser and a stable pretty printer, used by kivtool to dump a
// configuration and import it back. The parser takes untrusted bytes: it bounds nesting, checks
// UTF-8, rejects duplicate keys and trailing text, and reports the first fault as
// "line L, column C: what". Strings are UTF-8 and may hold NUL bytes.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kiv::json {

// Deepest nesting of arrays and objects the parser accepts.
inline constexpr int kMaxDepth = 64;

class Value {
  public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    using Items = std::vector<Value>;
    using Member = std::pair<std::string, Value>;
    using Members = std::vector<Member>; // kept in insertion order

    Value() = default; // null
    Value(std::nullptr_t) {}
    Value(bool b) : data_(b) {}
    // Every integer type; an unsigned value beyond int64 is kept as a non-integer number.
    template <std::integral T>
    requires(!std::same_as<T, bool>) Value(T n) {
        if (std::cmp_less_equal(n, std::numeric_limits<std::int64_t>::max()))
            data_ = static_cast<std::int64_t>(n);
        else
            data_ = static_cast<double>(n);
    }
    Value(double d) : data_(d) {}
    Value(std::string s) : data_(std::move(s)) {}
    Value(std::string_view s) : data_(std::string(s)) {}
    Value(const char* s) : data_(std::string(s)) {}

    static Value Array(Items items = {});
    static Value Object(Members members = {});

    Type GetType() const;
    // "null", "boolean", "number", "string", "array" or "object", for error messages.
    const char* TypeName() const;

    bool IsNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool IsBool() const { return std::holds_alternative<bool>(data_); }
    bool IsNumber() const { return IsInteger() || std::holds_alternative<double>(data_); }
    // A number written without fraction or exponent (or built from an integer).
    bool IsInteger() const { return std::holds_alternative<std::int64_t>(data_); }
    bool IsString() const { return std::holds_alternative<std::string>(data_); }
    bool IsArray() const { return std::holds_alternative<Items>(data_); }
    bool IsObject() const { return std::holds_alternative<Members>(data_); }

    // The accessors never fail: asked for the wrong type they give false, 0, an empty string,
    // an empty array or an empty object. Check the type first where it matters.
    bool AsBool() const;
    std::int64_t AsInt64() const; // 0 unless IsInteger()
    double AsDouble() const;      // any number, integers converted
    const std::string& AsString() const;
    const Items& AsArray() const;
    const Members& AsObject() const;

    // The member named key, or nullptr (also when this is not an object).
    const Value* Find(std::string_view key) const;
    Value* Find(std::string_view key);

    // Builders. Push appends to an array and Set adds or replaces a member of an object (a
    // replaced member keeps its place). A null value first becomes an empty array or object;
    // any other type throws std::logic_error. Both return the stored element.
    Value& Push(Value v);
    Value& Set(std::string_view key, Value v);

    bool operator==(const Value& other) const = default;

  private:
    std::variant<std::monostate, bool, std::int64_t, double, std::string, Items, Members> data_;
};

// Parses one JSON text (an optional UTF-8 byte order mark, one value, white space). On success
// stores the value in out; on failure leaves out untouched and sets error to one line such as
// "line 3, column 14: expected ',' or '}'". Columns count characters from 1.
bool Parse(std::string_view text, Value& out, std::string& error);

// Writes v as JSON, indent spaces per level, without a final newline. Object members keep their
// order, an array holding only numbers stays on one line, control characters, '"' and '\' are
// escaped, other UTF-8 is written as is (invalid bytes become U+FFFD). An indent of 0 or less
// writes everything on one line. Non-finite numbers, which JSON cannot hold, are written as null.
std::string Write(const Value& v, int indent = 2);

} // namespace kiv::json
