#include "LayoutFixture.h"

#include "document/ConfigJson.h"
#include "document/FileLayout.h"
#include "document/QelFile.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

json::Value Parsed(const std::string& text) {
    json::Value v;
    std::string error;
    EXPECT_TRUE(json::Parse(text, v, error)) << error;
    return v;
}

// Brings every member into its range, so that a distinctive configuration
// can travel through JSON, which refuses values out of range.
struct IntoRange : CElementWalker<IntoRange> {
    void Int(const char*, int32_t& v, Range r = kAny) {
        const int64_t span = r.hi - r.lo + 1;
        if (!r.Contains(v)) v = static_cast<int32_t>(r.lo + ((v % span) + span) % span);
    }
    void Byte(const char* n, uint8_t& v, Range r = kAny) {
        int32_t w = v;
        Int(n, w, r);
        v = static_cast<uint8_t>(w);
    }
    void Text(const char*, std::string& s, int maxLen = kMaxTextLen) {
        if (s.size() > static_cast<size_t>(maxLen)) s.resize(static_cast<size_t>(maxLen));
    }
    template <size_t N> void Ints(const char* n, std::array<int32_t, N>& a, Range r = kAny) {
        for (auto& v : a)
            Int(n, v, r);
    }
    template <size_t N> void Bytes(const char*, std::array<uint8_t, N>&) {}
    template <size_t N> void Texts(const char*, std::array<std::string, N>&, size_t, size_t) {}
    void Gate(FileGate) {}
};

TEST(ConfigJsonTest, DumpAndImportRoundTripEveryMember) {
    test::LayoutFixture f;
    IntoRange fix;
    WalkFileLayout(fix, f.doc);
    f.doc.unitPassword = "1234";
    const json::Value dumped = ConfigurationToJson(f.doc, {"Questo \xE8 un messaggio"});
    const std::string text = json::Write(dumped);
    EXPECT_NE(text.find("\"Questo è un messaggio\""), std::string::npos);
    EXPECT_NE(text.find("\"operatorKey\": 7"), std::string::npos);

    CQelDoc doc;
    std::string error;
    ASSERT_TRUE(ConfigurationFromJson(Parsed(text), doc, error)) << error;
    EXPECT_EQ(doc.unitPassword, "1234");
    EXPECT_EQ(doc.mailboxes[2].number, "102");
    // Every saved member is back: the two configurations store the same bytes.
    doc.clockReference = f.doc.clockReference = 0;
    EXPECT_EQ(StoreConfiguration(doc, StoreOptions{false, ""}),
              StoreConfiguration(f.doc, StoreOptions{false, ""}));
    EXPECT_EQ(json::Write(ConfigurationToJson(doc, {"Questo \xE8 un messaggio"})), text);
}

TEST(ConfigJsonTest, MailboxesWithoutTheirCount) {
    CQelDoc doc;
    std::string error;
    ASSERT_TRUE(ConfigurationFromJson(
        Parsed(R"({"mailboxes": [{"number": "101"}, {"number": "102", "slot": 1}]})"), doc, error))
        << error;
    EXPECT_EQ(doc.mboxCount, 2);
    EXPECT_EQ(doc.mailboxes[1].number, "102");
    EXPECT_EQ(doc.mailboxes[1].slot, 1);
    EXPECT_EQ(doc.mailboxes[0].password, " "); // missing fields keep their values
}

TEST(ConfigJsonTest, RefusalsNameTheKeyAndChangeNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"operatorKeyy": 1})", "operatorKeyy: unknown key"},
        {R"({"extDigits": "3"})", "extDigits: expected an integer, found string"},
        {R"({"extDigits": 3.5})", "extDigits: expected an integer, found a fraction"},
        {R"({"operatorKey": 12})", "operatorKey: value 12 outside 0-9"},
        {R"({"allowedExt": ["1"]})", "allowedExt: expected 20 elements, found 1"},
        {R"({"mboxCount": 1, "mailboxes": [{"slot": 200}]})",
         "mailboxes[0].slot: value 200 outside 0-128 (or 255)"},
        {R"({"mboxCount": 1, "mailboxes": [{"colour": 2}]})", "mailboxes[0].colour: unknown key"},
        {R"({"mboxCount": 2, "mailboxes": [{}]})", "mailboxes: expected 2 elements, found 1"},
        {R"({"faxExt": "漢"})", "faxExt: text holds characters that code page 1252 cannot hold"},
        {R"({"unitPassword": "12a"})", "unitPassword: the password holds only the digits 0-9"},
        {R"({"holidayCount": 51})", "holidayCount: value 51 outside 0-50"},
        {R"({"mboxCount": 129})", "mboxCount: value 129 outside 0-128"},
    };
    for (const auto& [input, expected] : cases) {
        CQelDoc doc;
        doc.faxExt = "55";
        std::string error;
        EXPECT_FALSE(ConfigurationFromJson(Parsed(input), doc, error)) << input;
        EXPECT_EQ(error, expected) << input;
        EXPECT_EQ(doc.faxExt, "55");
        EXPECT_EQ(doc.mboxCount, 0);
    }
}

} // namespace
} // namespace kiv
