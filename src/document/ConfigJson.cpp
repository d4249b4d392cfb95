#include "document/ConfigJson.h"

#include "document/Cp1252.h"
#include "document/FileLayout.h"

#include <set>

namespace kiv {
namespace {

using json::Value;

// Builds the JSON object. Members stored in several pieces (in-band entries,
// dial strings) are appended to one array.
class JsonWriter {
  public:
    void Int(const char* name, int32_t& v, Range = kAny) { Target()[name] = v; }
    void Byte(const char* name, uint8_t& v, Range = kAny) { Target()[name] = v; }
    void Text(const char* name, std::string& s, int = kMaxTextLen) {
        Target()[name] = Cp1252ToUtf8(s);
    }
    template <size_t N> void Ints(const char* name, std::array<int32_t, N>& a, Range = kAny) {
        Value arr = Value::array();
        for (auto v : a)
            arr.push_back(v);
        Target()[name] = std::move(arr);
    }
    template <size_t N> void Bytes(const char* name, std::array<uint8_t, N>& a) {
        Value arr = Value::array();
        for (auto v : a)
            arr.push_back(v);
        Target()[name] = std::move(arr);
    }
    template <size_t N>
    void Texts(const char* name, std::array<std::string, N>& a, size_t first, size_t count) {
        Value& arr = ArrayOf(name);
        for (size_t i = first; i < std::min(N, first + count); ++i)
            arr.push_back(Cp1252ToUtf8(a[i]));
    }
    template <class R, size_t N>
    void Records(const char* name, std::array<R, N>& a, size_t first, int64_t count) {
        Value& arr = ArrayOf(name);
        const size_t last =
            std::min<size_t>(N, first + static_cast<size_t>(std::max<int64_t>(count, 0)));
        for (size_t i = first; i < last; ++i)
            arr.push_back(Record(a[i]));
    }
    template <class R, size_t M, size_t N>
    void Grid(const char* name, std::array<std::array<R, M>, N>& g) {
        Value rows = Value::array();
        for (auto& row : g) {
            Value r = Value::array();
            for (auto& e : row)
                r.push_back(Element(e));
            rows.push_back(std::move(r));
        }
        Target()[name] = std::move(rows);
    }
    void Gate(FileGate) {}

    Value root = Value::object();

  private:
    Value& Target() { return stack_.empty() ? root : *stack_.back(); }
    Value& ArrayOf(const char* name) {
        Value& target = Target();
        if (const auto it = target.find(name); it != target.end()) return *it;
        return target[name] = Value::array();
    }
    template <class R> Value Record(R& r) {
        Value obj = Value::object();
        stack_.push_back(&obj);
        WalkRecord(*this, r);
        stack_.pop_back();
        return obj;
    }
    Value Element(int32_t v) { return Value(v); }
    template <class R> Value Element(R& r) { return Record(r); }

    std::vector<Value*> stack_;
};

struct ImportError {
    std::string message;
};

// Reads the members from a JSON object; throws ImportError on the first fault.
class JsonReader {
  public:
    explicit JsonReader(const Value& root) { stack_.push_back({&root, ""}); }

    void Int(const char* name, int32_t& v, Range range = kAny) {
        if (const Value* j = Take(name)) v = static_cast<int32_t>(Number(*j, Path(name), range));
    }
    void Byte(const char* name, uint8_t& v, Range range = kAny) {
        Range r = range;
        if (r.lo < 0) r.lo = 0;
        if (r.hi > 255) r.hi = 255;
        if (const Value* j = Take(name)) v = static_cast<uint8_t>(Number(*j, Path(name), r));
    }
    void Text(const char* name, std::string& s, int maxLen = kMaxTextLen) {
        if (const Value* j = Take(name)) s = TextOf(*j, Path(name), maxLen);
    }
    template <size_t N> void Ints(const char* name, std::array<int32_t, N>& a, Range range = kAny) {
        if (const Value* j = Take(name)) {
            const auto& items = ArrayOf(*j, Path(name), N);
            for (size_t i = 0; i < N; ++i)
                a[i] = static_cast<int32_t>(Number(items[i], Index(name, i), range));
        }
    }
    template <size_t N> void Bytes(const char* name, std::array<uint8_t, N>& a) {
        if (const Value* j = Take(name)) {
            const auto& items = ArrayOf(*j, Path(name), N);
            for (size_t i = 0; i < N; ++i)
                a[i] = static_cast<uint8_t>(Number(items[i], Index(name, i), kByte));
        }
    }
    template <size_t N>
    void Texts(const char* name, std::array<std::string, N>& a, size_t first, size_t count) {
        if (const Value* j = Take(name)) {
            const auto& items = ArrayOf(*j, Path(name), N);
            for (size_t i = first; i < std::min(N, first + count); ++i)
                a[i] = TextOf(items[i], Index(name, i), kMaxTextLen);
        }
    }
    template <class R, size_t N>
    void Records(const char* name, std::array<R, N>& a, size_t first, int64_t count) {
        const Value* j = Take(name);
        if (!j) return;
        // Mailboxes are listed as far as they are in use, the others in full.
        const bool inUse = std::string_view(name) == "mailboxes";
        const size_t size = inUse ? static_cast<size_t>(count) : N;
        const auto& items = ArrayOf(*j, Path(name), size);
        const size_t last =
            std::min<size_t>(N, first + static_cast<size_t>(std::max<int64_t>(count, 0)));
        for (size_t i = first; i < last; ++i) {
            if (!items[i].is_object()) Fail(Index(name, i), "expected an object");
            stack_.push_back({&items[i], Index(name, i)});
            WalkRecord(*this, a[i]);
            CheckAllTaken();
            stack_.pop_back();
        }
    }
    template <class R, size_t M, size_t N>
    void Grid(const char* name, std::array<std::array<R, M>, N>& g) {
        const Value* j = Take(name);
        if (!j) return;
        const auto& rows = ArrayOf(*j, Path(name), N);
        for (size_t r = 0; r < N; ++r) {
            const auto& cols = ArrayOf(rows[r], Index(name, r), M);
            for (size_t c = 0; c < M; ++c)
                Element(cols[c], Index(name, r) + "[" + std::to_string(c) + "]", g[r][c]);
        }
    }
    void Gate(FileGate) {}

    // Keys of the current object not read by the walk and not in `extra`.
    void CheckAllTaken(const std::set<std::string>& extra = {}) {
        for (const auto& member : stack_.back().value->items()) {
            const std::string& key = member.key();
            if (!taken_.count(Path(key.c_str())) && !extra.count(key))
                Fail(Path(key.c_str()), "unknown key");
        }
    }
    const Value* Take(const char* name) {
        const Value* v = json::Find(*stack_.back().value, name);
        if (v) taken_.insert(Path(name));
        return v;
    }
    [[noreturn]] static void Fail(const std::string& path, const std::string& why) {
        throw ImportError{path + ": " + why};
    }
    static int64_t Number(const Value& v, const std::string& path, Range range) {
        if (!v.is_number_integer())
            Fail(path, std::string("expected an integer, found ") +
                           (v.is_number() ? "a fraction" : v.type_name()));
        // The reader gives int64 only; a built value may hold a larger unsigned one.
        const int64_t n =
            v.is_number_unsigned()
                ? static_cast<int64_t>(std::min<uint64_t>(v.get<uint64_t>(), INT64_MAX))
                : v.get<int64_t>();
        if (!range.Contains(n) || n < INT32_MIN || n > INT32_MAX) {
            std::string why = "value " + std::to_string(n) + " outside " +
                              std::to_string(range.lo) + "-" + std::to_string(range.hi);
            if (range.extra != INT64_MIN) why += " (or " + std::to_string(range.extra) + ")";
            Fail(path, why);
        }
        return n;
    }
    static std::string TextOf(const Value& v, const std::string& path, int maxLen) {
        if (!v.is_string()) Fail(path, std::string("expected a string, found ") + v.type_name());
        std::string out;
        if (!Utf8ToCp1252(v.get_ref<const std::string&>(), out))
            Fail(path, "text holds characters that code page 1252 cannot hold");
        if (out.size() > static_cast<size_t>(maxLen))
            Fail(path, "text longer than " + std::to_string(maxLen) + " characters");
        return out;
    }
    static const Value& ArrayOf(const Value& v, const std::string& path, size_t size) {
        if (!v.is_array()) Fail(path, std::string("expected an array, found ") + v.type_name());
        if (v.size() != size)
            Fail(path, "expected " + std::to_string(size) + " elements, found " +
                           std::to_string(v.size()));
        return v;
    }

  private:
    struct Frame {
        const Value* value;
        std::string path;
    };
    std::string Path(const char* name) const {
        return stack_.back().path.empty() ? name : stack_.back().path + "." + name;
    }
    std::string Index(const char* name, size_t i) const {
        return Path(name) + "[" + std::to_string(i) + "]";
    }
    void Element(const Value& v, const std::string& path, int32_t& out) {
        out = static_cast<int32_t>(Number(v, path, kAny));
    }
    template <class R> void Element(const Value& v, const std::string& path, R& out) {
        if (!v.is_object()) Fail(path, "expected an object");
        stack_.push_back({&v, path});
        WalkRecord(*this, out);
        CheckAllTaken();
        stack_.pop_back();
    }

    std::vector<Frame> stack_;
    std::set<std::string> taken_;
};

} // namespace

json::Value ConfigurationToJson(CQelDoc& doc, const std::vector<std::string>& loadMessages) {
    JsonWriter w;
    WalkFileLayout(w, doc);
    w.root["clockSecond"] = doc.clockSecond;
    w.root["pageState"] = doc.pageState;
    w.root["productType"] = doc.productType;
    w.root["slotLimit"] = doc.slotLimit;
    w.root["fileValid"] = doc.fileValid;
    Value messages = Value::array();
    for (const auto& m : loadMessages)
        messages.push_back(Cp1252ToUtf8(m));
    w.root["loadMessages"] = std::move(messages);
    return w.root;
}

bool ConfigurationFromJson(const json::Value& root, CQelDoc& doc, std::string& error) {
    if (!root.is_object()) {
        error = "the configuration must be a JSON object";
        return false;
    }
    CQelDoc copy = doc;
    try {
        JsonReader r(root);
        // The mailbox list may be given without its count.
        const Value* boxes = json::Find(root, "mailboxes");
        if (boxes && boxes->is_array() && !json::Find(root, "mboxCount")) {
            if (boxes->size() > 128) JsonReader::Fail("mailboxes", "more than 128 mailboxes");
            copy.mboxCount = static_cast<int32_t>(boxes->size());
        }
        WalkFileLayout(r, copy);
        if (const Value* v = r.Take("clockSecond"))
            copy.clockSecond =
                static_cast<int32_t>(JsonReader::Number(*v, "clockSecond", Range{0, 59}));
        if (const Value* v = r.Take("pageState")) {
            const auto& items = JsonReader::ArrayOf(*v, "pageState", 39);
            for (size_t i = 0; i < 39; ++i)
                copy.pageState[i] = static_cast<int32_t>(
                    JsonReader::Number(items[i], "pageState[" + std::to_string(i) + "]", kAny));
        }
        // Load state of a dump: checked for type, not applied.
        if (const Value* v = r.Take("productType"))
            JsonReader::Number(*v, "productType", Range{0, 3});
        if (const Value* v = r.Take("slotLimit")) JsonReader::Number(*v, "slotLimit", kAny);
        if (const Value* v = r.Take("fileValid")) JsonReader::Number(*v, "fileValid", kYesNo);
        if (const Value* v = r.Take("loadMessages")) {
            if (!v->is_array())
                JsonReader::Fail("loadMessages",
                                 std::string("expected an array, found ") + v->type_name());
            for (size_t i = 0; i < v->size(); ++i)
                if (!(*v)[i].is_string())
                    JsonReader::Fail("loadMessages[" + std::to_string(i) + "]",
                                     "expected a string");
        }
        for (char c : copy.unitPassword)
            if (c < '0' || c > '9')
                JsonReader::Fail("unitPassword", "the password holds only the digits 0-9");
        r.CheckAllTaken();
    } catch (const ImportError& e) {
        error = e.message;
        return false;
    }
    doc = std::move(copy);
    return true;
}

} // namespace kiv
