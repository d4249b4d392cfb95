// Fuzz target: the PBX index reader (Qt XML) on any bytes, and the choice of
// every model it lists, whose file name must never leave the family folder.
#include "pbxdb/PbxIndex.h"
#include "pbxdb/ui/PbxIndexReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const kiv::CPbxIndex index(2, kiv::ParsePbxIndex(bytes));
    for (const std::string& text : index.SortedTexts()) {
        const auto choice = index.Choose(text);
        if (!choice || choice->familyFolder != "ri8") std::abort();
        if (kiv::IsPbxFileNameSafe(choice->fileName) &&
            choice->fileName.find('/') != std::string::npos)
            std::abort();
    }
    return 0;
}
