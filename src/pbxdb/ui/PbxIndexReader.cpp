#include "pbxdb/ui/PbxIndexReader.h"

#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

namespace kiv {

namespace {

// An index is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxIndexBytes = 16 << 20;
// An index nests three deep (document element, "PBXs", "PBX") and a "PBX"
// element has three attributes. Qt's DOM takes time that grows with the square
// of the nesting depth and of the attributes of one element, so a file far
// beyond these bounds is refused before it is parsed.
constexpr int kMaxDepth = 64;
constexpr int kMaxAttributes = 64;

std::string Attribute(const QDomElement& element, const char* name) {
    return element.attribute(QString::fromLatin1(name)).toStdString();
}

// The text of the index as the XML parser decodes it: by the byte-order mark
// or the first bytes, else by the encoding the XML declaration names, else
// UTF-8. Nothing for an unknown encoding or bytes that are not in it.
std::optional<QString> DecodeIndex(const QByteArray& xml) {
    if (const auto detected = QStringDecoder::encodingForData(xml, u'<')) {
        QStringDecoder decoder(*detected);
        QString text = decoder.decode(xml);
        if (decoder.hasError()) return std::nullopt;
        return text;
    }
    QByteArray encoding = "UTF-8";
    if (xml.startsWith("<?xml")) {
        static const QRegularExpression declared(
            QStringLiteral(R"(^<\?xml[^>]*?\sencoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
        const auto match = declared.match(QString::fromLatin1(xml.left(xml.indexOf('>') + 1)));
        if (match.hasMatch()) encoding = match.captured(1).toLatin1();
    }
    QStringDecoder decoder(encoding.constData());
    if (!decoder.isValid()) return std::nullopt;
    QString text = decoder.decode(xml);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

// Entity and default attribute declarations let a few bytes stand for a great
// many characters, elements or attributes; an index has no use for them.
bool DeclaresEntitiesOrDefaults(const QString& text) {
    return text.contains(QLatin1String("<!ENTITY")) || text.contains(QLatin1String("<!ATTLIST"));
}

// The most attributes one start tag can hold: the "=" outside quotes from its
// "<" to its ">". Counted over the text, not by the parser, which would take
// the quadratic time this guards against; a "<" always begins a new count, as
// no attribute value may hold one.
int MostAttributesInATag(const QString& text) {
    int most = 0;
    qsizetype at = text.indexOf(u'<');
    while (at >= 0 && at + 1 < text.size()) {
        const QChar first = text[at + 1];
        qsizetype next = -1;
        if (first != u'!' && first != u'?' && first != u'/') {
            int count = 0;
            QChar quote;
            for (qsizetype i = at + 1; i < text.size(); ++i) {
                const QChar c = text[i];
                if (c == u'<') {
                    next = i;
                    break;
                }
                if (!quote.isNull()) {
                    if (c == quote) quote = QChar();
                } else if (c == u'"' || c == u'\'') {
                    quote = c;
                } else if (c == u'=') {
                    ++count;
                } else if (c == u'>') {
                    break;
                }
            }
            most = std::max(most, count);
        }
        at = next >= 0 ? next : text.indexOf(u'<', at + 1);
    }
    return most;
}

// True when elements nest deeper than `limit` (the stream reader takes linear
// time in the depth). A text that does not parse is left to the DOM to refuse.
bool NestsDeeperThan(const QString& text, int limit) {
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > limit) return true;
        if (token == QXmlStreamReader::EndElement) --depth;
    }
    return false;
}

} // namespace

std::vector<PbxIndexEntry> ParsePbxIndex(const QByteArray& xml) {
    std::vector<PbxIndexEntry> entries;
    const std::optional<QString> text = DecodeIndex(xml);
    if (!text || DeclaresEntitiesOrDefaults(*text) ||
        MostAttributesInATag(*text) > kMaxAttributes || NestsDeeperThan(*text, kMaxDepth))
        return entries;
    QDomDocument document;
    if (!document.setContent(*text)) return entries;
    const QDomElement root = document.documentElement();
    for (QDomElement list = root.firstChildElement(QStringLiteral("PBXs")); !list.isNull();
         list = list.nextSiblingElement(QStringLiteral("PBXs"))) {
        for (QDomElement pbx = list.firstChildElement(QStringLiteral("PBX")); !pbx.isNull();
             pbx = pbx.nextSiblingElement(QStringLiteral("PBX")))
            entries.push_back({Attribute(pbx, "PBXType"), Attribute(pbx, "DigitsInExtension"),
                               Attribute(pbx, "FileName")});
    }
    return entries;
}

CPbxIndex ReadPbxIndex(const QString& path, int productType) {
    // A product type without a family (never one the program sets) lists nothing.
    if (PbxFamilyFolder(productType).empty()) return CPbxIndex(productType, {});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxIndexBytes)
        return CPbxIndex(productType, {});
    return CPbxIndex(productType, ParsePbxIndex(file.read(kMaxIndexBytes)));
}

} // namespace kiv
