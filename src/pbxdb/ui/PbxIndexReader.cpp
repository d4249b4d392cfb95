#include "pbxdb/ui/PbxIndexReader.h"

#include <QDomDocument>
#include <QFile>

namespace kiv {

namespace {

// An index is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxIndexBytes = 16 << 20;

std::string Attribute(const QDomElement& element, const char* name) {
    return element.attribute(QString::fromLatin1(name)).toStdString();
}

} // namespace

std::vector<PbxIndexEntry> ParsePbxIndex(const QByteArray& xml) {
    std::vector<PbxIndexEntry> entries;
    QDomDocument document;
    if (!document.setContent(xml)) return entries;
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
