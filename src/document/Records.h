#pragma once
// The records held in the configuration's fixed arrays. Each record also
// lists its fields, in stored order, for the generic walkers (file, JSON).

#include <array>
#include <cstdint>
#include <string>

namespace kiv {

// Inclusive value range of a field; `extra` is one more accepted value
// outside the range (e.g. 255 = "no slot").
struct Range {
    int64_t lo = INT32_MIN;
    int64_t hi = INT32_MAX;
    int64_t extra = INT64_MIN;
    bool Contains(int64_t v) const { return (v >= lo && v <= hi) || v == extra; }
};
inline constexpr Range kAny{};
inline constexpr Range kYesNo{0, 1};
inline constexpr Range kByte{0, 255};

struct MboxRecord {
    std::string number = " ";
    int32_t type = 0;
    std::string password = " ";
    std::string phone = " ";
    int32_t localNotify = 0;
    int32_t allowed = 0;
    int32_t phoneEnabled = 0;
    int32_t timeStamp = 1;
    int32_t dnd = 0;
    int32_t aux1 = 0;
    int32_t aux2 = 0;
    uint8_t slot = 255;
    int32_t aux3 = -1;
    int32_t language = 0;
    std::string pager = " ";
    int32_t pagerEnabled = 0;
    int32_t announcer = 0;

    bool operator==(const MboxRecord&) const = default;
};

struct MboxGroup {
    uint8_t memberCount = 0;
    std::array<int32_t, 20> members{};

    bool operator==(const MboxGroup&) const = default;
};

struct PageEntry {
    int32_t op = 0;
    std::array<uint8_t, 4> target{};
    uint8_t targetInfo = 0;

    bool operator==(const PageEntry&) const = default;
};

struct InBandEntry {
    int32_t operation = 0;
    std::array<uint8_t, 20> code{};
    uint8_t codeLength = 0;
    std::array<uint8_t, 4> target{};
    int32_t targetLength = 0;

    bool operator==(const InBandEntry&) const = default;
};

struct BreakSlot {
    int32_t start = 0;
    int32_t end = 0;
    int32_t page = 15;

    bool operator==(const BreakSlot&) const = default;
};

inline constexpr Range kMinuteOfDay{0, 1439};
inline constexpr Range kBreakPage{0, 97};
// Longest text any walker accepts (the file format's own limit is 32 bits).
inline constexpr int kMaxTextLen = 1 << 30;

// Field lists, in the order the records are stored in a configuration file.
// `Text` takes an optional longest length (characters).
template <class V> void WalkRecord(V& v, MboxRecord& r) {
    v.Text("number", r.number);
    v.Int("type", r.type, kYesNo);
    v.Text("password", r.password);
    v.Text("phone", r.phone, 20);
    v.Int("localNotify", r.localNotify, Range{0, 4});
    v.Int("allowed", r.allowed, kYesNo);
    v.Int("phoneEnabled", r.phoneEnabled, kYesNo);
    v.Int("timeStamp", r.timeStamp, kYesNo);
    v.Int("dnd", r.dnd, kYesNo);
    v.Int("aux1", r.aux1, kAny);
    v.Int("aux2", r.aux2, kAny);
    v.Byte("slot", r.slot, Range{0, 128, 255});
    v.Int("aux3", r.aux3, kAny);
    v.Int("language", r.language, Range{0, 2});
    v.Text("pager", r.pager, 40);
    v.Int("pagerEnabled", r.pagerEnabled, kYesNo);
    v.Int("announcer", r.announcer, kYesNo);
}

template <class V> void WalkRecord(V& v, MboxGroup& g) {
    v.Byte("memberCount", g.memberCount, Range{0, 20});
    v.Ints("members", g.members, kAny);
}

template <class V> void WalkRecord(V& v, PageEntry& p) {
    v.Int("op", p.op, Range{0, 18});
    v.Bytes("target", p.target);
    v.Byte("targetInfo", p.targetInfo, kByte);
}

template <class V> void WalkRecord(V& v, InBandEntry& e) {
    v.Int("operation", e.operation, Range{0, 15});
    v.Bytes("code", e.code);
    v.Byte("codeLength", e.codeLength, Range{0, 20});
    v.Bytes("target", e.target);
    v.Int("targetLength", e.targetLength, Range{0, 4});
}

template <class V> void WalkRecord(V& v, BreakSlot& b) {
    v.Int("start", b.start, kMinuteOfDay);
    v.Int("end", b.end, kMinuteOfDay);
    v.Int("page", b.page, kBreakPage);
}

} // namespace kiv
