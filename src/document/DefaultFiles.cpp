#include "document/DefaultFiles.h"

#include "document/QelDoc.h"
#include "document/QelFile.h"

#include <algorithm>
#include <filesystem>

namespace kiv {

std::vector<std::string> DataFolders(const std::string& startDir, const std::string& programDir) {
    std::vector<std::string> folders;
    auto add = [&folders](const std::string& folder) {
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    };
    add(startDir);
    add(programDir);
    if (!programDir.empty()) {
        const std::filesystem::path program(programDir);
        add((program.parent_path() / "share" / "kiv").string());
    }
    return folders;
}

std::string MakeDefaultFile(int productType) {
    CQelDoc doc;
    doc.SetProductType(productType);
    StoreOptions options;
    options.advanceClock = false;
    options.passwordText = doc.unitPassword;
    return StoreConfiguration(doc, options);
}

} // namespace kiv
