#pragma once
// Reads a family's "PBX.xml" with Qt XML.

#include "pbxdb/PbxIndex.h"

#include <QByteArray>
#include <QString>

namespace kiv {

// The models of an index: every "PBX" element on the path "PBXs/PBX" below
// the document element (whatever its name), in document order, with its
// "PBXType", "DigitsInExtension" and "FileName" attributes (a missing one is
// empty). Bytes that do not parse give no model.
std::vector<PbxIndexEntry> ParsePbxIndex(const QByteArray& xml);

// The same for a file; a missing or unreadable file, or a product type
// without a family, gives no model.
CPbxIndex ReadPbxIndex(const QString& path, int productType);

} // namespace kiv
