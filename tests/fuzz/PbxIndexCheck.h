#pragma once
// What the PBX index fuzz target checks for one input, shared with the corpus
// replay of the ordinary test run: any bytes read as a family's "PBX.xml" give
// a list that is sorted, lists every model once, chooses the first model of
// equal texts, and never lets a chosen file name leave its family folder.

#include "pbxdb/PbxIndex.h"
#include "pbxdb/ui/PbxIndexReader.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace kiv::fuzz {

// A file name the selection accepts names a file directly in the family folder.
inline bool StaysInFamilyFolder(const std::string& family, const std::string& fileName) {
    const std::filesystem::path folder(family);
    const std::filesystem::path path = (folder / fileName).lexically_normal();
    return !fileName.empty() && path.parent_path() == folder && path.filename() == fileName;
}

// Case-blind order, written apart from the index's own comparison.
inline std::string Folded(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The faults found for one input; empty when the index behaves.
inline std::vector<std::string> CheckPbxIndex(const QByteArray& bytes) {
    std::vector<std::string> faults;
    const std::string family = "ri8";
    const CPbxIndex index(2, ParsePbxIndex(bytes));
    const std::vector<PbxIndexEntry>& entries = index.Entries();
    const std::vector<std::string> sorted = index.SortedTexts();

    std::vector<std::string> listed = sorted;
    std::vector<std::string> made;
    for (const PbxIndexEntry& e : entries)
        made.push_back(e.pbxType + " (" + e.digitsInExtension + " digits)");
    std::sort(listed.begin(), listed.end());
    std::sort(made.begin(), made.end());
    if (listed != made) faults.push_back("the list is not one text per model");
    for (size_t i = 1; i < sorted.size(); ++i)
        if (Folded(sorted[i]) < Folded(sorted[i - 1]))
            faults.push_back("not sorted: \"" + sorted[i - 1] + "\" before \"" + sorted[i] + "\"");

    for (const std::string& text : sorted) {
        // The list widget holds the text as a QString and hands it back.
        if (QString::fromStdString(text).toStdString() != text)
            faults.push_back("the list changes the text \"" + text + "\"");
        const auto choice = index.Choose(text);
        if (!choice) {
            faults.push_back("nothing chosen for \"" + text + "\"");
            continue;
        }
        const auto first = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
            return e.pbxType + " (" + e.digitsInExtension + " digits)" == text;
        });
        if (choice->familyFolder != family || first == entries.end() ||
            choice->fileName != first->fileName || text.rfind(choice->modelName, 0) != 0)
            faults.push_back("wrong choice for \"" + text + "\"");
        if (IsPbxFileNameSafe(choice->fileName) && !StaysInFamilyFolder(family, choice->fileName))
            faults.push_back("accepted file name leaves the folder: \"" + choice->fileName + "\"");
    }
    return faults;
}

} // namespace kiv::fuzz
