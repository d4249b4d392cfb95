#include "pbxdb/PbxSelect.h"

#include "document/DocCommands.h"
#include "document/QelFile.h"
#include "document/Texts.h"
#include "pbxdb/Texts.h"

#include <filesystem>
#include <system_error>

namespace kiv {

std::string PbxIndexPath(const std::string& databaseRoot, int productType) {
    return JoinPath(JoinPath(databaseRoot, PbxFamilyFolder(productType)), kPbxIndexFile);
}

std::string FindPbxDatabase(const std::vector<std::string>& folders, int productType) {
    for (const std::string& folder : folders) {
        const std::string root = JoinPath(folder, kPbxDatabaseFolder);
        std::error_code ec;
        if (std::filesystem::is_regular_file(PbxIndexPath(root, productType), ec)) return root;
    }
    return JoinPath(folders.empty() ? std::string() : folders.front(), kPbxDatabaseFolder);
}

bool LoadPbxModel(CQelDoc& doc, const std::string& databaseRoot, const PbxChoice& choice,
                  MessageSink& sink) {
    std::vector<uint8_t> data;
    if (choice.familyFolder.empty() || !IsPbxFileNameSafe(choice.fileName) ||
        !ReadWholeFile(JoinPath(databaseRoot, choice.RelativeFile()), data)) {
        sink.Show(texts::kFileIncompatible);
        return false;
    }
    // Loaded into a copy, as "&Apri" does: a refused file leaves the
    // configuration as it was rather than half replaced.
    CQelDoc loaded = doc;
    if (LoadConfiguration(loaded, data, choice.fileName, sink) != 1) return false;
    loaded.title = choice.modelName;
    loaded.pathName = doc.pathName;
    loaded.modified = doc.modified;
    // The model name is a title, not a file: the next "&Salva" asks for a
    // name rather than writing "<model>.qel" beside the last file.
    loaded.neverSaved = true;
    doc = std::move(loaded);
    return true;
}

} // namespace kiv
