// The PBX index reader on hostile files: the fuzz corpus replayed through the
// fuzz target's checks, and the files whose parse time or size would grow far
// beyond their bytes refused quickly, while ordinary indexes in any encoding
// the parser knows are still read.

#include "fuzz/PbxIndexCheck.h"
#include "pbxdb/ui/PbxIndexReader.h"
#include "support/CorpusFiles.h"

#include <QString>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace kiv::test {
namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

std::vector<std::string> Types(const std::vector<PbxIndexEntry>& entries) {
    std::vector<std::string> types;
    for (const PbxIndexEntry& e : entries)
        types.push_back(e.pbxType);
    return types;
}

TEST(PbxIndexCorpus, EveryInputIsReadSafelyAndListsWhatItShould) {
    const auto files = CorpusFiles("pbx_index_corpus");
    // How many models each seed lists: a seed that the reader starts to
    // refuse, or a hostile one it starts to accept, shows here.
    const std::map<std::string, size_t> models = {{"valid.xml", 3},
                                                  {"tricky-names.xml", 2},
                                                  {"outside-pbxs.xml", 0},
                                                  {"missing-attributes.xml", 5},
                                                  {"traversal.xml", 9},
                                                  {"huge-attribute.xml", 1},
                                                  {"deep-nesting.xml", 0},
                                                  {"many-attributes.xml", 0},
                                                  {"entities.xml", 0},
                                                  {"default-attributes.xml", 0},
                                                  {"external-doctype.xml", 1},
                                                  {"latin1.xml", 1},
                                                  {"utf16.xml", 1},
                                                  {"not-utf8.xml", 0},
                                                  {"empty", 0},
                                                  {"order-and-duplicates.xml", 6}};
    EXPECT_GE(files.size(), models.size());
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fuzz::CheckPbxIndex(Bytes(bytes)), std::vector<std::string>{});
        const auto expected = models.find(name);
        if (expected != models.end()) {
            EXPECT_EQ(ParsePbxIndex(Bytes(bytes)).size(), expected->second);
        }
        // Wherever the file stops, the reader ends cleanly.
        for (size_t cut = 0; cut < bytes.size(); cut += 1 + bytes.size() / 16)
            EXPECT_EQ(fuzz::CheckPbxIndex(Bytes(bytes).left(static_cast<qsizetype>(cut))),
                      std::vector<std::string>{})
                << "first " << cut << " bytes";
    }
}

TEST(PbxIndexCorpus, TheChecksCatchAnEscapingNameAndAWrongChoice) {
    // The checks themselves: a name that leaves the folder and is accepted
    // would be reported; the reader's safe names pass.
    EXPECT_TRUE(fuzz::StaysInFamilyFolder("ri8", "x.ri8"));
    EXPECT_TRUE(fuzz::StaysInFamilyFolder("ri8", "..x.ri8"));
    for (const char* name : {"..", ".", "a/b", "/abs", "../x", "a/..", ""})
        EXPECT_FALSE(fuzz::StaysInFamilyFolder("ri8", name)) << name;
}

// Elements nested deeper than any index: the DOM takes time in the square of
// the depth (about a minute for this file), the refusal a fraction of a second.
TEST(PbxIndexReaderLimits, DeepNestingIsRefused) {
    const QByteArray head =
        "<r><PBXs><PBX PBXType=\"A\" DigitsInExtension=\"2\" FileName=\"a\"/></PBXs>";
    EXPECT_EQ(ParsePbxIndex(head + "<n><n><n></n></n></n></r>").size(), 1u);
    EXPECT_TRUE(ParsePbxIndex(head + QByteArray("<n>").repeated(100) +
                              QByteArray("</n>").repeated(100) + "</r>")
                    .empty());
    EXPECT_TRUE(ParsePbxIndex(head + QByteArray("<n>").repeated(60000) +
                              QByteArray("</n>").repeated(60000) + "</r>")
                    .empty());
}

// One element with a great many attributes: the parser compares each with all
// before it.
TEST(PbxIndexReaderLimits, AnElementWithThousandsOfAttributesIsRefused) {
    auto withAttributes = [](int count) {
        QByteArray xml = "<r><PBXs><PBX PBXType=\"A\" FileName=\"a\"";
        for (int i = 0; i < count; ++i)
            xml += " a" + QByteArray::number(i) + "=\"'>\"";
        return xml + "/></PBXs></r>";
    };
    EXPECT_EQ(ParsePbxIndex(withAttributes(20)).size(), 1u);
    EXPECT_TRUE(ParsePbxIndex(withAttributes(100)).empty());
    EXPECT_TRUE(ParsePbxIndex(withAttributes(60000)).empty());
}

// Declared entities and default attributes make a small file stand for a huge
// one (or put names in elements that do not carry them): refused. A document
// type without declarations is still read.
TEST(PbxIndexReaderLimits, EntityAndDefaultAttributeDeclarationsAreRefused) {
    EXPECT_TRUE(ParsePbxIndex(R"(<!DOCTYPE r [<!ENTITY up "../fuori.ri8">]>
        <r><PBXs><PBX PBXType="A" FileName="&up;"/></PBXs></r>)")
                    .empty());
    EXPECT_TRUE(ParsePbxIndex(R"(<!DOCTYPE r [<!ATTLIST PBX FileName CDATA "../fuori.ri8">]>
        <r><PBXs><PBX PBXType="A"/></PBXs></r>)")
                    .empty());
    // Declarations hidden in a parameter entity or behind character references.
    EXPECT_TRUE(ParsePbxIndex(R"(<!DOCTYPE r [<!ENTITY % p '<!ATTLIST PBX Z CDATA "v">'> %p;]>
        <r><PBXs><PBX PBXType="A"/></PBXs></r>)")
                    .empty());
    // An element with 400 attributes repeated by reference: each reference
    // costs 80000 comparisons and 400 attribute nodes.
    QByteArray many = "<!DOCTYPE r [<!ENTITY e '&#60;PBX";
    for (int i = 0; i < 400; ++i)
        many += " a" + QByteArray::number(i) + "=\"\"";
    many += "/>'>]><r><PBXs>" + QByteArray("&e;").repeated(2000) + "</PBXs></r>";
    EXPECT_TRUE(ParsePbxIndex(many).empty());

    EXPECT_EQ(Types(ParsePbxIndex(R"(<?xml version="1.0"?>
        <!DOCTYPE r SYSTEM "pbx.dtd"><r><PBXs><PBX PBXType="A &amp; B"/></PBXs></r>)")),
              std::vector<std::string>{"A & B"});
}

TEST(PbxIndexReaderLimits, EncodingsAreDecodedAsTheParserDoes) {
    EXPECT_EQ(Types(ParsePbxIndex("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                                  "<r><PBXs><PBX PBXType=\"Per\xf2\"/></PBXs></r>")),
              std::vector<std::string>{"Per\xc3\xb2"});
    EXPECT_EQ(Types(ParsePbxIndex("<?xml version='1.0' encoding='windows-1252'?>"
                                  "<r><PBXs><PBX PBXType=\"\x80 1\"/></PBXs></r>")),
              std::vector<std::string>{"\xe2\x82\xac 1"});
    EXPECT_EQ(
        Types(ParsePbxIndex("\xef\xbb\xbf<r><PBXs><PBX PBXType=\"Per\xc3\xb2\"/></PBXs></r>")),
        std::vector<std::string>{"Per\xc3\xb2"});
    const QString utf16 = QStringLiteral("\uFEFF<r><PBXs><PBX PBXType=\"Sedici\"/></PBXs></r>");
    EXPECT_EQ(Types(ParsePbxIndex(
                  QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2))),
              std::vector<std::string>{"Sedici"});
    // Bytes that are not in the file's encoding, or an encoding nobody knows.
    EXPECT_TRUE(ParsePbxIndex("<r><PBXs><PBX PBXType=\"\xff\"/></PBXs></r>").empty());
    EXPECT_TRUE(ParsePbxIndex("<?xml version=\"1.0\" encoding=\"nessuna\"?>"
                              "<r><PBXs><PBX PBXType=\"A\"/></PBXs></r>")
                    .empty());
}

} // namespace
} // namespace kiv::test
